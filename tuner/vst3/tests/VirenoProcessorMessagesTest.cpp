// The controller's messages as Vireno's processor handles them: every message ID with good and
// bad attributes, the replies it sends back, the preset commands and the editor texts, and what
// host automation owes the editor going out only with the next user-interface call.

#include "VirenoMessageTools.h"
#include "VirenoTestHost.h"

#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/vst3/plugin/KROVST3PeerMessages.h"
#include "kro-core/vst3/plugin/KROVST3PlugEditorMessage.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vireno_test;

namespace {

class VirenoProcessorMessages : public VirenoTest
{
protected:
    void SetUp() override
    {
        processor = owned(new CKROVirenoVST3);
        ASSERT_EQ(processor->initialize(&host), kResultOk);
        peer = owned(new RecordingPeer);
        ASSERT_EQ(processor->connect(peer), kResultOk);
    }
    void TearDown() override
    {
        processor->disconnect(peer);
        processor->terminate();
    }

    CKROPlugInDSP& Effect() { return *processor->GetEffect(); }
    float Value(int32_t index) { return Effect().GetParameterNormalized(index); }

    // Sends a message with one data attribute holding the bytes.
    tresult SendData(const char* id, const char* attribute, const std::string& bytes)
    {
        IPtr<IMessage> message = NewMessage(id);
        vireno_test::SetData(*message, attribute, bytes);
        return processor->notify(message);
    }

    HostApplication host;
    IPtr<CKROVirenoVST3> processor;
    IPtr<RecordingPeer> peer;
};

struct Case
{
    const char* what;
    const char* id;
    std::function<void(IAttributeList&)> fill;
    tresult result;
    std::vector<std::string> replies;
};

TEST_F(VirenoProcessorMessages, HandlesEveryMessageIdAndRefusesWrongAttributes)
{
    const std::string trackInfo(396, '\0');
    const Case cases[] = {
        {"value request",
         "Binary",
         [](IAttributeList& l) { Data(l, "GePaVa", Bytes<int32_t>({3})); },
         kResultOk,
         {"Binary"}},
        {"value request of 3 bytes", "Binary", [](IAttributeList& l) { Data(l, "GePaVa", "abc"); }, kResultOk, {}},
        {"value request of 5 bytes", "Binary", [](IAttributeList& l) { Data(l, "GePaVa", "abcde"); }, kResultOk, {}},
        {"Binary without a request", "Binary", [](IAttributeList& l) { Data(l, "Other", "abcd"); }, kResultFalse, {}},
        {"parameter value",
         "WA_SP",
         [](IAttributeList& l) {
             l.setInt("WA_PI", 2);
             l.setFloat("WA_PV", 0.4);
         },
         kResultFalse,
         {}},
        {"parameter value without a value", "WA_SP", [](IAttributeList& l) { l.setInt("WA_PI", 2); }, kResultFalse, {}},
        {"preset values",
         "SeV3Pr",
         [](IAttributeList& l) {
             Data(l, "SeV3Pr", Bytes<float>({1, 1, 0.6f}));
         },
         kResultOk,
         {}},
        {"preset values missing", "SeV3Pr", [](IAttributeList&) {}, kResultOk, {}},
        {"factory presets",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROGetFactoryPresetsMessage", "CKROGetFactoryPresetsMessage"); },
         kResultOk,
         {"PrsHnd"}},
        {"user presets",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROGetUserPresetsMessage", "CKROGetUserPresetsMessage"); },
         kResultOk,
         {"PrsHnd"}},
        {"selected preset number",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROGetSelectedPresetNumber", "CKROGetSelectedPresetNumber"); },
         kResultOk,
         {"PrsHnd"}},
        {"select preset 0",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber0"); },
         kResultOk,
         {"DSP2GUIPTree", "WA_SY"}},
        {"select a preset that does not exist",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber3"); },
         kResultFalse,
         {}},
        {"select a negative preset",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber-1"); },
         kResultFalse,
         {}},
        {"select a number that overflows",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber4294967296"); },
         kResultFalse,
         {}},
        {"a command text shorter than its name",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetPresetDelete", "CKROSet"); },
         kResultFalse,
         {}},
        {"a number command one short of its name",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumbe"); },
         kResultFalse,
         {}},
        {"no command", "PrsHnd", [](IAttributeList& l) { Data(l, "CKROSomethingElse", "x"); }, kResultFalse, {}},
        {"display data",
         "GeCuFD",
         [](IAttributeList& l) {
             Data(l, "GeCuFD", Bytes<int32_t>({0, 19}));
         },
         kResultOk,
         {"GeCuFD"}},
        {"display data of 7 bytes",
         "GeCuFD",
         [](IAttributeList& l) { Data(l, "GeCuFD", "1234567"); },
         kResultFalse,
         {}},
        {"display data without the request", "GeCuFD", [](IAttributeList&) {}, kResultFalse, {}},
        {"custom data",
         "SeCuFD",
         [](IAttributeList& l) {
             l.setInt("IDtag", 0);
             Data(l, "SeCuFD", Bytes<float>({1, 2}));
         },
         kResultOk,
         {}},
        {"custom data without a tag",
         "SeCuFD",
         [](IAttributeList& l) { Data(l, "SeCuFD", Bytes<float>({1})); },
         kResultOk,
         {}},
        {"editor text",
         "GUI2DSPString",
         [](IAttributeList& l) { Data(l, "GUI2DSPString", "setZoomFactrMSg2"); },
         kResultOk,
         {}},
        {"editor text missing", "GUI2DSPString", [](IAttributeList&) {}, kResultOk, {}},
        {"editor tree that is no XML",
         "GUI2DSPPTree",
         [](IAttributeList& l) { Data(l, "GUI2DSPPTree", "<a><b>"); },
         kResultFalse,
         {}},
        {"editor tree missing", "GUI2DSPPTree", [](IAttributeList&) {}, kResultOk, {}},
        {"track data", "STrInfo", [&](IAttributeList& l) { Data(l, "STrInfo", trackInfo); }, kResultOk, {}},
        {"track data of 395 bytes",
         "STrInfo",
         [&](IAttributeList& l) { Data(l, "STrInfo", trackInfo.substr(1)); },
         kResultOk,
         {}},
        {"track data of 397 bytes",
         "STrInfo",
         [&](IAttributeList& l) { Data(l, "STrInfo", trackInfo + "x"); },
         kResultOk,
         {}},
        {"the SDK's text message",
         "TextMessage",
         [](IAttributeList& l) { l.setString("Text", u"hello"); },
         kResultOk,
         {}},
        {"an unknown ID", "DSP4UI", [](IAttributeList& l) { Data(l, "DSP4UI", "x"); }, kResultFalse, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        peer->received.clear();
        IPtr<IMessage> message = NewMessage(c.id);
        c.fill(*message->getAttributes());
        EXPECT_EQ(processor->notify(message), c.result);
        EXPECT_EQ(peer->Ids(), c.replies);
    }
    EXPECT_EQ(processor->notify(nullptr), kInvalidArgument);
}

TEST_F(VirenoProcessorMessages, AnswersValueAndDisplayDataRequests)
{
    ASSERT_EQ(SendData("Binary", "GePaVa", Bytes<int32_t>({3})), kResultOk);
    ASSERT_EQ(peer->received.size(), 1u);
    EXPECT_EQ(FloatsOf(*peer->received[0], "SePaVa"), std::vector<float>{Value(3)});
    EXPECT_EQ(Value(3), 0.5f) << "440 Hz";

    // Without a new reading the effect has one value to give.
    peer->received.clear();
    ASSERT_EQ(SendData("GeCuFD", "GeCuFD", Bytes<int32_t>({0, 19})), kResultOk);
    ASSERT_EQ(peer->received.size(), 1u);
    EXPECT_EQ(DataOf(*peer->received[0], "GeCuFD").size(), 4u);
}

TEST_F(VirenoProcessorMessages, SetsParametersFromTheControllerAndItsPresetValues)
{
    IPtr<IMessage> value = NewMessage("WA_SP");
    value->getAttributes()->setInt("WA_PI", 2);
    value->getAttributes()->setFloat("WA_PV", 0.4);
    processor->notify(value);
    EXPECT_EQ(Value(2), 0.4f);

    ASSERT_EQ(SendData("SeV3Pr", "SeV3Pr", Bytes<float>({1, 1, 0.6f})), kResultOk);
    EXPECT_EQ(Value(0), 1.0f);
    EXPECT_EQ(Value(1), 1.0f);
    EXPECT_EQ(Value(2), 0.6f);
    EXPECT_EQ(Value(3), 0.5f) << "only as many values as the message holds";

    // A preset holds the editor's parameters only; values past them do not reach the hidden ones.
    ASSERT_EQ(SendData("SeV3Pr", "SeV3Pr", Bytes<float>({0, 0, 0, 0.5f, 0, 0, 1, 1, 1})), kResultOk);
    EXPECT_EQ(Value(6), 0.0f) << "the output mute";
}

TEST_F(VirenoProcessorMessages, AnswersThePresetRequestsWithTheListTexts)
{
    const auto answer = [&](const char* command, const char* answerName) {
        peer->received.clear();
        EXPECT_EQ(SendData("PrsHnd", command, command), kResultOk);
        return peer->received.size() == 1 ? DataOf(*peer->received[0], answerName) : std::string("<no answer>");
    };
    EXPECT_EQ(answer("CKROGetFactoryPresetsMessage", "CKROSetFactoryPresetsMessage"),
              "CKROSetFactoryPresetsMessage<CKROPRESET><CKROPRESETINFO>Vireno</CKROPRESETINFO>Default");
    EXPECT_EQ(answer("CKROGetUserPresetsMessage", "CKROSetUserPresetsMessage"), "CKROSetUserPresetsMessage");
    EXPECT_EQ(answer("CKROGetSelectedPresetNumber", "CKROSetSelectedPresetNumber"), "CKROSetSelectedPresetNumber0");
}

TEST_F(VirenoProcessorMessages, SelectingAPresetSendsEveryValueBack)
{
    ASSERT_EQ(SendData("SeV3Pr", "SeV3Pr", Bytes<float>({1, 1, 1, 1, 1})), kResultOk);
    peer->received.clear();
    ASSERT_EQ(SendData("PrsHnd", "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber0"), kResultOk);
    ASSERT_EQ(peer->Ids(), (std::vector<std::string>{"DSP2GUIPTree", "WA_SY"}));
    IMessage& sync = *peer->received[1];
    int64 first = -1;
    EXPECT_EQ(sync.getAttributes()->getInt("WA_SF", first), kResultOk);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(FloatsOf(sync, "WA_SV"), (std::vector<float>{0, 0, 0, 0.5f, 0}));

    // Refused numbers change nothing.
    ASSERT_EQ(SendData("SeV3Pr", "SeV3Pr", Bytes<float>({1})), kResultOk);
    // The number is the one behind the command, also when the command is not at the text's start.
    for (const char* text : {"CKROSetSelectedPresetNumber1", "CKROSetSelectedPresetNumber99999999999",
                             "menu: CKROSetSelectedPresetNumber1"})
    {
        EXPECT_EQ(SendData("PrsHnd", "CKROSetSelectedPresetNumber", text), kResultFalse);
        EXPECT_EQ(Value(0), 1.0f) << text;
    }
}

TEST_F(VirenoProcessorMessages, SaveVRDefPresetWritesDefaultXmlThatTheNextInstanceStartsFrom)
{
    ASSERT_EQ(SendData("SeV3Pr", "SeV3Pr", Bytes<float>({1, 0, 0.4f, 0.7f, 1})), kResultOk);
    peer->received.clear();
    ASSERT_EQ(SendData("GUI2DSPString", "GUI2DSPString", "SaveVRDefPreset"), kResultOk);
    EXPECT_TRUE(peer->received.empty()) << "the effect answers with no text";
    const std::filesystem::path file = folder.Path() / "Halvard Sonics" / "Vireno" / "Default.xml";
    ASSERT_TRUE(std::filesystem::is_regular_file(file));

    IPtr<CKROVirenoVST3> next = owned(new CKROVirenoVST3);
    for (int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(next->GetEffect()->GetParameterNormalized(i), Value(i)) << i;
}

TEST_F(VirenoProcessorMessages, AppliesAPastedTreeAndDropsBrokenOrUnreadableOnes)
{
    StandInProcessor other;
    IPtr<IMessage> value = NewMessage("WA_SP");
    value->getAttributes()->setInt("WA_PI", 4);
    value->getAttributes()->setFloat("WA_PV", 1.0);
    other.processor->notify(value);
    const std::string tree = SavedState(*other.processor);

    EXPECT_EQ(SendData("GUI2DSPPTree", "GUI2DSPPTree", tree.substr(0, tree.size() - 5)), kResultFalse);
    EXPECT_EQ(Value(4), 0.0f);
    // Checked whole like a state: one unreadable entry or an endless preset name refuses it.
    std::string unreadable = tree;
    unreadable.replace(unreadable.find("<Index>0</Index>"), 16, "<Index>x</Index>");
    std::string longName = tree;
    longName.replace(longName.find("<CurrentPreset>") + 15, 0, std::string(5000, 'n'));
    for (const std::string& refused : {unreadable, longName})
    {
        EXPECT_EQ(SendData("GUI2DSPPTree", "GUI2DSPPTree", refused), kResultFalse);
        EXPECT_EQ(Value(4), 0.0f);
    }
    EXPECT_EQ(SendData("GUI2DSPPTree", "GUI2DSPPTree", tree), kResultOk);
    EXPECT_EQ(Value(4), 1.0f);
}

TEST_F(VirenoProcessorMessages, TakesTrackDataOfExactly396Bytes)
{
    TrackInfoRecord record;
    InitTrackInfoRecord(record);
    SetTrackName(record, "Guitar DI");
    SetTrackPlugInLocation(record, 1);
    const std::string bytes(reinterpret_cast<const char*>(&record), sizeof record);
    ASSERT_EQ(SendData("STrInfo", "STrInfo", bytes + '\0'), kResultOk);
    EXPECT_EQ(Effect().GetTrackInfo().validFlags, 0u);
    ASSERT_EQ(SendData("STrInfo", "STrInfo", bytes), kResultOk);
    EXPECT_STREQ(Effect().GetTrackInfo().name, "Guitar DI");
    EXPECT_STREQ(Effect().GetTrackInfo().plugInLocation, "PostVolFader");
}

// What the effect sends through its editor link becomes the processor's messages to the controller.
TEST_F(VirenoProcessorMessages, TheEditorLinkSendsTheEffectsMessages)
{
    CKROVST3PlugEditorMessage link(*processor);
    boost::property_tree::ptree tree;
    tree.put("PluginState.PluginInfo.Name", "Vireno");
    const float data[2] = {1.0f, 2.0f};
    struct Case
    {
        const char* what;
        std::function<void()> send;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"a text for the editor", [&] { link.SendString("DSP2GUIString hello"); }, {"DSP2GUIString"}},
        {"the effect's request to push every value", [&] { link.SendString("UpdateParameterValues"); },
         std::vector<std::string>(5, "WA_SP")},
        {"another text for the plug-in object", [&] { link.SendString("Something"); }, {}},
        {"a parameter mark", [&] { link.SendParameterChange(3, 0.5f); }, {"WA_SP"}},
        {"data", [&] { link.SendBinary(data, 2); }, {"DSP2GUIBinary"}},
        {"no data", [&] { link.SendBinary(nullptr, 2); }, {}},
        {"a tree for the editor", [&] { link.SendStateTree(tree, false); }, {"DSP2GUIPTree"}},
        {"a tree for the plug-in object", [&] { link.SendStateTree(tree, true); }, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        peer->received.clear();
        c.send();
        EXPECT_EQ(peer->Ids(), c.sent);
    }
    link.SendBinary(data, 2);
    EXPECT_EQ(FloatsOf(*peer->received.back(), "DSP2GUIBinary"), (std::vector<float>{1, 2}));
    link.SendStateTree(tree, false);
    EXPECT_NE(DataOf(*peer->received.back(), "DSP2GUIPTree").find("\n  <PluginInfo>"), std::string::npos)
        << "indented by two blanks";
}

// Host automation on the audio thread marks the state modified; the tree it owes the editor goes
// out with the next call from the user-interface thread, never from inside process.
TEST_F(VirenoProcessorMessages, DefersWhatAutomationOwesTheEditorToTheNextUserInterfaceCall)
{
    ASSERT_EQ(LoadState(*processor, SavedState(*processor)), kResultOk);
    fakePlatform.AdvanceTickCount(1000);
    peer->received.clear();

    ProcessSetup setup{kRealtime, kSample32, 64, 48000.0};
    ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
    Vst3ProcessBlock block(2, 64);
    QueueChange(block, 1, 1.0);
    ASSERT_EQ(processor->process(block.prepare(64)), kResultOk);
    EXPECT_TRUE(peer->received.empty());

    ASSERT_EQ(SendData("GeCuFD", "GeCuFD", Bytes<int32_t>({0, 19})), kResultOk);
    ASSERT_EQ(peer->Ids(), (std::vector<std::string>{"DSP2GUIPTree", "GeCuFD"}));
    EXPECT_NE(DataOf(*peer->received[0], "DSP2GUIPTree").find("<Action>GUIWantsUpdate</Action>"), std::string::npos);
}

} // namespace
