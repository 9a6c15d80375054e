#include "DemoSignal.h"

#include "TestSignals.h"

namespace signals {

std::vector<float> DemoSignal(double rate)
{
    PluckShape shape;
    std::vector<float> signal = Silence(0.25, rate);
    Append(signal, Pluck(NoteFrequency(kGuitarOpenStrings[0], kDemoLowECents), shape, 2.0, rate));
    Append(signal, Pluck(NoteFrequency(kGuitarOpenStrings[1]), shape, 2.0, rate));
    Append(signal, Silence(0.5, rate));

    shape.amplitude = 0.15;
    double cents[6] = {};
    cents[kDemoSharpString] = kDemoSharpCents;
    Append(signal, Strum(false, 0, cents, shape, rate));
    return signal;
}

} // namespace signals
