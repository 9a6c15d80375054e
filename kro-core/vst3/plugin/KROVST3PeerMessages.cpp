#include "KROVST3PeerMessages.h"

#include "pluginterfaces/vst/ivstmessage.h"

#include <cstring>
#include <limits>

namespace Steinberg {
namespace Vst {

namespace {

// Owns an allocated message for the length of one send, and releases it also when filling it in
// throws.
class OutgoingMessage
{
public:
    OutgoingMessage(KROVST3MessageSender& sender, const char* id)
        : sender(sender), message(owned(sender.AllocateMessage()))
    {
        if (message)
            message->setMessageID(id);
    }
    OutgoingMessage(const OutgoingMessage&) = delete;
    OutgoingMessage& operator=(const OutgoingMessage&) = delete;

    IAttributeList* attributes() const { return message ? message->getAttributes() : nullptr; }
    void send()
    {
        if (message)
            sender.SendMessage(message);
    }

private:
    KROVST3MessageSender& sender;
    IPtr<IMessage> message;
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
    SendData(sender, id, id, bytes, size);
}

void SendData(KROVST3MessageSender& sender, const char* id, const char* attribute, const void* bytes, uint32_t size)
{
    OutgoingMessage message(sender, id);
    IAttributeList* attributes = message.attributes();
    if (attributes == nullptr)
        return;
    attributes->setBinary(attribute, bytes, size);
    message.send();
}

void SendText(KROVST3MessageSender& sender, const char* id, const char* attribute, const std::string& text)
{
    SendData(sender, id, attribute, text.data(), static_cast<uint32_t>(text.size()));
}

bool SendCustomData(KROVST3MessageSender& sender, int32_t tag, const float* values, int32_t count)
{
    OutgoingMessage message(sender, kMsgSetCustomData);
    IAttributeList* attributes = message.attributes();
    if (attributes == nullptr || count < 0)
        return false;
    attributes->setInt(kAttrCustomTag, tag);
    attributes->setBinary(kMsgSetCustomData, values, static_cast<uint32>(count) * sizeof(float));
    message.send();
    return true;
}

void SendEmpty(KROVST3MessageSender& sender, const char* id)
{
    OutgoingMessage message(sender, id);
    message.send();
}

bool IsMessage(IMessage& message, const char* id)
{
    const char* own = message.getMessageID();
    return own != nullptr && std::strcmp(own, id) == 0;
}

bool GetData(IMessage& message, const char* attribute, const void*& data, uint32_t& size)
{
    IAttributeList* attributes = message.getAttributes();
    const void* found = nullptr;
    uint32 foundSize = 0;
    if (attributes == nullptr || attributes->getBinary(attribute, found, foundSize) != kResultOk)
        return false;
    // An empty attribute may come without memory behind it.
    data = foundSize > 0 ? found : nullptr;
    size = found != nullptr ? foundSize : 0;
    return true;
}

bool GetText(IMessage& message, const char* attribute, std::string& text)
{
    const void* data = nullptr;
    uint32_t size = 0;
    if (!GetData(message, attribute, data, size))
        return false;
    if (size == 0)
        text.clear();
    else
        text.assign(static_cast<const char*>(data), size);
    return true;
}

bool GetInt32(IMessage& message, const char* attribute, int32_t& value)
{
    IAttributeList* attributes = message.getAttributes();
    int64 found = 0;
    if (attributes == nullptr || attributes->getInt(attribute, found) != kResultOk ||
        found < std::numeric_limits<int32_t>::min() || found > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(found);
    return true;
}

bool GetFloats(IMessage& message, const char* attribute, std::vector<float>& values)
{
    const void* data = nullptr;
    uint32_t size = 0;
    if (!GetData(message, attribute, data, size))
        return false;
    values.resize(size / sizeof(float));
    if (!values.empty())
        std::memcpy(values.data(), data, values.size() * sizeof(float));
    return true;
}

} // namespace Vst
} // namespace Steinberg
