#include "DemoSignal.h"

#include "TestSignals.h"

namespace signals {

namespace {
// Open guitar strings in semitones above C0, lowest first: E2 A2 D3 G3 B3 E4.
constexpr int kGuitarStrings[6] = {28, 33, 38, 43, 47, 52};
constexpr double kStrumSpacingSeconds = 0.01;
} // namespace

std::vector<float> DemoSignal(double rate)
{
    PluckShape shape;
    std::vector<float> signal = Silence(0.25, rate);
    Append(signal, Pluck(NoteFrequency(kGuitarStrings[0], kDemoLowECents), shape, 2.0, rate));
    Append(signal, Pluck(NoteFrequency(kGuitarStrings[1]), shape, 2.0, rate));
    Append(signal, Silence(0.5, rate));

    shape.amplitude = 0.15;
    std::vector<float> strum;
    for (int s = 0; s < 6; ++s) {
        const double cents = s == kDemoSharpString ? kDemoSharpCents : 0.0;
        MixInto(strum, Pluck(NoteFrequency(kGuitarStrings[s], cents), shape, 3.0, rate),
                static_cast<size_t>(s * kStrumSpacingSeconds * rate));
    }
    Append(signal, strum);
    return signal;
}

} // namespace signals
