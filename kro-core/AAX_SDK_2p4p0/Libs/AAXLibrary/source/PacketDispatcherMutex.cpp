#include "PacketDispatcherMutex.h"

#include <new>

PacketDispatcherMutex::PacketDispatcherMutex() : inner(new (std::nothrow) Inner) {}

PacketDispatcherMutex::~PacketDispatcherMutex() = default;

bool PacketDispatcherMutex::Lock()
{
    if (!inner)
        return false;
    const std::thread::id self = std::this_thread::get_id();
    // Only this thread can have stored its own id, so the answer cannot change under us.
    if (inner->owner.load() == self)
        return false;
    inner->mutex.lock();
    inner->owner.store(self);
    return true;
}

void PacketDispatcherMutex::Unlock()
{
    if (!inner || inner->owner.load() != std::this_thread::get_id())
        return;
    inner->owner.store(std::thread::id());
    inner->mutex.unlock();
}
