#pragma once

#include "AAX_CPacket.h"
#include "AAX_IPacketHandler.h"
#include "PacketDispatcherMutex.h"
#include "aaxsdk/AAX_Results.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

class AAX_IController;
class AAX_IEffectParameters;

// Turns parameter changes into packets for the algorithm context. Each registered identifier is
// bound to a field (identifiers on one field share its packet) and to a handler that fills it. A
// change marks the identifier's packets dirty; Dispatch fills every dirty packet and posts it to
// the host controller. Registration, marking and dispatch are serialised by the mutex, which the
// thread holding it may enter again (a host that calls back while a packet is posted).
class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher();
    ~AAX_CPacketDispatcher();
    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;

    // Host's main thread, from the effect's Initialize (both) and Uninitialize (null, null: nothing
    // is posted afterwards).
    void Initialize(AAX_IController* controller, AAX_IEffectParameters* effectParameters);

    // Host's main thread, during initialisation. The handler is cloned. A null identifier or a
    // negative field index registers nothing and gives a failure result.
    AAX_Result RegisterPacket(const char* identifier, int32_t fieldIndex, const AAX_IPacketHandler& handler);
    // The same with GenerateSingleValuePacket as the handler.
    AAX_Result RegisterPacket(const char* identifier, int32_t fieldIndex);

    // Any host thread. Marks (or clears) the packets of every registration of the identifier.
    AAX_Result SetDirty(const char* identifier, bool dirty);

    // The host's coefficient pass. Fills and posts every dirty packet once, in identifier order;
    // the result of the last post, 0 when nothing was posted. Without a controller nothing runs.
    AAX_Result Dispatch();

    // The default handler: the parameter's value as 4 bytes (bool as 0 or 1, float, int32) or 8
    // (double).
    AAX_Result GenerateSingleValuePacket(const char* identifier, AAX_CPacket& packet);

private:
    using Registration = std::pair<AAX_CPacket*, std::unique_ptr<AAX_IPacketHandler>>;

    std::map<int32_t, std::unique_ptr<AAX_CPacket>> packets; // by field index
    std::multimap<std::string, Registration> handlers;       // by identifier, byte order
    AAX_IController* controller = nullptr;                   // not owned
    AAX_IEffectParameters* effectParameters = nullptr;       // not owned
    PacketDispatcherMutex mutex;
};
