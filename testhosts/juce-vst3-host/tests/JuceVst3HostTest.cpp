// Loads bundles from the build tree (the pass-through fixture and Vireno) into JUCE's VST3 host
// and checks what a third-party host sees: the parameters with their texts, audio passed
// bit-exactly, and the editor painted in a real window.

#include "tools/wavfile/WavFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

struct CommandResult
{
    int status = -1;
    std::string output;
};

CommandResult run(const std::string& arguments)
{
    CommandResult result;
    // Vireno keeps its Default.xml under the configuration folder: one of the test's own.
    const std::string command =
        std::string("XDG_CONFIG_HOME=\"") + TEST_OUTPUT_DIR + "/config\" \"" + JUCE_HOST + "\" " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[512];
    while (std::fgets(buffer, sizeof(buffer), pipe) != nullptr)
        result.output += buffer;
    result.status = pclose(pipe);
    return result;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// Full-scale noise with the values a careless copy would bend: zeros, both signs of zero,
// denormals, the extremes.
WavAudio makeSignal(int channels, int sampleRate, long frames)
{
    WavAudio audio;
    audio.channels = channels;
    audio.sampleRate = sampleRate;
    std::mt19937 random(static_cast<unsigned>(channels * 7919 + sampleRate));
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (long i = 0; i < frames * channels; ++i)
        audio.samples.push_back(noise(random));
    const float specials[] = {0.0f, -0.0f, 1.0e-40f, -1.0e-40f, 1.0f, -1.0f};
    for (size_t i = 0; i < sizeof(specials) / sizeof(specials[0]); ++i)
        audio.samples[i * 11] = specials[i];
    return audio;
}

TEST(JuceVst3Host, ListsTheParametersWithTheirTexts)
{
    const CommandResult result = run(quoted(PASSTHROUGH_BUNDLE) + " list");
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("plugin \"PassThrough\""), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("id=0 name=\"Tag\" label=\"\" value=\"Red\" steps=3 \"Red\" \"Green\" \"Blue\""),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("id=65537 name=\"Bypass\""), std::string::npos) << result.output;
}

TEST(JuceVst3Host, ListsVirenosParametersWithTheirTextsAndTheBypass)
{
    const CommandResult result = run(quoted(VIRENO_BUNDLE) + " list");
    ASSERT_EQ(result.status, 0) << result.output;
    const char* expected[] = {
        "plugin \"Vireno\"",
        "id=0 name=\"Select Instrument\" label=\"\" value=\"Guitar\" steps=2 \"Guitar\" \"Bass\"",
        "id=1 name=\"Display Mode\" label=\"\" value=\"Needle\" steps=2 \"Needle\" \"Stream\"",
        "id=2 name=\"Drop Tuning\" label=\"\" value=\"E\" steps=6 \"E\" \"Eb\" \"D\" \"Db\" \"C\" \"B\"",
        "id=3 name=\"Reference Frequency\" label=\"\" value=\"440\" steps=11 \"435\" \"436\" \"437\" \"438\" "
        "\"439\" \"440\" \"441\" \"442\" \"443\" \"444\" \"445\"",
        "id=4 name=\"Color Set\" label=\"\" value=\"Red & Green\" steps=2 \"Red & Green\" \"Yellow & Blue\"",
        "id=65537 name=\"VST3 Master Bypass\"",
    };
    for (const char* line : expected)
        EXPECT_NE(result.output.find(line), std::string::npos) << line << "\n" << result.output;
}

TEST(JuceVst3Host, RefusesAFolderThatIsNoBundle)
{
    const CommandResult result = run(quoted(TEST_OUTPUT_DIR) + " list");
    EXPECT_NE(result.status, 0) << result.output;
}

struct EditorCase
{
    const char* name;
    int rounds;
};

class JuceVst3HostEditor : public testing::TestWithParam<EditorCase>
{};

// In a window of JUCE's own, with a tone playing and no input event at all, the editor's lit
// display reaches the X server within one second, also when it is opened a second time.
TEST_P(JuceVst3HostEditor, VirenosEditorShowsTheLitDisplayWithinOneSecondWithoutInput)
{
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "no X server (DISPLAY is unset)";
    const EditorCase c = GetParam();
    const CommandResult result = run(quoted(VIRENO_BUNDLE) + " editor " + std::to_string(c.rounds) + " 1000");
    EXPECT_EQ(result.status, 0) << result.output;
    for (int round = 1; round <= c.rounds; ++round)
        EXPECT_NE(result.output.find("round " + std::to_string(round) + " lit after"), std::string::npos)
            << result.output;
}

INSTANTIATE_TEST_SUITE_P(OpenedOnceAndReopened, JuceVst3HostEditor,
                         testing::Values(EditorCase{"Attached", 1}, EditorCase{"AttachedDetachedAttached", 2}),
                         [](const testing::TestParamInfo<EditorCase>& info) { return std::string(info.param.name); });

struct PassCase
{
    const char* name;
    const char* bundle;
    int channels;
    int sampleRate;
    int blockSize;
};

class JuceVst3HostPassThrough : public testing::TestWithParam<PassCase>
{};

TEST_P(JuceVst3HostPassThrough, PassesTheFileBitExactly)
{
    const PassCase c = GetParam();
    const std::string stem = std::string(TEST_OUTPUT_DIR) + "/" + c.name + "-" + std::to_string(c.channels) + "ch-" +
                             std::to_string(c.sampleRate) + "-" + std::to_string(c.blockSize);
    // Not a multiple of any block size, so the last block is a short one.
    const WavAudio input = makeSignal(c.channels, c.sampleRate, c.sampleRate / 4 + 13);
    std::string error;
    ASSERT_TRUE(writeWav(stem + "-in.wav", input, error)) << error;

    const CommandResult result = run(quoted(c.bundle) + " process " + quoted(stem + "-in.wav") + " " +
                                     quoted(stem + "-out.wav") + " " + std::to_string(c.blockSize));
    ASSERT_EQ(result.status, 0) << result.output;

    WavAudio output;
    ASSERT_TRUE(readWav(stem + "-out.wav", output, error)) << error;
    EXPECT_EQ(output.channels, input.channels);
    EXPECT_EQ(output.sampleRate, input.sampleRate);
    ASSERT_EQ(output.samples.size(), input.samples.size());
    EXPECT_EQ(std::memcmp(output.samples.data(), input.samples.data(), input.samples.size() * sizeof(float)), 0);
}

// Vireno passes audio unchanged while it analyses; mono at 44.1 kHz and stereo at 48 kHz.
INSTANTIATE_TEST_SUITE_P(
    MonoAndStereo, JuceVst3HostPassThrough,
    testing::Values(PassCase{"PassThrough", PASSTHROUGH_BUNDLE, 1, 44100, 1},
                    PassCase{"PassThrough", PASSTHROUGH_BUNDLE, 1, 44100, 77},
                    PassCase{"PassThrough", PASSTHROUGH_BUNDLE, 1, 44100, 512},
                    PassCase{"PassThrough", PASSTHROUGH_BUNDLE, 2, 48000, 1},
                    PassCase{"PassThrough", PASSTHROUGH_BUNDLE, 2, 48000, 77},
                    PassCase{"PassThrough", PASSTHROUGH_BUNDLE, 2, 48000, 512},
                    PassCase{"Vireno", VIRENO_BUNDLE, 1, 44100, 1}, PassCase{"Vireno", VIRENO_BUNDLE, 1, 44100, 77},
                    PassCase{"Vireno", VIRENO_BUNDLE, 1, 44100, 512}, PassCase{"Vireno", VIRENO_BUNDLE, 2, 48000, 1},
                    PassCase{"Vireno", VIRENO_BUNDLE, 2, 48000, 77}, PassCase{"Vireno", VIRENO_BUNDLE, 2, 48000, 512}),
    [](const testing::TestParamInfo<PassCase>& info) {
        return std::string(info.param.name) + "_" + std::to_string(info.param.channels) + "ch_" +
               std::to_string(info.param.sampleRate) + "Hz_block" + std::to_string(info.param.blockSize);
    });

} // namespace
