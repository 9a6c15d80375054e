#include "IPlatform.h"

#include <atomic>

namespace platform {

namespace {

// Written by tests on their own thread before the code under test runs; atomic so that a reader
// on another thread never sees a torn pointer.
std::atomic<IPlatform*> installed{nullptr};

} // namespace

int32_t TickDifference(uint32_t later, uint32_t earlier)
{
    // Unsigned subtraction is modulo 2^32; its bit pattern read as signed is the distance.
    const uint32_t distance = later - earlier;
    return distance <= 0x7FFFFFFFu ? static_cast<int32_t>(distance) : -static_cast<int32_t>(~distance) - 1;
}

IPlatform& CurrentPlatform()
{
    IPlatform* services = installed.load(std::memory_order_acquire);
    return services != nullptr ? *services : SystemPlatform();
}

void InstallPlatform(IPlatform* services)
{
    installed.store(services, std::memory_order_release);
}

ScopedPlatform::ScopedPlatform(IPlatform& services) : previous(installed.load(std::memory_order_acquire))
{
    InstallPlatform(&services);
}

ScopedPlatform::~ScopedPlatform()
{
    InstallPlatform(previous);
}

} // namespace platform
