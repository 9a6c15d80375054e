#pragma once

#include "AAX_CPacket.h"
#include "aaxsdk/AAX_Results.h"

// Fills a packet for a parameter identifier; runs under the dispatcher's mutex.
class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;
    // A new handler equal to this one, owned by the caller.
    virtual AAX_IPacketHandler* Clone() const = 0;
    virtual AAX_Result Call(const char* identifier, AAX_CPacket& packet) const = 0;
};

// A handler that calls a member function of its owner: the form that takes the identifier when it
// is set, else the form that takes the packet only.
template <typename TWorker>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    using WithIdentifier = AAX_Result (TWorker::*)(const char* identifier, AAX_CPacket& packet);
    using PacketOnly = AAX_Result (TWorker::*)(AAX_CPacket& packet);

    AAX_CPacketHandler(TWorker* owner, WithIdentifier callback) : owner(owner), withIdentifier(callback) {}
    AAX_CPacketHandler(TWorker* owner, PacketOnly callback) : owner(owner), packetOnly(callback) {}

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler(*this); }

    AAX_Result Call(const char* identifier, AAX_CPacket& packet) const override
    {
        if (owner && withIdentifier)
            return (owner->*withIdentifier)(identifier, packet);
        if (owner && packetOnly)
            return (owner->*packetOnly)(packet);
        return AAX_ERROR_NULL_OBJECT;
    }

private:
    TWorker* owner;
    WithIdentifier withIdentifier = nullptr;
    PacketOnly packetOnly = nullptr;
};
