// vireno-host --editor: the plug-in's editor in a window of the host's while the input plays in
// real time; without a display, a clear refusal. vireno-aax-host's --editor is built from this
// file too.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "platform/testing/TemporaryFolder.h"
#include "tools/wavfile/WavFile.h"

#ifndef VIRENO_HOST_TOOL
#error "VIRENO_HOST_TOOL must name the tool under test"
#endif
// The name the tool's messages start with.
#ifndef VIRENO_HOST_NAME
#define VIRENO_HOST_NAME "vireno-host"
#endif

namespace {

constexpr double kSeconds = 0.6;

struct Outcome
{
    int exitCode = -1;
    std::string output; // stdout and stderr
    double seconds = 0.0;
};

class HostEditor : public ::testing::Test
{
protected:
    HostEditor()
    {
        setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
        WavAudio audio{1, 48000, {}};
        for (int n = 0; n < kSeconds * 48000; ++n)
            audio.samples.push_back(0.3f * std::sin(2.0 * M_PI * 110.0 * n / 48000));
        std::string error;
        EXPECT_TRUE(writeWav(File(), audio, error)) << error;
    }
    ~HostEditor() override { unsetenv("XDG_CONFIG_HOME"); }

    std::string File() const { return (folder.Path() / "a.wav").string(); }

    Outcome Execute(const std::string& environment)
    {
        Outcome outcome;
        const std::string command = environment + " " + VIRENO_HOST_TOOL + " --editor --every 1 " + File() + " 2>&1";
        const auto started = std::chrono::steady_clock::now();
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return outcome;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            outcome.output += buffer;
        const int status = pclose(pipe);
        outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return outcome;
    }

    platform::testing::TemporaryFolder folder;
};

TEST_F(HostEditor, PlaysInRealTimeWithTheEditorOpen)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const Outcome outcome = Execute("");
    EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
    EXPECT_NE(outcome.output.find("A "), std::string::npos) << "the A string reads: " << outcome.output;
    // Real time: the input is not played faster than it sounds.
    EXPECT_GE(outcome.seconds, kSeconds * 0.9);
}

TEST_F(HostEditor, RefusesWithoutADisplay)
{
    struct Case
    {
        const char* environment;
        const char* message;
    };
    for (const Case& c :
         {Case{"env -u DISPLAY", VIRENO_HOST_NAME ": --editor needs an X display, and DISPLAY is not set\n"},
          Case{"DISPLAY=:9999", VIRENO_HOST_NAME ": --editor cannot open the X display \":9999\"\n"}})
    {
        const Outcome outcome = Execute(c.environment);
        EXPECT_EQ(outcome.exitCode, 1) << c.environment;
        EXPECT_EQ(outcome.output, c.message);
    }
}

} // namespace
