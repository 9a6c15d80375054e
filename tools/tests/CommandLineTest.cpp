// The tools as a user runs them with a bad command line or a bad input: each refusal is one line
// naming what is wrong and what is allowed, with its exit code, and never an abort.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "platform/testing/TemporaryFolder.h"

#if !defined(VIRENO_HOST_TOOL) || !defined(VIRENO_AAX_HOST_TOOL) || !defined(VIRENO_ENGINE_TOOL) ||                    \
    !defined(VIRENO_GALLERY_TOOL)
#error "the tools under test must be named"
#endif

namespace {

struct Outcome
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A 16-bit mono PCM WAV file whose header may claim more audio than it holds.
void WriteWav(const std::string& path, uint32_t rate, uint32_t frames, uint32_t claimedFrames)
{
    auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string bytes = "RIFF" + u32(36 + claimedFrames * 2) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) +
                        u32(rate * 2) + u16(2) + u16(16) + "data" + u32(claimedFrames * 2);
    for (uint32_t n = 0; n < frames; ++n)
        bytes += u16(static_cast<uint16_t>((n % 100) * 200));
    std::ofstream(path, std::ios::binary) << bytes;
}

class ToolCommandLine : public ::testing::Test
{
protected:
    ToolCommandLine()
    {
        // Nothing of the machine's user changes what the plug-in starts from.
        setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
        WriteWav(File("empty.wav"), 48000, 0, 0);
        WriteWav(File("short.wav"), 48000, 1000, 1000);          // 21 ms: less than one analysis frame
        WriteWav(File("brief.wav"), 48000, 2400, 2400);          // 50 ms: one analysis frame
        WriteWav(File("truncated.wav"), 48000, 4800, 48000 * 3); // claims 3 s, holds 0.1 s
        WriteWav(File("zero-hz.wav"), 0, 4800, 4800);
        std::ofstream(File("text.wav")) << "not a sound\n";
        std::ofstream(File("empty.state"));
    }
    ~ToolCommandLine() override { unsetenv("XDG_CONFIG_HOME"); }

    std::string File(const std::string& name) const { return (folder.Path() / name).string(); }

    Outcome Execute(const std::string& tool, const std::string& arguments)
    {
        Outcome run;
        const std::string out = File("out.txt"), err = File("err.txt");
        const std::string command =
            "cd " + folder.Path().string() + " && " + tool + " " + arguments + " >" + out + " 2>" + err;
        const int status = std::system(command.c_str());
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.out = ReadText(out);
        run.err = ReadText(err);
        return run;
    }

    platform::testing::TemporaryFolder folder;
};

TEST_F(ToolCommandLine, RefusesBadArgumentsAndInputsWithOneLine)
{
    const std::string host = VIRENO_HOST_TOOL, engine = VIRENO_ENGINE_TOOL, gallery = VIRENO_GALLERY_TOOL;
    struct Case
    {
        std::string tool;
        std::string arguments;
        int exitCode;
        std::string message; // part of the one line on stderr
    };
    const std::vector<Case> cases = {
        {engine, "--drop 9", 2, "--drop \"9\": out of range (allowed: 0 to 5)"},
        {engine, "--drop -3", 2, "--drop \"-3\": out of range (allowed: 0 to 5)"},
        {engine, "--drop x", 2, "--drop \"x\": not a whole number (allowed: 0 to 5)"},
        {engine, "--reference 1000", 2, "--reference \"1000\": out of range (allowed: 435 to 445)"},
        {engine, "--reference abc", 2, "--reference \"abc\": not a whole number"},
        {engine, "--every 0", 2, "--every \"0\": out of range (allowed: 1 to"},
        {engine, "--every -1", 2, "--every \"-1\": out of range"},
        {engine, "--every 2x", 2, "--every \"2x\": not a whole number"},
        {engine, "--every", 2, "--every needs a value"},
        {engine, "--bass=yes", 2, "--bass \"yes\": takes no value"},
        {engine, "--frobnicate", 2, "unknown option \"--frobnicate\" (allowed: --every N, --bass, --drop N"},
        {engine, "a.wav b.wav", 2, "unexpected argument \"b.wav\" (allowed: one FILE)"},
        {host, "--block 0", 2, "--block \"0\": out of range"},
        {host, "--every abc", 2, "--every \"abc\": not a whole number"},
        {host, "--param bass", 2, "--param \"bass\": not a setting (allowed: \"Name=Value\""},
        {host, "--param Instrument=Bass", 2,
         "no parameter \"Instrument\" (allowed: Select Instrument, Display Mode, Drop Tuning, Reference Frequency"},
        {host, "--param 'select instrument=Banjo'", 2,
         "\"Banjo\" is no value of \"Select Instrument\" (allowed: Guitar, Bass)"},
        {gallery, "--frobnicate", 2, "unknown option \"--frobnicate\""},
        {gallery, "a b", 2, "unexpected argument \"b\" (allowed: one FOLDER)"},
        // Inputs that give no reading.
        {host, "empty.wav", 1, "empty.wav holds no audio"},
        {engine, "empty.wav", 1, "empty.wav holds no audio"},
        {host, "short.wav", 1, "short.wav lasts 0.021 s (1000 frames): a reading needs at least 0.043 s"},
        {host, "truncated.wav", 1,
         "truncated.wav is truncated: its header announces 144000 frames, only 4800 (0.100 s)"},
        {engine, "truncated.wav", 1, "truncated.wav is truncated"},
        {host, "zero-hz.wav", 1, "zero-hz.wav gives a sample rate of 0 Hz"},
        {engine, "text.wav", 1, "cannot read text.wav as sound"},
        {host, ".", 1, ". is a directory, not a sound file"},
        {engine, "missing.wav", 1, "missing.wav: no such file"},
        {host, "brief.wav", 2, "--every \"4\": more analysis frames than brief.wav holds (allowed: 1 to 1)"},
        {engine, "--every 1000", 2, "--every \"1000\": more analysis frames than the demo signal holds"},
        {host, "--load-state .", 1, "--load-state: . is not a regular file"},
        {host, "--load-state empty.state", 1, "--load-state: empty.state is empty"},
        {host, "--load-state missing.state", 1, "--load-state: missing.state: no such file"},
        {host, "--state .", 1, "--state: . is a directory"},
        {host, "--out missing/out.wav", 1, "--out: the folder missing does not exist"},
    };
    // The AAX plug-in's host takes the same command line and refuses it in the same words.
    std::vector<Case> all = cases;
    for (const Case& c : cases)
        if (c.tool == host)
            all.push_back({VIRENO_AAX_HOST_TOOL, c.arguments, c.exitCode, c.message});
    for (const Case& c : all)
    {
        const std::string name = c.tool.substr(c.tool.rfind('/') + 1) + " " + c.arguments;
        SCOPED_TRACE(name);
        const Outcome run = Execute(c.tool, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_EQ(run.err.rfind(name.substr(0, name.find(' ')) + ": ", 0), 0u) << "names the tool: " << run.err;
        EXPECT_EQ(run.out, "") << "nothing on stdout";
    }
}

TEST_F(ToolCommandLine, HelpPrintsUsageAndSucceeds)
{
    for (const std::string tool : {VIRENO_HOST_TOOL, VIRENO_AAX_HOST_TOOL, VIRENO_ENGINE_TOOL, VIRENO_GALLERY_TOOL})
    {
        SCOPED_TRACE(tool);
        const Outcome run = Execute(tool, "--help");
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("usage: " + tool.substr(tool.rfind('/') + 1), 0), 0u) << run.out;
        EXPECT_NE(run.out.find("--help"), std::string::npos);
        EXPECT_EQ(run.err, "");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "--help")) << "the gallery made no folder";
}

TEST_F(ToolCommandLine, ParameterNamesAndValuesIgnoreCase)
{
    for (const char* tool : {VIRENO_HOST_TOOL, VIRENO_AAX_HOST_TOOL})
    {
        SCOPED_TRACE(tool);
        const Outcome run = Execute(tool, "--every 20 --param 'SELECT instrument=bass' --param 'drop tuning=eB'");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out.rfind("   time  note"), 0u) << run.out;
        EXPECT_NE(run.out.find("Bass, drop tuning Eb"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("strings B Eb Ab Db Gb B"), std::string::npos) << run.out;
    }
}

} // namespace
