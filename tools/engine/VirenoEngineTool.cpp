// vireno-engine: runs the tuner kernel on a signal and prints its readings.
//
//   vireno-engine [FILE] [--every N] [--bass] [--drop 0..5] [--reference 435..445] [--stream] [--raw]
//
// FILE is any sound file libsndfile reads (WAV among them), at any sample rate: its first channel
// is resampled to 24 kHz as the plug-in does. Without a file it plays the demo signal (DemoSignal.h).

#include <cstdio>
#include <string>

#include "tools/cli/ArgumentParser.h"
#include "tuner/engine/testing/DemoSignal.h"
#include "tools/reading/InputLength.h"
#include "tuner/engine/testing/KernelRunner.h"
#include "tools/reading/NoteNames.h"
#include "tools/reading/ReadingText.h"
#include "tools/wavfile/WavFile.h"
#include "tuner/plugin/TunerParameterDescription.h"

namespace {

constexpr const char* kProgram = "vireno-engine";
constexpr double kRate = 24000.0;

// The machine-readable columns, with the kernel's raw deviation as the cents.
void PrintRawReading(double seconds, const TunerResultBlock& r, float rawDeviation)
{
    const int note = r.note >= 0 && r.note < 12 ? r.note : 0;
    std::printf("%7.3f s  %-2s %+7.2f cents  needle %+6.3f  strobe %+6.3f  presence %5.3f  in-tune %5.3f  poly %.0f",
                seconds, SharpNoteName(note), TunerDeviationCents(rawDeviation), r.needleDeviation, r.strobeSpeed,
                r.notePresentArc, r.inTune, r.polyphonicFlag);
    // The six strings, each as its shown deviation in cents and its presence.
    if (r.polyphonicFlag >= 0.5f)
    {
        std::printf("  strings");
        for (int s = 0; s < 6; ++s)
            std::printf(" %+5.1f/%.2f", TunerDeviationCents(r.stringDeviation[s]), r.stringPresence[s]);
    }
    std::printf("\n");
}

int Fail(const std::string& message, int code = 1)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    return code;
}

// The first channel of a sound file and its rate; false with a message when it cannot be read.
bool ReadFirstChannel(const std::string& path, std::vector<float>& first, int& rate, std::string& error)
{
    WavAudio audio;
    if (!readWav(path, audio, error))
        return false;
    first.resize(static_cast<size_t>(audio.frames()));
    for (size_t n = 0; n < first.size(); ++n)
        first[n] = audio.samples[n * static_cast<size_t>(audio.channels)];
    rate = audio.sampleRate;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int every = 4;
    bool raw = false;
    std::string path;
    signals::KernelSettings settings;
    ArgumentParser parser(kProgram, "Runs the tuner's analysis engine alone on a sound and prints its readings.");
    parser.Positional("FILE", "a sound file to analyse (default: the built-in demo signal)", path);
    parser.Integer("--every", 1, 1 << 20, "print a reading every N analysis frames of 42.7 ms", every);
    parser.Flag("--bass", "tune a bass instead of a guitar", settings.bass);
    parser.Integer("--drop", 0, kTunerDropTuningCount - 1, "drop tuning: semitones below standard", settings.dropIndex);
    const int32_t references = TunerParameterDescription::Of(TunerParameterIndex::kReferenceFrequency).count;
    const int32_t lowest = TunerParameterDescription::kLowestReferenceHz;
    parser.Integer("--reference", lowest, lowest + references - 1, "reference frequency of A in Hz",
                   settings.referenceHz);
    parser.Flag("--stream", "the \"Stream\" (strobe) display instead of the needle", settings.stream);
    parser.Flag("--raw", "print machine-readable columns instead of readings", raw);
    if (const auto exitCode = parser.ParseOrExit(argc, argv))
        return *exitCode;

    std::vector<float> signal;
    int rate = static_cast<int>(kRate);
    std::string error;
    if (path.empty())
        signal = signals::DemoSignal(kRate);
    else if (!ReadFirstChannel(path, signal, rate, error))
        return Fail(error);
    switch (
        CheckInputLength(path.empty() ? "the demo signal" : path, static_cast<long>(signal.size()), rate, every, error))
    {
    case InputLengthCheck::kEnough:
        break;
    case InputLengthCheck::kTooShort:
        return Fail(error);
    case InputLengthCheck::kEveryTooLarge:
        return Fail(error, 2);
    }
    if (rate != kTunerSampleRate)
    {
        signal = signals::ResampleTo24k(signal, rate);
        if (signal.empty())
            return Fail(path + " has an unusable sample rate (" + std::to_string(rate) + " Hz)");
    }

    ReadingSetup setup;
    setup.instrument = settings.bass ? kTunerBass : kTunerGuitar;
    setup.dropIndex = settings.dropIndex;
    setup.stream = settings.stream;
    setup.description = std::string(settings.bass ? "bass" : "guitar") + ", drop " +
                        std::to_string(settings.dropIndex) + ", reference " + std::to_string(settings.referenceHz) +
                        " Hz, " + (settings.stream ? "stream" : "needle");
    const ReadingText readingText(setup);
    if (!raw)
        std::printf("%s\n", readingText.Header().c_str());

    signals::KernelRunner runner(settings);
    for (size_t start = 0, f = 1; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f)
    {
        const TunerResultBlock r = runner.FeedFrame(signal.data() + start);
        if (f % every != 0)
            continue;
        const double seconds = f * kTunerFrameLength / kRate;
        // The raw cents are the kernel's raw reading; the needle is its shaped, smoothed image.
        if (raw)
            PrintRawReading(seconds, r, TunerKernel().single.rawDeviation);
        else
            std::printf("%s\n", readingText.Line(seconds, r).c_str());
    }
    return 0;
}
