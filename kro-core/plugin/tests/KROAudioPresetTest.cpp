#include "kro-core/plugin/KROAudioPreset.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(KROAudioPreset, KeepsNameValuesAndFlagThroughCopies)
{
    const CKROAudioPreset preset("Default", {0, 0, 0, 5, 0}, 1);
    const CKROAudioPreset copy = preset;
    EXPECT_EQ(copy.GetName(), "Default");
    EXPECT_EQ(copy.GetValues(), (std::vector<float>{0, 0, 0, 5, 0}));
    EXPECT_EQ(copy.GetFactoryFlag(), 1);
    // A value count that differs from any parameter count is stored as given.
    EXPECT_EQ(CKROAudioPreset("User", {1, 2}, 0).GetValues().size(), 2u);
}

TEST(KROAudioPreset, NewPresetsAreNumberedAfterTheLargest)
{
    KROPresetMap presets;
    EXPECT_EQ(NextPresetNumber(presets), 0);
    presets[0] = std::make_shared<CKROAudioPreset>("A", std::vector<float>{}, 1);
    EXPECT_EQ(NextPresetNumber(presets), 1);
    presets[3] = std::make_shared<CKROAudioPreset>("B", std::vector<float>{}, 0);
    EXPECT_EQ(NextPresetNumber(presets), 4);
}

TEST(KROAudioPreset, MapCopiesShareTheRecords)
{
    KROPresetMap presets;
    presets[0] = std::make_shared<CKROAudioPreset>("Default", std::vector<float>{1}, 1);
    KROPresetMap copy = presets;
    EXPECT_EQ(copy[0].get(), presets[0].get());
    presets.clear();
    EXPECT_EQ(copy[0]->GetName(), "Default"); // alive while any map holds it
}

} // namespace
