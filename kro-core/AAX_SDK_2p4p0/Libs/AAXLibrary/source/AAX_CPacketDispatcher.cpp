#include "AAX_CPacketDispatcher.h"

#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IParameter.h"

AAX_CPacketDispatcher::AAX_CPacketDispatcher() = default;

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    PacketDispatcherMutex::Guard guard(mutex);
    handlers.clear();
    packets.clear();
}

void AAX_CPacketDispatcher::Initialize(AAX_IController* newController, AAX_IEffectParameters* newEffectParameters)
{
    PacketDispatcherMutex::Guard guard(mutex);
    controller = newController;
    effectParameters = newEffectParameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket(const char* identifier, int32_t fieldIndex,
                                                 const AAX_IPacketHandler& handler)
{
    if (!identifier)
        return AAX_ERROR_NULL_ARGUMENT;
    // A registration without a packet could never be dispatched.
    if (fieldIndex < 0)
        return AAX_ERROR_INVALID_FIELD_INDEX;
    PacketDispatcherMutex::Guard guard(mutex);
    std::unique_ptr<AAX_CPacket>& packet = packets[fieldIndex];
    if (!packet)
        packet = std::make_unique<AAX_CPacket>(fieldIndex);
    handlers.emplace(identifier, Registration(packet.get(), std::unique_ptr<AAX_IPacketHandler>(handler.Clone())));
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket(const char* identifier, int32_t fieldIndex)
{
    return RegisterPacket(
        identifier, fieldIndex,
        AAX_CPacketHandler<AAX_CPacketDispatcher>(this, &AAX_CPacketDispatcher::GenerateSingleValuePacket));
}

AAX_Result AAX_CPacketDispatcher::SetDirty(const char* identifier, bool dirty)
{
    if (!identifier)
        return AAX_SUCCESS;
    PacketDispatcherMutex::Guard guard(mutex);
    const auto range = handlers.equal_range(identifier);
    for (auto entry = range.first; entry != range.second; ++entry)
        entry->second.first->SetDirty(dirty);
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    PacketDispatcherMutex::Guard guard(mutex);
    if (!controller)
        return AAX_ERROR_NULL_OBJECT;
    AAX_Result result = AAX_SUCCESS;
    for (auto& [identifier, registration] : handlers)
    {
        AAX_CPacket& packet = *registration.first;
        if (!packet.IsDirty())
            continue;
        // Cleared before the handler runs: a mark set meanwhile (a host calling back while the
        // packet is posted) stays for the next dispatch.
        packet.SetDirty(false);
        if (registration.second->Call(identifier.c_str(), packet) != AAX_SUCCESS || packet.GetSize() == 0)
            continue;
        result = controller->PostPacket(packet.GetID(), packet.GetPayload(), packet.GetSize());
    }
    return result;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket(const char* identifier, AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;
    if (!effectParameters || effectParameters->GetParameter(identifier, &parameter) != AAX_SUCCESS || !parameter)
        return AAX_ERROR_NULL_OBJECT;
    bool asBool = false;
    float asFloat = 0.0f;
    int32_t asInt = 0;
    double asDouble = 0.0;
    if (parameter->GetValueAsBool(&asBool))
        packet.SetValue(static_cast<int32_t>(asBool ? 1 : 0));
    else if (parameter->GetValueAsFloat(&asFloat))
        packet.SetValue(asFloat);
    else if (parameter->GetValueAsInt32(&asInt))
        packet.SetValue(asInt);
    else if (parameter->GetValueAsDouble(&asDouble))
        packet.SetValue(asDouble);
    else
        return AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}
