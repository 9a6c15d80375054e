// The run both command-line hosts make, over a session that records what the driver asks of it:
// the order of a host's calls, the blocks that cover the sound, and the refusals no plug-in of ours
// gives (no state, no reading).

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/testing/TemporaryFolder.h"
#include "tools/host/HostDriver.h"
#include "tuner/engine/testing/DemoSignal.h"
#include "tuner/engine/TunerResultBlock.h"

namespace {

struct Script
{
    bool opens = true;
    bool loadsState = true;
    bool setsParameters = true;
    bool setsUp = true;
    int displayValues = kTunerResultValueCount;
    bool savesState = true;
};

// What the driver asked of the session, kept beyond the session's end.
struct Record
{
    std::vector<std::string> calls;
    std::vector<int> rendered; // frames in each block
};

class RecordingSession : public HostSession
{
public:
    RecordingSession(const Script& script, Record& record) : script(script), record(record) {}

    bool LoadState(const std::vector<char>& state) override
    {
        record.calls.push_back("LoadState " + std::string(state.begin(), state.end()));
        return script.loadsState;
    }
    bool SetParameter(const std::string& name, const std::string& valueText, std::string& error) override
    {
        record.calls.push_back("SetParameter " + name + "=" + valueText);
        error = "--param: no such parameter";
        return script.setsParameters;
    }
    bool SetUp(std::string& error) override
    {
        record.calls.push_back("SetUp");
        error = "the plug-in refuses the set-up";
        return script.setsUp;
    }
    bool OpenEditor(std::string&) override { return false; }
    void Start() override { record.calls.push_back("Start"); }
    ReadingSetup Setup() override { return {}; }
    void Render(const float* const*, float* const*, int frames) override
    {
        if (record.calls.back().rfind("Render", 0) != 0)
            record.calls.push_back("Render");
        record.rendered.push_back(frames);
    }
    bool ServeEditor(uint32_t) override { return false; }
    int ReadDisplay(std::vector<float>& values) override
    {
        values.assign(static_cast<size_t>(script.displayValues), 0.0f);
        return script.displayValues;
    }
    void Finish() override { record.calls.push_back("Finish"); }
    bool SaveState(std::vector<char>& state) override
    {
        record.calls.push_back("SaveState");
        state.assign({'s', 't'});
        return script.savesState;
    }

private:
    Script script;
    Record& record;
};

struct Outcome
{
    int exitCode = -1;
    std::string err;
};

class HostDriver : public ::testing::Test
{
protected:
    HostDriver() { std::ofstream(Path("in.state")) << "saved"; }

    std::string Path(const std::string& name) const { return (folder.Path() / name).string(); }

    Outcome Run(const Script& script, std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "test-host");
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        const HostProgram program{
            "test-host", "", "plug-in.bundle",
            [&](const HostOptions&, const HostInput&, std::string& error) -> std::unique_ptr<HostSession> {
                error = "the bundle offers no audio effect";
                if (!script.opens)
                    return nullptr;
                return std::make_unique<RecordingSession>(script, record);
            }};
        Outcome outcome;
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        outcome.exitCode = RunHost(static_cast<int>(argv.size()), argv.data(), program);
        ::testing::internal::GetCapturedStdout();
        outcome.err = ::testing::internal::GetCapturedStderr();
        return outcome;
    }

    platform::testing::TemporaryFolder folder;
    Record record;
};

TEST_F(HostDriver, DrivesTheSessionInAHostsOrderOverTheWholeSound)
{
    const Outcome outcome = Run({}, {"--block", "1000", "--param", "Name=Value", "--load-state", Path("in.state"),
                                     "--state", Path("out.state")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(record.calls, (std::vector<std::string>{"LoadState saved", "SetParameter Name=Value", "SetUp", "Start",
                                                      "Render", "Finish", "SaveState"}));
    // Blocks of --block frames, the last one what is left of the sound.
    ASSERT_GT(record.rendered.size(), 2u);
    size_t frames = 0;
    for (size_t i = 0; i < record.rendered.size(); ++i)
    {
        if (i + 1 < record.rendered.size())
        {
            EXPECT_EQ(record.rendered[i], 1000);
        }
        frames += static_cast<size_t>(record.rendered[i]);
    }
    EXPECT_EQ(frames, signals::DemoSignal(48000.0).size());
    EXPECT_LE(record.rendered.back(), 1000);
    std::ifstream saved(Path("out.state"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "st");
}

TEST_F(HostDriver, RefusesWhatTheSessionRefusesWithOneLine)
{
    struct Case
    {
        const char* what;
        Script script;
        int exitCode;
        std::string line;
    };
    const std::string state = Path("in.state");
    Script closed, refusesState, refusesParameter, refusesSetUp, readsNothing, savesNothing;
    closed.opens = false;
    refusesState.loadsState = false;
    refusesParameter.setsParameters = false;
    refusesSetUp.setsUp = false;
    readsNothing.displayValues = 1;
    savesNothing.savesState = false;
    const Case cases[] = {
        {"no session", closed, 1, "the bundle offers no audio effect"},
        {"state", refusesState, 1, "--load-state: the plug-in refuses " + state + ": it is no state of this plug-in"},
        {"parameter", refusesParameter, 2, "--param: no such parameter"},
        {"set-up", refusesSetUp, 1, "the plug-in refuses the set-up"},
        {"no reading", readsNothing, 1, "the plug-in gave no reading for the demo signal"},
        {"no state", savesNothing, 1, "the plug-in gives no state"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        record = {};
        const Outcome outcome =
            Run(c.script, {"--param", "Name=Value", "--load-state", state, "--state", Path("out.state")});
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.err, "test-host: " + c.line + "\n");
    }
}

} // namespace
