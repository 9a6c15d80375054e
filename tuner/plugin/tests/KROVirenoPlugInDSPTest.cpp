#include "tuner/plugin/KROVirenoPlugInDSP.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <boost/property_tree/ptree.hpp>

#include "kro-core/plugin/IKROPlugEditorMessage.h"
#include "platform/testing/TestFiles.h"
#include "tuner/engine/testing/TestSignals.h"
#include "tuner/plugin/TunerParameterIndex.h"
#include "VirenoEffectTestSupport.h"

using effecttest::Drive;
using effecttest::HostRun;
using effecttest::SetUpForHost;
using platform::testing::ReadWholeFile;
using platform::testing::WriteWholeFile;

namespace {

using Index = TunerParameterIndex;

// The writer's file for the given label numbers, in index order.
std::string DefaultPresetFile(const std::vector<int>& labels)
{
    static const char* const kNames[] = {"Select_Instrument", "Display_Mode", "Drop_Tuning", "Reference_Frequency",
                                         "Color_Set"};
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<KroPreset>\n"
                       "  <Type>Vireno Default Preset</Type>\n  <PlugName>Vireno</PlugName>\n"
                       "  <PlugVersion>110</PlugVersion>\n  <Preset>\n    <PresetName>Default</PresetName>\n"
                       "    <Parameters>\n";
    for (size_t k = 0; k < labels.size(); ++k)
        text += std::string("      <") + kNames[k] + ">" + std::to_string(labels[k]) + "</" + kNames[k] + ">\n";
    return text + "    </Parameters>\n  </Preset>\n</KroPreset>\n";
}

// Bass, Stream, D, 442, Yellow & Blue as normalised values and as label numbers.
const std::vector<float> kBassStreamNormalized{1.0f, 1.0f, 0.4f, 0.7f, 1.0f};
const std::vector<int> kBassStreamLabels{1, 1, 2, 7, 1};
const std::vector<int> kTableDefaultLabels{0, 0, 0, 5, 0};

class RecordingLink final : public IKROPlugEditorMessage
{
public:
    void SendString(std::string text) override { events.push_back("string " + text); }
    void SendParameterChange(uint32_t index, float) override { events.push_back("parameter " + std::to_string(index)); }
    void SendBinary(const float*, int32_t) override { events.push_back("binary"); }
    void SendStateTree(const boost::property_tree::ptree& tree, bool) override
    {
        events.push_back("tree " + tree.get<std::string>("PluginState.PluginInfo.Action", "?"));
    }
    std::vector<std::string> events;
};

// Both numberings: F = 0 (VST3) and F = 1 (AAX).
class VirenoEffect : public effecttest::VirenoEffectTest, public ::testing::WithParamInterface<int32_t>
{
protected:
    const int32_t F = GetParam();

    void SetValues(CKROVirenoPlugInDSP& effect, const std::vector<float>& normalized)
    {
        for (size_t k = 0; k < normalized.size(); ++k)
            effect.ApplyParameterValue(F + static_cast<int32_t>(k), normalized[k]);
    }
    std::vector<float> Values(CKROVirenoPlugInDSP& effect)
    {
        std::vector<float> values;
        for (int32_t k = 0; k < Index::kProductParameterCount; ++k)
            values.push_back(effect.GetParameterNormalized(F + k));
        return values;
    }
};

} // namespace

TEST_P(VirenoEffect, StartsOnTheTableDefaultsAndWritesThemForTheNextOne)
{
    CKROVirenoPlugInDSP effect(F);
    EXPECT_EQ(effect.GetName(false), "Vireno");
    EXPECT_EQ(effect.GetFirstParameterIndex(), F);
    EXPECT_EQ(effect.GetParameterCount(), 5);
    EXPECT_EQ(Values(effect), (std::vector<float>{0, 0, 0, 0.5f, 0}));
    EXPECT_EQ(ReadWholeFile(presetFile), DefaultPresetFile(kTableDefaultLabels));
    EXPECT_EQ(effect.GetMaxLinkedParameterChanges(), 10);
    EXPECT_EQ(effect.GetMaxProcessParameterChanges(), 10);
    int32_t mode = 3;
    EXPECT_TRUE(effect.GetParametersToRefresh(mode).empty());
    EXPECT_EQ(mode, 0);
}

TEST_P(VirenoEffect, AStoredDefaultPresetBecomesTheDefaultsAndTheStartingValues)
{
    std::filesystem::create_directories(presetFile.parent_path());
    WriteWholeFile(presetFile, DefaultPresetFile(kBassStreamLabels));

    CKROVirenoPlugInDSP effect(F);
    EXPECT_EQ(Values(effect), kBassStreamNormalized);
    for (const auto& entry : effect.Tuner().GetParameters())
        EXPECT_FLOAT_EQ(static_cast<float>(entry.second.GetDefaultNormalized()),
                        kBassStreamNormalized[static_cast<size_t>(entry.first - F)]);

    // The defaults a host is given, after the user moved everything away from them.
    SetValues(effect, {0, 0, 1, 0, 0});
    std::map<int32_t, float> defaults;
    effect.GetDefaultParameterValues(defaults, 0);
    ASSERT_EQ(defaults.size(), 5u);
    for (int32_t k = 0; k < 5; ++k)
        EXPECT_FLOAT_EQ(defaults.at(F + k), kBassStreamNormalized[static_cast<size_t>(k)]);
    EXPECT_EQ(ReadWholeFile(presetFile), DefaultPresetFile(kBassStreamLabels));
}

TEST_P(VirenoEffect, StartsOnTheTableDefaultsWhereNoPresetCanBeKept)
{
    const std::filesystem::path maker = appData / "Halvard Sonics";
    std::filesystem::create_directories(appData);
    WriteWholeFile(maker, "a file where the maker's folder belongs");
    {
        std::unique_ptr<CKROVirenoPlugInDSP> effect;
        ASSERT_NO_THROW(effect = std::make_unique<CKROVirenoPlugInDSP>(F));
        EXPECT_EQ(Values(*effect), (std::vector<float>{0, 0, 0, 0.5f, 0}));
        EXPECT_NO_THROW(effect->HandleGuiMessage("SaveVRDefPreset"));
    }

    // A folder name that is not UTF-8 (Latin-1 "café") is used as it stands.
    const std::filesystem::path latin1 = temporary.Path() / "caf\xe9";
    fake.SetAppDataFolder(latin1.string());
    std::unique_ptr<CKROVirenoPlugInDSP> effect;
    ASSERT_NO_THROW(effect = std::make_unique<CKROVirenoPlugInDSP>(F));
    EXPECT_TRUE(std::filesystem::is_regular_file(latin1 / "Halvard Sonics" / "Vireno" / "Default.xml"));
}

TEST_P(VirenoEffect, HiddenParametersSitBehindTheProductParameters)
{
    CKROVirenoPlugInDSP effect(F);
    SetUpForHost(effect, 1);
    EXPECT_EQ(effect.GetParameterNormalized(F + Index::kInputChannelCount), 1.0f);
    EXPECT_EQ(effect.GetParameterNormalized(F + Index::kInstanceActive), 1.0f);

    const int32_t mute = F + Index::kOutputMute;
    struct Case
    {
        float written;
        float read;
    };
    int32_t changedCount = 4;
    for (const Case& c : {Case{0.5f, 1.0f}, Case{0.49f, 0.0f}, Case{0.7f, 1.0f}, Case{0.0f, 0.0f}})
    {
        effect.SetParameterNormalized(mute, c.written, nullptr, changedCount);
        EXPECT_EQ(effect.GetParameterNormalized(mute), c.read) << c.written;
    }

    // Indices without a parameter read 0 and take nothing, the farthest ones too.
    for (const int32_t index : {F - 1, F + 5, F + 9, INT32_MIN, INT32_MAX})
    {
        effect.SetParameterNormalized(index, 1.0f, nullptr, changedCount);
        EXPECT_EQ(effect.GetParameterNormalized(index), 0.0f) << index;
    }
    // A pasted tree does not reach them.
    boost::property_tree::ptree pasted;
    pasted.put("PluginState.Parameters.Mute.Value", "1");
    pasted.put("PluginState.Parameters.Mute.Index", mute);
    effect.SetStateTreeFromEditor(pasted);
    EXPECT_EQ(effect.GetParameterNormalized(mute), 0.0f);
    // The hidden ones are no parameters of the state either.
    boost::property_tree::ptree tree;
    effect.GetStateTree(tree);
    EXPECT_EQ(tree.get_child("PluginState.Parameters").size(), 5u);

    // The active instance mutes its output.
    effect.SetParameterNormalized(mute, 1.0f, nullptr, changedCount);
    HostRun run;
    run.in = {signals::Sine(110.0, 0.5, 0.1, 48000.0)};
    Drive(effect, run);
    EXPECT_EQ(run.out[0], std::vector<float>(run.in[0].size(), 0.0f));
}

TEST_P(VirenoEffect, DisplayDataIsTheWholeReadingOnceThenItsFirstValue)
{
    CKROVirenoPlugInDSP effect(F);
    SetUpForHost(effect, 1);
    const std::vector<float> tone = signals::Sine(110.0, 0.4, 0.5, 48000.0);
    std::vector<float> out(effecttest::kBlockFrames);
    float* output = out.data();
    int32_t changedCount = 0;
    for (size_t start = 0; !effect.Tuner().HasNewResult(); start += effecttest::kBlockFrames)
    {
        ASSERT_LE(start + effecttest::kBlockFrames, tone.size());
        const float* input = tone.data() + start;
        effect.Process(&input, &output, effecttest::kBlockFrames, nullptr, changedCount);
    }

    int32_t count = -1;
    // A new reading stays new for any channel but 0.
    const float* values = effect.GetDisplayData(1, count);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(effect.Tuner().HasNewResult());

    values = effect.GetDisplayData(0, count);
    EXPECT_EQ(count, 19);
    EXPECT_FALSE(effect.Tuner().HasNewResult());
    const TunerResultBlock reading = effect.Tuner().GetResult();
    EXPECT_EQ(std::memcmp(values, &reading, sizeof reading), 0);

    values = effect.GetDisplayData(0, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(values[0], reading.needleDeviation);
}

TEST_P(VirenoEffect, OnlyTheExactSaveTextWritesTheDefaultPreset)
{
    CKROVirenoPlugInDSP effect(F);
    RecordingLink link;
    effect.SetEditorLink(&link);
    SetValues(effect, kBassStreamNormalized);
    const std::string tableFile = DefaultPresetFile(kTableDefaultLabels);

    // The framework's own messages mean nothing to the tuner either.
    for (const char* text :
         {"SaveVRDefPreset ", " SaveVRDefPreset", "xSaveVRDefPresetx", "SaveVRDefPresetSaveVRDefPreset",
          "saveVRDefPreset", "SaveVRDefPrese", "", "GtPlginState2GUIClipboard", "setZoomFactrMSg1.5",
          "CKROSetSelectedPresetNumber0", "CKROSetPresetAsSaveAsNew"})
    {
        EXPECT_EQ(effect.HandleGuiMessage(text), "") << text;
        EXPECT_EQ(ReadWholeFile(presetFile), tableFile) << text;
    }
    EXPECT_TRUE(link.events.empty());
    EXPECT_EQ(effect.GetZoom(), 1.0f);
    EXPECT_EQ(effect.GetCurrentPresetName(), "-");

    EXPECT_EQ(effect.HandleGuiMessage("SaveVRDefPreset"), "");
    EXPECT_EQ(ReadWholeFile(presetFile), DefaultPresetFile(kBassStreamLabels));
    // The saved values are where the next instance starts.
    CKROVirenoPlugInDSP next(F);
    EXPECT_EQ(Values(next), kBassStreamNormalized);
}

TEST_P(VirenoEffect, ValuesBetweenLabelsAreSavedAsTheLabelTheyShow)
{
    CKROVirenoPlugInDSP effect(F);
    SetValues(effect, {0.49f, 0.5f, 1.0f, 0.5f, 0.3f});
    effect.HandleGuiMessage("SaveVRDefPreset");
    EXPECT_EQ(ReadWholeFile(presetFile), DefaultPresetFile({0, 1, 5, 5, 0}));
    SetValues(effect, {0, 0, 0.35f, 0.05f, 0});
    effect.HandleGuiMessage("SaveVRDefPreset");
    EXPECT_EQ(ReadWholeFile(presetFile), DefaultPresetFile({0, 0, 2, 0, 0}));
}

// A change the host's automation makes on the audio thread owes the editor a state tree; the
// tuner's own user-interface entries deliver it.
TEST_P(VirenoEffect, UserInterfaceEntriesDeliverTheStateTreeAChangeOwes)
{
    CKROVirenoPlugInDSP effect(F);
    RecordingLink link;
    effect.SetEditorLink(&link);
    effect.SelectPreset(0);
    link.events.clear();
    int32_t count = 0;
    for (const bool bySaveText : {false, true})
    {
        fake.AdvanceTickCount(1000);
        effect.SetParameterNormalized(F, bySaveText ? 0.0f : 1.0f, nullptr, count);
        EXPECT_TRUE(link.events.empty());
        if (bySaveText)
            effect.HandleGuiMessage("SaveVRDefPreset");
        else
            effect.GetDisplayData(0, count);
        EXPECT_EQ(link.events, std::vector<std::string>{"tree GUIWantsUpdate"});
        link.events.clear();
        effect.SelectPreset(0); // not modified any more
        link.events.clear();
    }
}

TEST_P(VirenoEffect, KeepsTempoAndTransportState)
{
    CKROVirenoPlugInDSP effect(F);
    effect.SetTempo(96.0);
    EXPECT_EQ(effect.Tuner().GetTempo(), 96.0);
    EXPECT_FALSE(effect.IsTransportPlaying());
    // Every call counts as a change.
    for (const bool playing : {false, true, true, false})
    {
        EXPECT_TRUE(effect.SetTransportPlaying(playing));
        EXPECT_EQ(effect.IsTransportPlaying(), playing);
    }
}

INSTANTIATE_TEST_SUITE_P(BothNumberings, VirenoEffect,
                         ::testing::Values(TunerParameterIndex::kFirstIndexVST3, TunerParameterIndex::kFirstIndexAAX),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return info.param == TunerParameterIndex::kFirstIndexAAX ? std::string("AAX")
                                                                                      : std::string("VST3");
                         });
