#include "KROVST3PeerMessages.h"

#include "pluginterfaces/vst/ivstmessage.h"


namespace Steinberg {
namespace Vst {

namespace {

// Owns an allocated message for the length of one send.
class OutgoingMessage
{
public:
    OutgoingMessage(KROVST3MessageSender& sender, const char* id) : sender(sender), message(sender.AllocateMessage())
    {
        if (message != nullptr)
            message->setMessageID(id);
    }
    ~OutgoingMessage()
    {
        if (message != nullptr)
            message->release();
    }
    OutgoingMessage(const OutgoingMessage&) = delete;
    OutgoingMessage& operator=(const OutgoingMessage&) = delete;

    IAttributeList* attributes() const { return message != nullptr ? message->getAttributes() : nullptr; }
    void send()
    {
        if (message != nullptr)
            sender.SendMessage(message);
    }

private:
    KROVST3MessageSender& sender;
    IMessage* message;
};

} // namespace

void SendParameterValue(KROVST3MessageSender& sender, int32_t index, float value)
{
    OutgoingMessage message(sender, kMsgSetParameter);
    IAttributeList* attributes = message.attributes();
    if (attributes == nullptr)
        return;
    attributes->setInt(kAttrParameterIndex, index);
    attributes->setFloat(kAttrParameterValue, value);
    message.send();
}

void SendParameterValues(KROVST3MessageSender& sender, int32_t firstIndex, const float* values, int32_t count)
{
    OutgoingMessage message(sender, kMsgSyncParameters);
    IAttributeList* attributes = message.attributes();
    if (attributes == nullptr || count < 0)
        return;
    attributes->setInt(kAttrFirstIndex, firstIndex);
    attributes->setBinary(kAttrValues, values, static_cast<uint32>(count) * sizeof(float));
    message.send();
}

void SendData(KROVST3MessageSender& sender, const char* id, const void* bytes, uint32_t size)
{
    OutgoingMessage message(sender, id);
    IAttributeList* attributes = message.attributes();
    if (attributes == nullptr)
        return;
    attributes->setBinary(id, bytes, size);
    message.send();
}

} // namespace Vst
} // namespace Steinberg
