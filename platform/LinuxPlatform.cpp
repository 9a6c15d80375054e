#include "LinuxPlatform.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <vector>

namespace platform
{

namespace
{

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

}  // namespace

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

}  // namespace platform
