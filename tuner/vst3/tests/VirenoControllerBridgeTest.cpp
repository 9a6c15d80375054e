// The editor's handle on the effect in the VST3 build, over Vireno's own edit controller: against a
// processor connected as a host connects them, against a peer that records the wire format, alone
// without a processor, and without a controller at all.

#include "VirenoLoneController.h"

#include "testhosts/vst3/RecordingComponentHandler.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/vst3/plugin/KROVST3Controller.h"
#include "kro-core/vst3/plugin/KROVST3ParamIds.h"

#include "pluginterfaces/vst/ivsteditcontroller.h"

#include <boost/property_tree/ptree.hpp>

#include <cmath>
#include <limits>

using namespace vireno_test;
using Mevarik::CKROVST3Controller;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The host's side of edits: every gesture and value as it arrives.
using RecordingHandler = RecordingComponentHandler;

// Vireno's processor and controller from the factory, connected, with a host handler and one open
// editor on the controller; the bridge as the editor holds it.
class VirenoBridge : public VirenoTest
{
protected:
    void SetUp() override
    {
        instance = CreateVireno();
        ASSERT_NE(instance, nullptr);
        controller = static_cast<CKROVirenoEditController*>(instance->controller());
        handler = owned(new RecordingHandler);
        ASSERT_EQ(controller->setComponentHandler(handler), kResultOk);
        editor = owned(new RecordingEditor(controller));
        editor->Open();
        bridge = std::make_unique<CKROVST3Controller>(controller);
    }
    void TearDown() override
    {
        if (editor)
            editor->Close();
    }

    CKROPlugInDSP& Effect() { return *Processor(*instance).GetEffect(); }

    std::unique_ptr<Vst3PluginInstance> instance;
    CKROVirenoEditController* controller = nullptr;
    IPtr<RecordingHandler> handler;
    IPtr<RecordingEditor> editor;
    std::unique_ptr<CKROVST3Controller> bridge;
};

// Vireno's controller on its own: connected to a peer that records what it is sent, or to nothing.
class VirenoBridgeWire : public VirenoLoneController
{
protected:
    void SetUp() override
    {
        VirenoLoneController::SetUp();
        bridge = std::make_unique<CKROVST3Controller>(controller.get());
    }

    std::unique_ptr<CKROVST3Controller> bridge;
};

TEST_F(VirenoBridge, ReadsParametersFromTheControllerAndHiddenOnesFromTheProcessor)
{
    Effect().SetChannelCounts(1, 1);
    struct Case
    {
        uint32_t index;
        double expected;
    };
    const Case cases[] = {
        {0, 0.0},
        {3, 0.5},
        {4, 0.0},
        {7, Effect().GetParameterNormalized(7)}, // input channel count: the processor's
        {8, Effect().GetParameterNormalized(8)}, // instance active: the processor's
        {40, 0.0},                               // no parameter anywhere
        {VST3MasterBypassParamID, 0.0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.index);
        EXPECT_DOUBLE_EQ(bridge->GetParameterNormalized(c.index), c.expected);
    }
    EXPECT_EQ(Effect().GetParameterNormalized(8), 1.0f) << "the only instance analyses";
    EXPECT_EQ(bridge->GetParameterCount(), 6);
    EXPECT_EQ(bridge->GetFirstParameterIndex(), 0);
    EXPECT_TRUE(bridge->IsConnected());
}

TEST_F(VirenoBridge, SetsParametersOnProcessorControllerAndHost)
{
    struct Case
    {
        const char* what;
        uint32_t index;
        double value;
        int32_t result;
        double stored; // in the processor's effect and the controller; ignored when refused
        bool toldHost;
    };
    const Case cases[] = {
        {"a parameter", 2, 0.4, kResultOk, 0.4, true},
        {"above 1", 0, 1.5, kResultOk, 1.0, true},
        {"below 0", 3, -0.25, kResultOk, 0.0, true},
        {"infinity", 4, kInfinity, kResultOk, 1.0, true},
        {"the hidden mute", 6, 1.0, kResultFalse, 1.0, false},
        {"NaN", 1, kNaN, kInvalidArgument, 0.0, false},
        {"an index no message carries", 0x80000000u, 0.5, kInvalidArgument, 0.0, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        handler->calls.clear();
        handler->values.clear();
        editor->marks.clear();
        const float before = Effect().GetParameterNormalized(static_cast<int32_t>(c.index & 0xff));
        EXPECT_EQ(bridge->SetParameterNormalized(c.index, c.value), c.result);
        if (c.result == kInvalidArgument)
        {
            EXPECT_TRUE(editor->marks.empty());
            EXPECT_EQ(Effect().GetParameterNormalized(static_cast<int32_t>(c.index & 0xff)), before);
        }
        else
        {
            EXPECT_EQ(Effect().GetParameterNormalized(static_cast<int32_t>(c.index)), static_cast<float>(c.stored));
            EXPECT_DOUBLE_EQ(bridge->GetParameterNormalized(c.index), c.stored);
            // The processor tells the controller of the change too: every mark is of this index.
            EXPECT_FALSE(editor->marks.empty());
            for (int32_t mark : editor->marks)
                EXPECT_EQ(mark, static_cast<int32_t>(c.index));
        }
        if (c.toldHost)
        {
            EXPECT_EQ(handler->calls, std::vector<std::string>{"perform " + std::to_string(c.index)});
            EXPECT_EQ(handler->values, std::vector<double>{c.stored});
        }
        else
            EXPECT_TRUE(handler->calls.empty());
    }
}

TEST_F(VirenoBridge, PassesEditGesturesOnlyForHostParameters)
{
    struct Case
    {
        uint32_t index;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {2, {"begin 2", "perform 2", "end 2"}},
        {VST3MasterBypassParamID, {"begin 65537", "perform 65537", "end 65537"}},
        {6, {}},
        {40, {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.index);
        handler->calls.clear();
        bridge->BeginEdit(c.index);
        bridge->SetParameterNormalized(c.index, 1.0);
        bridge->EndEdit(c.index);
        EXPECT_EQ(handler->calls, c.calls);
    }
}

TEST_F(VirenoBridge, PresetRequestsAndTextsReachTheProcessorAndItsAnswersTheEditor)
{
    struct Case
    {
        const char* text;
        const char* answerStart; // null: the editor hears nothing
        const char* answerEnd;
    };
    const Case cases[] = {
        {"CKROGetSelectedPresetNumber", "CKROSetSelectedPresetNumber0", ""},
        {"CKROGetFactoryPresetsMessage", "CKROSetFactoryPresetsMessage<CKROPRESET>", ""},
        {"CKROGetUserPresetsMessage", "CKROSetUserPresetsMessage", "CKROSetUserPresetsMessage"},
        // Vireno keeps no user presets: the commands are carried out and answer nothing.
        {"CKROSetPresetAsSaveAsMine", nullptr, nullptr},
        {"CKROSetPresetDeleteMine", nullptr, nullptr},
        {"CKROGetUserPresetsMessage", "CKROSetUserPresetsMessage", "CKROSetUserPresetsMessage"},
        {"SaveVRDefPreset", nullptr, nullptr},
        {"no message of ours", nullptr, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        editor->texts.clear();
        bridge->SendMessage(c.text);
        if (c.answerStart == nullptr)
        {
            EXPECT_TRUE(editor->texts.empty());
            continue;
        }
        ASSERT_EQ(editor->texts.size(), 1u);
        const std::string& answer = editor->texts[0];
        EXPECT_EQ(answer.rfind(c.answerStart, 0), 0u) << answer;
        const std::string end = c.answerEnd;
        EXPECT_TRUE(answer.size() >= end.size() && answer.compare(answer.size() - end.size(), end.size(), end) == 0)
            << answer;
    }
}

TEST_F(VirenoBridge, SaveVRDefPresetWritesTheEditorsValuesToDefaultXml)
{
    bridge->SetParameterNormalized(3, 1.0);
    bridge->SendMessage("SaveVRDefPreset");
    IPtr<CKROVirenoVST3> next = owned(new CKROVirenoVST3);
    EXPECT_EQ(next->GetEffect()->GetParameterNormalized(3), 1.0f);
}

TEST_F(VirenoBridge, PastedTreesReachTheEffect)
{
    StandInProcessor other;
    for (int32_t index : {2, 4})
    {
        IPtr<IMessage> value = NewMessage("WA_SP");
        value->getAttributes()->setInt("WA_PI", index);
        value->getAttributes()->setFloat("WA_PV", 1.0);
        other.processor->notify(value);
    }
    boost::property_tree::ptree tree;
    other.effect->GetStateTree(tree);

    bridge->SendStateTree(tree);
    EXPECT_EQ(Effect().GetParameterNormalized(2), 1.0f);
    EXPECT_EQ(Effect().GetParameterNormalized(4), 1.0f);
    // A tree without parameters changes nothing, and nothing is reported.
    bridge->SendStateTree(boost::property_tree::ptree("not a state"));
    EXPECT_EQ(Effect().GetParameterNormalized(4), 1.0f);
}

TEST_F(VirenoBridge, FetchesTheReadingIntoTheEditorsBuffer)
{
    ProcessSetup setup{kRealtime, kSample32, 4096, 48000.0};
    ASSERT_EQ(instance->processor()->setupProcessing(setup), kResultOk);
    ASSERT_EQ(instance->component()->setActive(true), kResultOk);
    float* buffer = AllocateDisplayBuffer(8);
    float* const original = buffer;
    int32_t capacity = 8;

    struct Case
    {
        const char* what;
        bool processFirst;
        int32_t count;
        int32_t capacity;
        bool sameBuffer;
    };
    const Case cases[] = {
        {"no reading yet: the first value only", false, 1, 8, true},
        {"a new reading grows the buffer", true, 19, 19, false},
        {"the same reading again: the first value only", false, 1, 19, true},
        {"the next reading fits", true, 19, 19, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.processFirst)
        {
            Vst3ProcessBlock block(2, 4096);
            for (int32 i = 0; i < 4096; ++i)
                block.input(0)[i] = block.input(1)[i] = 0.5f * std::sin(2.0f * 3.14159265f * 110.0f * i / 48000.0f);
            ASSERT_EQ(instance->processor()->process(block.prepare(4096)), kResultOk);
        }
        float* const before = buffer;
        EXPECT_EQ(bridge->GetDisplayData(0, &buffer, &capacity, 19), c.count);
        EXPECT_EQ(capacity, c.capacity);
        EXPECT_EQ(buffer == before, c.sameBuffer);
    }
    EXPECT_NE(buffer, original);
    EXPECT_EQ(bridge->GetDisplayData(0, nullptr, &capacity, 19), 0);
    EXPECT_EQ(bridge->GetDisplayData(0, &buffer, nullptr, 19), 0);
    FreeDisplayBuffer(buffer);
    instance->component()->setActive(false);
}

TEST_F(VirenoBridgeWire, SendsEachTextUnderTheRightMessageAndAttribute)
{
    Connect();
    const char* const commands[] = {
        "CKROGetFactoryPresetsMessage", "CKROGetUserPresetsMessage",
        "CKROSetPresetAsSaveAs",        "CKROSetPresetSave",
        "CKROSetPresetDelete",          "CKROSetSelectedPresetNumber",
        "CKROGetSelectedPresetNumber",
    };
    struct Case
    {
        std::string text;
        const char* id;
        const char* attribute;
        std::string payload;
    };
    const Case cases[] = {
        {"CKROGetFactoryPresetsMessage", "PrsHnd", "CKROGetFactoryPresetsMessage", "\x01"},
        {"CKROGetUserPresetsMessage", "PrsHnd", "CKROGetUserPresetsMessage", "\x01"},
        // Only the whole text is a list request.
        {"CKROGetFactoryPresetsMessage ", "GUI2DSPString", "GUI2DSPString", "CKROGetFactoryPresetsMessage "},
        {"CKROSetPresetAsSaveAsMine", "PrsHnd", "CKROSetPresetAsSaveAs", "CKROSetPresetAsSaveAsMine"},
        {"CKROSetPresetSaveMine", "PrsHnd", "CKROSetPresetSave", "CKROSetPresetSaveMine"},
        {"CKROSetPresetDeleteMine", "PrsHnd", "CKROSetPresetDelete", "CKROSetPresetDeleteMine"},
        {"CKROSetSelectedPresetNumber2", "PrsHnd", "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber2"},
        {"CKROGetSelectedPresetNumber", "PrsHnd", "CKROGetSelectedPresetNumber", "CKROGetSelectedPresetNumber"},
        {"SaveVRDefPreset", "GUI2DSPString", "GUI2DSPString", "SaveVRDefPreset"},
        {"GtPlginState2GUIClipboard", "GUI2DSPString", "GUI2DSPString", "GtPlginState2GUIClipboard"},
        {"CKROGetParameterTextMessage3", "GUI2DSPString", "GUI2DSPString", "CKROGetParameterTextMessage3"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        peer->received.clear();
        bridge->SendMessage(c.text);
        ASSERT_EQ(peer->Ids(), std::vector<std::string>{c.id});
        IMessage& sent = *peer->received[0];
        EXPECT_EQ(DataOf(sent, c.attribute), c.payload) << "no terminating zero";
        for (const char* command : commands)
        {
            if (std::string(command) != c.attribute)
            {
                EXPECT_EQ(DataOf(sent, command), "<missing>") << command;
            }
        }
    }
    peer->received.clear();
    bridge->SendMessage("");
    EXPECT_TRUE(peer->received.empty()) << "an empty text says nothing";
}

TEST_F(VirenoBridgeWire, WritesTreesAsIndentedXml)
{
    Connect();
    boost::property_tree::ptree tree;
    tree.put("PluginState.PluginInfo.Name", "Vireno");
    bridge->SendStateTree(tree);
    ASSERT_EQ(peer->Ids(), std::vector<std::string>{"GUI2DSPPTree"});
    const std::string text = DataOf(*peer->received[0], "GUI2DSPPTree");
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    EXPECT_NE(text.find("\n  <PluginInfo>\n    <Name>Vireno</Name>"), std::string::npos);
    EXPECT_NE(text.back(), '\0');
}

TEST_F(VirenoBridgeWire, SetsParametersWhenTheMessagesGoNowhere)
{
    // Not connected: the controller and its editors still follow, and the message is dropped.
    IPtr<RecordingEditor> editor = owned(new RecordingEditor(controller));
    editor->Open();
    EXPECT_FALSE(bridge->IsConnected());
    EXPECT_EQ(bridge->SetParameterNormalized(2, 0.6), kResultFalse) << "no host handler to tell";
    EXPECT_DOUBLE_EQ(bridge->GetParameterNormalized(2), 0.6);
    EXPECT_EQ(editor->marks, std::vector<int32_t>{2});
    editor->Close();

    Connect();
    EXPECT_TRUE(bridge->IsConnected());
    bridge->SetParameterNormalized(1, 2.0);
    ASSERT_EQ(peer->Ids(), std::vector<std::string>{"WA_SP"});
    int64 index = -1;
    double value = -1.0;
    EXPECT_EQ(peer->received[0]->getAttributes()->getInt("WA_PI", index), kResultOk);
    EXPECT_EQ(peer->received[0]->getAttributes()->getFloat("WA_PV", value), kResultOk);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(value, 1.0) << "held at the end of the range";
}

TEST_F(VirenoBridgeWire, DisplayDataFromShortRepliesOrNoProcessor)
{
    float* buffer = AllocateDisplayBuffer(4);
    float* const original = buffer;
    buffer[0] = 7.0f;
    int32_t capacity = 4;
    EXPECT_EQ(bridge->GetDisplayData(0, &buffer, &capacity, 19), 0) << "no processor";

    Connect();
    std::string reply;
    peer->respond = [&](IMessage& request) {
        if (std::string(request.getMessageID()) != "GeCuFD")
            return;
        IPtr<IMessage> answer = NewMessage("GeCuFD");
        if (!reply.empty())
            SetData(*answer, "GeCuFD", reply);
        controller->notify(answer);
    };
    struct Case
    {
        const char* what;
        std::string bytes;
        int32_t count;
        float first;
    };
    const Case cases[] = {
        {"no data", "", 0, 7.0f},
        {"less than one value", "ab", 0, 7.0f},
        {"one value and a stray byte", Bytes<float>({0.25f}) + "x", 1, 0.25f},
        {"two values", Bytes<float>({0.5f, 1.0f}), 2, 0.5f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        reply = c.bytes;
        EXPECT_EQ(bridge->GetDisplayData(0, &buffer, &capacity, 19), c.count);
        EXPECT_EQ(buffer, original);
        EXPECT_EQ(capacity, 4);
        EXPECT_EQ(buffer[0], c.first);
    }
    FreeDisplayBuffer(buffer);
}

TEST_F(VirenoBridgeWire, SetDisplayDataSaysWhetherItWasSent)
{
    float values[2] = {1.0f, 2.0f};
    EXPECT_EQ(bridge->SetDisplayData(3, values, 2), 1) << "no processor to send to";
    Connect();
    struct Case
    {
        const char* what;
        float* data;
        int32_t count;
        int32_t result;
    };
    const Case cases[] = {
        {"values", values, 2, 0},
        {"no data", nullptr, 2, 1},
        {"an empty block", values, 0, 1},
        {"a negative count", values, -1, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        peer->received.clear();
        EXPECT_EQ(bridge->SetDisplayData(3, c.data, c.count), c.result);
        EXPECT_EQ(peer->received.size(), c.result == 0 ? 1u : 0u);
    }
}

TEST(VirenoBridgeWithoutController, DoesNothingAndSaysSo)
{
    CKROVST3Controller bridge(nullptr);
    float* buffer = nullptr;
    int32_t capacity = 0;
    float value = 1.0f;
    EXPECT_EQ(bridge.GetParameterNormalized(0), 0.0);
    EXPECT_EQ(bridge.SetParameterNormalized(0, 0.5), kNotInitialized);
    EXPECT_EQ(bridge.GetParameterCount(), 0);
    EXPECT_EQ(bridge.GetFirstParameterIndex(), 0);
    EXPECT_FALSE(bridge.IsConnected());
    EXPECT_EQ(bridge.GetDisplayData(0, &buffer, &capacity, 19), 0);
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(bridge.SetDisplayData(0, &value, 1), 1);
    bridge.SendMessage("SaveVRDefPreset");
    bridge.SendStateTree(boost::property_tree::ptree());
    bridge.BeginEdit(0);
    bridge.EndEdit(0);
    bridge.ReleaseLink(std::make_shared<int>(1));
    bridge.Idle();
}

} // namespace
