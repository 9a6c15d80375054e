#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EffectTestSupport.h"

using namespace effect_test;

namespace {

const std::vector<std::string> kDefaultValues = {"0", "0.25", "0.5", "0.75", "1"};

} // namespace

TEST(EffectMessages, TheStateRequestSendsTheTreeWithTheRequestedAction)
{
    TestEffect effect(0);
    RecordingEditorLink link;
    effect.HandleGuiMessage("GtPlginState2GUIClipboard"); // no link yet: nothing to send to
    effect.SetEditorLink(&link);
    struct Case
    {
        const char* text;
        const char* action;
    };
    for (const Case& c : {Case{"GtPlginState2GUIClipboard", "Clipboard"}, Case{"GtPlginState2GUI", ""},
                          Case{"GtPlginState2GUIGUIWantsUpdate", "GUIWantsUpdate"}})
    {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(effect.HandleGuiMessage(c.text), "");
        const std::string action = *c.action != '\0' ? std::string("<Action>") + c.action + "</Action>" : "<Action/>";
        std::string expected = "editor " + StateText(0, "X", "-", false, kDefaultValues);
        expected.replace(expected.find("<Action>X</Action>"), 18, action);
        EXPECT_EQ(link.Take(), std::vector<std::string>{expected});
    }
}

TEST(EffectMessages, NumbersThatDoNotReadChangeNothingAndNeverThrow)
{
    TestEffect effect(0);
    RecordingEditorLink link;
    effect.SetEditorLink(&link);

    struct Case
    {
        const char* text;
        float zoom;
        const char* preset;
    };
    for (const Case& c :
         {Case{"setZoomFactrMSg1.5", 1.5f, "-"}, Case{"setZoomFactrMSgabc", 1.5f, "-"},
          Case{"setZoomFactrMSgnan", 1.5f, "-"}, Case{"setZoomFactrMSg1e40", 1.5f, "-"},
          Case{"CKROSetSelectedPresetNumber1", 1.5f, "Mine"}, Case{"CKROSetSelectedPresetNumber", 1.5f, "Mine"},
          Case{"CKROSetSelectedPresetNumberx", 1.5f, "Mine"}, Case{"CKROSetSelectedPresetNumber2", 1.5f, "Mine"},
          Case{"CKROSetSelectedPresetNumber-1", 1.5f, "Mine"},
          Case{"CKROSetSelectedPresetNumber99999999999", 1.5f, "Mine"},
          Case{"CKROSetSelectedPresetNumber0setZoomFactrMSg2", 2.0f, "Default"}})
    {
        SCOPED_TRACE(c.text);
        EXPECT_NO_THROW(EXPECT_EQ(effect.HandleGuiMessage(c.text), ""));
        EXPECT_EQ(effect.GetZoom(), c.zoom);
        EXPECT_EQ(effect.GetCurrentPresetName(), c.preset);
    }
    // Naming a preset selects nothing; the adapter has done that before.
    EXPECT_EQ(effect.GetParameterNormalized(0), 0.0f);

    boost::property_tree::ptree tree;
    effect.GetStateTree(tree);
    EXPECT_EQ(tree.get<std::string>("PluginState.PluginInfo.Zoom"), "2");
    EXPECT_TRUE(link.Take().empty());
}

TEST(EffectMessages, SavingClearsTheModifiedMarkAndSaveAsNamesTheCurrentPreset)
{
    platform::FakePlatform clock;
    platform::ScopedPlatform installed(clock);
    RecordingEditorLink link;
    struct Case
    {
        const char* text;
        const char* preset;
    };
    for (const Case& c : {Case{"CKROSetPresetSaveMine", "Default"}, Case{"CKROSetPresetAsSaveAsNew", "Mine"},
                          Case{"CKROSetSelectedPresetNumberxCKROSetPresetSave", "Default"}})
    {
        SCOPED_TRACE(c.text);
        TestEffect effect(0);
        effect.SetEditorLink(&link);
        effect.SelectPreset(0);
        effect.Algorithm(0).SelectPreset(1); // the algorithm's current preset, as after a save-as
        clock.AdvanceTickCount(1000);
        effect.Automate(0, 1.0f);
        ASSERT_TRUE(effect.IsPresetModified());

        effect.HandleGuiMessage(c.text);
        EXPECT_FALSE(effect.IsPresetModified());
        EXPECT_EQ(effect.GetCurrentPresetName(), c.preset);
        // The tree owed for the modified mark went out before the message acted.
        const std::vector<std::string> events = link.Take();
        ASSERT_EQ(events.size(), 2u);
        EXPECT_NE(events[1].find("<PresetModified>true</PresetModified>"), std::string::npos);
    }
}
