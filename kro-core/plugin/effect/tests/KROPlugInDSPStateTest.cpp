#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EffectTestSupport.h"

namespace pt = boost::property_tree;
using namespace effect_test;

namespace {

// The state the test effect writes after the set-up of the first test below: preset "Mine" with
// the first value at 0.3, its five parameters under F ... F+4, in either layout.
std::string GoldenState(int32_t first, KROStateTreeLayout layout)
{
    const bool indented = layout == KROStateTreeLayout::kIndented;
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    const auto line = [&](int depth, const std::string& element) {
        if (indented)
            text += std::string(2 * static_cast<size_t>(depth), ' ') + element + "\n";
        else
            text += element;
    };
    const auto leaf = [&](int depth, const std::string& name, const std::string& value) {
        line(depth, "<" + name + ">" + value + "</" + name + ">");
    };
    line(0, "<PluginState>");
    line(1, "<PluginInfo>");
    leaf(2, "Version", "0");
    leaf(2, "Name", "Vireno");
    leaf(2, "Zoom", "1");
    leaf(2, "Action", "PluginState");
    leaf(2, "CurrentPreset", "Mine");
    leaf(2, "PresetModified", "false");
    line(1, "</PluginInfo>");
    line(1, "<Parameters>");
    const char* const values[] = {"0.300000012", "0.75", "0.5", "0.25", "0"};
    for (int32_t k = 0; k < 5; ++k)
    {
        const std::string element = "Par" + std::to_string(first + k);
        line(2, "<" + element + ">");
        leaf(3, "Name", "P" + std::to_string(k));
        leaf(3, "Value", values[k]);
        leaf(3, "Index", std::to_string(first + k));
        line(2, "</" + element + ">");
    }
    line(1, "</Parameters>");
    line(1, "<DSPChunk/>");
    line(0, "</PluginState>");
    return text;
}

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

} // namespace

TEST(PluginStateTree, IsWrittenInBothLayoutsForBothFirstIndices)
{
    struct Case
    {
        int32_t first;
        std::string indented;
        std::string compact;
    };
    for (const Case& c :
         {Case{0, GoldenState(0, KROStateTreeLayout::kIndented), GoldenState(0, KROStateTreeLayout::kCompact)},
          Case{1, GoldenState(1, KROStateTreeLayout::kIndented), GoldenState(1, KROStateTreeLayout::kCompact)}})
    {
        SCOPED_TRACE(c.first);
        TestEffect effect(c.first);
        effect.SelectPreset(1); // "Mine": 4 3 2 1 0
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
    source.ApplyParameterValue(0, odd[0]); // marks the state modified
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
    for (const Case& c :
         {Case{"1.7", true, 1.0f}, Case{"-3", true, 0.0f}, Case{" 0.5x", true, 0.5f}, Case{"abc", false, 0.0f},
          Case{"1e40", false, 0.0f}, Case{"nan", false, 0.0f}, Case{"inf", false, 0.0f}})
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
        std::vector<std::string> events = link.Take();
        if (!c.readable)
        {
            EXPECT_EQ(events, std::vector<std::string>{}) << "a refused tree sends nothing";
            continue;
        }
        ASSERT_FALSE(events.empty());
        events.pop_back(); // the "GUIWantsUpdate" tree
        EXPECT_EQ(events, (std::vector<std::string>{"parameter 1 " + std::to_string(c.applied),
                                                    "string UpdateParameterValues"}));
    }
}

TEST(PluginStateTree, ABadChildRefusesTheWholeTree)
{
    pt::ptree tree =
        Parsed("<PluginState><PluginInfo><Name>Vireno</Name><Zoom>2</Zoom><CurrentPreset>Loaded</CurrentPreset>"
               "<PresetModified>true</PresetModified></PluginInfo><Parameters>"
               "<A><Value>1</Value><Index>0</Index></A>"
               "<B><Value>1</Value><Index>x</Index></B>"
               "<C><Value>1</Value><Index>2</Index></C>"
               "</Parameters></PluginState>");
    TestEffect effect(0);
    RecordingEditorLink link;
    effect.SetEditorLink(&link);
    const std::vector<float> before = Values(effect);
    for (const bool pasted : {false, true})
    {
        SCOPED_TRACE(pasted ? "pasted" : "loaded");
        if (pasted)
            effect.SetStateTreeFromEditor(tree);
        else
            effect.SetStateTree(tree);
        // Not the values before the bad child either: nothing of the tree applies.
        EXPECT_EQ(Values(effect), before);
        EXPECT_EQ(effect.GetCurrentPresetName(), "-");
        EXPECT_FALSE(effect.IsPresetModified());
        EXPECT_EQ(effect.GetZoom(), 1.0f);
        EXPECT_EQ(link.Take(), std::vector<std::string>{});
    }
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
        clock.AdvanceTickCount(10000); // the window of that selection is long over
        link.Take();

        pt::ptree tree;
        effect.GetStateTree(tree);
        tree.put("PluginState.PluginInfo.PresetModified", modified);
        tree.put("PluginState.Parameters.Par0.Value", "0.75");
        effect.SetStateTree(tree);

        EXPECT_EQ(effect.IsPresetModified(), modified);
        EXPECT_EQ(effect.GetParameterNormalized(0), 0.75f);
        effect.HandleGuiMessage(""); // a user-interface entry: nothing is owed to the editor
        const std::vector<std::string> events = link.Take();
        ASSERT_EQ(events.size(), 7u); // five values, "UpdateParameterValues", the loaded tree
        pt::ptree sent = tree;
        sent.put("PluginState.PluginInfo.Action", "GUIWantsUpdate");
        EXPECT_EQ(events[6], "editor " + CompactXml(sent));
    }
}

TEST(PluginStateTree, TheHostsEchoOfTheLoadedValuesDoesNotMarkTheStateModified)
{
    // As an AAX host does: told of "UpdateParameterValues", it sets every parameter to the value
    // the effect now holds, and that arrives as automation before the load has returned.
    class EchoingLink final : public IKROPlugEditorMessage
    {
    public:
        explicit EchoingLink(TestEffect& effect) : effect(effect) {}
        void SendString(std::string text) override
        {
            if (text == "UpdateParameterValues")
                for (int32_t index = 0; index < 5; ++index)
                    effect.Automate(index, effect.GetParameterNormalized(index));
        }
        void SendParameterChange(uint32_t, float) override {}
        void SendBinary(const float*, int32_t) override {}
        void SendStateTree(const boost::property_tree::ptree&, bool) override {}

    private:
        TestEffect& effect;
    };

    platform::FakePlatform clock;
    platform::ScopedPlatform installed(clock);
    TestEffect effect(0);
    EchoingLink link(effect);
    effect.SetEditorLink(&link);
    effect.SelectPreset(0);
    clock.AdvanceTickCount(10000); // the window of that selection is long over
    pt::ptree tree;
    effect.GetStateTree(tree);
    tree.put("PluginState.Parameters.Par0.Value", "0.75");
    effect.SetStateTree(tree);
    EXPECT_EQ(effect.GetParameterNormalized(0), 0.75f);
    EXPECT_FALSE(effect.IsPresetModified());
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
    aax.SelectPreset(1); // 1 .. 5 hold 1, 0.75, 0.5, 0.25, 0
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

TEST(PluginStateTree, ThePastedTreeIsCheckedAsAStateIs)
{
    TestEffect effect(0);
    RecordingEditorLink link;
    effect.SetEditorLink(&link);
    // Entries for indices that are no parameters are left out; the rest applies.
    pt::ptree tree = Parsed("<PluginState><Parameters><A><Value>1</Value><Index>-2147483648</Index></A>"
                            "<B><Value>1</Value><Index>5</Index></B><C><Value>0.5</Value><Index>4</Index></C>"
                            "</Parameters></PluginState>");
    effect.SetStateTreeFromEditor(tree);
    EXPECT_EQ(effect.GetParameterNormalized(4), 0.5f);
    const std::vector<std::string> events = link.Take();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0], "parameter 4 0.500000");
    EXPECT_EQ(events[1], "string UpdateParameterValues");

    // A preset name no state may carry refuses the tree whole.
    tree.put("PluginState.PluginInfo.CurrentPreset", std::string(kMaxStatePresetNameBytes + 1, 'n'));
    tree.put("PluginState.Parameters.C.Value", "1");
    effect.SetStateTreeFromEditor(tree);
    EXPECT_EQ(effect.GetParameterNormalized(4), 0.5f);
    EXPECT_EQ(effect.GetCurrentPresetName(), "-");
    EXPECT_EQ(link.Take(), std::vector<std::string>{});
}
