#pragma once

#include "kro-core/vst3/editor/KROGuiEditorVST3.h"

#include "tuner/gui/CKROVirenoGUIEditor.h"

#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"

namespace Steinberg {
namespace Vst {

// Vireno's editor as the host's view "editor": the tuner's editor on the VST3 view, ticking every
// 20 ms while attached, zoomed by the host's content scale factor.
class CKROVirenoGUIEditorVST3 : public CKROGuiEditorVST3<CKROVirenoGUIEditor>, public IPlugViewContentScaleSupport
{
public:
    // Parameter marks for the five product parameters and the hidden indices up to 8.
    static constexpr int32 kFlagCount = 9;

    explicit CKROVirenoGUIEditorVST3(CKROVST3EditController* controller);

    // A new factor zooms the editor; factors above the maximum zoom are kept but change nothing,
    // and a factor that is not a positive number is ignored. Always kResultOk.
    tresult PLUGIN_API setContentScaleFactor(ScaleFactor factor) SMTG_OVERRIDE;
    float GetContentScaleFactor() const { return contentScaleFactor; }

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
    REFCOUNT_METHODS(CKROVST3EditorView)

protected:
    // A factor the host gave before the frame existed is applied once it does.
    void EditorOpened() override;

private:
    float contentScaleFactor = 0.f;
};

} // namespace Vst
} // namespace Steinberg
