// Vireno's edit controller: the parameters a host sees and their texts, the bypass, the
// processor's messages relayed to open editors, the two requests it answers synchronously
// (parameter values and display data), and the host's channel data passed on as "STrInfo".

#include "VirenoLoneController.h"

#include "kro-core/plugin/KRODisplayDataBuffer.h"
#include "kro-core/vst3/plugin/KROVST3ParamIds.h"
#include "kro-core/vst3/plugin/KROVST3PlugInCustomInterface.h"
#include "tuner/vst3/KROVirenoEditController.h"
#include "kro-core/plugin/TrackInfoRecord.h"

#include "pluginterfaces/vst/ivstchannelcontextinfo.h"

#include <cmath>
#include <limits>

using namespace vireno_test;

namespace {

class VirenoController : public VirenoLoneController
{
protected:
    void SetUp() override
    {
        VirenoLoneController::SetUp();
        editor = owned(new RecordingEditor(controller));
    }

    std::u16string Text(ParamID id, ParamValue value)
    {
        String128 text{};
        EXPECT_EQ(controller->getParamStringByValue(id, value, text), kResultOk);
        return std::u16string(text);
    }

    // Answers every display-data request with the given values (none: a reply without data).
    void AnswerDisplayData(const std::vector<float>& values)
    {
        peer->respond = [this, values](IMessage& request) {
            if (std::string(request.getMessageID()) != "GeCuFD")
                return;
            IPtr<IMessage> reply = NewMessage("GeCuFD");
            if (!values.empty())
                SetData(*reply, "GeCuFD", Bytes(values));
            controller->notify(reply);
        };
    }

    IPtr<RecordingEditor> editor;
};

TEST_F(VirenoController, DescribesEveryParameterAsTheTableDoes)
{
    ASSERT_EQ(controller->getParameterCount(), 6);
    struct Expected
    {
        ParamID id;
        const char16_t* title;
        int32 stepCount;
        double defaultValue;
        int32 flags;
        const char16_t* firstText;
        const char16_t* lastText;
    };
    const int32 list = ParameterInfo::kCanAutomate | ParameterInfo::kIsList;
    const Expected expected[] = {
        {0, u"Select Instrument", 1, 0.0, list, u"Guitar", u"Bass"},
        {1, u"Display Mode", 1, 0.0, list, u"Needle", u"Stream"},
        {2, u"Drop Tuning", 5, 0.0, list, u"E", u"B"},
        {3, u"Reference Frequency", 10, 0.5, list, u"435", u"445"},
        {4, u"Color Set", 1, 0.0, list, u"Red & Green", u"Yellow & Blue"},
        {65537, u"VST3 Master Bypass", 1, 0.0, ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass, nullptr,
         nullptr},
    };
    for (int32 i = 0; i < 6; ++i)
    {
        const Expected& e = expected[i];
        SCOPED_TRACE(e.id);
        ParameterInfo info{};
        ASSERT_EQ(controller->getParameterInfo(i, info), kResultOk);
        EXPECT_EQ(info.id, e.id);
        EXPECT_EQ(std::u16string(info.title), e.title);
        EXPECT_EQ(info.stepCount, e.stepCount);
        EXPECT_EQ(info.defaultNormalizedValue, e.defaultValue);
        EXPECT_EQ(info.flags, e.flags);
        EXPECT_EQ(info.unitId, kRootUnitId);
        EXPECT_EQ(controller->getParamNormalized(e.id), e.defaultValue);
        if (e.firstText == nullptr)
            continue;
        EXPECT_EQ(std::u16string(info.shortTitle), e.title);
        EXPECT_EQ(Text(e.id, 0.0), e.firstText);
        EXPECT_EQ(Text(e.id, 1.0), e.lastText);
        // Values outside 0 ... 1 read as the nearest end instead of throwing.
        EXPECT_EQ(Text(e.id, -0.5), e.firstText);
        EXPECT_EQ(Text(e.id, 1.5), e.lastText);
        EXPECT_EQ(Text(e.id, std::numeric_limits<double>::quiet_NaN()), e.firstText);
        EXPECT_EQ(Text(e.id, std::numeric_limits<double>::infinity()), e.lastText);
    }
}

TEST_F(VirenoController, ConvertsListTextsBothWays)
{
    EXPECT_EQ(Text(2, 0.2), u"Eb");
    EXPECT_EQ(Text(3, 0.5), u"440");
    struct Case
    {
        ParamID id;
        const char16_t* text;
        double value;
    };
    for (const Case& c : {Case{2, u"Eb", 0.2}, Case{3, u"440", 0.5}, Case{0, u"Bass", 1.0}})
    {
        String128 text{};
        std::copy(c.text, c.text + std::char_traits<char16_t>::length(c.text) + 1, text);
        ParamValue value = -1.0;
        ASSERT_EQ(controller->getParamValueByString(c.id, text, value), kResultOk);
        EXPECT_DOUBLE_EQ(value, c.value);
    }
    String128 unknown{u'9', u'9', u'9', 0};
    ParamValue value = 0.0;
    EXPECT_EQ(controller->getParamValueByString(3, unknown, value), kResultFalse);
    String128 text{};
    EXPECT_EQ(controller->getParamStringByValue(7, 0.5, text), kResultFalse) << "no such parameter";
}

TEST_F(VirenoController, WritingTheBypassTouchesOnlyTheBypassAndEditorsHearOfTheRest)
{
    editor->Open();
    EXPECT_EQ(editor->connections, 1);
    EXPECT_EQ(controller->setParamNormalized(VST3MasterBypassParamID, 1.0), kResultOk);
    EXPECT_EQ(controller->getParamNormalized(VST3MasterBypassParamID), 1.0);
    for (ParamID id = 0; id < 5; ++id)
        EXPECT_EQ(controller->getParamNormalized(id), id == 3 ? 0.5 : 0.0);
    EXPECT_TRUE(editor->marks.empty());

    EXPECT_EQ(controller->setParamNormalized(2, 0.4), kResultOk);
    EXPECT_EQ(controller->getParamNormalized(2), 0.4);
    // An index with no host parameter: the editors are still told, and the answer is kResultFalse.
    EXPECT_EQ(controller->setParamNormalized(6, 1.0), kResultFalse);
    EXPECT_EQ(editor->marks, (std::vector<int32_t>{2, 6}));

    editor->Close();
    controller->setParamNormalized(2, 0.6);
    EXPECT_EQ(editor->marks.size(), 2u) << "a closed editor hears nothing";
}

TEST_F(VirenoController, HelpAndAboutGoToTheFirstOpenEditor)
{
    EXPECT_EQ(controller->openHelp(false), kResultFalse);
    EXPECT_EQ(controller->openAboutBox(true), kResultFalse);
    editor->Open();
    EXPECT_EQ(controller->openHelp(false), kResultOk);
    editor->helpAnswer = false;
    EXPECT_EQ(controller->openAboutBox(false), kResultFalse);

    // A view destroyed while still attached leaves the relay with it.
    editor = nullptr;
    EXPECT_EQ(controller->openHelp(false), kResultFalse);
    IPtr<IMessage> text = NewMessage("DSP4UI");
    SetData(*text, "DSP4UI", "to nobody");
    EXPECT_EQ(controller->notify(text), kResultOk);
}

struct MessageCase
{
    const char* what;
    const char* id;
    std::function<void(IAttributeList&)> fill;
    tresult result;
    std::vector<std::string> texts; // what the editor receives as texts
};

TEST_F(VirenoController, HandlesEveryMessageIdAndRefusesMissingAttributes)
{
    editor->Open();
    const MessageCase cases[] = {
        {"value reply", "Binary", [](IAttributeList& l) { Data(l, "SePaVa", Bytes<float>({0.5f})); }, kResultOk, {}},
        {"Binary without a reply", "Binary", [](IAttributeList&) {}, kResultFalse, {}},
        {"parameter value",
         "WA_SP",
         [](IAttributeList& l) {
             l.setInt("WA_PI", 1);
             l.setFloat("WA_PV", 1.0);
         },
         kResultOk,
         {}},
        {"parameter value without an index",
         "WA_SP",
         [](IAttributeList& l) { l.setFloat("WA_PV", 1.0); },
         kResultFalse,
         {}},
        {"parameter values",
         "WA_SY",
         [](IAttributeList& l) {
             l.setInt("WA_SF", 2);
             Data(l, "WA_SV", Bytes<float>({0.4f, 0.7f}));
         },
         kResultOk,
         {}},
        {"parameter values without values", "WA_SY", [](IAttributeList& l) { l.setInt("WA_SF", 0); }, kResultFalse, {}},
        {"factory preset list",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetFactoryPresetsMessage", "CKROSetFactoryPresetsMessage"); },
         kResultOk,
         {"CKROSetFactoryPresetsMessage"}},
        {"user preset list",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetUserPresetsMessage", "CKROSetUserPresetsMessage"); },
         kResultOk,
         {"CKROSetUserPresetsMessage"}},
        {"selected preset",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROSetSelectedPresetNumber", "CKROSetSelectedPresetNumber0"); },
         kResultOk,
         {"CKROSetSelectedPresetNumber0"}},
        {"an unknown preset answer",
         "PrsHnd",
         [](IAttributeList& l) { Data(l, "CKROGetUserPresetsMessage", "x"); },
         kResultFalse,
         {}},
        {"effect answer", "DSP4UI", [](IAttributeList& l) { Data(l, "DSP4UI", "answer"); }, kResultOk, {"answer"}},
        {"effect answer missing", "DSP4UI", [](IAttributeList&) {}, kResultFalse, {}},
        {"display data nobody asked for",
         "GeCuFD",
         [](IAttributeList& l) { Data(l, "GeCuFD", Bytes<float>({1})); },
         kResultFalse,
         {}},
        {"effect text",
         "DSP2GUIString",
         [](IAttributeList& l) { Data(l, "DSP2GUIString", "DSP2GUIString hi"); },
         kResultOk,
         {"DSP2GUIString hi"}},
        {"effect text missing", "DSP2GUIString", [](IAttributeList&) {}, kResultFalse, {}},
        {"effect data",
         "DSP2GUIBinary",
         [](IAttributeList& l) {
             Data(l, "DSP2GUIBinary", Bytes<float>({1, 2}));
         },
         kResultOk,
         {}},
        {"effect data missing", "DSP2GUIBinary", [](IAttributeList&) {}, kResultFalse, {}},
        {"effect tree",
         "DSP2GUIPTree",
         [](IAttributeList& l) { Data(l, "DSP2GUIPTree", "<PluginState>\n  <A> x </A>\n</PluginState>"); },
         kResultOk,
         {}},
        {"effect tree that is no XML",
         "DSP2GUIPTree",
         [](IAttributeList& l) { Data(l, "DSP2GUIPTree", "<a>"); },
         kResultFalse,
         {}},
        {"a processor's ID",
         "GUI2DSPString",
         [](IAttributeList& l) { Data(l, "GUI2DSPString", "x"); },
         kResultFalse,
         {}},
    };
    for (const MessageCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        editor->texts.clear();
        IPtr<IMessage> message = NewMessage(c.id);
        c.fill(*message->getAttributes());
        EXPECT_EQ(controller->notify(message), c.result);
        EXPECT_EQ(editor->texts, c.texts);
    }
    EXPECT_EQ(controller->notify(nullptr), kInvalidArgument);

    EXPECT_EQ(controller->getParamNormalized(1), 1.0);
    EXPECT_FLOAT_EQ(static_cast<float>(controller->getParamNormalized(2)), 0.4f);
    EXPECT_FLOAT_EQ(static_cast<float>(controller->getParamNormalized(3)), 0.7f);
    EXPECT_EQ(editor->binary, (std::vector<float>{1, 2})) << "a count of floats, not of bytes";
    ASSERT_EQ(editor->trees.size(), 1u);
    EXPECT_EQ(editor->trees[0].get<std::string>("PluginState.A"), "x") << "white space trimmed";
}

TEST_F(VirenoController, ReadsParametersWithoutARecordFromTheProcessor)
{
    // Not connected: nothing to ask, the value reads 0.
    EXPECT_EQ(controller->getParamNormalized(40), 0.0);

    Connect();
    std::string replyBytes;
    peer->respond = [&](IMessage& request) {
        const std::string index = DataOf(request, "GePaVa");
        if (index != Bytes<int32_t>({40}))
            return;
        IPtr<IMessage> reply = NewMessage("Binary");
        SetData(*reply, "SePaVa", replyBytes);
        controller->notify(reply);
    };
    replyBytes = Bytes<float>({0.25f});
    EXPECT_EQ(controller->getParamNormalized(40), 0.25);
    // A reply longer than the slot's 32 words is cut; one shorter than a word holds no value.
    replyBytes = Bytes(std::vector<float>(50, 0.5f));
    EXPECT_EQ(controller->getParamNormalized(40), 0.5);
    replyBytes = "ab";
    EXPECT_EQ(controller->getParamNormalized(40), 0.0);

    // A processor that does not answer: the stale reply of an earlier request does not pass for one.
    IPtr<IMessage> stray = NewMessage("Binary");
    SetData(*stray, "SePaVa", Bytes<float>({0.75f}));
    controller->notify(stray);
    EXPECT_EQ(controller->getParamNormalized(41), 0.0);
}

TEST_F(VirenoController, OffersItsCustomDataInterfaceToAHost)
{
    FUnknownPtr<CKROVST3PlugInCustomInterface> custom(static_cast<IEditController*>(controller.get()));
    ASSERT_TRUE(custom);
    FUnknownPtr<ChannelContext::IInfoListener> listener(static_cast<IEditController*>(controller.get()));
    EXPECT_TRUE(listener);
}

TEST_F(VirenoController, FetchesDisplayDataIntoTheCallersBuffer)
{
    float* buffer = AllocateDisplayBuffer(8);
    float* const original = buffer;
    int32 capacity = 8;

    // No processor, and a processor that answers without data: no values, the buffer as it was.
    EXPECT_EQ(controller->GetCustomData(0, &buffer, &capacity, 19), 0);
    Connect();
    EXPECT_EQ(controller->GetCustomData(0, &buffer, &capacity, 19), 0);
    ASSERT_EQ(peer->received.size(), 1u);
    EXPECT_EQ(DataOf(*peer->received[0], "GeCuFD"), Bytes<int32_t>({0, 19}));
    AnswerDisplayData({});
    EXPECT_EQ(controller->GetCustomData(0, &buffer, &capacity, 19), 0);
    EXPECT_EQ(buffer, original);
    EXPECT_EQ(capacity, 8);

    // A short reply fits; a long one replaces the buffer through the buffer's own allocator.
    AnswerDisplayData({3.0f});
    EXPECT_EQ(controller->GetCustomData(0, &buffer, &capacity, 19), 1);
    EXPECT_EQ(buffer, original);
    EXPECT_EQ(buffer[0], 3.0f);
    std::vector<float> reading(19);
    for (size_t i = 0; i < reading.size(); ++i)
        reading[i] = static_cast<float>(i) / 19.0f;
    AnswerDisplayData(reading);
    EXPECT_EQ(controller->GetCustomData(0, &buffer, &capacity, 19), 19);
    EXPECT_EQ(capacity, 19);
    EXPECT_EQ(std::vector<float>(buffer, buffer + 19), reading);

    // Once the call returned the controller keeps nothing of the caller's buffer: a late reply
    // into memory the caller has freed would be a write after free.
    FreeDisplayBuffer(buffer);
    IPtr<IMessage> late = NewMessage("GeCuFD");
    SetData(*late, "GeCuFD", Bytes(std::vector<float>(64, 1.0f)));
    EXPECT_EQ(controller->notify(late), kResultFalse);

    EXPECT_EQ(controller->GetCustomData(0, nullptr, &capacity, 19), 0);
}

TEST_F(VirenoController, SendsCustomDataUnderItsTag)
{
    float values[2] = {1.0f, 2.0f};
    EXPECT_EQ(controller->SetCustomData(5, nullptr, 2), 1);
    Connect();
    EXPECT_EQ(controller->SetCustomData(5, values, 2), 0);
    ASSERT_EQ(peer->Ids(), std::vector<std::string>{"SeCuFD"});
    int64 tag = 0;
    EXPECT_EQ(peer->received[0]->getAttributes()->getInt("IDtag", tag), kResultOk);
    EXPECT_EQ(tag, 5);
    EXPECT_EQ(FloatsOf(*peer->received[0], "SeCuFD"), (std::vector<float>{1, 2}));
}

TEST_F(VirenoController, SendsTheHostsChannelDataAsA396ByteRecord)
{
    Connect();
    struct Case
    {
        int64 location;
        const char* text;
    };
    for (const Case& c : {Case{0, "PreVolFader"}, Case{1, "PostVolFader"}, Case{2, "UsedAsPanner"}, Case{7, "unknown!"},
                          Case{-1, "unknown!"}})
    {
        SCOPED_TRACE(c.location);
        peer->received.clear();
        IPtr<IAttributeList> list = owned(new HostAttributeList);
        list->setString(ChannelContext::kChannelNameKey, u"Bass \u00e9");
        list->setInt(ChannelContext::kChannelIndexKey, 3);
        list->setInt(ChannelContext::kChannelColorKey, 0x80102030);
        list->setInt(ChannelContext::kChannelPluginLocationKey, c.location);
        ASSERT_EQ(controller->setChannelContextInfos(list), kResultOk);
        ASSERT_EQ(peer->Ids(), std::vector<std::string>{"STrInfo"});
        const std::string bytes = DataOf(*peer->received[0], "STrInfo");
        ASSERT_EQ(bytes.size(), 396u);
        TrackInfoRecord record;
        std::memcpy(&record, bytes.data(), sizeof record);
        EXPECT_STREQ(record.name, "Bass \xc3\xa9");
        EXPECT_EQ(record.index, 3);
        EXPECT_EQ(record.colour[0], 0x10);
        EXPECT_EQ(record.colour[3], 0x80);
        EXPECT_STREQ(record.indexNamespace, "");
        EXPECT_STREQ(record.plugInLocation, c.text);
        EXPECT_EQ(record.validFlags, 0x1u | 0x2u | 0x4u | 0x10u);
    }
    EXPECT_EQ(controller->setChannelContextInfos(nullptr), kResultOk);
}

// Both halves from the factory, connected as a host connects them.
TEST_F(VirenoController, ReachesTheProcessorThroughTheConnection)
{
    auto instance = CreateVireno();
    ASSERT_NE(instance, nullptr);
    FUnknownPtr<CKROVST3PlugInCustomInterface> custom(instance->controller());
    ASSERT_TRUE(custom);
    float* buffer = nullptr;
    int32 capacity = 0;
    EXPECT_EQ(custom->GetCustomData(0, &buffer, &capacity, 19), 1) << "no reading yet: one value";
    EXPECT_EQ(capacity, 1);
    FreeDisplayBuffer(buffer);

    FUnknownPtr<ChannelContext::IInfoListener> listener(instance->controller());
    IPtr<IAttributeList> list = owned(new HostAttributeList);
    list->setString(ChannelContext::kChannelNameKey, u"Lead");
    ASSERT_EQ(listener->setChannelContextInfos(list), kResultOk);
    EXPECT_STREQ(Processor(*instance).GetEffect()->GetTrackInfo().name, "Lead");

    // The hidden channel count has no host parameter: the processor's effect answers.
    Processor(*instance).GetEffect()->SetChannelCounts(1, 1);
    EXPECT_EQ(instance->controller()->getParamNormalized(7),
              Processor(*instance).GetEffect()->GetParameterNormalized(7));
}

} // namespace
