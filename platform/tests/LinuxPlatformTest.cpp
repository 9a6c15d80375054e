#include "platform/LinuxPlatform.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets or clears one environment variable for a test and puts the old value back afterwards.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name_, const char* value) : name(name_)
    {
        if (const char* old = std::getenv(name))
            previous = old;
        Set(value);
    }
    ~ScopedEnvironment() { Set(previous ? previous->c_str() : nullptr); }

private:
    void Set(const char* value)
    {
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

    const char* name;
    std::optional<std::string> previous;
};

std::string DatabaseConfigFolder()
{
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr ? std::string(entry->pw_dir) + "/.config" : std::string();
}

struct FolderCase
{
    const char* configHome;
    const char* home;
    std::string expected;
};

TEST(LinuxPlatform, AppDataFolderFollowsTheDesktopsConfigurationFolder)
{
    const FolderCase cases[] = {
        {"/xdg/config", "/home/ada", "/xdg/config"},   {"relative/config", "/home/ada", "/home/ada/.config"},
        {"", "/home/ada", "/home/ada/.config"},        {nullptr, "/home/ada", "/home/ada/.config"},
        {nullptr, nullptr, DatabaseConfigFolder()},    {nullptr, "", DatabaseConfigFolder()},
        {"", "relative/home", DatabaseConfigFolder()},
    };
    const platform::LinuxPlatform services;
    for (const FolderCase& c : cases)
    {
        const ScopedEnvironment configHome("XDG_CONFIG_HOME", c.configHome);
        const ScopedEnvironment home("HOME", c.home);
        EXPECT_EQ(services.GetAppDataFolder(), c.expected)
            << (c.configHome ? c.configHome : "(unset)") << ", " << (c.home ? c.home : "(unset)");
    }
    EXPECT_FALSE(DatabaseConfigFolder().empty());
}

TEST(LinuxPlatform, TickCountNeverRunsBackwards)
{
    const platform::LinuxPlatform services;
    const uint32_t first = services.GetTickCount();
    const uint32_t second = services.GetTickCount();
    EXPECT_GE(platform::TickDifference(second, first), 0);
}

} // namespace

TEST(LinuxPlatformClipboard, HoldsTheLastTextWithinTheProcess)
{
    platform::LinuxPlatform services;
    std::string text = "untouched";
    EXPECT_FALSE(services.GetClipboardText(text));
    EXPECT_EQ(text, "untouched");

    EXPECT_TRUE(services.SetClipboardText("<PluginState/>"));
    EXPECT_TRUE(services.SetClipboardText(""));
    ASSERT_TRUE(services.GetClipboardText(text));
    EXPECT_EQ(text, "");
}
