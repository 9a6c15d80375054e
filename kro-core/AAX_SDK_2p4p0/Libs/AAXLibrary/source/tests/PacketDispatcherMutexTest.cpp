#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/PacketDispatcherMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

TEST(PacketDispatcherMutex, ANestedLockReturnsFalseAndKeepsTheMutexHeld)
{
    PacketDispatcherMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    EXPECT_FALSE(mutex.Lock()); // at once, without waiting
    mutex.Unlock();             // the inner level's Unlock would come only from a true Lock...
    // ...so the mutex is free again now; the outer level re-acquires it.
    EXPECT_TRUE(mutex.Lock());
    mutex.Unlock();
}

TEST(PacketDispatcherMutex, ASecondThreadWaitsUntilTheOwnerUnlocks)
{
    PacketDispatcherMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    std::atomic<bool> acquired{false};
    std::thread other([&] {
        acquired = mutex.Lock();
        mutex.Unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(acquired.load());
    mutex.Unlock();
    other.join();
    EXPECT_TRUE(acquired.load());
}

TEST(PacketDispatcherMutex, AnotherThreadsUnlockDoesNotRelease)
{
    PacketDispatcherMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    std::thread([&] { mutex.Unlock(); }).join();
    std::atomic<bool> acquired{false};
    std::thread waiter([&] {
        acquired = mutex.Lock();
        mutex.Unlock();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(acquired.load());
    mutex.Unlock();
    waiter.join();
    EXPECT_TRUE(acquired.load());
}

TEST(PacketDispatcherMutexGuard, UnlocksOnlyWhatItLockedAlsoWhenAnExceptionLeaves)
{
    PacketDispatcherMutex mutex;
    std::atomic<bool> acquired{false};
    std::thread waiter;
    {
        PacketDispatcherMutex::Guard outer(mutex);
        EXPECT_TRUE(outer.Acquired());
        try
        {
            PacketDispatcherMutex::Guard inner(mutex);
            EXPECT_FALSE(inner.Acquired());
            throw std::runtime_error("leaves the inner scope");
        }
        catch (const std::runtime_error&)
        {}
        // The inner guard released nothing: another thread still waits.
        waiter = std::thread([&] {
            acquired = mutex.Lock();
            mutex.Unlock();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(acquired.load());
    }
    // The outer guard released it.
    waiter.join();
    EXPECT_TRUE(acquired.load());
}

} // namespace
