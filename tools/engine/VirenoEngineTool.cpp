// vireno-engine: runs the tuner kernel on a signal and prints its readings.
//
//   vireno-engine [FILE] [--every N] [--bass] [--drop 0..5] [--reference 435..445] [--stream]
//
// FILE is any sound file libsndfile reads (WAV among them), at any sample rate: its first channel
// is resampled to 24 kHz as the plug-in does. Without a file it plays the demo signal (DemoSignal.h).

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "DemoSignal.h"
#include "KernelRunner.h"
#include "WavFile.h"

namespace {

const char* const kNoteNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr double kRate = 24000.0;
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

// The first channel of a sound file at 24 kHz; false with a message when it cannot be read.
bool ReadFirstChannel(const char* path, std::vector<float>& signal)
{
    WavAudio audio;
    std::string error;
    if (!readWav(path, audio, error)) {
        std::fprintf(stderr, "vireno-engine: %s\n", error.c_str());
        return false;
    }
    std::vector<float> first(static_cast<size_t>(audio.frames()));
    for (size_t n = 0; n < first.size(); ++n) first[n] = audio.samples[n * static_cast<size_t>(audio.channels)];
    signal = audio.sampleRate == kTunerSampleRate ? first : signals::ResampleTo24k(first, audio.sampleRate);
    if (signal.empty() && !first.empty()) {
        std::fprintf(stderr, "vireno-engine: %s has an unusable sample rate (%d Hz)\n", path, audio.sampleRate);
        return false;
    }
    return true;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: vireno-engine [FILE] [--every N] [--bass] [--drop 0..5] [--reference 435..445] [--stream]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int every = 4;
    const char* path = nullptr;
    signals::KernelSettings settings;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--every") == 0 && hasValue) {
            every = std::atoi(argv[++i]);
            if (every < 1) every = 1;
        } else if (std::strcmp(argv[i], "--bass") == 0) {
            settings.bass = true;
        } else if (std::strcmp(argv[i], "--stream") == 0) {
            settings.stream = true;
        } else if (std::strcmp(argv[i], "--drop") == 0 && hasValue) {
            settings.dropIndex = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--reference") == 0 && hasValue) {
            settings.referenceHz = std::atoi(argv[++i]);
        } else if (argv[i][0] != '-' && !path) {
            path = argv[i];
        } else {
            return Usage();
        }
    }

    std::vector<float> signal;
    if (!path)
        signal = signals::DemoSignal(kRate);
    else if (!ReadFirstChannel(path, signal))
        return 1;

    signals::KernelRunner runner(settings);
    for (size_t start = 0, f = 1; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f) {
        const TunerResultBlock r = runner.FeedFrame(signal.data() + start);
        // The deviation in cents is the kernel's raw reading; the needle is its shaped, smoothed image.
        if (f % every == 0) PrintReading(f * kTunerFrameLength / kRate, r, TunerKernel().single.rawDeviation);
    }
    return 0;
}
