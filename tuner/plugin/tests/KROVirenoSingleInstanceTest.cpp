#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "tuner/plugin/KROVirenoPlugInDSP.h"
#include "tuner/engine/testing/TestSignals.h"
#include "tuner/plugin/TunerInstanceClaim.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "VirenoEffectTestSupport.h"

using effecttest::Drive;
using effecttest::HostRun;
using effecttest::SetUpForHost;

namespace {

constexpr int32_t F = TunerParameterIndex::kFirstIndexVST3;
constexpr int32_t kActive = F + TunerParameterIndex::kInstanceActive;
constexpr int32_t kMute = F + TunerParameterIndex::kOutputMute;

class SingleInstance : public effecttest::VirenoEffectTest
{
protected:
    static std::unique_ptr<CKROVirenoPlugInDSP> Create()
    {
        auto effect = std::make_unique<CKROVirenoPlugInDSP>(F);
        SetUpForHost(*effect, 2);
        return effect;
    }
    static bool Active(CKROVirenoPlugInDSP& effect) { return effect.GetParameterNormalized(kActive) == 1.0f; }

    // A low E and its fifth, long enough for many readings.
    static HostRun Chord(double seconds)
    {
        HostRun run;
        run.in = {signals::Sine(82.41, 0.4, seconds, 48000.0), signals::Sine(123.47, 0.3, seconds, 48000.0)};
        return run;
    }
};

} // namespace

TEST_F(SingleInstance, OnlyAnEffectCreatedWhileNoneIsAliveAnalyses)
{
    for (const bool firstGoesFirst : {true, false})
    {
        SCOPED_TRACE(firstGoesFirst ? "first destroyed first" : "second destroyed first");
        ASSERT_EQ(TunerInstanceClaim::LiveCount(), 0);
        std::unique_ptr<CKROVirenoPlugInDSP> a = Create();
        std::unique_ptr<CKROVirenoPlugInDSP> b = Create();
        EXPECT_TRUE(Active(*a));
        EXPECT_TRUE(a->Tuner().Analyses());
        EXPECT_FALSE(Active(*b));
        EXPECT_FALSE(b->Tuner().Analyses());

        std::unique_ptr<CKROVirenoPlugInDSP>& gone = firstGoesFirst ? a : b;
        std::unique_ptr<CKROVirenoPlugInDSP>& survivor = firstGoesFirst ? b : a;
        const bool survivorWasActive = Active(*survivor);
        gone.reset();
        // The flag is decided once; another effect is still alive for a newcomer.
        EXPECT_EQ(Active(*survivor), survivorWasActive);
        EXPECT_FALSE(Active(*Create()));
        survivor.reset();

        EXPECT_TRUE(Active(*Create()));
    }
    EXPECT_EQ(TunerInstanceClaim::LiveCount(), 0);
}

TEST_F(SingleInstance, AnInactiveEffectPassesItsAudioThroughEvenWhenMuted)
{
    std::unique_ptr<CKROVirenoPlugInDSP> a = Create();
    std::unique_ptr<CKROVirenoPlugInDSP> b = Create();
    int32_t changedCount = 0;
    b->SetParameterNormalized(kMute, 1.0f, nullptr, changedCount);
    EXPECT_EQ(b->GetParameterNormalized(kMute), 1.0f);

    HostRun run = Chord(0.5);
    Drive(*b, run);
    EXPECT_EQ(run.out, run.in);
    EXPECT_TRUE(run.readings.empty());
    int32_t count = 0;
    b->GetDisplayData(0, count);
    EXPECT_EQ(count, 1);

    // In place, and with an output that has no input of its own: that one is silent.
    b->SetChannelCounts(1, 2);
    std::vector<float> shared = run.in[0];
    std::vector<float> extra(shared.size(), 7.0f);
    const float* inputs[] = {shared.data()};
    float* outputs[] = {shared.data(), extra.data()};
    changedCount = 5;
    b->Process(inputs, outputs, static_cast<int32_t>(shared.size()), nullptr, changedCount);
    EXPECT_EQ(shared, run.in[0]);
    EXPECT_EQ(extra, std::vector<float>(extra.size(), 0.0f));
    EXPECT_EQ(changedCount, 5); // an inactive effect reports nothing, not even "no changes"
}

// The second effect's creation, set-up, settings and audio must not reach the kernel the first
// one is analysing: the first effect's readings are the same to the bit with or without it.
TEST_F(SingleInstance, ASecondEffectLeavesTheFirstOnesReadingsAlone)
{
    HostRun alone = Chord(1.0);
    {
        std::unique_ptr<CKROVirenoPlugInDSP> a = Create();
        Drive(*a, alone);
    }
    ASSERT_GT(alone.readings.size(), 15u);

    HostRun accompanied = Chord(1.0);
    std::unique_ptr<CKROVirenoPlugInDSP> a = Create();
    Drive(*a, accompanied, 0, 40);

    auto b = std::make_unique<CKROVirenoPlugInDSP>(F);
    SetUpForHost(*b, 1, 44100.0);
    b->SetBlockSize(64);
    b->SetTempo(140.0);
    int32_t changedCount = 0;
    for (int32_t k = 0; k < TunerParameterIndex::kProductParameterCount; ++k)
        b->SetParameterNormalized(F + k, 1.0f, nullptr, changedCount);
    b->ResetAlgorithms();
    HostRun other;
    other.in = {signals::Sine(440.0, 0.5, 0.5, 44100.0)};
    Drive(*b, other);
    b->HandleGuiMessage("SaveVRDefPreset");

    Drive(*a, accompanied, 40);
    b.reset();
    EXPECT_EQ(accompanied.readings, alone.readings);
    EXPECT_EQ(accompanied.out, alone.out);
}
