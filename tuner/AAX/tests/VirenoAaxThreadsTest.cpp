// Vireno.aaxplugin driven as AAX hosts drive it: the render procedure on an audio thread of its own
// while the host's main thread saves and loads 'stch' states, sets parameters and the bypass, and
// runs the coefficient pass, all through the host interfaces of the built module. Meant for the
// ThreadSanitizer build, which fails on any race; the other builds check that it runs through.

#include "VirenoAaxTestHost.h"
#include "aaxsdk/AAX_Results.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr auto kRunTime = std::chrono::seconds(2);
constexpr int32_t kBlock = 256;
constexpr int kProductParameters = 5;

class VirenoAaxThreads : public VirenoAaxTest
{};

TEST_F(VirenoAaxThreads, RenderRunsWhileTheHostSavesLoadsSetsAndDispatches)
{
    SimInstance& instance = Open(kMonoComponent);
    ASSERT_TRUE(instance.IsOpen());
    AAX_IACFEffectParameters& effect = instance.Parameters();
    const auto id = [](int n) { return "par" + std::to_string(n % kProductParameters + 1); };
    std::vector<std::vector<uint8_t>> states;
    for (double value : {0.0, 1.0})
    {
        for (int n = 0; n < kProductParameters; ++n)
            ASSERT_EQ(effect.SetParameterNormalizedValue(id(n).c_str(), value), AAX_SUCCESS);
        AAX_Result saved = AAX_SUCCESS;
        states.push_back(instance.SaveChunk(kStateChunk, saved));
        ASSERT_EQ(saved, AAX_SUCCESS);
    }
    ASSERT_EQ(instance.GenerateCoefficients(), AAX_SUCCESS);

    std::atomic<bool> stop{false};
    std::atomic<long> blocks{0};
    std::thread audio([&] {
        std::vector<float> input(kBlock), output(kBlock);
        const float* inputs[] = {input.data()};
        float* outputs[] = {output.data()};
        double phase = 0.0;
        while (!stop.load())
        {
            for (float& sample : input)
            {
                sample = static_cast<float>(0.5 * std::sin(phase));
                phase += 2.0 * M_PI * 110.0 / 48000.0;
            }
            instance.Render(inputs, outputs, kBlock);
            blocks.fetch_add(1);
        }
    });

    long rounds = 0;
    const auto until = std::chrono::steady_clock::now() + kRunTime;
    for (; std::chrono::steady_clock::now() < until; ++rounds)
    {
        AAX_Result saved = AAX_SUCCESS;
        EXPECT_FALSE(instance.SaveChunk(kStateChunk, saved).empty());
        EXPECT_EQ(saved, AAX_SUCCESS);
        EXPECT_EQ(instance.LoadChunk(kStateChunk, states[static_cast<size_t>(rounds % 2)]), AAX_SUCCESS);
        EXPECT_EQ(effect.SetParameterNormalizedValue(id(static_cast<int>(rounds)).c_str(),
                                                     static_cast<double>(rounds % 4) / 3.0),
                  AAX_SUCCESS);
        // Now and then the host's bypass, which the next coefficient pass hands to the render.
        EXPECT_EQ(effect.SetParameterNormalizedValue("MasterBypassID", static_cast<double>(rounds / 13 % 2)),
                  AAX_SUCCESS);
        EXPECT_EQ(instance.GenerateCoefficients(), AAX_SUCCESS);
    }
    stop.store(true);
    audio.join();
    EXPECT_GT(blocks.load(), 0);
    EXPECT_GT(rounds, 0);
}

} // namespace
