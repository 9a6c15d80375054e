#pragma once

// The messages between the processor and its controller. A message goes straight to the connected
// peer's notify and is released after the call, so a request's reply has arrived when the send
// returns; without a peer, or when no message can be allocated, nothing is sent.

#include "public.sdk/source/vst/vstcomponentbase.h"

#include <cstdint>
#include <string>
#include <vector>

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

// The sending side of a component, so that the effect's editor link can send as the processor.
class KROVST3MessageSender
{
public:
    virtual IMessage* AllocateMessage() = 0;
    virtual tresult SendMessage(IMessage* message) = 0;

protected:
    ~KROVST3MessageSender() = default;
};

// "WA_SP": one parameter's normalised value.
void SendParameterValue(KROVST3MessageSender& sender, int32_t index, float value);
// "WA_SY": the values of consecutive parameters from the first index on.
void SendParameterValues(KROVST3MessageSender& sender, int32_t firstIndex, const float* values, int32_t count);
// A message whose one data attribute, named like the message, holds the bytes.
void SendData(KROVST3MessageSender& sender, const char* id, const void* bytes, uint32_t size);
// A message whose one data attribute has a name of its own.
void SendData(KROVST3MessageSender& sender, const char* id, const char* attribute, const void* bytes, uint32_t size);
// A text travels as its bytes, without a terminating zero.
void SendText(KROVST3MessageSender& sender, const char* id, const char* attribute, const std::string& text);
// "SeCuFD": values under a tag. False when no message could be made.
bool SendCustomData(KROVST3MessageSender& sender, int32_t tag, const float* values, int32_t count);
// A message with no attribute at all.
void SendEmpty(KROVST3MessageSender& sender, const char* id);

// Reading a received message. Each is false, and leaves its outputs alone, when the attribute is
// missing (or the message has no attribute list).
bool IsMessage(IMessage& message, const char* id);
bool GetData(IMessage& message, const char* attribute, const void*& data, uint32_t& size);
bool GetText(IMessage& message, const char* attribute, std::string& text);
// An int attribute that holds an int32 value.
bool GetInt32(IMessage& message, const char* attribute, int32_t& value);
// The values of a data attribute: size/4 floats.
bool GetFloats(IMessage& message, const char* attribute, std::vector<float>& values);

} // namespace Vst
} // namespace Steinberg
