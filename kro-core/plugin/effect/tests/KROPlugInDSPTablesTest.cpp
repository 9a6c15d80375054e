#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EffectTestSupport.h"

using namespace effect_test;

namespace {

// "A" with 5 parameters, 1 factory and 2 user presets; "B" with 3 parameters and 1 factory preset.
TestEffect TwoAlgorithms(int32_t first)
{
    std::vector<std::unique_ptr<ListAlgorithm>> owned;
    owned.push_back(std::make_unique<ListAlgorithm>("A", first, 5,
                                                    std::vector<PresetSpec>{{"Init", {0, 0, 0, 0, 0}, kFactory},
                                                                            {"U1", {1, 1, 1, 1, 1}, kUser},
                                                                            {"U2", {2, 2, 2, 2, 2}, kUser}}));
    owned.push_back(
        std::make_unique<ListAlgorithm>("B", first, 3, std::vector<PresetSpec>{{"Flat", {4, 4, 4}, kFactory}}));
    return TestEffect(first, std::move(owned));
}

// Writes down what a preset-file sink is asked to do.
class RecordingSink final : public PresetFileSink
{
public:
    void RegisterAlgorithm(CKRODSPAlgInterface* algorithm, int32_t* runningIndex) override
    {
        calls.push_back("register " + algorithm->GetName() + " " + std::to_string(*runningIndex));
    }
    void DeletePresetFile(const std::string& name, CKRODSPAlgInterface*) override { calls.push_back("delete " + name); }
    void SavePresetFile(CKROAudioPreset* preset, CKRODSPAlgInterface*, bool overwrite) override
    {
        std::string values;
        for (const float v : preset->GetValues())
            values += " " + std::to_string(static_cast<int>(v));
        calls.push_back(std::string(overwrite ? "overwrite " : "save ") + preset->GetName() + values);
    }
    std::vector<std::string> calls;
};

std::vector<std::string> PresetNames(CKRODSPAlgInterface& algorithm)
{
    std::vector<std::string> names;
    for (const auto& entry : algorithm.GetPresets())
        names.push_back(entry.second->GetName());
    return names;
}

} // namespace

TEST(EffectTables, MapsGlobalParameterIndicesToAlgorithms)
{
    TestEffect one(1);
    int32_t local = -1;
    EXPECT_EQ(one.FindAlgorithmForParameter(3, local), &one.Algorithm(0));
    EXPECT_EQ(local, 3);
    EXPECT_EQ(one.FindAlgorithmForParameter(0, local), &one.Algorithm(0)); // below F: the first, unchanged
    EXPECT_EQ(local, 0);

    TestEffect two = TwoAlgorithms(0);
    EXPECT_EQ(two.GetFirstParameterIndices(), (std::vector<int32_t>{0, 5}));
    struct Case
    {
        int32_t index;
        int32_t key;
        int32_t local;
    };
    for (const Case& c :
         {Case{0, 0, 0}, Case{4, 0, 4}, Case{5, 1, 0}, Case{6, 1, 1}, Case{7, 1, 2}, Case{8, 0, 8}, Case{-1, 0, -1}})
    {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(two.FindAlgorithmForParameter(c.index, local), &two.Algorithm(c.key));
        EXPECT_EQ(local, c.local);
    }
    EXPECT_EQ(two.GetAlgorithmParameterOffset(&two.Algorithm(1)), 5);
    EXPECT_EQ(two.GetAlgorithmParameterOffset(&two.Algorithm(0)), 0);
    EXPECT_EQ(two.GetAlgorithmParameterOffset(nullptr), 0);

    std::string text;
    two.Algorithm(1).GetParameter(1)->SetNormalized(0.75);
    two.GetParameterText(text, 6, false, false);
    EXPECT_EQ(text, "d");
}

TEST(EffectTables, NumbersPresetsAlgorithmAfterAlgorithmFactoryFirst)
{
    TestEffect two = TwoAlgorithms(0);
    EXPECT_EQ(two.GetAlgorithmNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(two.GetFirstPresetNumbers(), (std::vector<int32_t>{0, 3}));
    EXPECT_EQ(two.GetFactoryPresetNames(), (std::vector<std::string>{"Init", "Flat"}));
    EXPECT_EQ(two.GetFactoryPresetTitles(), (std::vector<std::string>{"A : Init", "B : Flat"}));
    EXPECT_EQ(two.GetFactoryPresetAlgorithmNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(two.GetUserPresetNames(), (std::vector<std::string>{"U1", "U2"}));
    EXPECT_EQ(two.GetUserPresetTitles(), (std::vector<std::string>{"A : U1", "A : U2"}));
    EXPECT_EQ(two.GetUserPresetAlgorithmNames(), (std::vector<std::string>{"A", "A"}));

    struct Case
    {
        int32_t number;
        const CKRODSPAlgInterface* algorithm;
        int32_t local;
    };
    for (const Case& c : {Case{0, &two.Algorithm(0), 0}, Case{2, &two.Algorithm(0), 2}, Case{3, &two.Algorithm(1), 0},
                          Case{-1, nullptr, -1}})
    {
        SCOPED_TRACE(c.number);
        int32_t local = 99;
        EXPECT_EQ(two.FindAlgorithmForPreset(c.number, local), c.algorithm);
        if (c.algorithm != nullptr)
        {
            EXPECT_EQ(local, c.local);
        }
    }
    int32_t local = 99;
    EXPECT_EQ(two.FindAlgorithmForFactoryPreset(1, local), &two.Algorithm(1));
    EXPECT_EQ(local, 0);
    EXPECT_EQ(two.FindAlgorithmForFactoryPreset(5, local), &two.Algorithm(0));
    EXPECT_EQ(local, 0);

    // The tables leave algorithm 0 current on its preset 0.
    EXPECT_EQ(two.GetCurrentPresetNumber(), 0);
    two.SelectPreset(2);
    EXPECT_EQ(two.GetCurrentPresetName(), "U2");
    EXPECT_EQ(two.GetCurrentPresetNumber(), 2);

    two.Algorithm(1).AddPreset(std::make_shared<CKROAudioPreset>("Late", std::vector<float>{1, 1, 1}, kUser));
    two.RebuildPresetLists();
    EXPECT_EQ(two.GetUserPresetTitles(), (std::vector<std::string>{"A : U1", "A : U2", "B : Late"}));
    EXPECT_EQ(two.GetFirstPresetNumbers(), (std::vector<int32_t>{0, 3}));
    EXPECT_EQ(two.GetFactoryPresetNames().size(), 2u);
}

TEST(EffectTables, UserPresetsGoOnlyThroughAPresetFileSink)
{
    TestEffect effect(0);
    effect.SelectPreset(1);
    effect.SaveUserPreset("New", false);
    effect.DeleteUserPreset("Mine");
    EXPECT_EQ(PresetNames(effect.Algorithm(0)), (std::vector<std::string>{"Default", "Mine"}));

    RecordingSink sink;
    effect.UsePresetFileSink(&sink);
    effect.ApplyParameterValue(0, 0.6f); // plain 2.4: a list value is stored as its label number
    effect.SaveUserPreset("New", false);
    effect.SaveUserPreset("ignored", true); // overwrites the current preset, "Mine"
    EXPECT_EQ(PresetNames(effect.Algorithm(0)), (std::vector<std::string>{"Default", "Mine", "New"}));
    EXPECT_EQ(effect.Algorithm(0).GetPreset(1)->GetValues(), (std::vector<float>{2, 3, 2, 1, 0}));
    effect.DeleteUserPreset("Mine");
    EXPECT_EQ(PresetNames(effect.Algorithm(0)), (std::vector<std::string>{"Default", "New"}));
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"save New 2 3 2 1 0", "overwrite Mine 2 3 2 1 0", "delete Mine"}));
}

TEST(EffectTables, ChannelCountsReachTheAlgorithmsCappedAtTheScratchCopy)
{
    TestEffect effect(0);
    ListAlgorithm& algorithm = effect.Algorithm(0);
    algorithm.toldInputs = -1;
    effect.SetChannelCounts(2, 2); // as after construction: nothing to do
    EXPECT_EQ(algorithm.toldInputs, -1);
    effect.SetChannelCounts(1, 1);
    EXPECT_EQ(algorithm.toldInputs, 1);
    effect.SetChannelCounts(10, 1);
    EXPECT_EQ(algorithm.toldInputs, CKROPlugInDSP::kMaxScratchChannels);
    EXPECT_EQ(effect.GetInputChannelCount(), 10);
    EXPECT_EQ(effect.GetOutputChannelCount(), 1);
}

TEST(EffectTables, ProcessCopiesAtMostEightInputsAndSplitsBlocksLongerThanTheCopy)
{
    constexpr int32_t kInputs = 10;
    constexpr int32_t kFrames = 10;
    TestEffect effect(0);
    effect.SetChannelCounts(kInputs, 1);
    effect.SetBlockSize(4); // smaller than the copy made at construction: the copy stays

    std::vector<std::vector<float>> channels(kInputs, std::vector<float>(kFrames));
    for (int32_t c = 0; c < kInputs; ++c)
        for (int32_t i = 0; i < kFrames; ++i)
            channels[static_cast<size_t>(c)][static_cast<size_t>(i)] = static_cast<float>((c + 1) * (i + 1));
    std::vector<const float*> inputs;
    for (const auto& channel : channels)
        inputs.push_back(channel.data());
    // In place: the first output is the first input.
    float* outputs[] = {channels[0].data()};

    int32_t changed[10] = {};
    int32_t count = 5;
    effect.Process(inputs.data(), outputs, kFrames, changed, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(effect.Algorithm(0).blocks, (std::vector<int32_t>{kFrames}));
    for (int32_t i = 0; i < kFrames; ++i)
        EXPECT_EQ(channels[0][static_cast<size_t>(i)], 36.0f * static_cast<float>(i + 1)) << i; // 1 + ... + 8

    // A host sending more than the copy holds is served in pieces, without allocating.
    std::vector<float> longInput(600, 1.0f);
    std::vector<float> longOutput(600, 0.0f);
    effect.SetChannelCounts(1, 1);
    const float* longInputs[] = {longInput.data()};
    float* longOutputs[] = {longOutput.data()};
    effect.Algorithm(0).blocks.clear();
    effect.Process(longInputs, longOutputs, 600, changed, count);
    EXPECT_EQ(effect.Algorithm(0).blocks, (std::vector<int32_t>{256, 256, 88}));
    EXPECT_EQ(longOutput, longInput);
    EXPECT_EQ(effect.Algorithm(0).GetBlockSize(), 88);
}

TEST(EffectTables, ForwardsRateSizeAndResetToEveryAlgorithm)
{
    TestEffect two = TwoAlgorithms(0);
    two.SetSampleRate(96000.0);
    two.SetBlockSize(512);
    two.ResetAlgorithms();
    for (const int32_t key : {0, 1})
    {
        EXPECT_EQ(two.Algorithm(key).GetSampleRate(), 96000.0);
        EXPECT_EQ(two.Algorithm(key).GetBlockSize(), 512);
        EXPECT_EQ(two.Algorithm(key).resets, 1);
    }
    EXPECT_EQ(two.GetName(false), "Vireno");
    EXPECT_EQ(two.GetName(true), "effect");
    EXPECT_EQ(two.GetEffectCode(), 0x65656530u);
    int32_t count = 5;
    EXPECT_EQ(two.GetDisplayData(0, count), nullptr);
    EXPECT_EQ(count, 0);
}
