#pragma once

#include <cstdint>
#include <string>

// The text messages between the editor and the effect. A message is one UTF-8 text: its name,
// directly followed by its value where it has one (a decimal number, a preset name or a preset
// list). Receivers find a name anywhere in the text; its value runs from the end of the name's
// first occurrence to the end of the text.
namespace KroEditorMessages {

// Editor to effect; the format adapters answer the requests.
constexpr char kGetFactoryPresets[] = "CKROGetFactoryPresetsMessage";
constexpr char kGetUserPresets[] = "CKROGetUserPresetsMessage";
constexpr char kGetSelectedPresetNumber[] = "CKROGetSelectedPresetNumber";
constexpr char kSetPresetSave[] = "CKROSetPresetSave";
constexpr char kSetPresetAsSaveAs[] = "CKROSetPresetAsSaveAs";
constexpr char kSetPresetDelete[] = "CKROSetPresetDelete";
constexpr char kGetParameterText[] = "CKROGetParameterTextMessage";
constexpr char kGetPluginState[] = "GtPlginState2GUI";
constexpr char kSetZoomFactor[] = "setZoomFactrMSg";
constexpr char kSaveDefaultPreset[] = "SaveVRDefPreset";

// Effect to editor.
constexpr char kSetFactoryPresets[] = "CKROSetFactoryPresetsMessage";
constexpr char kSetUserPresets[] = "CKROSetUserPresetsMessage";
constexpr char kSetParameterText[] = "CKROSetParameterTextMessage";
// Marks a text that the effect's link routes to the editor.
constexpr char kDspToGui[] = "DSP2GUIString";

// Both ways: the editor's menu choice, and the adapter's answer to kGetSelectedPresetNumber.
constexpr char kSetSelectedPresetNumber[] = "CKROSetSelectedPresetNumber";

// Values of kGetPluginState; the effect answers with a state tree whose "Action" is the value.
constexpr char kActionClipboard[] = "Clipboard";
constexpr char kActionGuiWantsUpdate[] = "GUIWantsUpdate";

// Effect to its format adapter after a state was applied: push every parameter out again.
constexpr char kUpdateParameterValues[] = "UpdateParameterValues";

bool ContainsMessage(const std::string& text, const char* name);

// The value behind the first occurrence of the name; false, and value untouched, without one.
bool FindMessageValue(const std::string& text, const char* name, std::string& value);

// The decimal integer that starts a value (blanks and a sign allowed before the digits, anything
// after them ignored), as receivers read preset numbers and parameter indices. 0 when there are no
// digits or the number does not fit 32 bits.
int32_t ReadMessageInteger(const std::string& value);

} // namespace KroEditorMessages
