// CKROPlugInDSP: the editor's text messages that the framework itself answers.
#include "KROPlugInDSP.h"

#include "kro-core/plugin/KRONumberText.h"
#include "kro-core/plugin/KroEditorMessages.h"

namespace msg = KroEditorMessages;

// Every message name found in the text acts, in this order. A value that is not a number, or a
// number that names no preset, changes nothing; the other names still act.
std::string CKROPlugInDSP::HandleGuiMessage(const std::string& text)
{
    DeliverPendingStateUpdate();
    std::string value;

    if (msg::ContainsMessage(text, msg::kGetPluginState) && editorLink != nullptr)
    {
        const char* action = msg::ContainsMessage(text, msg::kActionClipboard)        ? msg::kActionClipboard
                             : msg::ContainsMessage(text, msg::kActionGuiWantsUpdate) ? msg::kActionGuiWantsUpdate
                                                                                      : "";
        BuildStateTree();
        SendStateTreeToEditor(stateTree, action);
    }

    float zoomValue = 0.0f;
    if (msg::FindMessageValue(text, msg::kSetZoomFactor, value) && ReadFloatText(value, zoomValue) &&
        IsZoomInRange(zoomValue))
        zoom = zoomValue;

    int32_t number = 0;
    if (msg::FindMessageValue(text, msg::kSetSelectedPresetNumber, value) && ReadIntegerText(value, number) &&
        currentAlgorithm != nullptr)
    {
        if (const CKROAudioPreset* preset = currentAlgorithm->GetPreset(number))
        {
            currentPresetName = preset->GetName();
            presetModified.store(false, std::memory_order_release);
        }
    }

    if (msg::ContainsMessage(text, msg::kSetPresetSave))
        presetModified.store(false, std::memory_order_release);

    if (msg::ContainsMessage(text, msg::kSetPresetAsSaveAs))
    {
        if (currentAlgorithm != nullptr && currentAlgorithm->GetCurrentPreset() != nullptr)
            currentPresetName = currentAlgorithm->GetCurrentPreset()->GetName();
        presetModified.store(false, std::memory_order_release);
    }

    return std::string();
}
