#pragma once

#include "KROVST3PeerMessages.h"
#include "KROVST3PlugInCustomInterface.h"

#include "pluginterfaces/vst/ivstchannelcontextinfo.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

#include <boost/property_tree/ptree_fwd.hpp>

#include <array>
#include <string>
#include <vector>

class IKROParamInfoInterface;

namespace Steinberg {
namespace Vst {

class IKROAttachedEditor;

// The framework's edit controller: the host's view of the parameters, built from the product's
// parameter table, the component state mirrored into them, the processor's messages relayed to
// the open editors, the display data fetched from the processor for them, and the host's channel
// data passed on to the processor. A product class installs its parameter information before
// initialize. Every operation runs on the host's user-interface thread; every host entry point
// catches whatever its body throws, and indices outside the SDK's lists are refused before the SDK
// looks them up.
class CKROVST3EditController : public EditControllerEx1,
                               public CKROVST3PlugInCustomInterface,
                               public ChannelContext::IInfoListener,
                               public KROVST3MessageSender
{
public:
    CKROVST3EditController();

    // IPluginBase
    tresult PLUGIN_API initialize(FUnknown* context) SMTG_OVERRIDE;
    tresult PLUGIN_API terminate() SMTG_OVERRIDE;

    // IEditController
    tresult PLUGIN_API setComponentState(IBStream* state) SMTG_OVERRIDE;
    // The controller keeps no state of its own: one byte either way.
    tresult PLUGIN_API setState(IBStream* state) SMTG_OVERRIDE;
    tresult PLUGIN_API getState(IBStream* state) SMTG_OVERRIDE;
    tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) SMTG_OVERRIDE;
    ParamValue PLUGIN_API getParamNormalized(ParamID tag) SMTG_OVERRIDE;
    tresult PLUGIN_API setParamNormalized(ParamID tag, ParamValue value) SMTG_OVERRIDE;
    tresult PLUGIN_API getParamStringByValue(ParamID tag, ParamValue valueNormalized, String128 string) SMTG_OVERRIDE;
    tresult PLUGIN_API getParamValueByString(ParamID tag, TChar* string, ParamValue& valueNormalized) SMTG_OVERRIDE;

    // IEditController2
    tresult PLUGIN_API openHelp(TBool onlyCheck) SMTG_OVERRIDE;
    tresult PLUGIN_API openAboutBox(TBool onlyCheck) SMTG_OVERRIDE;

    // IUnitInfo
    tresult PLUGIN_API getUnitInfo(int32 unitIndex, UnitInfo& info) SMTG_OVERRIDE;
    tresult PLUGIN_API getProgramName(ProgramListID listId, int32 programIndex, String128 name) SMTG_OVERRIDE;
    tresult PLUGIN_API getProgramInfo(ProgramListID listId, int32 programIndex, CString attributeId,
                                      String128 attributeValue) SMTG_OVERRIDE;
    tresult PLUGIN_API hasProgramPitchNames(ProgramListID listId, int32 programIndex) SMTG_OVERRIDE;
    tresult PLUGIN_API getProgramPitchName(ProgramListID listId, int32 programIndex, int16 midiPitch,
                                           String128 name) SMTG_OVERRIDE;

    // IConnectionPoint: the processor's messages.
    tresult PLUGIN_API notify(IMessage* message) SMTG_OVERRIDE;
    // Whether notify has a handler for a message of the processor with this ID.
    static bool HandlesMessage(const char* id);

    // ChannelContext::IInfoListener: the host's data about the track, sent on as "STrInfo".
    tresult PLUGIN_API setChannelContextInfos(IAttributeList* list) SMTG_OVERRIDE;

    // CKROVST3PlugInCustomInterface
    int32 PLUGIN_API GetCustomData(int32 channel, float** buffer, int32* capacity, int32 count) SMTG_OVERRIDE;
    int32 PLUGIN_API SetCustomData(int32 tag, float* data, int32 count) SMTG_OVERRIDE;

    // The framework's own operations.
    virtual void CreateParameters();
    // 0 goes on with initialize.
    virtual int32 OnInitialize() { return 0; }
    virtual bool IsBypassParameter(int32 /*index*/) { return false; }
    // Hook after a component state was parsed; changes nothing here.
    virtual bool ConvertComponentState(boost::property_tree::ptree& /*tree*/) { return false; }

    // KROVST3MessageSender: the controller's message path to its processor.
    IMessage* AllocateMessage() override { return allocateMessage(); }
    tresult SendMessage(IMessage* message) override { return sendMessage(message); }

    OBJ_METHODS(CKROVST3EditController, EditControllerEx1)
    DEFINE_INTERFACES
    DEF_INTERFACE(CKROVST3PlugInCustomInterface)
    DEF_INTERFACE(ChannelContext::IInfoListener)
    END_DEFINE_INTERFACES(EditControllerEx1)
    REFCOUNT_METHODS(EditControllerEx1)

protected:
    void SetParameterInfo(IKROParamInfoInterface* info) { parameterInfo = info; }
    // The effect name a component state must carry to be mirrored; empty accepts any.
    void SetEffectName(std::string name) { effectName = std::move(name); }

    // Views that are editors of ours join the relay while attached to a window.
    void editorAttached(EditorView* view) SMTG_OVERRIDE;
    void editorRemoved(EditorView* view) SMTG_OVERRIDE;
    void editorDestroyed(EditorView* view) SMTG_OVERRIDE;

private:
    bool HasProgram(ProgramListID listId, int32 programIndex) const;
    tresult SendChannelContext(IAttributeList& info);
    // The processor's value of a parameter the controller has no record of, when it answers.
    bool RequestProcessorValue(ParamID tag, float& value);

    // The processor's messages by ID; anything else is refused.
    static const KROVST3MessageRoute<CKROVST3EditController> kMessageRoutes[];
    tresult RefuseMessage(IMessage& message);
    tresult HandleValueReply(IMessage& message);
    tresult HandleParameterValue(IMessage& message);
    tresult HandleParameterValues(IMessage& message);
    tresult HandleEditorText(IMessage& message, const char* attribute);
    tresult HandleEffectAnswer(IMessage& message);
    tresult HandleEditorString(IMessage& message);
    // A text of the effect to every open editor.
    void RelayText(const std::string& text);
    tresult HandlePresetAnswer(IMessage& message);
    tresult HandleDisplayDataReply(IMessage& message);
    tresult HandleEditorBinary(IMessage& message);
    tresult HandleEditorTree(IMessage& message);

    IKROParamInfoInterface* parameterInfo = nullptr;
    int32 parameterMapSize = 0;
    std::string effectName;
    bool masterBypassEnabled = true;
    // Open editors in the order they were attached; not owned. The view is kept beside its editor
    // interface because a view being destroyed no longer casts to it.
    struct AttachedEditor
    {
        EditorView* view;
        IKROAttachedEditor* editor;
    };
    std::vector<AttachedEditor> attachedEditors;

    // The reply to a "GePaVa" request.
    struct ValueReply
    {
        static constexpr size_t kMaxWords = 32;
        std::array<float, kMaxWords> words{};
        int32 count = 0;
        bool arrived = false;
    } valueReply;

    // One "GeCuFD" request, kept only while GetCustomData waits for the reply: a reply outside
    // that wait finds no buffer to write to.
    struct DisplayDataRequest
    {
        bool pending = false;
        float** buffer = nullptr;
        // The caller's capacity, grown by a reply longer than it.
        int32 capacityHandedBack = 0;
        int32 resultCount = 0;
        bool arrived = false;
    } displayRequest;
};

} // namespace Vst
} // namespace Steinberg
