#pragma once

// The IDs of the messages between the processor and its controller, and their attribute names:
// the one list both sides send and dispatch by.

namespace Steinberg {
namespace Vst {

// Message IDs and attribute names.
constexpr const char* kMsgSetParameter = "WA_SP";
constexpr const char* kAttrParameterIndex = "WA_PI";
constexpr const char* kAttrParameterValue = "WA_PV";
constexpr const char* kMsgSyncParameters = "WA_SY";
constexpr const char* kAttrFirstIndex = "WA_SF";
constexpr const char* kAttrValues = "WA_SV";
constexpr const char* kMsgEditorString = "DSP2GUIString";
constexpr const char* kMsgEditorBinary = "DSP2GUIBinary";
constexpr const char* kMsgEditorTree = "DSP2GUIPTree";
// A parameter value the controller has no record of: request "GePaVa", reply "SePaVa".
constexpr const char* kMsgBinary = "Binary";
constexpr const char* kAttrGetValue = "GePaVa";
constexpr const char* kAttrValueReply = "SePaVa";
constexpr const char* kMsgPresetValues = "SeV3Pr";
constexpr const char* kMsgPresetCommand = "PrsHnd";
constexpr const char* kMsgEffectAnswer = "DSP4UI";
constexpr const char* kMsgDisplayData = "GeCuFD";
constexpr const char* kMsgSetCustomData = "SeCuFD";
constexpr const char* kAttrCustomTag = "IDtag";
constexpr const char* kMsgEditorText = "GUI2DSPString";
constexpr const char* kMsgEditorTreeToEffect = "GUI2DSPPTree";
constexpr const char* kMsgTrackInfo = "STrInfo";
// The host's text message to a component.
constexpr const char* kMsgText = "TextMessage";
constexpr const char* kAttrText = "Text";

// What each side sends the other; every one has a row in the receiving side's message table.
inline constexpr const char* kControllerToProcessorMessages[] = {
    kMsgBinary,        kMsgSetParameter, kMsgPresetValues,       kMsgPresetCommand, kMsgDisplayData,
    kMsgSetCustomData, kMsgEditorText,   kMsgEditorTreeToEffect, kMsgTrackInfo,
};
inline constexpr const char* kProcessorToControllerMessages[] = {
    kMsgBinary,      kMsgSetParameter, kMsgSyncParameters, kMsgPresetCommand, kMsgEffectAnswer,
    kMsgDisplayData, kMsgEditorString, kMsgEditorBinary,   kMsgEditorTree,
};

} // namespace Vst
} // namespace Steinberg
