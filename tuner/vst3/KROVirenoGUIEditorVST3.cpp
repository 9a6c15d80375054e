#include "KROVirenoGUIEditorVST3.h"

#include "kro-core/vst3/plugin/KROVST3EntryGuard.h"
#include "VirenoVST3Ids.h"

#include <cmath>

namespace Steinberg {
namespace Vst {

CKROVirenoGUIEditorVST3::CKROVirenoGUIEditorVST3(CKROVST3EditController* controller)
    : CKROGuiEditorVST3(controller, kFlagCount, Vireno::kFirstParameterIndex)
{
    CreateControlSets(0);
    SetIdleRate(kTimerIntervalMs);
}

tresult PLUGIN_API CKROVirenoGUIEditorVST3::setContentScaleFactor(ScaleFactor factor)
{
    // Not a number, nothing, less or endless would zoom the editor out of existence.
    if (!(factor > 0.f) || !std::isfinite(factor) || factor == contentScaleFactor)
        return kResultOk;
    return GuardEntry(kResultFalse, [&]() -> tresult {
        contentScaleFactor = factor;
        SetZoomFactor(factor);
        return kResultOk;
    });
}

void CKROVirenoGUIEditorVST3::EditorOpened()
{
    if (contentScaleFactor > 0.f)
        SetZoomFactor(contentScaleFactor);
}

tresult PLUGIN_API CKROVirenoGUIEditorVST3::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, IPlugViewContentScaleSupport::iid, IPlugViewContentScaleSupport)
    QUERY_INTERFACE(iid, obj, IPlugView::iid, IPlugView)
    return CKROVST3EditorView::queryInterface(iid, obj);
}

} // namespace Vst
} // namespace Steinberg
