// Replaces the global allocation functions for the whole test binary. They allocate with malloc
// and free with free, as the standard library's do, so sanitizers still see every block.

#include "FailingAllocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Allocations left before the armed failure; negative while disarmed.
std::atomic<long> countdown{-1};
std::atomic<bool> fired{false};

void* Allocate(std::size_t size)
{
    if (countdown.load(std::memory_order_relaxed) >= 0 && countdown.fetch_sub(1, std::memory_order_relaxed) == 0)
    {
        fired.store(true, std::memory_order_relaxed);
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void* AllocateNoThrow(std::size_t size) noexcept
{
    try
    {
        return Allocate(size);
    }
    catch (...)
    {
        return nullptr;
    }
}

} // namespace

namespace vireno_test {

void FailingAllocations::FailAt(long index)
{
    fired.store(false, std::memory_order_relaxed);
    countdown.store(index, std::memory_order_relaxed);
}

bool FailingAllocations::Disarm()
{
    countdown.store(-1, std::memory_order_relaxed);
    return fired.exchange(false, std::memory_order_relaxed);
}

} // namespace vireno_test

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return AllocateNoThrow(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return AllocateNoThrow(size);
}
void operator delete(void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
