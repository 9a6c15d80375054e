#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "KernelTestSupport.h"

using namespace kerneltest;
using signals::NoteFrequency;

namespace {

// Frames 12..60 after half a second of silence: 0.5 s to 2.5 s after the onset.
constexpr size_t kSteadyFrom = 24;
constexpr size_t kSteadyTo = 70;

void ExpectBlockInRange(const TunerResultBlock& r)
{
    EXPECT_GE(r.note, 0);
    EXPECT_LE(r.note, 11);
    const float values[] = {r.needleDeviation, r.strobeSpeed};
    for (float v : values)
    {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_LE(std::fabs(v), 1.0f);
    }
    const float unit[] = {r.polyphonicFlag, r.notePresentArc, r.notePresentName, r.inTune};
    for (float v : unit)
    {
        EXPECT_TRUE(std::isfinite(v));
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
    }
    for (int s = 0; s < 6; ++s)
    {
        EXPECT_TRUE(std::isfinite(r.stringDeviation[s]));
        EXPECT_LE(std::fabs(r.stringDeviation[s]), 1.0f);
        EXPECT_GE(r.stringPresence[s], 0.0f);
        EXPECT_LE(r.stringPresence[s], 1.0f);
    }
}

} // namespace

TEST(TunerKernel, SilencePublishesEveryFrameAndEnvelopesDecayToTheirFloor)
{
    signals::KernelRunner runner;
    TunerAnalyser analyser;
    int32_t frame0[kTunerFrameLength] = {};
    int32_t frame1[kTunerFrameLength] = {};
    for (int f = 0; f < 200; ++f)
    {
        analyser.newResult = false;
        TunerAnalyseFrame(analyser, frame0, frame1);
        ASSERT_TRUE(analyser.newResult) << "frame " << f;
        ExpectBlockInRange(analyser.result);
        EXPECT_GE(analyser.result.notePresentArc, 0.000001f);
    }
    EXPECT_FLOAT_EQ(analyser.result.notePresentArc, 0.000001f);
    EXPECT_FLOAT_EQ(analyser.result.notePresentName, 0.000001f);
    EXPECT_EQ(TunerKernel().single.noteState, kTunerNoteIdle);
    // No minimum in an empty frame.
    EXPECT_FALSE(TunerKernel().single.features.periodic);
    EXPECT_FLOAT_EQ(std::exp2(TunerKernel().single.features.pitch1 + kTunerLog2C0), 1000.0f);
}

struct ToneCase
{
    const char* name;
    int semitones; // above C0
};

void PrintTo(const ToneCase& c, std::ostream* os)
{
    *os << c.name;
}

class SineReading : public ::testing::TestWithParam<ToneCase>
{};

// Measured steady-state errors of sines stay within 0.75 cent over the whole range.
TEST_P(SineReading, ReadsTheNoteInTune)
{
    const ToneCase& tone = GetParam();
    const Readings r = RunKernel(AfterSilence(signals::Sine(NoteFrequency(tone.semitones), 0.5, 3.0, kRate)));
    for (size_t f = kSteadyFrom; f < kSteadyTo; ++f)
    {
        ASSERT_EQ(r.results[f].note, tone.semitones % 12) << tone.name << " frame " << f;
        ASSERT_EQ(r.noteState[f], kTunerNoteOn) << tone.name << " frame " << f;
        ExpectBlockInRange(r.results[f]);
    }
    EXPECT_NEAR(MeanCents(r, kSteadyFrom, kSteadyTo), 0.0, 1.0) << tone.name;
    EXPECT_EQ(r.results.back().polyphonicFlag, 0.0f);
    EXPECT_GT(r.results.back().notePresentArc, 0.99f);
    EXPECT_GT(r.results.back().inTune, 0.99f);
}

INSTANTIATE_TEST_SUITE_P(AcrossTheRange, SineReading,
                         ::testing::Values(ToneCase{"B0", 11}, ToneCase{"E1", 16}, ToneCase{"A1", 21},
                                           ToneCase{"E2", 28}, ToneCase{"A2", 33}, ToneCase{"E4", 52},
                                           ToneCase{"A4", 57}, ToneCase{"E6", 76}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TunerKernel, DetunedTonesShapeTheNeedle)
{
    for (double cents : {20.0, -8.0, -45.0})
    {
        const Readings r = RunKernel(AfterSilence(signals::Sine(NoteFrequency(45, cents), 0.5, 3.0, kRate)));
        const TunerResultBlock& last = r.results.back();
        EXPECT_EQ(last.note, 9) << cents;
        EXPECT_NEAR(MeanCents(r, kSteadyFrom, kSteadyTo), cents, 1.0) << cents;
        // The needle settles on tanh(5 |d|) d of the raw deviation d.
        EXPECT_NEAR(last.needleDeviation, Shaped(r.rawDeviation.back()), 0.005) << cents;
        // ... which reads the tone within half a cent (0.01 of the needle is 0.45 cents at 20 cents).
        EXPECT_NEAR(last.needleDeviation, Shaped(float(cents / 50.0)), 0.01) << cents;
        // Out of the +-10 cent window the in-tune envelope stays dark.
        EXPECT_LT(last.inTune, std::fabs(cents) > 10.0 ? 0.01f : 1.0f) << cents;
        EXPECT_EQ(last.strobeSpeed, 0.0f);
    }
}

TEST(TunerKernel, ReferenceShiftsTheReading)
{
    struct Case
    {
        int referenceHz;
        double expectedCents; // a 440 Hz tone against that reference
    } cases[] = {{440, 0.0}, {435, 19.78}, {445, -19.56}};
    for (const Case& c : cases)
    {
        signals::KernelSettings settings;
        settings.referenceHz = c.referenceHz;
        const Readings r = RunKernel(AfterSilence(signals::Sine(440.0, 0.5, 3.0, kRate)), settings);
        EXPECT_EQ(r.results.back().note, 9) << c.referenceHz;
        EXPECT_NEAR(MeanCents(r, kSteadyFrom, kSteadyTo), c.expectedCents, 0.5) << c.referenceHz;
    }
}

TEST(TunerKernel, StreamDisplayDrivesTheStrobeInsteadOfTheNeedle)
{
    signals::KernelSettings settings;
    settings.stream = true;
    const Readings r = RunKernel(AfterSilence(signals::Sine(NoteFrequency(45, 20.0), 0.5, 3.0, kRate)), settings);
    const TunerResultBlock& last = r.results.back();
    EXPECT_NEAR(last.strobeSpeed, Shaped(r.rawDeviation.back()), 1e-6);
    EXPECT_NEAR(last.strobeSpeed, Shaped(0.4f), 0.01);
    EXPECT_EQ(last.needleDeviation, 0.0f);
    EXPECT_EQ(last.inTune, 0.0f);
}

TEST(TunerKernel, IdleNeedleRestsAtTheEndOfTheArc)
{
    const Readings r = RunKernel(signals::Silence(3.0, kRate));
    EXPECT_NEAR(r.results.back().needleDeviation, Shaped(-0.8888889f), 0.001);
}

TEST(TunerKernel, MainsHumIsRemovedOnceTheNotchesSettle)
{
    for (double hz : {50.0, 60.0})
        for (double amplitude : {0.25, 0.03})
        {
            const Readings r = RunKernel(signals::Sine(hz, amplitude, 8.0, kRate));
            // After the transient no note is held and the presence envelopes are dark.
            for (size_t f = r.results.size() - 40; f < r.results.size(); ++f)
            {
                EXPECT_EQ(r.noteState[f], kTunerNoteIdle) << hz << " Hz, frame " << f;
                EXPECT_LT(r.results[f].notePresentArc, 0.001f) << hz << " Hz, frame " << f;
            }
        }
}

TEST(TunerKernel, FrameOneNeverInfluencesTheResult)
{
    const std::vector<float> tone = AfterSilence(signals::Sine(NoteFrequency(45, 7.0), 0.5, 1.0, kRate));
    std::mt19937 random(7);
    std::uniform_int_distribution<int32_t> junk(INT32_MIN, INT32_MAX);

    std::vector<TunerResultBlock> clean, noisy;
    for (int pass = 0; pass < 2; ++pass)
    {
        signals::ResetKernel({});
        TunerAnalyser analyser;
        int32_t frame0[kTunerFrameLength], frame1[kTunerFrameLength];
        for (size_t start = 0; start + kTunerFrameLength <= tone.size(); start += kTunerFrameLength)
        {
            for (int n = 0; n < kTunerFrameLength; ++n)
            {
                frame0[n] = TunerToQ24(tone[start + n]);
                frame1[n] = pass == 0 ? 0 : junk(random);
            }
            TunerAnalyseFrame(analyser, frame0, frame1);
            for (int n = 0; n < kTunerFrameLength; ++n)
                ASSERT_EQ(frame0[n] | frame1[n], 0) << "frames are cleared";
            (pass == 0 ? clean : noisy).push_back(analyser.result);
        }
    }
    ASSERT_EQ(clean.size(), noisy.size());
    for (size_t f = 0; f < clean.size(); ++f)
        EXPECT_EQ(0, std::memcmp(&clean[f], &noisy[f], sizeof(TunerResultBlock))) << "frame " << f;
}

TEST(TunerKernel, NoteReleaseHoldsThePresenceTargetForSixFrames)
{
    // The tone gives way to white noise, which has no period: the note is released at once.
    std::vector<float> signal = AfterSilence(signals::Sine(NoteFrequency(45), 0.5, 1.5, kRate));
    std::mt19937 random(11);
    std::uniform_real_distribution<float> noise(-0.2f, 0.2f);
    for (int n = 0; n < 24000; ++n)
        signal.push_back(noise(random));
    const Readings r = RunKernel(signal);
    size_t released = 0;
    for (size_t f = 1; f < r.noteState.size() && !released; ++f)
        if (r.noteState[f - 1] == kTunerNoteOn && r.noteState[f] == kTunerNoteRelease)
            released = f;
    ASSERT_GT(released, 0u);
    // Release frames with counters 5..0, then idle.
    for (size_t f = released; f < released + 6; ++f)
        EXPECT_EQ(r.noteState[f], kTunerNoteRelease) << f;
    EXPECT_EQ(r.noteState[released + 6], kTunerNoteIdle);
    // The presence envelope keeps rising while the target holds, then falls.
    EXPECT_GE(r.results[released + 5].notePresentArc, r.results[released].notePresentArc);
    EXPECT_LT(r.results[released + 7].notePresentArc, r.results[released + 6].notePresentArc);
}

TEST(TunerKernel, PluckAfterSilenceClosesTheLevelGateAndStaysSingleNote)
{
    signals::PluckShape shape;
    const std::vector<float> signal = AfterSilence(signals::Pluck(NoteFrequency(40), shape, 2.0, kRate));
    signals::KernelRunner runner;
    const size_t onsetFrame = 12000 / kTunerFrameLength;
    bool gateClosedAtOnset = false;
    for (size_t start = 0, f = 0; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength, ++f)
    {
        const TunerResultBlock r = runner.FeedFrame(signal.data() + start);
        if (f == onsetFrame)
        {
            gateClosedAtOnset = TunerKernel().single.levelGate == 0.0f;
            EXPECT_EQ(TunerKernel().single.onsetCounter, 0);
            EXPECT_EQ(TunerKernel().single.voiced, 0.0f);
        }
        if (f > onsetFrame + 2)
        {
            EXPECT_EQ(r.polyphonicFlag, 0.0f) << "frame " << f;
            EXPECT_EQ(TunerKernel().analysisMode, kTunerSingleNote) << "frame " << f;
        }
    }
    EXPECT_TRUE(gateClosedAtOnset);
}

TEST(TunerKernel, ExtremeInputStaysDefined)
{
    // Full-scale and beyond: saturated square waves, alternating extremes and random words.
    std::mt19937 random(3);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    signals::ResetKernel({});
    TunerAnalyser analyser;
    int32_t frame0[kTunerFrameLength], frame1[kTunerFrameLength] = {};
    for (int f = 0; f < 60; ++f)
    {
        for (int n = 0; n < kTunerFrameLength; ++n)
        {
            switch (f / 20)
            {
            case 0:
                frame0[n] = (n / 37) % 2 ? INT32_MAX : INT32_MIN;
                break;
            case 1:
                frame0[n] = n % 2 ? INT32_MAX : INT32_MIN;
                break;
            default:
                frame0[n] = any(random);
                break;
            }
        }
        TunerAnalyseFrame(analyser, frame0, frame1);
        ExpectBlockInRange(analyser.result);
    }
}

TEST(TunerKernel, MedianOfThree)
{
    struct Case
    {
        float value, newest, oldest, median;
    } cases[] = {{1, 2, 3, 2}, {3, 2, 1, 2}, {2, 1, 3, 2}, {2, 3, 1, 2}, {1, 3, 2, 2}, {3, 1, 2, 2}, {5, 5, 1, 5}};
    for (const Case& c : cases)
    {
        float history[2] = {c.newest, c.oldest};
        EXPECT_EQ(TunerMedian3(c.value, history), c.median);
        EXPECT_EQ(history[0], c.value);
        EXPECT_EQ(history[1], c.newest);
    }
}
