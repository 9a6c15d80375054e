#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/cli/ArgumentParser.h"
#include "tools/host/HostOptions.h"

TEST(VirenoHostOptions, ParsesTheCommandLine)
{
    const char* argv[] = {"vireno-host", "in.wav",  "--param", "Select Instrument=Bass", "--block", "77",      "--out",
                          "out.wav",     "--state", "s.xml",   "--load-state",           "l.xml",   "--every", "2",
                          "--raw",       "--editor"};
    HostOptions options;
    options.bundle = "default.vst3";
    ArgumentParser parser("vireno-host", "");
    DeclareHostOptions(parser, options);
    std::string error;
    ASSERT_EQ(parser.Parse(16, argv, error), ArgumentParser::Outcome::kRun) << error;
    EXPECT_EQ(options.bundle, "default.vst3");
    EXPECT_EQ(options.input, "in.wav");
    EXPECT_EQ(options.parameters, std::vector<std::string>{"Select Instrument=Bass"});
    EXPECT_EQ(options.blockSize, 77);
    EXPECT_EQ(options.every, 2);
    EXPECT_EQ(options.output, "out.wav");
    EXPECT_EQ(options.saveState, "s.xml");
    EXPECT_EQ(options.loadState, "l.xml");
    EXPECT_TRUE(options.raw);
    EXPECT_TRUE(options.editor);
}

TEST(VirenoHostOptions, SplitsAParameterSettingAtItsFirstEqualsSign)
{
    struct Case
    {
        std::string setting;
        bool valid;
        std::string name, value;
    };
    for (const Case& c :
         {Case{"Select Instrument=Bass", true, "Select Instrument", "Bass"}, Case{"A=b=c", true, "A", "b=c"},
          Case{"Name=", true, "Name", ""}, Case{"=Bass", false, "", ""}, Case{"NoValue", false, "", ""}})
    {
        std::string name, value, error;
        EXPECT_EQ(SplitParameterSetting(c.setting, name, value, error), c.valid) << c.setting;
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(error.empty(), c.valid) << error;
    }
}
