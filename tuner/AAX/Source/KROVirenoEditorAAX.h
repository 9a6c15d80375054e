#pragma once

#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CEffectGUI_VST.h"
#include "tuner/gui/CKROVirenoGUIEditor.h"
#include "kro-core/aax/editor/KROGuiEditorAAX.h"

#include <memory>

class CKROAudioPlugInAAX;
class CKROAAXParamsIDsConverter;

// Vireno's GUI object: the tuner's editor in the host's window, linked to the effect of its
// instance. The editor reaches the effect through the AAX controller bridge; the effect reaches the
// editor through its link, which this object attaches the editor to while it has an effect and
// detaches again before either of them goes, whichever the host lets go of first. The host calls
// everything here on its user-interface thread.
class CKROVirenoEditorAAX final : public AAX_CEffectGUI_VST
{
public:
    using Editor = CKROGuiEditorAAX<CKROVirenoGUIEditor>;
    // Identifiers are made for indices 1 ... this, as the effect's.
    static constexpr int32_t kIdentifierCapacity = 10;

    CKROVirenoEditorAAX();
    ~CKROVirenoEditorAAX() override;

    // A second Initialize first lets go of the effect of the first, as Uninitialize does.
    AAX_Result Initialize(IACFUnknown* host) override;
    // The editor is detached from the effect before the base lets go of it, and its controller
    // after: a view the host opens again without Initialize reaches no effect.
    AAX_Result Uninitialize() override;
    // The parameter's index is marked for the editor's next tick; the bypass and unknown
    // identifiers have none.
    AAX_Result ParameterUpdated(AAX_CParamID id) override;
    AAX_Result SetControlHighlightInfo(AAX_CParamID id, bool highlighted, int32_t colour) override;
    // The host's periodic call: serves the editor's window and timers when they run on this
    // module's own loop (see CreateEffectView).
    AAX_Result TimerWakeup() override;

    Editor& GetEditor() const { return *editor; }

protected:
    AAX_Result CreateViewContents() override;
    AAX_Result CreateEffectView(void* nativeWindow) override;
    AAX_Result DeleteViewContainer() override;

private:
    // The effect of this instance when the host gave us one of ours; null otherwise.
    CKROAudioPlugInAAX* Adapter() const;
    void DetachFromEffect();
    void DetachController();
    // Gives the AAX controls among the editor's their identifiers and the view container.
    void LinkAAXControls();

    std::unique_ptr<CKROAAXParamsIDsConverter> identifiers;
    std::unique_ptr<Editor> editor;
};

// The GUI factory the description registers: a new GUI object, null when it cannot be made.
IACFUnknown* CreateVirenoEffectGUI();
