// Vireno.vst3 against a host that means harm: inputs that once crashed it or let exceptions out
// (deep and huge XML, indices outside every list, long and bare text messages, set-ups no effect
// can serve) and allocation failure at every allocation of the calls that allocate. Nothing may
// crash or throw, and a refused call changes nothing.

#include "FailingAllocations.h"
#include "VirenoMessageTools.h"
#include "VirenoOffscreenEditor.h"
#include "VirenoTestHost.h"

#include "testhosts/vst3/EditorPlugFrame.h"
#include "testhosts/vst3/HostRunLoop.h"
#include "kro-core/dsp/KRODSPAlgInterface.h"
#include "tuner/vst3/KROVirenoEditController.h"

#include "pluginterfaces/vst/ivstunits.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <limits>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace vireno_test;

namespace {

// `depth` elements inside each other under a PluginState root.
std::string DeepState(int depth)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<PluginState><Parameters/>";
    for (int i = 0; i < depth; ++i)
        text += "<d>";
    for (int i = 0; i < depth; ++i)
        text += "</d>";
    return text + "</PluginState>";
}

// A message with no attribute list at all.
class BareMessage : public FObject, public IMessage
{
public:
    explicit BareMessage(const char* id) : id(id) {}
    FIDString PLUGIN_API getMessageID() SMTG_OVERRIDE { return id; }
    void PLUGIN_API setMessageID(FIDString) SMTG_OVERRIDE {}
    IAttributeList* PLUGIN_API getAttributes() SMTG_OVERRIDE { return nullptr; }

    OBJ_METHODS(BareMessage, FObject)
    DEFINE_INTERFACES
    DEF_INTERFACE(IMessage)
    END_DEFINE_INTERFACES(FObject)
    REFCOUNT_METHODS(FObject)

private:
    const char* id;
};

class VirenoHostile : public VirenoTest
{
protected:
    void SetUp() override
    {
        instance = CreateVireno();
        ASSERT_NE(instance, nullptr);
        Automate(*instance, {1.0, 1.0, 0.4, 0.3, 1.0}, 1.0);
        ASSERT_EQ(instance->syncControllerState(), kResultOk);
        saved = SavedState(*instance->component());
    }

    // Neither side changed since SetUp.
    void ExpectUnchanged()
    {
        EXPECT_EQ(SavedState(*instance->component()), saved);
        EXPECT_EQ(ControllerValues(*instance), ProcessorValues(*instance));
        EXPECT_EQ(instance->controller()->getParamNormalized(VST3MasterBypassParamID), 1.0);
    }

    tresult Notify(IConnectionPoint& target, IMessage& message) { return target.notify(&message); }
    IConnectionPoint& ProcessorPoint() { return *FUnknownPtr<IConnectionPoint>(instance->component()); }
    IConnectionPoint& ControllerPoint() { return *FUnknownPtr<IConnectionPoint>(instance->controller()); }

    std::unique_ptr<Vst3PluginInstance> instance;
    std::string saved;
};

TEST_F(VirenoHostile, DeepOrHugeXmlIsRefusedOnEveryPathThatParses)
{
    std::string hugePresetName = saved;
    hugePresetName.replace(hugePresetName.find("<CurrentPreset>") + 15, 0, std::string(200000, '\''));
    const std::string hugeText = "<PluginState><Parameters/><x>" + std::string(5u << 20, 'x') + "</x></PluginState>";
    struct Text
    {
        const char* what;
        std::string xml;
        bool isState; // a text no state reader accepts; the editor's trees take any name and size
    };
    const Text texts[] = {
        {"22000 levels deep", DeepState(22000), false},
        {"2400 levels deep", DeepState(2400), false},
        {"over 4 MiB", hugeText, false},
        {"a preset name of 200000 apostrophes", hugePresetName, true},
    };
    for (const Text& t : texts)
    {
        SCOPED_TRACE(t.what);
        EXPECT_EQ(LoadState(*instance->component(), t.xml), kResultFalse);
        EXPECT_EQ(MirrorState(*instance->controller(), t.xml), kResultFalse);
        if (!t.isState)
        {
            IPtr<IMessage> toEffect = NewMessage("GUI2DSPPTree");
            SetData(*toEffect, "GUI2DSPPTree", t.xml);
            EXPECT_EQ(Notify(ProcessorPoint(), *toEffect), kResultFalse);
            IPtr<IMessage> toEditor = NewMessage("DSP2GUIPTree");
            SetData(*toEditor, "DSP2GUIPTree", t.xml);
            EXPECT_EQ(Notify(ControllerPoint(), *toEditor), kResultFalse);
        }
        ExpectUnchanged();
    }

    // A preset file just as deep: the next instance starts from the built-in defaults.
    const std::filesystem::path file = folder.Path() / "Halvard Sonics" / "Vireno" / "Default.xml";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << DeepState(22000);
    IPtr<CKROVirenoVST3> next = owned(new CKROVirenoVST3);
    EXPECT_EQ(next->GetEffect()->GetParameterNormalized(3), 0.5f);
}

TEST_F(VirenoHostile, TextsThatAreNoXmlAreRefusedOnEveryPathThatParses)
{
    // The set-up's own state, damaged where the property tree's reader would not notice.
    std::string wrongClose = saved;
    wrongClose.replace(wrongClose.find("</Value>"), 8, "</Valux>");
    std::string wrongOpen = saved;
    wrongOpen.replace(wrongOpen.find("<Value>"), 7, "<Valum>");
    const std::string secondRoot = saved + "<PluginState/>";
    for (const std::string& text : {wrongClose, wrongOpen, secondRoot})
    {
        SCOPED_TRACE(text);
        EXPECT_EQ(LoadState(*instance->component(), text), kResultFalse);
        EXPECT_EQ(MirrorState(*instance->controller(), text), kResultFalse);
        IPtr<IMessage> toEffect = NewMessage("GUI2DSPPTree");
        SetData(*toEffect, "GUI2DSPPTree", text);
        EXPECT_EQ(Notify(ProcessorPoint(), *toEffect), kResultFalse);
        IPtr<IMessage> toEditor = NewMessage("DSP2GUIPTree");
        SetData(*toEditor, "DSP2GUIPTree", text);
        EXPECT_EQ(Notify(ControllerPoint(), *toEditor), kResultFalse);
        ExpectUnchanged();
    }

    // A preset file that closes a value with another name: the next instance starts from the
    // built-in defaults.
    const std::filesystem::path file = folder.Path() / "Halvard Sonics" / "Vireno" / "Default.xml";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<KroPreset><Type>Vireno Default Preset</Type>"
                           "<PlugName>Vireno</PlugName><Preset><PresetName>Mine</PresetName><Parameters>"
                           "<Select_Instrument>0</Select_Instrument><Display_Mode>0</Display_Mode>"
                           "<Drop_Tuning>0</Drop_Tuning><Reference_Frequency>9</Reference_Frequenzy>"
                           "<Color_Set>0</Color_Set></Parameters></Preset></KroPreset>\n";
    IPtr<CKROVirenoVST3> next = owned(new CKROVirenoVST3);
    EXPECT_EQ(next->GetEffect()->GetParameterNormalized(3), 0.5f);
}

TEST_F(VirenoHostile, IndicesOutsideEveryListAreRefused)
{
    IEditController& controller = *instance->controller();
    ASSERT_EQ(controller.getParameterCount(), 6);
    for (int32 index : {-1, 6, 1000, INT32_MIN, INT32_MAX})
    {
        SCOPED_TRACE(index);
        ParameterInfo info{};
        EXPECT_EQ(controller.getParameterInfo(index, info), kInvalidArgument);
        FUnknownPtr<IUnitInfo> units(&controller);
        ASSERT_TRUE(units);
        UnitInfo unit{};
        EXPECT_NE(units->getUnitInfo(index, unit), kResultOk);
        String128 name{};
        EXPECT_NE(units->getProgramName(0, index, name), kResultOk);
        EXPECT_NE(units->getProgramInfo(0, index, "name", name), kResultOk);
        EXPECT_NE(units->getProgramPitchName(0, index, 60, name), kResultOk);
        EXPECT_NE(units->hasProgramPitchNames(0, index), kResultTrue);
        ProgramListInfo list{};
        EXPECT_NE(units->getProgramListInfo(index, list), kResultOk);
        BusInfo bus{};
        EXPECT_NE(instance->component()->getBusInfo(kAudio, kInput, index, bus), kResultOk);
    }
    ParameterInfo last{};
    EXPECT_EQ(controller.getParameterInfo(5, last), kResultOk);
    EXPECT_EQ(last.id, VST3MasterBypassParamID);
    ExpectUnchanged();
}

TEST_F(VirenoHostile, TheControllerKeepsNormalisedValuesWithin0To1)
{
    IEditController& controller = *instance->controller();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        double sent;
        tresult result;
        double kept; // negative: the value before
    };
    const Case cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), kInvalidArgument, -1},
        {inf, kInvalidArgument, -1},
        {-inf, kInvalidArgument, -1},
        {-1.0, kResultOk, 0.0},
        {2.0, kResultOk, 1.0},
        {1e30, kResultOk, 1.0},
        {0.25, kResultOk, 0.25},
    };
    for (ParamID id : {ParamID{2}, VST3MasterBypassParamID})
        for (const Case& c : cases)
        {
            SCOPED_TRACE(std::to_string(id) + " " + std::to_string(c.sent));
            const double before = controller.getParamNormalized(id);
            EXPECT_EQ(controller.setParamNormalized(id, c.sent), c.result);
            EXPECT_EQ(controller.getParamNormalized(id), c.kept < 0 ? before : c.kept);
        }
}

TEST_F(VirenoHostile, TextMessagesOfAnyLengthOrWithoutAttributesAreHandledSafely)
{
    for (size_t length : {0u, 255u, 256u, 300u, 100000u})
    {
        SCOPED_TRACE(length);
        IPtr<IMessage> message = NewMessage("TextMessage");
        const std::u16string text(length, u'a');
        message->getAttributes()->setString("Text", reinterpret_cast<const TChar*>(text.c_str()));
        EXPECT_EQ(Notify(ProcessorPoint(), *message), kResultOk);
    }
    // Every message either side handles, bare: the processor answers the ones it handles as done
    // with nothing to do; a bare text message and the controller's handlers are refused.
    for (const char* id :
         {"TextMessage", "WA_SP", "WA_SY", "Binary", "SeV3Pr", "PrsHnd", "GeCuFD", "SeCuFD", "GUI2DSPString",
          "GUI2DSPPTree", "STrInfo", "DSP4UI", "DSP2GUIString", "DSP2GUIBinary", "DSP2GUIPTree", "Other"})
    {
        SCOPED_TRACE(id);
        BareMessage bare(id);
        Notify(ProcessorPoint(), bare);
        EXPECT_NE(Notify(ControllerPoint(), bare), kResultOk);
    }
    BareMessage bareText("TextMessage");
    EXPECT_EQ(Notify(ProcessorPoint(), bareText), kResultFalse);
    ExpectUnchanged();
}

TEST_F(VirenoHostile, SetUpsNoEffectCanServeAreRefusedWithNothingApplied)
{
    IAudioProcessor& processor = *instance->processor();
    ProcessSetup good{kRealtime, kSample32, 512, 44100.0};
    ASSERT_EQ(processor.setupProcessing(good), kResultOk);
    const ProcessSetup refused[] = {
        {kRealtime, kSample32, INT32_MAX, 44100.0}, {kRealtime, kSample32, (1 << 16) + 1, 44100.0},
        {kRealtime, kSample32, 512, 1e300},         {kRealtime, kSample32, 512, 1e-300},
        {kRealtime, kSample32, 512, 999.0},         {kRealtime, kSample32, INT32_MIN, 44100.0},
    };
    CKRODSPAlgInterface& algorithm = Algorithm(*Processor(*instance).GetEffect());
    for (ProcessSetup setup : refused)
    {
        SCOPED_TRACE(std::to_string(setup.maxSamplesPerBlock) + " " + std::to_string(setup.sampleRate));
        EXPECT_EQ(processor.setupProcessing(setup), kResultFalse);
        EXPECT_EQ(algorithm.GetSampleRate(), 44100.0);
        EXPECT_EQ(algorithm.GetBlockSize(), 512);
    }
    ProcessSetup largest{kRealtime, kSample32, 1 << 16, 1536000.0};
    EXPECT_EQ(processor.setupProcessing(largest), kResultOk);
}

// One processor or controller with the host context it is initialised with.
template <typename Object>
struct Hosted
{
    HostApplication host;
    IPtr<Object> object = owned(new Object);
};

class VirenoAllocationFailure : public VirenoTest
{};

TEST_F(VirenoAllocationFailure, InitializeFailsWholeAndCanBeRepeated)
{
    const long allocations =
        FailEachAllocation([] { return std::make_unique<Hosted<CKROVirenoVST3>>(); },
                           [](Hosted<CKROVirenoVST3>& hosted) { return hosted.object->initialize(&hosted.host); },
                           [](Hosted<CKROVirenoVST3>& hosted, tresult result, bool failed) {
                               EXPECT_TRUE(result == kResultOk || failed);
                               if (result != kResultOk)
                               {
                                   EXPECT_EQ(hosted.object->getBusCount(kAudio, kInput), 0) << "nothing left behind";
                                   EXPECT_EQ(hosted.object->initialize(&hosted.host), kResultOk);
                               }
                               EXPECT_EQ(hosted.object->getBusCount(kAudio, kInput), 1);
                               hosted.object->terminate();
                           });
    EXPECT_GT(allocations, 0);
}

TEST_F(VirenoAllocationFailure, SetupProcessingKeepsTheOldSetUpWhenItFails)
{
    const long allocations = FailEachAllocation(
        [] {
            auto hosted = std::make_unique<Hosted<CKROVirenoVST3>>();
            EXPECT_EQ(hosted->object->initialize(&hosted->host), kResultOk);
            ProcessSetup setup{kRealtime, kSample32, 64, 44100.0};
            EXPECT_EQ(hosted->object->setupProcessing(setup), kResultOk);
            return hosted;
        },
        [](Hosted<CKROVirenoVST3>& hosted) {
            ProcessSetup larger{kRealtime, kSample32, 8192, 96000.0};
            return hosted.object->setupProcessing(larger);
        },
        [](Hosted<CKROVirenoVST3>& hosted, tresult result, bool failed) {
            CKRODSPAlgInterface& algorithm = Algorithm(*hosted.object->GetEffect());
            const bool applied = result == kResultOk;
            EXPECT_TRUE(applied || failed);
            EXPECT_EQ(algorithm.GetSampleRate(), applied ? 96000.0 : 44100.0);
            EXPECT_EQ(algorithm.GetBlockSize(), applied ? 8192 : 64);
            hosted.object->terminate();
        });
    EXPECT_GT(allocations, 0);
}

TEST_F(VirenoAllocationFailure, SetStateAppliesWholeOrNotAtAll)
{
    auto source = CreateVireno();
    ASSERT_NE(source, nullptr);
    Automate(*source, {1.0, 1.0, 0.6, 0.9, 1.0}, 1.0);
    const std::string wanted = SavedState(*source->component());
    // One processor, brought back to its first state before each attempt.
    Hosted<CKROVirenoVST3> hosted;
    ASSERT_EQ(hosted.object->initialize(&hosted.host), kResultOk);
    const std::string initial = SavedState(*hosted.object);
    const long allocations = FailEachAllocation(
        [&] {
            EXPECT_EQ(LoadState(*hosted.object, initial), kResultOk);
            return &hosted;
        },
        [&wanted](Hosted<CKROVirenoVST3>& target) { return LoadState(*target.object, wanted); },
        [&](Hosted<CKROVirenoVST3>& target, tresult result, bool failed) {
            EXPECT_TRUE(result == kResultOk || failed);
            EXPECT_EQ(SavedState(*target.object), result == kResultOk ? wanted : initial);
        });
    EXPECT_GT(allocations, 0);
    hosted.object->terminate();
}

// An initialised controller and a view of its editor on a host's plug frame.
struct EditorOnHost
{
    Hosted<CKROVirenoEditController> controller;
    HostRunLoop hostLoop;
    EditorPlugFrame plugFrame{&hostLoop};
    IPtr<OffscreenVirenoEditor> view;

    EditorOnHost()
    {
        EXPECT_EQ(controller.object->initialize(&controller.host), kResultOk);
        view = owned(new OffscreenVirenoEditor(controller.object));
        view->setFrame(&plugFrame);
    }
    ~EditorOnHost()
    {
        view->setFrame(nullptr);
        view = nullptr;
        controller.object->terminate();
    }
    tresult Attach() { return view->attached(reinterpret_cast<void*>(uintptr_t{1}), kPlatformTypeX11EmbedWindowID); }
};

TEST_F(VirenoAllocationFailure, AttachedUndoesWhatItOpenedWhenItFails)
{
    const long allocations = FailEachAllocation(
        [] { return std::make_unique<EditorOnHost>(); }, [](EditorOnHost& editor) { return editor.Attach(); },
        [](EditorOnHost& editor, tresult result, bool failed) {
            EXPECT_TRUE(result == kResultOk || failed);
            if (result != kResultOk)
            {
                EXPECT_EQ(editor.view->removed(), kResultFalse) << "left detached";
                EXPECT_TRUE(editor.hostLoop.Timers().empty());
                EXPECT_TRUE(editor.hostLoop.Events().empty());
                EXPECT_EQ(editor.Attach(), kResultOk) << "and can be attached again";
            }
            EXPECT_EQ(editor.view->removed(), kResultOk);
            EXPECT_EQ(editor.view->getRefCount(), 1u) << "nothing else holds the view";
        });
    EXPECT_GT(allocations, 0);
}

} // namespace
