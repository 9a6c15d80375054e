#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "HSVirenoDSPTestSupport.h"
#include "tuner/engine/testing/TestSignals.h"
#include "tuner/engine/TunerQ24.h"

using dsptest::Feed;
using dsptest::Host;
using dsptest::kFirstIndex;
using dsptest::Peak;

namespace {

// A guitar A string, long enough for several frames at any rate.
Host Tone(double rate, size_t channels, double seconds = 0.5)
{
    Host host;
    for (size_t c = 0; c < channels; ++c)
        host.in.push_back(signals::Sine(110.0 * (1.0 + 0.5 * double(c)), 0.4 / double(c + 1), seconds, rate));
    return host;
}

std::unique_ptr<HSVirenoDSP> Tuner(double rate, int32_t channels = 2)
{
    auto dsp = std::make_unique<HSVirenoDSP>(rate, kFirstIndex);
    dsp->SetSampleRate(rate);
    dsp->SetBlockSize(512);
    dsp->SetChannelCounts(channels, channels);
    return dsp;
}

// Host samples whose 24 kHz output completes exactly `frames` frames of a fresh resampler:
// n inputs give ceil((n + 1) L / M) outputs.
int64_t OutputsAfter(const HSVirenoDSP& dsp, int64_t n)
{
    const int rate = static_cast<int>(dsp.GetSampleRate());
    std::unique_ptr<TunerResampler> r = TunerResampler::Create(rate);
    return ((n + 1) * r->UpFactor() + r->DownFactor() - 1) / r->DownFactor();
}

} // namespace

TEST(HSVirenoDSP, StartsAsTheTunerAlgorithm)
{
    for (int32_t first : {TunerParameterIndex::kFirstIndexVST3, TunerParameterIndex::kFirstIndexAAX})
    {
        HSVirenoDSP dsp(48000.0, first);
        EXPECT_EQ(dsp.GetCode(), KROFourCharCode("HSVR"));
        EXPECT_EQ(dsp.GetName(), "Vireno");
        EXPECT_EQ(dsp.GetKind(), "Vireno");
        EXPECT_EQ(dsp.GetInfoText(), "");
        EXPECT_EQ(dsp.GetAnalysedChannelCount(), 2);
        ASSERT_EQ(dsp.GetParameters().size(), 5u);
        EXPECT_EQ(dsp.GetParameters().begin()->first, first);
        EXPECT_EQ(dsp.GetParameter(first + 3)->GetPlainValue(), 5.0); // 440 Hz
        EXPECT_EQ(dsp.GetParameter(first)->GetOwner(), &dsp);
        EXPECT_NE(dsp.GetCurrentPreset(), nullptr);
        EXPECT_FALSE(dsp.HasNewResult());
        EXPECT_EQ(dsp.GetResultCount(), 0u);
    }
}

TEST(HSVirenoDSP, PassesAudioThroughBitExactOrMutesItAndMetersTheInput)
{
    for (double rate : {8000.0, 24000.0, 44100.0, 48000.0, 96000.0})
    {
        for (int32_t channels : {1, 2})
        {
            for (bool muted : {false, true})
            {
                std::unique_ptr<HSVirenoDSP> dsp = Tuner(rate, channels);
                dsp->SetMute(muted);
                Host host = Tone(rate, size_t(channels));
                Feed(*dsp, host, {512});
                for (int32_t c = 0; c < channels; ++c)
                {
                    const std::vector<float> expected =
                        muted ? std::vector<float>(host.in[c].size(), 0.0f) : host.in[c];
                    EXPECT_EQ(0, std::memcmp(host.out[c].data(), expected.data(), expected.size() * sizeof(float)))
                        << rate << " " << c << " " << muted;
                    const size_t tail = host.in[c].size() % 512;
                    const std::vector<float> last(host.in[c].end() - long(tail ? tail : 512), host.in[c].end());
                    EXPECT_EQ(host.inPeaks[c], Peak(last)) << rate << " " << c;
                    EXPECT_EQ(host.outPeaks[c], muted ? 0.0f : Peak(last)) << rate << " " << c;
                }
                // Muted or not, the analysis runs.
                EXPECT_GE(dsp->GetResultCount(), 5u) << rate;
            }
        }
    }
}

TEST(HSVirenoDSP, BypassCopiesAndMetersOnlyAndHoldsParameterChanges)
{
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(48000.0);
    Host host = Tone(48000.0, 2);
    Feed(*dsp, host, {256});
    const uint32_t results = dsp->GetResultCount();
    const uint8_t modeBefore = TunerKernel().settings.mode;

    dsp->SetBypass(true);
    dsp->SetMute(true);
    dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument, 1.0);
    Feed(*dsp, host, {256});
    for (size_t c = 0; c < 2; ++c)
    {
        EXPECT_EQ(host.out[c], host.in[c]);
        EXPECT_EQ(host.outPeaks[c], host.inPeaks[c]);
        EXPECT_GT(host.inPeaks[c], 0.0f);
    }
    EXPECT_EQ(dsp->GetResultCount(), results);
    EXPECT_EQ(TunerKernel().settings.mode, modeBefore);

    dsp->SetBypass(false);
    Feed(*dsp, host, {256});
    EXPECT_NE(TunerKernel().settings.mode & kTunerModeBass, 0);
    EXPECT_GT(dsp->GetResultCount(), results);
}

TEST(HSVirenoDSP, ResultsAfterNInputSamples)
{
    // 1023 resampled samples analyse nothing; the 1024th completes the first frame.
    for (double rate : {24000.0, 44100.0, 48000.0, 96000.0, 8000.0})
    {
        std::unique_ptr<HSVirenoDSP> probe = Tuner(rate);
        int64_t n = 0;
        while (OutputsAfter(*probe, n + 1) < 1024)
            ++n; // the most inputs that leave one short
        for (int64_t total : {n, n + 1, 5 * n + 17})
        {
            std::unique_ptr<HSVirenoDSP> dsp = Tuner(rate);
            Host host;
            host.in.assign(2, std::vector<float>(size_t(total), 0.1f));
            Feed(*dsp, host, {333});
            EXPECT_EQ(dsp->GetResultCount(), uint32_t(OutputsAfter(*dsp, total) / 1024)) << rate << " " << total;
            EXPECT_EQ(dsp->HasNewResult(), total > n) << rate << " " << total;
        }
    }
}

TEST(HSVirenoDSP, BlockSizeChangesAndResetsKeepTheResamplers)
{
    // At 24 kHz n inputs give n + 1 outputs; a rebuilt resampler would add another leading one.
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(24000.0);
    Host host;
    host.in.assign(2, std::vector<float>(1000, 0.1f));
    Feed(*dsp, host, {1000});
    dsp->SetBlockSize(64);
    dsp->SetSampleRate(24000.0);
    dsp->Reset();
    Feed(*dsp, host, {64});
    host.in.assign(2, std::vector<float>(46, 0.1f));
    Feed(*dsp, host, {46});
    EXPECT_EQ(dsp->GetResultCount(), 1u); // 2047 outputs
    host.in.assign(2, std::vector<float>(1, 0.1f));
    Feed(*dsp, host, {1});
    EXPECT_EQ(dsp->GetResultCount(), 2u);
}

TEST(HSVirenoDSP, AnyPartitionOfTheInputGivesTheSameAnalysis)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> size(0, 5000);
    std::vector<int> randomSizes(300);
    for (int& s : randomSizes)
        s = size(random);
    const std::vector<std::vector<int>> partitions = {{0, 512}, {1}, {7}, {511}, {512}, {1023}, {4096}, randomSizes};

    for (double rate : {44100.0, 48000.0, 96000.0})
    {
        const Host tone = Tone(rate, 2, 0.4);
        auto analyse = [&](const std::vector<int>& sizes) {
            std::unique_ptr<HSVirenoDSP> dsp = Tuner(rate);
            Host host = tone;
            Feed(*dsp, host, sizes);
            std::vector<int32_t> ring(&TunerKernel().frames[0][0], &TunerKernel().frames[0][0] + 3 * kTunerFrameLength);
            return std::make_tuple(dsp->GetResultCount(), ring, TunerKernel().ringIndex);
        };
        const auto whole = analyse({int(tone.in[0].size())});
        EXPECT_GE(std::get<0>(whole), 8u);
        for (const std::vector<int>& sizes : partitions)
            EXPECT_TRUE(analyse(sizes) == whole) << rate << " blocks of " << sizes.front();
    }
}

TEST(HSVirenoDSP, RateChangeAtTheSameBlockSizeStaysWithinItsBuffers)
{
    // 96 kHz then 48 kHz at 512 frames: 257 resampled samples where 96 kHz needed room for 129.
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(96000.0);
    Host host = Tone(96000.0, 2, 0.2);
    Feed(*dsp, host, {512});
    dsp->SetSampleRate(48000.0);
    const uint32_t before = dsp->GetResultCount();
    host = Tone(48000.0, 2, 1.0);
    Feed(*dsp, host, {512});
    const uint32_t frames48k = dsp->GetResultCount() - before;
    EXPECT_NEAR(double(frames48k), 24000.0 / 1024.0, 1.5);

    // Down to 8 kHz (three outputs an input) and a block far beyond any announced size.
    dsp->SetSampleRate(8000.0);
    host = Tone(8000.0, 2, 2.0);
    Feed(*dsp, host, {16000});
    EXPECT_EQ(host.out, host.in);
}

TEST(HSVirenoDSP, EmptyNegativeAndEarlyBlocksWork)
{
    // No SetSampleRate yet: the rate given at construction serves.
    HSVirenoDSP early(48000.0, kFirstIndex);
    Host host = Tone(48000.0, 2, 0.1);
    Feed(early, host, {0, 64});
    EXPECT_EQ(host.out, host.in);
    EXPECT_EQ(early.GetResultCount(), uint32_t(OutputsAfter(early, int64_t(host.in[0].size())) / 1024));

    float in[2][4] = {{0.5f, 0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f, 0.5f}};
    float out[2][4] = {};
    const float* inputs[] = {in[0], in[1]};
    float* outputs[] = {out[0], out[1]};
    float inPeaks[2] = {-1, -1}, outPeaks[2] = {-1, -1};
    early.Process(inputs, outputs, inPeaks, outPeaks, -5);
    EXPECT_EQ(inPeaks[0], 0.0f);
    EXPECT_EQ(out[0][0], 0.0f);

    // Rates no resampler takes: audio passes, nothing is analysed, nothing divides by zero.
    for (double rate :
         {0.0, -48000.0, 0.5, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    {
        HSVirenoDSP refused(rate, kFirstIndex);
        host = Tone(48000.0, 2, 0.1);
        Feed(refused, host, {0, 100});
        EXPECT_EQ(host.out, host.in) << rate;
        refused.SetSampleRate(rate);
        Feed(refused, host, {512});
        EXPECT_EQ(host.out, host.in) << rate;
        EXPECT_EQ(refused.GetResultCount(), 0u) << rate;
    }

    // A valid rate switched to a refused one stops the analysis but not the audio.
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(48000.0);
    dsp->SetSampleRate(0.0);
    host = Tone(48000.0, 2, 0.2);
    Feed(*dsp, host, {512});
    EXPECT_EQ(host.out, host.in);
    EXPECT_EQ(dsp->GetResultCount(), 0u);
}

TEST(HSVirenoDSP, ExtremeSamplesSaturateInTheFixedPointConversion)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case
    {
        float sample;
        int32_t q24;
    } cases[] = {{0.5f, 8388608},         {-1.0f, -16777216},         {1e-9f, 0},          {127.5f, 2139095040},
                 {128.0f, 2147483647},    {-128.0f, -2147483647 - 1}, {1e30f, 2147483647}, {inf, 2147483647},
                 {-inf, -2147483647 - 1}, {std::nanf(""), 0}};
    for (const Case& c : cases)
        EXPECT_EQ(TunerToQ24(c.sample), c.q24) << c.sample;

    // The same values through the whole path: no undefined conversion, the audio still passes.
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(44100.0);
    Host host;
    host.in.assign(2, std::vector<float>(44100, 0.0f));
    for (size_t i = 0; i < host.in[0].size(); ++i)
        host.in[0][i] = cases[i % 10].sample * 1000.0f;
    Feed(*dsp, host, {512});
    for (size_t i = 0; i < host.in[0].size(); ++i)
        ASSERT_TRUE(host.out[0][i] == host.in[0][i] || (std::isnan(host.out[0][i]) && std::isnan(host.in[0][i])));
    const TunerResultBlock r = dsp->GetResult();
    EXPECT_TRUE(r.needleDeviation >= -1.0f && r.needleDeviation <= 1.0f);
    EXPECT_TRUE(r.inTune >= 0.0f && r.inTune <= 1.0f);
}

TEST(HSVirenoDSP, ProcessesInPlace)
{
    for (bool muted : {false, true})
    {
        std::unique_ptr<HSVirenoDSP> separate = Tuner(44100.0);
        separate->SetMute(muted);
        Host host = Tone(44100.0, 2);
        Feed(*separate, host, {512});
        const TunerResultBlock expected = separate->GetResult();
        const uint32_t expectedCount = separate->GetResultCount();
        const std::vector<std::vector<float>> expectedOut = host.out;
        const std::vector<float> expectedPeaks = host.inPeaks;

        std::unique_ptr<HSVirenoDSP> inPlace = Tuner(44100.0);
        inPlace->SetMute(muted);
        std::vector<std::vector<float>> buffers = host.in;
        float inPeaks[2], outPeaks[2];
        for (size_t start = 0; start < buffers[0].size(); start += 512)
        {
            const int32_t n = int32_t(std::min<size_t>(512, buffers[0].size() - start));
            float* channels[] = {buffers[0].data() + start, buffers[1].data() + start};
            inPlace->Process(channels, channels, inPeaks, outPeaks, n);
        }
        EXPECT_EQ(buffers, expectedOut) << muted;
        EXPECT_EQ(inPeaks[0], expectedPeaks[0]);
        EXPECT_EQ(inPlace->GetResultCount(), expectedCount);
        const TunerResultBlock actual = inPlace->GetResult();
        EXPECT_EQ(0, std::memcmp(&expected, &actual, sizeof expected)) << muted;
    }
}

// A host that reuses buffers: output 0 is input 1's buffer, so channel 1 passes on what channel 0
// wrote there, and its output peak is that of what it wrote, not of what it was given.
TEST(HSVirenoDSP, OutputPeaksAreOfWhatWasWritten)
{
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(48000.0);
    std::vector<float> left(64, 0.5f), shared(64, -0.25f), right(64, 7.0f);
    const float* inputs[] = {left.data(), shared.data()};
    float* outputs[] = {shared.data(), right.data()};
    float inPeaks[2], outPeaks[2];
    dsp->Process(inputs, outputs, inPeaks, outPeaks, 64);
    EXPECT_EQ(inPeaks[1], 0.25f);
    EXPECT_EQ(right, left);
    EXPECT_EQ(outPeaks[0], 0.5f);
    EXPECT_EQ(outPeaks[1], 0.5f);
}

// Channel 1 is never analysed: switching between mono and stereo leaves the readings those of
// channel 0 alone, also after a mono stretch of a length the resampling ratio does not divide.
TEST(HSVirenoDSP, ChannelCountChangesLeaveTheReadingsOfChannelZero)
{
    const Host host = Tone(44100.0, 2, 1.0);
    std::vector<TunerResultBlock> readings[2];
    for (int pass = 0; pass < 2; ++pass)
    {
        std::unique_ptr<HSVirenoDSP> dsp = Tuner(44100.0, pass == 0 ? 1 : 2);
        std::vector<float> out0(333), out1(333);
        float inPeaks[2], outPeaks[2];
        for (size_t start = 0, b = 0; start + 333 <= host.in[0].size(); start += 333, ++b)
        {
            if (pass == 1)
                dsp->SetChannelCounts(b % 3 == 1 ? 1 : 2, 2);
            const float* inputs[] = {host.in[0].data() + start, host.in[1].data() + start};
            float* outputs[] = {out0.data(), out1.data()};
            dsp->Process(inputs, outputs, inPeaks, outPeaks, 333);
            readings[pass].push_back(dsp->GetResult());
        }
        EXPECT_GE(dsp->GetResultCount(), 20u);
    }
    ASSERT_EQ(readings[0].size(), readings[1].size());
    for (size_t b = 0; b < readings[0].size(); ++b)
        EXPECT_EQ(0, std::memcmp(&readings[0][b], &readings[1][b], sizeof(TunerResultBlock))) << "block " << b;
}

TEST(HSVirenoDSP, MonoIntoStereoReadsAndWritesOnlyTheOneChannel)
{
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(48000.0);
    dsp->SetChannelCounts(1, 2);
    EXPECT_EQ(dsp->GetAnalysedChannelCount(), 1);
    std::vector<float> in = signals::Sine(220.0, 0.3, 0.2, 48000.0);
    std::vector<float> left(in.size(), 7.0f), right(in.size(), 7.0f);
    float inPeaks[2] = {-1, -1}, outPeaks[2] = {-1, -1};
    for (size_t start = 0; start < in.size(); start += 256)
    {
        const int32_t n = int32_t(std::min<size_t>(256, in.size() - start));
        const float* inputs[1] = {in.data() + start}; // the host has one input channel only
        float* outputs[2] = {left.data() + start, right.data() + start};
        dsp->Process(inputs, outputs, inPeaks, outPeaks, n);
    }
    EXPECT_EQ(left, in);
    EXPECT_EQ(right, std::vector<float>(in.size(), 7.0f));
    EXPECT_EQ(inPeaks[1], -1.0f);
    EXPECT_GT(dsp->GetResultCount(), 0u);
}

TEST(HSVirenoDSP, ParameterValuesReachTheKernel)
{
    struct Case
    {
        double instrument, display, drop, reference;
        bool bass, stream;
        int dropIndex, referenceOffset;
    } cases[] = {
        {0.0, 0.0, 0.0, 0.5, false, false, 0, 0},        {0.5, 0.5, 0.5, 1.0, true, true, 3, 5},
        {0.49, 0.49, 0.16, 0.0, false, false, 0, -5},    {1.0, 1.0, 0.1667, 0.0909, true, true, 1, -5},
        {1.0, 0.0, 1.0, 0.091, true, false, 5, -4},      {0.0, 1.0, 0.8333, 0.909, false, true, 4, 4},
        {0.0, 0.0, 0.83334, 0.9091, false, false, 5, 5},
    };
    std::unique_ptr<HSVirenoDSP> dsp = Tuner(48000.0);
    Host host = Tone(48000.0, 2, 0.05);
    for (const Case& c : cases)
    {
        dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument, c.instrument);
        dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kDisplayMode, c.display);
        dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kDropTuning, c.drop);
        dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kReferenceFrequency, c.reference);
        Feed(*dsp, host, {512});
        const TunerSettings& s = TunerKernel().settings;
        EXPECT_EQ((s.mode & kTunerModeBass) != 0, c.bass) << c.instrument;
        EXPECT_EQ((s.mode & kTunerModeStream) != 0, c.stream) << c.display;
        EXPECT_EQ(s.dropIndex, c.dropIndex) << c.drop;
        EXPECT_EQ(s.referenceOffsetHz, c.referenceOffset) << c.reference;
    }

    // A preset reaches the kernel the same way.
    dsp->InstallPreset(nullptr);
    const CKROAudioPreset preset("Stored", {1, 0, 2, 8, 1}, 0);
    dsp->InstallPreset(&preset);
    Feed(*dsp, host, {512});
    EXPECT_NE(TunerKernel().settings.mode & kTunerModeBass, 0);
    EXPECT_EQ(TunerKernel().settings.dropIndex, 2);
    EXPECT_EQ(TunerKernel().settings.referenceOffsetHz, 3);
}

TEST(HSVirenoDSP, FirstIndexOneReadsItsOwnKeys)
{
    HSVirenoDSP dsp(48000.0, TunerParameterIndex::kFirstIndexAAX);
    dsp.SetParameterNormalized(1, 1.0); // "Select Instrument" in this numbering
    dsp.SetParameterNormalized(4, 0.0); // "Reference Frequency": 435 Hz
    Host host = Tone(48000.0, 2, 0.02);
    Feed(dsp, host, {512});
    EXPECT_NE(TunerKernel().settings.mode & kTunerModeBass, 0);
    EXPECT_EQ(TunerKernel().settings.referenceOffsetHz, -5);
}

TEST(HSVirenoDSP, InstalledPresetBecomesPresetZeroAndTheDefaults)
{
    HSVirenoDSP dsp(48000.0, kFirstIndex);
    const size_t presetCount = dsp.GetPresets().size();
    const CKROAudioPreset preset("Default", {1, 1, 4, 2.6f, 1}, 1);
    dsp.InstallPreset(&preset);
    EXPECT_EQ(dsp.GetPresets().size(), presetCount);
    ASSERT_NE(dsp.GetPreset(0), nullptr);
    EXPECT_NE(dsp.GetPreset(0), &preset);
    EXPECT_EQ(dsp.GetPreset(0)->GetValues(), preset.GetValues());
    EXPECT_EQ(dsp.GetCurrentPreset(), dsp.GetPreset(0));
    const double expectedPlain[] = {1, 1, 4, 3, 1};
    int k = 0;
    for (const auto& entry : dsp.GetParameters())
    {
        EXPECT_EQ(entry.second.GetDefaultPlainValue(), expectedPlain[k]) << k;
        EXPECT_DOUBLE_EQ(entry.second.GetDefaultNormalized(), entry.second.Normalize(expectedPlain[k])) << k;
        ++k;
    }
}

TEST(HSVirenoDSP, ColourSetTempoAndUnchangedValuesLeaveTheAnalysisRunning)
{
    // The same tone with and without the changes mid-way must leave the kernel in the same state:
    // any reselection of the tables would have cleared its running values.
    auto analyse = [](bool disturb) {
        std::unique_ptr<HSVirenoDSP> dsp = Tuner(48000.0);
        Host host = Tone(48000.0, 2, 0.5);
        Feed(*dsp, host, {512});
        if (disturb)
        {
            dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kColorSet, 1.0);
            dsp->SetTempo(97.0);
            dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kReferenceFrequency, 0.52); // still 440
            dsp->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument, 0.2);    // still Guitar
        }
        Feed(*dsp, host, {512});
        std::vector<uint8_t> kernel(sizeof(TunerKernelState));
        std::memcpy(kernel.data(), &TunerKernel(), kernel.size());
        return kernel;
    };
    EXPECT_TRUE(analyse(false) == analyse(true));
}

TEST(HSVirenoDSP, AnInstanceThatDoesNotAnalyseNeverTouchesTheKernel)
{
    std::unique_ptr<HSVirenoDSP> analysing = Tuner(48000.0);
    analysing->SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument, 1.0);
    Host host = Tone(48000.0, 2, 0.3);
    Feed(*analysing, host, {512});
    std::vector<uint8_t> kernelBefore(sizeof(TunerKernelState));
    std::memcpy(kernelBefore.data(), &TunerKernel(), sizeof(TunerKernelState));

    HSVirenoDSP passive(48000.0, kFirstIndex, false);
    EXPECT_FALSE(passive.Analyses());
    passive.SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument, 0.0);
    passive.SetMute(true);
    Feed(passive, host, {512});
    EXPECT_EQ(host.out[0], std::vector<float>(host.in[0].size(), 0.0f));
    EXPECT_GT(host.inPeaks[0], 0.0f);
    EXPECT_EQ(passive.GetResultCount(), 0u);
    EXPECT_EQ(0, std::memcmp(kernelBefore.data(), &TunerKernel(), sizeof(TunerKernelState)));
}
