#include "KROVirenoEditorAAX.h"

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Guarded.h"
#include "kro-core/aax/editor/KROAAXController.h"
#include "kro-core/aax/KROAAXParamsIDsConverter.h"
#include "kro-core/aax/KROAudioPlugInAAX.h"
#include "kro-core/aax/editor/KROMainAAXView.h"
#include "kro-core/aax/editor/KRO_AAX_Control.h"
#include "tuner/plugin/TunerParameterIndex.h"

#include "toolkit/StandaloneRunLoop.h"

static_assert(CKROVirenoEditorAAX::kIdentifierCapacity == CKROAudioPlugInAAX::kIdentifierCapacity,
              "the GUI names the parameters as the effect does");

namespace {

// The toolkit's loop inside this module when the host's process installed none: an AAX host
// offers no run loop, only its periodic TimerWakeup calls, which serve this one. It stays
// installed for every editor of the module.
VSTGUI::StandaloneRunLoop& ModuleRunLoop()
{
    static VSTGUI::StandaloneRunLoop loop;
    return loop;
}

} // namespace

CKROVirenoEditorAAX::CKROVirenoEditorAAX()
    : identifiers(std::make_unique<CKROAAXParamsIDsConverter>(kIdentifierCapacity)),
      editor(std::make_unique<Editor>(this, TunerParameterIndex::kFirstIndexAAX))
{}

CKROVirenoEditorAAX::~CKROVirenoEditorAAX()
{
    // Detached whether or not a view was ever opened: the effect may outlive this object.
    DetachFromEffect();
    if (GetFrame())
    {
        editor->close();
        AAX_CEffectGUI_VST::DeleteViewContainer();
    }
    editor.reset();
    identifiers.reset();
}

CKROAudioPlugInAAX* CKROVirenoEditorAAX::Adapter() const
{
    return dynamic_cast<CKROAudioPlugInAAX*>(GetEffectParameters());
}

void CKROVirenoEditorAAX::DetachFromEffect()
{
    if (CKROAudioPlugInAAX* adapter = Adapter())
        adapter->SetEditor(nullptr);
}

void CKROVirenoEditorAAX::DetachController()
{
    if (auto* controller = dynamic_cast<Mevarik::CKROAAXController*>(editor->GetController()))
        controller->DetachAdapter();
}

AAX_Result CKROVirenoEditorAAX::Initialize(IACFUnknown* host)
{
    return AAX_Guarded([&]() -> AAX_Result {
        if (host)
        {
            DetachFromEffect();
            DetachController();
        }
        return AAX_CEffectGUI_VST::Initialize(host);
    });
}

AAX_Result CKROVirenoEditorAAX::Uninitialize()
{
    return AAX_Guarded([&]() -> AAX_Result {
        DetachFromEffect();
        const AAX_Result result = AAX_CEffectGUI_VST::Uninitialize();
        DetachController();
        return result;
    });
}

AAX_Result CKROVirenoEditorAAX::CreateViewContents()
{
    CKROAudioPlugInAAX* adapter = Adapter();
    editor->SetController(std::make_unique<Mevarik::CKROAAXController>(adapter, editor.get(), *identifiers));
    if (adapter)
        adapter->SetEditor(editor.get());
    editor->CreateControlSets(0);
    return AAX_SUCCESS;
}

AAX_Result CKROVirenoEditorAAX::CreateEffectView(void* nativeWindow)
{
    if (!VSTGUI::RunLoop::current())
        VSTGUI::RunLoop::setCurrent(&ModuleRunLoop());
    auto* view = new CKROMainAAXView(GetEffectParameters(), editor.get(), GetViewContainer());
    // The base keeps one reference, the editor takes over the other when it opens.
    view->remember();
    SetFrame(view);
    if (!OpenFrame(*view, nativeWindow))
    {
        view->forget();
        AAX_CEffectGUI_VST::DeleteViewContainer();
        return AAX_ERROR_NULL_OBJECT;
    }
    LinkAAXControls();
    // A view opened again after one was closed must reach the effect's link again too.
    if (CKROAudioPlugInAAX* adapter = Adapter())
        adapter->SetEditor(editor.get());
    return editor->open(view) ? AAX_SUCCESS : AAX_ERROR_NULL_OBJECT;
}

void CKROVirenoEditorAAX::LinkAAXControls()
{
    const CKROCtrlSetInterface::ControlMap* controls = editor->CurrentControls();
    if (!controls)
        return;
    for (const auto& [tag, control] : *controls)
    {
        if (!control)
            break;
        if (auto* aaxControl = dynamic_cast<CKRO_AAX_Control*>(control))
        {
            const char* id = identifiers->GetIDFromIndex(tag);
            aaxControl->SetAAXParameterID(id ? id : "");
            aaxControl->SetViewContainer(GetViewContainer());
        }
    }
}

AAX_Result CKROVirenoEditorAAX::DeleteViewContainer()
{
    DetachFromEffect();
    editor->close();
    return AAX_CEffectGUI_VST::DeleteViewContainer();
}

AAX_Result CKROVirenoEditorAAX::TimerWakeup()
{
    return AAX_Guarded([]() -> AAX_Result {
        if (VSTGUI::RunLoop::current() == &ModuleRunLoop())
            ModuleRunLoop().runOnce(0);
        return AAX_SUCCESS;
    });
}

AAX_Result CKROVirenoEditorAAX::ParameterUpdated(AAX_CParamID id)
{
    if (!id)
        return AAX_SUCCESS;
    return AAX_Guarded([&]() -> AAX_Result {
        const int32_t index = identifiers->GetIndexFromID(id);
        if (index > 0)
            editor->MarkParameterChanged(index, 0.0f);
        return AAX_SUCCESS;
    });
}

AAX_Result CKROVirenoEditorAAX::SetControlHighlightInfo(AAX_CParamID id, bool highlighted, int32_t colour)
{
    if (!id)
        return AAX_SUCCESS;
    return AAX_Guarded([&]() -> AAX_Result {
        const int32_t index = identifiers->GetIndexFromID(id);
        const CKROCtrlSetInterface::ControlMap* controls = editor->CurrentControls();
        if (index > 0 && controls)
        {
            const auto found = controls->find(index);
            if (found != controls->end())
                if (auto* aaxControl = dynamic_cast<CKRO_AAX_Control*>(found->second))
                    aaxControl->SetHighlight(highlighted, colour);
        }
        return AAX_SUCCESS;
    });
}

IACFUnknown* CreateVirenoEffectGUI()
{
    // The editor loads its artwork, and anything can fail on the way.
    try
    {
        return (new CKROVirenoEditorAAX)->GetControllingUnknown();
    }
    catch (...)
    {
        return nullptr;
    }
}
