// vireno-engine: runs the tuner kernel on a signal and prints its readings.
//
//   vireno-engine [--every N]
//
// Without a file it plays the built-in default: a plucked low E string 7 cents flat for two
// seconds, then an A string in tune.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "KernelRunner.h"
#include "TestSignals.h"

namespace {

const char* const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr double kRate = 24000.0;
constexpr int kE2 = 40;
constexpr int kA2 = 45;

std::vector<float> DefaultSignal()
{
    signals::PluckShape shape;
    std::vector<float> signal = signals::Silence(0.25, kRate);
    signals::Append(signal, signals::Pluck(signals::NoteFrequency(kE2, -7.0), shape, 2.0, kRate));
    signals::Append(signal, signals::Pluck(signals::NoteFrequency(kA2), shape, 2.0, kRate));
    return signal;
}

void PrintReading(double seconds, const TunerResultBlock& r, float rawDeviation)
{
    const int note = r.note >= 0 && r.note < 12 ? r.note : 0;
    std::printf("%7.3f s  %-2s  %+7.2f cents  needle %+6.3f  strobe %+6.3f  presence %5.3f  in-tune %5.3f  poly %.0f\n",
                seconds, kNoteNames[note], rawDeviation * 50.0, r.needleDeviation, r.strobeSpeed, r.notePresentArc,
                r.inTune, r.polyphonicFlag);
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
