// vireno-engine: runs the tuner kernel on a signal and prints its readings.
//
//   vireno-engine [--every N]
//
// Without a file it plays the built-in default: a plucked low E string 7 cents flat for two
// seconds, an A string in tune, then a strum of all six strings in standard tuning with the
// G string 20 cents sharp.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "KernelRunner.h"
#include "TestSignals.h"

namespace {

const char* const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr double kRate = 24000.0;
// Open guitar strings in semitones above C0, lowest first: E2 A2 D3 G3 B3 E4.
constexpr int kGuitarStrings[6] = {28, 33, 38, 43, 47, 52};
constexpr int kSharpString = 3;
constexpr double kSharpCents = 20.0;

std::vector<float> DefaultSignal()
{
    signals::PluckShape shape;
    std::vector<float> signal = signals::Silence(0.25, kRate);
    signals::Append(signal, signals::Pluck(signals::NoteFrequency(kGuitarStrings[0], -7.0), shape, 2.0, kRate));
    signals::Append(signal, signals::Pluck(signals::NoteFrequency(kGuitarStrings[1]), shape, 2.0, kRate));
    signals::Append(signal, signals::Silence(0.5, kRate));

    // The strum: lowest string first, 10 ms apart.
    shape.amplitude = 0.15;
    std::vector<float> strum;
    for (int s = 0; s < 6; ++s) {
        const double cents = s == kSharpString ? kSharpCents : 0.0;
        signals::MixInto(strum, signals::Pluck(signals::NoteFrequency(kGuitarStrings[s], cents), shape, 3.0, kRate),
                         s * 240);
    }
    signals::Append(signal, strum);
    return signal;
}

void PrintReading(double seconds, const TunerResultBlock& r, float rawDeviation)
{
    const int note = r.note >= 0 && r.note < 12 ? r.note : 0;
    std::printf("%7.3f s  %-2s %+7.2f cents  needle %+6.3f  strobe %+6.3f  presence %5.3f  in-tune %5.3f  poly %.0f",
                seconds, kNoteNames[note], rawDeviation * 50.0, r.needleDeviation, r.strobeSpeed, r.notePresentArc,
                r.inTune, r.polyphonicFlag);
    // The six strings, each as its shown deviation in cents and its presence.
    if (r.polyphonicFlag >= 0.5f) {
        std::printf("  strings");
        for (int s = 0; s < 6; ++s) std::printf(" %+5.1f/%.2f", r.stringDeviation[s] * 50.0, r.stringPresence[s]);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    int every = 4;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--every") == 0 && i + 1 < argc) {
            every = std::atoi(argv[++i]);
            if (every < 1) every = 1;
        } else {
            std::fprintf(stderr, "usage: vireno-engine [--every N]\n");
            return 2;
        }
    }

    signals::KernelRunner runner;
    const std::vector<float> signal = DefaultSignal();
    std::vector<float> frame(kTunerFrameLength);
    for (size_t start = 0, f = 1; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f) {
        frame.assign(signal.begin() + start, signal.begin() + start + kTunerFrameLength);
        const TunerResultBlock r = runner.Feed(frame).front();
        // The deviation in cents is the kernel's raw reading; the needle is its shaped, smoothed image.
        if (f % every == 0) PrintReading(f * kTunerFrameLength / kRate, r, TunerKernel().single.rawDeviation);
    }
    return 0;
}
