#include "LinuxPlatform.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <vector>

namespace platform {

namespace {

constexpr char kConfigFolderInHome[] = "/.config";

// Relative folders are ignored: they would resolve against whatever folder the host runs in.
bool IsAbsoluteFolder(const char* text)
{
    return text != nullptr && text[0] == '/';
}

std::string PasswordDatabaseHome()
{
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384u);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return std::string();
    return IsAbsoluteFolder(found->pw_dir) ? std::string(found->pw_dir) : std::string();
}

} // namespace

uint32_t LinuxPlatform::GetTickCount() const
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(milliseconds);
}

std::string LinuxPlatform::GetAppDataFolder() const
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (IsAbsoluteFolder(configHome))
        return configHome;
    const char* home = std::getenv("HOME");
    if (IsAbsoluteFolder(home))
        return std::string(home) + kConfigFolderInHome;
    const std::string databaseHome = PasswordDatabaseHome();
    return databaseHome.empty() ? std::string() : databaseHome + kConfigFolderInHome;
}

IPlatform& SystemPlatform()
{
    static LinuxPlatform services;
    return services;
}

} // namespace platform

namespace platform {

namespace {
ITimerLoop* currentTimerLoop = nullptr;
} // namespace

void SetTimerLoop(ITimerLoop* loop)
{
    currentTimerLoop = loop;
}

ITimerLoop* CurrentTimerLoop()
{
    return currentTimerLoop;
}

// One running window timer: it stays on the loop it was started on and hands its identifier to
// the callback, as the window system's timers do.
class LinuxPlatform::WindowTimer final : public ITimerLoop::ITarget
{
public:
    WindowTimer(TimerId id, TimerProc proc, ITimerLoop& loop) : id(id), proc(proc), loop(loop) {}
    ~WindowTimer() override { loop.StopTimer(this); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    bool Start(uint32_t intervalMs) { return loop.StartTimer(this, intervalMs); }
    // The callback may kill this very timer; nothing of it is touched afterwards.
    void OnTimer() override { proc(id); }

private:
    const TimerId id;
    const TimerProc proc;
    ITimerLoop& loop;
};

LinuxPlatform::LinuxPlatform() = default;
LinuxPlatform::~LinuxPlatform() = default;

TimerId LinuxPlatform::SetTimer(uint32_t intervalMs, TimerProc proc)
{
    ITimerLoop* loop = CurrentTimerLoop();
    if (intervalMs == 0 || proc == nullptr || loop == nullptr)
        return 0;
    const TimerId id = ++lastTimerId;
    auto timer = std::make_unique<WindowTimer>(id, proc, *loop);
    if (!timer->Start(intervalMs))
        return 0;
    timers.emplace(id, std::move(timer));
    return id;
}

bool LinuxPlatform::KillTimer(TimerId timer)
{
    auto found = timers.find(timer);
    if (found == timers.end())
        return false;
    // Taken out of the table first: the record's destructor takes it off its loop.
    std::unique_ptr<WindowTimer> killed = std::move(found->second);
    timers.erase(found);
    return true;
}

bool LinuxPlatform::SetClipboardText(const std::string& text)
{
    std::lock_guard<std::mutex> lock(clipboardMutex);
    clipboardText = text;
    clipboardHoldsText = true;
    return true;
}

bool LinuxPlatform::GetClipboardText(std::string& text)
{
    std::lock_guard<std::mutex> lock(clipboardMutex);
    if (!clipboardHoldsText)
        return false;
    text = clipboardText;
    return true;
}

} // namespace platform
