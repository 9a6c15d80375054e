#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

// The packet dispatcher's mutex. The thread that holds it may lock it again: that inner Lock
// neither waits nor acquires, and returns false so that its level does not release it. The owner
// is kept atomically, since other threads read it while the holder writes it.
class PacketDispatcherMutex
{
public:
    PacketDispatcherMutex();
    ~PacketDispatcherMutex();
    PacketDispatcherMutex(const PacketDispatcherMutex&) = delete;
    PacketDispatcherMutex& operator=(const PacketDispatcherMutex&) = delete;

    // Any thread. True when this call acquired the mutex (it waited while another thread held
    // it); false when the calling thread already holds it, or when the mutex could not be made.
    bool Lock();
    // Any thread. Releases the mutex when the calling thread holds it; otherwise nothing.
    void Unlock();

    // Holds the mutex for a scope: unlocks on leaving, exceptions included, only what its own
    // Lock acquired.
    class Guard
    {
    public:
        explicit Guard(PacketDispatcherMutex& mutex) : mutex(mutex), acquired(mutex.Lock()) {}
        ~Guard()
        {
            if (acquired)
                mutex.Unlock();
        }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
        bool Acquired() const { return acquired; }

    private:
        PacketDispatcherMutex& mutex;
        const bool acquired;
    };

private:
    struct Inner
    {
        std::mutex mutex;
        std::atomic<std::thread::id> owner{}; // the default id: not held
    };
    std::unique_ptr<Inner> inner; // none when it could not be made: the dispatcher works unlocked
};
