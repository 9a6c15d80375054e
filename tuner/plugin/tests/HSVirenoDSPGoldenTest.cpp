// Pins what the algorithm object publishes, bit for bit: each run feeds a signal at a host rate in
// blocks of odd sizes, mono or stereo, under a combination of tuner settings, and is reduced to a
// digest of every result block handed over and every block's peaks. The digests were recorded from
// the straightforward implementation with the kernel's chosen tables; a faster one must give them
// unchanged, and a new table records them anew.

#include <gtest/gtest.h>

#include <string>

#include "tuner/engine/tests/GoldenDigest.h"
#include "HSVirenoDSPTestSupport.h"
#include "tuner/engine/testing/TestSignals.h"

using dsptest::kFirstIndex;

namespace {

struct Settings
{
    bool bass;
    bool stream;
    int dropIndex;
    int referenceIndex; // 0 is 435 Hz .. 10 is 445 Hz
};

struct GoldenRun
{
    const char* name;
    int rate;
    int channels;
    Settings settings;
    std::vector<int> blocks; // repeated
    bool muted;
};

const GoldenRun kRuns[] = {
    {"44100 stereo guitar needle", 44100, 2, {false, false, 0, 5}, {1, 17, 333, 1000}, false},
    {"48000 mono bass stream", 48000, 1, {true, true, 3, 2}, {32, 129, 4096}, false},
    {"96000 stereo guitar stream", 96000, 2, {false, true, 5, 10}, {7, 640, 2047}, false},
    {"48000 stereo muted", 48000, 2, {false, false, 2, 0}, {256}, true},
    {"44100 mono bass needle", 44100, 1, {true, false, 1, 7}, {4096, 63}, false},
};

// Notes changing on the left, a strum, silence; on the right a different tone and noise, which
// is never analysed.
std::vector<float> Left(const GoldenRun& run)
{
    const int* open = run.settings.bass ? signals::kBassOpenStrings : signals::kGuitarOpenStrings;
    signals::PluckShape shape;
    shape.decaySeconds = 1.0;
    std::vector<float> signal = signals::Silence(0.2, run.rate);
    for (int s : {1, 4, 0})
        signals::Append(signal, signals::Pluck(signals::NoteFrequency(open[s], 7.0 * s - 9.0), shape, 0.6, run.rate));
    const double cents[6] = {0.0, 15.0, -5.0, 0.0, 0.0, -20.0};
    shape.amplitude = 0.15;
    std::vector<float> strum = signals::Strum(run.settings.bass, run.settings.dropIndex, cents, shape, run.rate);
    strum.resize(strum.size() * 2 / 3);
    signals::Append(signal, strum);
    signals::Append(signal, signals::Silence(0.3, run.rate));
    return signal;
}

std::vector<float> Right(size_t length, int rate)
{
    std::vector<float> signal = signals::Sine(301.0, 0.3, double(length) / rate + 1.0, rate);
    signal.resize(length);
    uint32_t state = 5;
    for (float& sample : signal)
    {
        state = state * 1664525u + 1013904223u;
        sample += static_cast<float>(0.2 * (static_cast<double>(state) / 2147483648.0 - 1.0));
    }
    return signal;
}

// The run's input channels.
std::vector<std::vector<float>> Input(const GoldenRun& run)
{
    std::vector<std::vector<float>> in{Left(run)};
    if (run.channels == 2)
        in.push_back(Right(in[0].size(), run.rate));
    return in;
}

golden::Digest Play(const GoldenRun& run, const std::vector<std::vector<float>>& in)
{
    HSVirenoDSP dsp(run.rate, kFirstIndex);
    dsp.SetSampleRate(run.rate);
    dsp.SetBlockSize(4096);
    dsp.SetChannelCounts(run.channels, run.channels);
    dsp.SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument, run.settings.bass ? 1.0 : 0.0);
    dsp.SetParameterNormalized(kFirstIndex + TunerParameterIndex::kDisplayMode, run.settings.stream ? 1.0 : 0.0);
    dsp.SetParameterNormalized(kFirstIndex + TunerParameterIndex::kDropTuning, (run.settings.dropIndex + 0.5) / 6.0);
    dsp.SetParameterNormalized(kFirstIndex + TunerParameterIndex::kReferenceFrequency,
                               (run.settings.referenceIndex + 0.5) / 11.0);
    dsp.SetMute(run.muted);

    const size_t length = in[0].size();
    std::vector<std::vector<float>> out(in.size(), std::vector<float>(length));
    float inPeaks[2], outPeaks[2];
    golden::Digest digest;
    size_t position = 0;
    for (size_t b = 0; position < length; ++b)
    {
        const size_t n = std::min(static_cast<size_t>(run.blocks[b % run.blocks.size()]), length - position);
        const float* inputs[2] = {in[0].data() + position, in.back().data() + position};
        float* outputs[2] = {out[0].data() + position, out.back().data() + position};
        dsp.Process(inputs, outputs, inPeaks, outPeaks, static_cast<int32_t>(n));
        position += n;
        digest.Bytes(inPeaks, sizeof(float) * in.size());
        digest.Bytes(outPeaks, sizeof(float) * in.size());
        TunerResultBlock result;
        if (dsp.TakeNewResult(result))
            digest.AddResult(result);
    }
    digest.Add(dsp.GetResultCount());
    for (size_t c = 0; c < in.size(); ++c)
        EXPECT_EQ(out[c], run.muted ? std::vector<float>(length) : in[c]);
    return digest;
}

const golden::Recorded kRecorded[] = {
    {"44100 stereo guitar needle", 0x1bea533fbebf35cfull, 101}, {"48000 mono bass stream", 0x58767b0343dd0cb6ull, 52},
    {"96000 stereo guitar stream", 0xa91dff5feb796ddeull, 101}, {"48000 stereo muted", 0x99f97716fd448cd3ull, 101},
    {"44100 mono bass needle", 0xcef51f42dc170082ull, 46},
};

} // namespace

TEST(HSVirenoDSPGolden, EveryPublishedReadingIsTheRecordedOne)
{
    EXPECT_EQ(std::size(kRuns), std::size(kRecorded));
    std::vector<std::vector<std::vector<float>>> inputs;
    for (const GoldenRun& run : kRuns)
        inputs.push_back(Input(run));
    golden::ForEachInstructionSet([&] {
        for (size_t i = 0; i < std::size(kRuns); ++i)
            golden::ExpectRecorded(kRecorded, i, kRuns[i].name, Play(kRuns[i], inputs[i]));
    });
}
