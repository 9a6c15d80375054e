#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EffectTestSupport.h"

namespace pt = boost::property_tree;
using namespace effect_test;

namespace
{

const char kIndentedFirstIndex0[] = R"(<?xml version="1.0" encoding="utf-8"?>
<PluginState>
  <PluginInfo>
    <Version>0</Version>
    <Name>Vireno</Name>
    <Zoom>1</Zoom>
    <Action>PluginState</Action>
    <CurrentPreset>Mine</CurrentPreset>
    <PresetModified>false</PresetModified>
  </PluginInfo>
  <Parameters>
    <Par0>
      <Name>P0</Name>
      <Value>0.300000012</Value>
      <Index>0</Index>
    </Par0>
    <Par1>
      <Name>P1</Name>
      <Value>0.75</Value>
      <Index>1</Index>
    </Par1>
    <Par2>
      <Name>P2</Name>
      <Value>0.5</Value>
      <Index>2</Index>
    </Par2>
    <Par3>
      <Name>P3</Name>
      <Value>0.25</Value>
      <Index>3</Index>
    </Par3>
    <Par4>
      <Name>P4</Name>
      <Value>0</Value>
      <Index>4</Index>
    </Par4>
  </Parameters>
  <DSPChunk/>
</PluginState>
)";

const char kIndentedFirstIndex1[] = R"(<?xml version="1.0" encoding="utf-8"?>
<PluginState>
  <PluginInfo>
    <Version>0</Version>
    <Name>Vireno</Name>
    <Zoom>1</Zoom>
    <Action>PluginState</Action>
    <CurrentPreset>Mine</CurrentPreset>
    <PresetModified>false</PresetModified>
  </PluginInfo>
  <Parameters>
    <Par1>
      <Name>P0</Name>
      <Value>0.300000012</Value>
      <Index>1</Index>
    </Par1>
    <Par2>
      <Name>P1</Name>
      <Value>0.75</Value>
      <Index>2</Index>
    </Par2>
    <Par3>
      <Name>P2</Name>
      <Value>0.5</Value>
      <Index>3</Index>
    </Par3>
    <Par4>
      <Name>P3</Name>
      <Value>0.25</Value>
      <Index>4</Index>
    </Par4>
    <Par5>
      <Name>P4</Name>
      <Value>0</Value>
      <Index>5</Index>
    </Par5>
  </Parameters>
  <DSPChunk/>
</PluginState>
)";

const char kCompactFirstIndex0[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<PluginState><PluginInfo><Version>0</Version><Name>Vireno</Name><Zoom>1</Zoom><Action>PluginState</Action>"
    "<CurrentPreset>Mine</CurrentPreset><PresetModified>false</PresetModified></PluginInfo><Parameters>"
    "<Par0><Name>P0</Name><Value>0.300000012</Value><Index>0</Index></Par0>"
    "<Par1><Name>P1</Name><Value>0.75</Value><Index>1</Index></Par1>"
    "<Par2><Name>P2</Name><Value>0.5</Value><Index>2</Index></Par2>"
    "<Par3><Name>P3</Name><Value>0.25</Value><Index>3</Index></Par3>"
    "<Par4><Name>P4</Name><Value>0</Value><Index>4</Index></Par4>"
    "</Parameters><DSPChunk/></PluginState>";

const char kCompactFirstIndex1[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<PluginState><PluginInfo><Version>0</Version><Name>Vireno</Name><Zoom>1</Zoom><Action>PluginState</Action>"
    "<CurrentPreset>Mine</CurrentPreset><PresetModified>false</PresetModified></PluginInfo><Parameters>"
    "<Par1><Name>P0</Name><Value>0.300000012</Value><Index>1</Index></Par1>"
    "<Par2><Name>P1</Name><Value>0.75</Value><Index>2</Index></Par2>"
    "<Par3><Name>P2</Name><Value>0.5</Value><Index>3</Index></Par3>"
    "<Par4><Name>P3</Name><Value>0.25</Value><Index>4</Index></Par4>"
    "<Par5><Name>P4</Name><Value>0</Value><Index>5</Index></Par5>"
    "</Parameters><DSPChunk/></PluginState>";

std::string Written(TestEffect& effect, KROStateTreeLayout layout)
{
    pt::ptree tree;
    effect.GetStateTree(tree);
    std::string text;
    EXPECT_TRUE(WriteStateTreeXml(tree, layout, text));
    return text;
}

pt::ptree Parsed(const std::string& text)
{
    pt::ptree tree;
    EXPECT_TRUE(ReadStateTreeXml(text, tree));
    return tree;
}

// The effect's values in index order, F ... F+4.
std::vector<float> Values(TestEffect& effect)
{
    std::vector<float> values;
    const int32_t first = effect.GetFirstParameterIndex();
    for (int32_t index = first; index < first + 5; ++index)
        values.push_back(effect.GetParameterNormalized(index));
    return values;
}

}  // namespace

TEST(PluginStateTree, IsWrittenInBothLayoutsForBothFirstIndices)
{
    struct Case
    {
        int32_t first;
        const char* indented;
        const char* compact;
    };
    for (const Case& c : {Case{0, kIndentedFirstIndex0, kCompactFirstIndex0},
                          Case{1, kIndentedFirstIndex1, kCompactFirstIndex1}})
    {
        SCOPED_TRACE(c.first);
        TestEffect effect(c.first);
        effect.SelectPreset(1);  // "Mine": 4 3 2 1 0
        effect.ApplyParameterValue(c.first, 0.3f);
        EXPECT_EQ(Written(effect, KROStateTreeLayout::kIndented), c.indented);
        EXPECT_EQ(Written(effect, KROStateTreeLayout::kCompact), c.compact);
        // Nothing in the tree changes by being written.
        EXPECT_EQ(Written(effect, KROStateTreeLayout::kCompact), c.compact);
    }
}

TEST(PluginStateTree, RoundTripsThroughTheHostsTextIntoAnotherEffect)
{
    platform::FakePlatform clock;
    platform::ScopedPlatform installed(clock);
    TestEffect source(0);
    source.SelectPreset(1);
    const std::vector<float> odd = {0.1f, 1.0f / 3.0f, 0.0f, 0.999999f, 0.7f};
    for (int32_t k = 0; k < 5; ++k)
        source.ApplyParameterValue(k, odd[static_cast<size_t>(k)]);
    clock.AdvanceTickCount(1000);
    RecordingEditorLink sourceLink;
    source.SetEditorLink(&sourceLink);
    source.ApplyParameterValue(0, odd[0]);  // marks the state modified
    EXPECT_TRUE(source.IsPresetModified());
    source.HandleGuiMessage("setZoomFactrMSg1.5");

    TestEffect target(0);
    target.SetStateTree(Parsed(Written(source, KROStateTreeLayout::kCompact)));

    EXPECT_EQ(Values(target), Values(source));
    EXPECT_EQ(Values(target), odd);
    EXPECT_EQ(target.GetCurrentPresetName(), "Mine");
    EXPECT_TRUE(target.IsPresetModified());
    EXPECT_EQ(target.GetZoom(), 1.5f);
    EXPECT_EQ(Written(target, KROStateTreeLayout::kCompact), Written(source, KROStateTreeLayout::kCompact));
}

TEST(PluginStateTree, IsAcceptedOnlyUnderTheEffectsName)
{
    struct Case
    {
        const char* what;
        bool hasInfo;
        bool hasName;
        const char* name;
        bool applied;
    };
    for (const Case& c : {Case{"own name", true, true, "Vireno", true}, Case{"other case", true, true, "vireno", false},
                          Case{"empty name", true, true, "", false}, Case{"no name", true, false, "", false},
                          Case{"no PluginInfo", false, false, "", true}})
    {
        SCOPED_TRACE(c.what);
        pt::ptree tree;
        if (c.hasInfo)
            tree.put("PluginState.PluginInfo.CurrentPreset", "Loaded");
        if (c.hasName)
            tree.put("PluginState.PluginInfo.Name", c.name);
        tree.put("PluginState.Parameters.Par2.Value", "1");
        tree.put("PluginState.Parameters.Par2.Index", "2");

        TestEffect effect(0);
        RecordingEditorLink link;
        effect.SetEditorLink(&link);
        effect.SetStateTree(tree);
        EXPECT_EQ(effect.GetParameterNormalized(2), c.applied ? 1.0f : 0.5f);
        EXPECT_EQ(effect.GetCurrentPresetName(), c.applied && c.hasInfo ? "Loaded" : "-");
        EXPECT_EQ(link.events.empty(), !c.applied);
    }
}

TEST(PluginStateTree, ReadsValueTextsByTheCLibraryRulesAndRefusesTheUnreadable)
{
    struct Case
    {
        const char* text;
        bool readable;
        float applied;
    };
    for (const Case& c : {Case{"1.7", true, 1.0f}, Case{"-3", true, 0.0f}, Case{" 0.5x", true, 0.5f},
                          Case{"abc", false, 0.0f}, Case{"1e40", false, 0.0f}, Case{"nan", false, 0.0f},
                          Case{"inf", false, 0.0f}})
    {
        SCOPED_TRACE(c.text);
        pt::ptree tree;
        tree.put("PluginState.Parameters.Par0.Value", c.text);
        tree.put("PluginState.Parameters.Par0.Index", "1");
        TestEffect effect(0);
        RecordingEditorLink link;
        effect.SetEditorLink(&link);
        effect.SetStateTree(tree);

        EXPECT_EQ(effect.GetParameterNormalized(1), c.readable ? c.applied : 0.25f);
        std::vector<std::string> expected;
        if (c.readable)
            expected = {"parameter 1 " + std::to_string(c.applied), "string UpdateParameterValues"};
        std::vector<std::string> events = link.Take();
        ASSERT_FALSE(events.empty());
        events.pop_back();  // the "GUIWantsUpdate" tree, sent in every case
        EXPECT_EQ(events, expected);
    }
}

TEST(PluginStateTree, ABadChildEndsOnlyTheParameterStep)
{
    pt::ptree tree = Parsed(
        "<PluginState><PluginInfo><Name>Vireno</Name><Zoom>2</Zoom><CurrentPreset>Loaded</CurrentPreset>"
        "<PresetModified>true</PresetModified></PluginInfo><Parameters>"
        "<A><Value>1</Value><Index>0</Index></A>"
        "<B><Value>1</Value><Index>x</Index></B>"
        "<C><Value>1</Value><Index>2</Index></C>"
        "</Parameters></PluginState>");
    TestEffect effect(0);
    RecordingEditorLink link;
    effect.SetEditorLink(&link);
    effect.SetStateTree(tree);

    EXPECT_EQ(Values(effect), (std::vector<float>{1.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
    EXPECT_EQ(effect.GetCurrentPresetName(), "Loaded");
    EXPECT_TRUE(effect.IsPresetModified());
    EXPECT_EQ(effect.GetZoom(), 2.0f);
    const std::vector<std::string> events = link.Take();
    ASSERT_EQ(events.size(), 2u);  // no "UpdateParameterValues"
    EXPECT_EQ(events[0], "parameter 0 1.000000");
    EXPECT_EQ(link.lastTree.get<std::string>("PluginState.PluginInfo.Action"), "GUIWantsUpdate");
}

TEST(PluginStateTree, OtherBadValuesEndOnlyTheirOwnStep)
{
    // Preset name without a modified flag; an unreadable modified flag; an unreadable zoom.
    pt::ptree tree;
    tree.put("PluginState.PluginInfo.Name", "Vireno");
    tree.put("PluginState.PluginInfo.CurrentPreset", "Loaded");
    tree.put("PluginState.PluginInfo.PresetModified", "maybe");
    tree.put("PluginState.PluginInfo.Zoom", "nan");
    tree.put("PluginState.Parameters.Par4.Value", "0");
    tree.put("PluginState.Parameters.Par4.Index", "4");
    TestEffect effect(0);
    effect.HandleGuiMessage("CKROSetPresetAsSaveAs");
    effect.SetStateTree(tree);
    EXPECT_EQ(effect.GetCurrentPresetName(), "Loaded");
    EXPECT_FALSE(effect.IsPresetModified());
    EXPECT_EQ(effect.GetZoom(), 1.0f);
    EXPECT_EQ(effect.GetParameterNormalized(4), 0.0f);

    // Both flag spellings read back.
    for (const char* flag : {"1", "true"})
    {
        tree.put("PluginState.PluginInfo.PresetModified", flag);
        effect.SetStateTree(tree);
        EXPECT_TRUE(effect.IsPresetModified()) << flag;
    }
}

TEST(PluginStateTree, LoadingKeepsTheLoadedModifiedFlagEvenLongAfterTheLastLoad)
{
    platform::FakePlatform clock;
    platform::ScopedPlatform installed(clock);
    for (const bool modified : {false, true})
    {
        SCOPED_TRACE(modified);
        TestEffect effect(0);
        RecordingEditorLink link;
        effect.SetEditorLink(&link);
        effect.SelectPreset(0);
        clock.AdvanceTickCount(10000);  // the window of that selection is long over
        link.Take();

        pt::ptree tree;
        effect.GetStateTree(tree);
        tree.put("PluginState.PluginInfo.PresetModified", modified);
        tree.put("PluginState.Parameters.Par0.Value", "0.75");
        effect.SetStateTree(tree);

        EXPECT_EQ(effect.IsPresetModified(), modified);
        EXPECT_EQ(effect.GetParameterNormalized(0), 0.75f);
        effect.HandleGuiMessage("");  // a user-interface entry: nothing is owed to the editor
        const std::vector<std::string> events = link.Take();
        ASSERT_EQ(events.size(), 7u);  // five values, "UpdateParameterValues", the loaded tree
        pt::ptree sent = tree;
        sent.put("PluginState.PluginInfo.Action", "GUIWantsUpdate");
        EXPECT_EQ(events[6], "editor " + CompactXml(sent));
    }
}

TEST(PluginStateTree, AnEmptyParameterListStillTellsTheAdapterAndTheEditor)
{
    pt::ptree tree;
    tree.put_child("PluginState.Parameters", pt::ptree());
    TestEffect effect(0);
    RecordingEditorLink link;
    effect.SetEditorLink(&link);
    effect.SetStateTree(tree);
    const std::vector<std::string> events = link.Take();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], "string UpdateParameterValues");
    EXPECT_EQ(events[1], "editor <?xml version=\"1.0\" encoding=\"utf-8\"?>\n<PluginState><Parameters/><PluginInfo>"
                         "<Action>GUIWantsUpdate</Action></PluginInfo></PluginState>");
}

TEST(PluginStateTree, AppliesByIndexSoThatOtherBuildsStatesShiftByOne)
{
    TestEffect aax(1);
    aax.SelectPreset(1);  // 1 .. 5 hold 1, 0.75, 0.5, 0.25, 0
    pt::ptree tree;
    aax.GetStateTree(tree);

    TestEffect vst3(0);
    vst3.SetStateTree(tree);
    EXPECT_EQ(Values(vst3), (std::vector<float>{0.0f, 1.0f, 0.75f, 0.5f, 0.25f}));
}

TEST(PluginStateTree, ThePastedTreeNeedsParametersButNoName)
{
    TestEffect effect(0);
    pt::ptree tree;
    tree.put("PluginState.PluginInfo.Name", "Other");
    tree.put("PluginState.PluginInfo.CurrentPreset", "Pasted");
    EXPECT_TRUE(effect.SetStateTreeFromEditor(tree).empty());
    EXPECT_EQ(effect.GetCurrentPresetName(), "-");

    tree.put("PluginState.Parameters.Par3.Value", "1");
    tree.put("PluginState.Parameters.Par3.Index", "3");
    EXPECT_TRUE(effect.SetStateTreeFromEditor(tree).empty());
    EXPECT_EQ(effect.GetCurrentPresetName(), "Pasted");
    EXPECT_EQ(effect.GetParameterNormalized(3), 1.0f);
}
