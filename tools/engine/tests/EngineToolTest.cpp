#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tuner/engine/testing/TestSignals.h"
#include "tools/wavfile/WavFile.h"

#ifndef VIRENO_ENGINE_TOOL
#error "VIRENO_ENGINE_TOOL must name the tool under test"
#endif

namespace {

struct Line
{
    double seconds = 0.0;
    std::string note;
    double cents = 0.0;
    std::string strings; // the per-string part, when polyphonic
};

std::vector<Line> RunTool(const std::string& arguments)
{
    const std::string command = std::string(VIRENO_ENGINE_TOOL) + " " + arguments + " --raw --every 1";
    std::vector<Line> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return lines;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
    {
        std::istringstream in(buffer);
        Line line;
        std::string unit, centsWord;
        in >> line.seconds >> unit >> line.note >> line.cents >> centsWord;
        const std::string text(buffer);
        const size_t strings = text.find("strings");
        if (strings != std::string::npos)
            line.strings = text.substr(strings + 7);
        lines.push_back(line);
    }
    pclose(pipe);
    return lines;
}

const Line* At(const std::vector<Line>& lines, double seconds)
{
    for (const Line& line : lines)
        if (line.seconds >= seconds)
            return &line;
    return nullptr;
}

std::string WriteWav(const std::vector<float>& mono, int rate, int channels)
{
    const std::string path = ::testing::TempDir() + "vireno-engine-" + std::to_string(rate) + ".wav";
    WavAudio audio;
    audio.channels = channels;
    audio.sampleRate = rate;
    for (float s : mono)
        for (int c = 0; c < channels; ++c)
            audio.samples.push_back(c == 0 ? s : 0.0f);
    std::string error;
    EXPECT_TRUE(writeWav(path, audio, error)) << error;
    return path;
}

} // namespace

TEST(EngineTool, DefaultSignalSettlesOnEThenAThenReadsTheStrum)
{
    const std::vector<Line> lines = RunTool("");
    const Line* e = At(lines, 2.0);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->note, "E");
    EXPECT_NEAR(e->cents, -7.0, 1.0);
    const Line* a = At(lines, 4.0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->note, "A");
    EXPECT_NEAR(a->cents, 0.0, 1.0);
    const Line* strum = At(lines, 7.0);
    ASSERT_NE(strum, nullptr);
    ASSERT_FALSE(strum->strings.empty()) << "the strum reads polyphonic";
    std::istringstream in(strum->strings);
    for (int s = 0; s < 6; ++s)
    {
        double cents = 0.0, presence = 0.0;
        char slash = 0;
        in >> cents >> slash >> presence;
        EXPECT_NEAR(cents, s == 3 ? 20.0 : 0.0, 1.0) << "string " << s + 1;
        EXPECT_GT(presence, 0.9) << "string " << s + 1;
    }
}

TEST(EngineTool, ReadsASoundFileAtItsOwnRate)
{
    for (int rate : {44100, 96000})
    {
        signals::PluckShape shape;
        std::vector<float> signal = signals::Silence(0.3, rate);
        signals::Append(signal, signals::Pluck(signals::NoteFrequency(33, 10.0), shape, 2.0, rate));
        const std::vector<Line> lines = RunTool(WriteWav(signal, rate, 2));
        const Line* last = At(lines, 2.0);
        ASSERT_NE(last, nullptr) << rate;
        EXPECT_EQ(last->note, "A") << rate;
        EXPECT_NEAR(last->cents, 10.0, 1.0) << rate;
    }
}

TEST(EngineTool, RefusesWhatItCannotRead)
{
    const std::string command = std::string(VIRENO_ENGINE_TOOL) + " /nonexistent.wav 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}
