#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "EffectTestSupport.h"
#include "kro-core/plugin/TrackInfoRecord.h"

using namespace effect_test;

namespace {

TestEffect TwoAlgorithms()
{
    std::vector<std::unique_ptr<ListAlgorithm>> owned;
    owned.push_back(std::make_unique<ListAlgorithm>("A", 0, 5));
    owned.push_back(std::make_unique<ListAlgorithm>("B", 0, 3));
    return TestEffect(0, std::move(owned));
}

} // namespace

TEST(EffectHost, KeepsTheWholeTrackRecord)
{
    TestEffect effect(0);
    TrackInfoRecord record{};
    for (size_t k = 0; k < sizeof record; ++k)
        reinterpret_cast<uint8_t*>(&record)[k] = static_cast<uint8_t>(k * 7 + 1);
    effect.SetTrackInfo(record);
    EXPECT_EQ(std::memcmp(&effect.GetTrackInfo(), &record, sizeof record), 0);
}

TEST(EffectHost, OnlyATempoChangeReachesTheAlgorithms)
{
    TestEffect effect = TwoAlgorithms();
    ListAlgorithm& a = effect.Algorithm(0);
    ListAlgorithm& b = effect.Algorithm(1);
    const double nan = std::numeric_limits<double>::quiet_NaN();

    struct Step
    {
        double tempo;
        int32_t changes; // forwarded so far, to each algorithm
    };
    // Algorithms start at 120 bpm.
    for (const Step& step :
         {Step{120.0, 0}, Step{100.0, 1}, Step{120.0, 2}, Step{120.0, 2}, Step{nan, 3}, Step{nan, 4}, Step{120.0, 5}})
    {
        SCOPED_TRACE(step.tempo);
        a.UpdateParameters(false);
        b.UpdateParameters(false);
        const int32_t before = a.tempoChanges;
        effect.SetTempo(step.tempo);
        EXPECT_EQ(a.tempoChanges, step.changes);
        EXPECT_EQ(b.tempoChanges, step.changes);
        // A forwarded tempo makes each algorithm apply its settings again at its next block.
        EXPECT_EQ(a.AreParametersDirty(), a.tempoChanges != before);
        EXPECT_EQ(b.AreParametersDirty(), b.tempoChanges != before);
    }
    EXPECT_EQ(b.GetTempo(), 120.0);
}

TEST(EffectHost, ReportsWhetherTheTransportChanged)
{
    TestEffect effect(0);
    EXPECT_FALSE(effect.IsTransportPlaying());
    struct Step
    {
        bool playing;
        bool changed;
    };
    for (const Step& step : {Step{false, false}, Step{true, true}, Step{true, false}, Step{false, true}})
    {
        EXPECT_EQ(effect.SetTransportPlaying(step.playing), step.changed);
        EXPECT_EQ(effect.IsTransportPlaying(), step.playing);
    }
}
