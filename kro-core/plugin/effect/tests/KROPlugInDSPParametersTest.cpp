#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "EffectTestSupport.h"

using namespace effect_test;

namespace {

const std::vector<std::string> kDefaultValues = {"0", "0.25", "0.5", "0.75", "1"};
const std::vector<std::string> kMineValues = {"1", "0.75", "0.5", "0.25", "0"};

class EffectParameters : public ::testing::Test
{
protected:
    platform::FakePlatform clock;
    platform::ScopedPlatform installed{clock};
    RecordingEditorLink link;
};

// An effect before its product gave it algorithms or parameter info.
class EmptyEffect final : public CKROPlugInDSP
{
public:
    int32_t GetMaxLinkedParameterChanges() const override { return 10; }
    int32_t GetMaxProcessParameterChanges() const override { return 10; }
};

} // namespace

TEST_F(EffectParameters, ALateChangeMarksTheStateOnceAndTheNextUserInterfaceEntrySendsTheTree)
{
    struct Case
    {
        const char* what;
        bool loaded;
        bool linked;
        uint32_t start;
        uint32_t elapsed;
        bool marks;
    };
    const uint32_t beforeWrap = 0xFFFFFF00u;
    for (const Case& c :
         {Case{"nothing loaded yet", false, true, 0, 1000, false}, Case{"no editor link", true, false, 0, 1000, false},
          Case{"400 ms", true, true, 0, 400, false}, Case{"500 ms", true, true, 0, 500, false},
          Case{"501 ms", true, true, 0, 501, true}, Case{"400 ms across the wrap", true, true, beforeWrap, 400, false},
          Case{"501 ms across the wrap", true, true, beforeWrap, 501, true}})
    {
        SCOPED_TRACE(c.what);
        clock.SetTickCount(c.start);
        TestEffect effect(0);
        if (c.linked)
            effect.SetEditorLink(&link);
        if (c.loaded)
            effect.SelectPreset(0);
        link.Take();

        clock.AdvanceTickCount(c.elapsed);
        effect.Automate(0, 0.75f); // as on the audio thread: nothing is sent from here
        EXPECT_TRUE(link.events.empty());
        EXPECT_EQ(effect.IsPresetModified(), c.marks);

        effect.SetEditorLink(&link);
        std::string text;
        effect.GetParameterText(text, 0, false, false); // a user-interface entry
        const std::string preset = c.loaded ? "Default" : "-";
        std::vector<std::string> expected;
        if (c.marks)
            expected.push_back("editor " +
                               StateText(0, "GUIWantsUpdate", preset, true, {"0.75", "0.25", "0.5", "0.75", "1"}));
        EXPECT_EQ(link.Take(), expected);

        // Further changes find the state already modified and owe the editor nothing.
        if (c.marks)
        {
            clock.AdvanceTickCount(1000);
            effect.Automate(1, 1.0f);
            effect.GetParameterText(text, 0, false, false);
            EXPECT_TRUE(link.Take().empty());
        }
    }
}

TEST_F(EffectParameters, TheOwedTreeIsBuiltWhenItIsSentAndOnlyOnce)
{
    TestEffect effect(1);
    effect.SetEditorLink(&link);
    effect.SelectPreset(0);
    clock.AdvanceTickCount(600);
    effect.Automate(1, 0.5f);
    effect.Automate(2, 1.0f);
    link.Take();

    boost::property_tree::ptree state;
    effect.GetStateTree(state); // the host saving is a user-interface entry too
    const std::vector<std::string> events = link.Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], "editor " + StateText(1, "GUIWantsUpdate", "Default", true, {"0.5", "1", "0.5", "0.75", "1"}));
    EXPECT_EQ(state.get<std::string>("PluginState.PluginInfo.Action"), "PluginState");
    effect.HandleGuiMessage("");
    EXPECT_TRUE(link.Take().empty());
}

TEST_F(EffectParameters, SelectingAPresetAppliesItAndSendsOneTree)
{
    TestEffect effect(0);
    effect.SetEditorLink(&link);
    effect.SelectPreset(1);
    EXPECT_EQ(link.Take(),
              (std::vector<std::string>{"editor " + StateText(0, "GUIWantsUpdate", "Mine", false, kMineValues)}));

    // Long after, the preset's own values do not count as a change of the user's.
    clock.AdvanceTickCount(5000);
    effect.SelectPreset(0);
    EXPECT_EQ(link.Take(),
              (std::vector<std::string>{"editor " + StateText(0, "GUIWantsUpdate", "Default", false, kDefaultValues)}));
    EXPECT_EQ(effect.GetCurrentPresetNumber(), 0);

    // A modified state: the owed tree goes first, then the selection clears the mark.
    clock.AdvanceTickCount(5000);
    effect.Automate(4, 0.0f);
    effect.SelectPreset(1);
    EXPECT_EQ(link.Take(),
              (std::vector<std::string>{
                  "editor " + StateText(0, "GUIWantsUpdate", "Default", true, {"0", "0.25", "0.5", "0.75", "0"}),
                  "editor " + StateText(0, "GUIWantsUpdate", "Mine", false, kMineValues)}));
    EXPECT_FALSE(effect.IsPresetModified());
    EXPECT_EQ(effect.GetCurrentPresetNumber(), 1);
}

TEST_F(EffectParameters, SelectingAPresetThatDoesNotExistChangesNothing)
{
    for (const int32_t number : {-1, 2, 1000})
    {
        SCOPED_TRACE(number);
        TestEffect effect(0);
        effect.SetEditorLink(&link);
        effect.ApplyParameterValue(0, 0.5f);
        effect.SelectPreset(number);
        EXPECT_TRUE(link.Take().empty());
        EXPECT_EQ(effect.GetCurrentPresetName(), "-");
        EXPECT_EQ(effect.GetParameterNormalized(0), 0.5f);
        // Nothing was loaded, so no later change marks the state.
        clock.AdvanceTickCount(1000);
        effect.Automate(0, 1.0f);
        EXPECT_FALSE(effect.IsPresetModified());
    }

    EmptyEffect empty;
    empty.SetEditorLink(&link);
    empty.SelectPreset(0);
    EXPECT_TRUE(link.Take().empty());
    EXPECT_EQ(empty.GetCurrentPresetName(), "-");
    EXPECT_EQ(empty.GetParameterNormalized(0), 0.0f);
}

TEST_F(EffectParameters, AnIndexWithoutARecordOnlyClearsTheChangedCount)
{
    TestEffect effect(0);
    int32_t changed[10] = {};
    int32_t count = 3;
    effect.SetParameterNormalized(5, 1.0f, changed, count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(effect.GetParameterNormalized(5), 0.0f);

    std::string text = "stale";
    effect.GetParameterText(text, 5, false, false);
    EXPECT_EQ(text, "");
    effect.GetParameterText(text, 2, false, false);
    EXPECT_EQ(text, "c");
    effect.GetParameterText(text, 2, true, true);
    EXPECT_EQ(text, "P2:  c");
}

TEST_F(EffectParameters, AValueMapIsAppliedOnlyWhenItHoldsEveryParameter)
{
    TestEffect effect(0);
    effect.SetParameterValues({{0, 1.0f}, {1, 1.0f}, {2, 1.0f}, {3, 1.0f}});
    EXPECT_EQ(effect.GetParameterNormalized(0), 0.0f);
    effect.SetParameterValues({{0, 1.0f}, {1, 1.0f}, {2, 1.0f}, {3, 1.0f}, {4, 0.0f}});
    EXPECT_EQ(effect.GetParameterNormalized(0), 1.0f);
    EXPECT_EQ(effect.GetParameterNormalized(4), 0.0f);
}

TEST_F(EffectParameters, DefaultValuesComeFromTheFirstPresetsOfTheAlgorithms)
{
    TestEffect effect(1);
    effect.SelectPreset(1);
    std::map<int32_t, float> defaults;
    effect.GetDefaultParameterValues(defaults, 0);
    EXPECT_EQ(defaults, (std::map<int32_t, float>{{1, 0.0f}, {2, 0.25f}, {3, 0.5f}, {4, 0.75f}, {5, 1.0f}}));
}

TEST_F(EffectParameters, PlainValuesGoThroughTheParameterInfo)
{
    TestEffect effect(0);
    effect.SelectPreset(0);
    EXPECT_EQ(effect.GetParameterPlain(3), 3.0);
    EXPECT_EQ(effect.NormalizeParameterValue(2, 1.0f), 0.25f);
    EXPECT_EQ(effect.DenormalizeParameterValue(2, 1.0f), 4.0f);
    EXPECT_EQ(effect.GetParameterForHost(1), 0.25f);
    int32_t mode = 3;
    EXPECT_TRUE(effect.GetParametersToRefresh(mode).empty());
    EXPECT_EQ(mode, 3);
}
