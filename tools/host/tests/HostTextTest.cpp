#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "HostOptions.h"
#include "ReadingText.h"

TEST(VirenoHostOptions, ParsesTheCommandLine)
{
    const char* argv[] = {"vireno-host", "in.wav", "--param", "Select Instrument=Bass", "--block", "77",
                          "--out", "out.wav", "--state", "s.xml", "--load-state", "l.xml", "--every", "2"};
    HostOptions options;
    std::string error;
    ASSERT_TRUE(ParseHostOptions(14, const_cast<char**>(argv), "default.vst3", options, error)) << error;
    EXPECT_EQ(options.bundle, "default.vst3");
    EXPECT_EQ(options.input, "in.wav");
    ASSERT_EQ(options.parameters.size(), 1u);
    EXPECT_EQ(options.parameters[0].first, "Select Instrument");
    EXPECT_EQ(options.parameters[0].second, "Bass");
    EXPECT_EQ(options.blockSize, 77);
    EXPECT_EQ(options.every, 2);
    EXPECT_EQ(options.output, "out.wav");
    EXPECT_EQ(options.saveState, "s.xml");
    EXPECT_EQ(options.loadState, "l.xml");
}

TEST(VirenoHostOptions, RefusesWhatItCannotRun)
{
    const std::vector<std::vector<const char*>> cases = {
        {"vireno-host", "--block", "0"},      {"vireno-host", "--block", "12x"},
        {"vireno-host", "--param", "=Bass"},  {"vireno-host", "--param", "NoValue"},
        {"vireno-host", "--frobnicate"},      {"vireno-host", "a.wav", "b.wav"},
    };
    for (const auto& c : cases) {
        HostOptions options;
        std::string error;
        EXPECT_FALSE(ParseHostOptions(int(c.size()), const_cast<char**>(c.data()), "", options, error)) << c.back();
        EXPECT_FALSE(error.empty());
    }
}

TEST(VirenoHostReadings, UnshapingInvertsTheKernelsShapings)
{
    for (double d : {-0.9, -0.4, -0.14, 0.0, 0.02, 0.2, 0.8}) {
        EXPECT_NEAR(UnshapeDeviation(std::tanh(5.0 * std::fabs(d)) * d, 5.0, 1), d, 1e-6) << d;
        EXPECT_NEAR(UnshapeDeviation(std::tanh(60.0 * d * d) * d, 60.0, 2), d, 1e-4) << d;
    }
}

TEST(VirenoHostReadings, LineShowsTheNoteCentsAndStrings)
{
    float values[19] = {};
    values[0] = static_cast<float>(std::tanh(5.0 * 0.14) * -0.14);  // -7 cents
    values[3] = 1.0f;
    const int32_t e = 4;
    std::memcpy(&values[6], &e, sizeof e);
    const std::string single = ReadingText(1.5, values, false);
    EXPECT_NE(single.find(" E "), std::string::npos) << single;
    EXPECT_NE(single.find("-7.00 cents"), std::string::npos) << single;
    EXPECT_EQ(single.find("strings"), std::string::npos);

    values[2] = 1.0f;
    values[7 + 3] = 0.4f;  // +20 cents, where the string shaping is flat
    values[13 + 3] = 1.0f;
    const std::string strum = ReadingText(6.0, values, false);
    EXPECT_NE(strum.find("+20.0/1.00"), std::string::npos) << strum;
}
