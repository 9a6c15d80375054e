#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "kro-core/dsp/KROPeak.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The meter taken sample by sample, as the render procedures once did.
float OneByOne(float peak, const std::vector<float>& samples)
{
    for (float sample : samples)
        if (std::fabs(sample) > peak)
            peak = std::fabs(sample);
    return peak;
}

bool SameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(KROPeak, IsTheLargerOfThePeakAndEveryMagnitude)
{
    struct Case
    {
        const char* what;
        float peak;
        std::vector<float> samples;
        float expected;
    };
    const Case cases[] = {
        {"an empty block keeps the peak", 0.25f, {}, 0.25f},
        {"a negative sample by its magnitude", 0.0f, {0.1f, -0.7f, 0.3f}, 0.7f},
        {"a lower block leaves the peak", 0.9f, {0.1f, -0.7f, 0.3f, 0.2f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f}, 0.9f},
        {"the last of nine", 0.0f, {0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, -0.5f}, 0.5f},
        {"a NaN sample raises nothing", 0.0f, {kNaN, 0.2f, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}, 0.2f},
        {"a NaN peak stays", kNaN, {0.2f, 0.4f}, kNaN},
        {"a negative peak and nothing louder", -1.0f, {kNaN}, -1.0f},
        {"-0 stays before silence", -0.0f, {0.0f, -0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, -0.0f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const float raised = KRORaisePeak(c.peak, c.samples.data(), static_cast<int32_t>(c.samples.size()));
        EXPECT_TRUE(SameBits(raised, c.expected)) << raised;
        EXPECT_TRUE(SameBits(raised, OneByOne(c.peak, c.samples)));
    }
}

TEST(KROPeak, GivesTheSameBitsAsTakingTheSamplesOneByOne)
{
    std::mt19937 random(27);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    for (int trial = 0; trial < 2000; ++trial)
    {
        std::vector<float> samples(static_cast<size_t>(trial % 41));
        for (float& sample : samples)
            sample = trial % 7 == 0 && value(random) > 0.5f ? kNaN : value(random);
        const float start = trial % 3 == 0 ? value(random) : 0.0f;
        const float raised = KRORaisePeak(start, samples.data(), static_cast<int32_t>(samples.size()));
        ASSERT_TRUE(SameBits(raised, OneByOne(start, samples))) << "trial " << trial;
    }
}

} // namespace
