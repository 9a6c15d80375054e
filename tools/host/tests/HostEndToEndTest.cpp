// vireno-host on the built-in default signal, through the built bundle: the readings the tool
// prints come from the plug-in's controller, which fetches them from its processor, so this is the
// whole plug-in at work as a host drives it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/testing/TemporaryFolder.h"

#ifndef VIRENO_HOST_TOOL
#error "VIRENO_HOST_TOOL must name the tool under test"
#endif

namespace {

struct Reading
{
    double seconds = 0.0;
    std::string note;
    double cents = 0.0;
    bool polyphonic = false;
    std::vector<double> stringCents;
};

Reading ParseReading(const std::string& text)
{
    Reading reading;
    std::istringstream in(text);
    std::string unit, centsWord, mode, presenceWord, polyWord;
    double shown = 0.0, presence = 0.0;
    int poly = 0;
    in >> reading.seconds >> unit >> reading.note >> reading.cents >> centsWord >> mode >> shown >> presenceWord >>
        presence >> polyWord >> poly;
    reading.polyphonic = poly == 1;
    const size_t strings = text.find("strings");
    if (strings != std::string::npos)
    {
        std::istringstream rest(text.substr(strings + 7));
        double cents = 0.0, level = 0.0;
        char slash = 0;
        while (rest >> cents >> slash >> level)
            reading.stringCents.push_back(cents);
    }
    return reading;
}

// The tool's readings with the user's settings folder pointed at an empty one, so that no
// Default.xml of the machine's user changes what the plug-in starts from.
std::vector<Reading> RunHost(const std::string& arguments)
{
    platform::testing::TemporaryFolder settings;
    setenv("XDG_CONFIG_HOME", settings.Path().c_str(), 1);
    const std::string command = std::string(VIRENO_HOST_TOOL) + " --raw --every 1 " + arguments;
    std::vector<Reading> readings;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return readings;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        readings.push_back(ParseReading(buffer));
    EXPECT_EQ(pclose(pipe), 0) << command;
    return readings;
}

const Reading* At(const std::vector<Reading>& readings, double seconds)
{
    for (const Reading& reading : readings)
        if (reading.seconds >= seconds)
            return &reading;
    return nullptr;
}

} // namespace

TEST(HostEndToEnd, TheDefaultSignalReadsThroughThePlugInsController)
{
    // The host's block size must not matter; 77 frames split every analysis frame unevenly.
    for (const char* arguments : {"", "--block 77"})
    {
        SCOPED_TRACE(arguments);
        const std::vector<Reading> readings = RunHost(arguments);
        ASSERT_GT(readings.size(), 100u) << "a reading for every analysis frame";

        const Reading* e = At(readings, 2.0);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->note, "E");
        EXPECT_NEAR(e->cents, -7.0, 1.0);
        EXPECT_FALSE(e->polyphonic);

        const Reading* a = At(readings, 4.0);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->note, "A");
        EXPECT_NEAR(a->cents, 0.0, 1.0);

        // The strum: all six strings, the G string (the fourth) 20 cents sharp, the rest in tune.
        const Reading* strum = At(readings, 7.0);
        ASSERT_NE(strum, nullptr);
        EXPECT_TRUE(strum->polyphonic);
        ASSERT_EQ(strum->stringCents.size(), 6u);
        for (size_t s = 0; s < 6; ++s)
            EXPECT_NEAR(strum->stringCents[s], s == 3 ? 20.0 : 0.0, 2.0) << s;
    }
}
