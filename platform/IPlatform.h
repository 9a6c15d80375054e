#pragma once

#include <cstdint>
#include <string>

// The operating-system services the plug-in needs, behind one small interface so that tests can
// stand in for the clock, the folders, the window timers and the clipboard. The packet
// dispatcher's mutex joins this interface when the AAX library needs it.
namespace platform {

// Identifies a running window timer; 0 is never one.
using TimerId = uintptr_t;
// Called on the user-interface thread at every period of the timer it names.
using TimerProc = void (*)(TimerId timer);

class IPlatform
{
public:
    virtual ~IPlatform() = default;

    // Milliseconds of a monotonic clock as a 32-bit count that wraps about every 49.7 days, like
    // the tick counter the time windows were designed around. Compare two readings only through
    // TickDifference.
    virtual uint32_t GetTickCount() const = 0;

    // The per-user folder for application data (UTF-8 where the file system's names are), not
    // created by this call. Empty when the system cannot tell.
    virtual std::string GetAppDataFolder() const = 0;

    // A periodic timer without a window that calls proc with its identifier every intervalMs on
    // the user-interface thread until killed. 0 when no timer can be made (no interval, no proc,
    // nothing to run it on).
    virtual TimerId SetTimer(uint32_t intervalMs, TimerProc proc) = 0;
    // False when the identifier names no running timer.
    virtual bool KillTimer(TimerId timer) = 0;

    // The text clipboard. Replaces what it holds; false when the clipboard cannot be written.
    virtual bool SetClipboardText(const std::string& text) = 0;
    // False, and text untouched, when the clipboard holds no text.
    virtual bool GetClipboardText(std::string& text) = 0;
};

// later - earlier as a signed 32-bit count: right across the counter's wrap for readings less
// than about 24.8 days apart.
int32_t TickDifference(uint32_t later, uint32_t earlier);

// The services of the running system.
IPlatform& SystemPlatform();

// What the plug-in uses: the system's services unless a test installed others.
IPlatform& CurrentPlatform();

// Installs the services CurrentPlatform returns; null goes back to the system's. The installed
// object stays owned by the caller and must outlive its installation.
void InstallPlatform(IPlatform* services);

// Installs services for the life of a scope (a test) and restores the previous ones after it.
class ScopedPlatform
{
public:
    explicit ScopedPlatform(IPlatform& services);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    IPlatform* previous;
};

} // namespace platform
