#pragma once

// The messages between the processor and its controller. A message goes straight to the connected
// peer's notify and is released after the call, so a request's reply has arrived when the send
// returns; without a peer, or when no message can be allocated, nothing is sent.

#include "KROVST3MessageIds.h"

#include "public.sdk/source/vst/vstcomponentbase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Steinberg {
namespace Vst {

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

// One row of a side's message table: a message ID and the handler of that message.
template <typename Receiver>
struct KROVST3MessageRoute
{
    const char* id;
    tresult (Receiver::*handle)(IMessage&);
};

// notify on either side: a null message is refused; otherwise prepare runs, then the handler of the
// message's ID in the table (the unhandled one when no row has it); no exception reaches the host.
template <typename Receiver, size_t Count, typename Prepare>
tresult DispatchMessage(Receiver& receiver, IMessage* message, const KROVST3MessageRoute<Receiver> (&routes)[Count],
                        tresult (Receiver::*unhandled)(IMessage&), Prepare&& prepare)
{
    if (message == nullptr)
        return kInvalidArgument;
    try
    {
        prepare();
        for (const KROVST3MessageRoute<Receiver>& route : routes)
            if (IsMessage(*message, route.id))
                return (receiver.*route.handle)(*message);
        return (receiver.*unhandled)(*message);
    }
    catch (...)
    {
        return kResultFalse; // no exception reaches the host
    }
}

template <typename Receiver, size_t Count>
tresult DispatchMessage(Receiver& receiver, IMessage* message, const KROVST3MessageRoute<Receiver> (&routes)[Count],
                        tresult (Receiver::*unhandled)(IMessage&))
{
    return DispatchMessage(receiver, message, routes, unhandled, [] {});
}

// Whether a message table has a row for the ID.
template <typename Receiver, size_t Count>
bool HasRoute(const KROVST3MessageRoute<Receiver> (&routes)[Count], const char* id)
{
    for (const KROVST3MessageRoute<Receiver>& route : routes)
        if (std::string(route.id) == id)
            return true;
    return false;
}

} // namespace Vst
} // namespace Steinberg
