#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/cli/ArgumentParser.h"
#include "tools/cli/TextMatch.h"

namespace {

struct Targets
{
    std::string file, out;
    std::vector<std::string> params;
    int every = 4;
    bool raw = false;
};

ArgumentParser::Outcome Parse(std::vector<const char*> arguments, Targets& t, std::string& error)
{
    ArgumentParser parser("tool", "Does things.");
    parser.Positional("FILE", "input", t.file);
    parser.Text("--out", "OUT", "output", t.out);
    parser.TextList("--param", "\"N=V\"", "a setting", t.params);
    parser.Integer("--every", 1, 100, "how often", t.every);
    parser.Flag("--raw", "columns", t.raw);
    arguments.insert(arguments.begin(), "tool");
    return parser.Parse(static_cast<int>(arguments.size()), arguments.data(), error);
}

} // namespace

TEST(ArgumentParser, FillsEveryKindOfOption)
{
    Targets t;
    std::string error;
    ASSERT_EQ(Parse({"--every", "7", "in.wav", "--param", "a=1", "--out=o.wav", "--param=b=2", "--raw"}, t, error),
              ArgumentParser::Outcome::kRun)
        << error;
    EXPECT_EQ(t.file, "in.wav");
    EXPECT_EQ(t.every, 7);
    EXPECT_EQ(t.out, "o.wav");
    EXPECT_EQ(t.params, (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_TRUE(t.raw);
}

TEST(ArgumentParser, RefusesWithOneLineOrAsksForHelp)
{
    struct Case
    {
        std::vector<const char*> arguments;
        ArgumentParser::Outcome outcome;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{"--every", "101"}, ArgumentParser::Outcome::kError, "--every \"101\": out of range (allowed: 1 to 100)"},
        {{"--every", "99999999999999999999"},
         ArgumentParser::Outcome::kError,
         "--every \"99999999999999999999\": out of range (allowed: 1 to 100)"},
        {{"--every", ""}, ArgumentParser::Outcome::kError, "--every \"\": not a whole number (allowed: 1 to 100)"},
        {{"--every", " 5"}, ArgumentParser::Outcome::kError, "--every \" 5\": not a whole number (allowed: 1 to 100)"},
        {{"--out"}, ArgumentParser::Outcome::kError, "--out needs a value (allowed: OUT)"},
        {{"-x"},
         ArgumentParser::Outcome::kError,
         "unknown option \"-x\" (allowed: --out OUT, --param \"N=V\", --every N, --raw, --help)"},
        {{"--raw=1"}, ArgumentParser::Outcome::kError, "--raw \"1\": takes no value (allowed: the option alone)"},
        {{"a", "b"}, ArgumentParser::Outcome::kError, "unexpected argument \"b\" (allowed: one FILE)"},
        {{"--every", "0", "--help"},
         ArgumentParser::Outcome::kError,
         "--every \"0\": out of range (allowed: 1 to 100)"},
        {{"--every", "abc"},
         ArgumentParser::Outcome::kError,
         "--every \"abc\": not a whole number (allowed: 1 to 100)"},
        {{"a", "--help", "b"}, ArgumentParser::Outcome::kHelp, ""},
        {{"-h"}, ArgumentParser::Outcome::kHelp, ""},
    };
    for (const Case& c : cases)
    {
        Targets t;
        std::string error;
        EXPECT_EQ(Parse(c.arguments, t, error), c.outcome) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

TEST(ArgumentParser, UsageListsEveryOptionWithItsRangeAndDefault)
{
    Targets t;
    ArgumentParser parser("tool", "Does things.");
    parser.Positional("FILE", "input", t.file);
    parser.Integer("--every", 1, 100, "how often", t.every);
    EXPECT_EQ(parser.Usage(), "usage: tool [FILE] [options]\n"
                              "Does things.\n"
                              "  FILE                    input\n"
                              "  --every N               how often (1 to 100, default 4)\n"
                              "  --help                  print this and exit\n");
}

TEST(TextMatch, FindsNamesWithoutRegardToCase)
{
    const std::vector<std::string> choices = {"Select Instrument", "Drop Tuning", "Eb"};
    EXPECT_EQ(FindIgnoringCase(choices, "select INSTRUMENT"), 0);
    EXPECT_EQ(FindIgnoringCase(choices, "eB"), 2);
    EXPECT_EQ(FindIgnoringCase(choices, "Drop"), -1);
    EXPECT_EQ(FindIgnoringCase(choices, ""), -1);
    EXPECT_EQ(JoinChoices(choices), "Select Instrument, Drop Tuning, Eb");
}
