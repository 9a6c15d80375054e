#pragma once

// The messages the processor sends to its controller. A message goes straight to the connected
// peer's notify and is released after the call; without a peer, or when no message can be
// allocated, nothing is sent.

#include "public.sdk/source/vst/vstcomponentbase.h"

#include <cstdint>
#include <string>

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

} // namespace Vst
} // namespace Steinberg
