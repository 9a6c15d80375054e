#include <gtest/gtest.h>

#include <cmath>

#include "tuner/engine/TunerDifferenceFunction.h"
#include "tuner/engine/TunerKernel.h"
#include "tuner/engine/testing/KernelRunner.h"

namespace {

// The quotient the integer steps approximate: D * 2^49 / (E * w^2).
double Exact(int64_t d, int64_t e, int window)
{
    return std::ldexp(double(d), 49) / (double(e) * window * window);
}

} // namespace

TEST(TunerDifferenceFunction, NormalisationFollowsTheQuotientForEveryWindow)
{
    signals::ResetKernel({});
    const TunerSingleNoteConfig& config = TunerKernel().singleNoteConfig;
    const int64_t energies[] = {1, 1000, int64_t(1) << 40, (int64_t(1) << 56) + 12345};
    for (int i = 0; i < kTunerCandidateCount; ++i)
    {
        EXPECT_GE(config.normalisers[i], 2147483648u) << i;
        EXPECT_GE(config.shifts[i], 1) << i;
        EXPECT_LE(config.shifts[i], 7) << i;
        for (int64_t e : energies)
        {
            // Differences of a few percent of the energy down to almost nothing.
            for (int64_t d : {e / 400, e / 40000, int64_t(1)})
            {
                if (d == 0)
                    continue;
                const double exact = Exact(d, e, config.windows[i]);
                if (exact >= 2147483647.0)
                    continue;
                bool overflow = true;
                const int32_t c = TunerNormaliseDifference(d, e, config.shifts[i], config.normalisers[i], overflow);
                EXPECT_FALSE(overflow);
                EXPECT_NEAR(c, exact, exact * 2e-6 + 2.0) << "lag " << config.lags[i] << " E " << e << " D " << d;
            }
        }
    }
}

TEST(TunerDifferenceFunction, OverflowAndZeroEnergyAreMarked)
{
    bool overflow = false;
    // A difference far above the energy saturates.
    EXPECT_EQ(TunerNormaliseDifference(int64_t(1) << 50, 1000, 7, 0xFFFFFFFFu, overflow), kTunerDifferenceCeiling);
    EXPECT_TRUE(overflow);
    // Zero energy: no shift by 64, and a zero difference stays zero.
    EXPECT_EQ(TunerNormaliseDifference(0, 0, 1, 0x80000000u, overflow), 0);
    EXPECT_FALSE(overflow);

    int32_t previous[kTunerStringFrameLength] = {}, newest[kTunerStringFrameLength] = {};
    int16_t lags[3] = {10, 11, 12}, windows[3] = {128, 128, 128};
    uint8_t shifts[3] = {};
    uint32_t normalisers[3] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    const TunerDifferenceConfig config{kTunerStringFrameLength, 3, lags, windows, shifts, normalisers};
    TunerDifferenceState state{};
    int32_t values[3] = {-1, -1, -1};
    TunerDifferenceFunction(previous, newest, config, state, values);
    EXPECT_EQ(state.noSignal, -1);
    EXPECT_EQ(state.framePower, 0.0f);
    for (int32_t v : values)
        EXPECT_EQ(v, values[0]) << "an empty frame has no minimum";
}

TEST(TunerDifferenceFunction, LaggedSamplesComeFromThePreviousFrame)
{
    // A signal that repeats every 12 samples across the frame boundary has a zero at lag 12 only.
    int32_t previous[kTunerStringFrameLength], newest[kTunerStringFrameLength];
    for (int n = 0; n < kTunerStringFrameLength; ++n)
    {
        previous[n] = int32_t(100000 * std::sin(2 * M_PI * n / 12.0));
        newest[n] = int32_t(100000 * std::sin(2 * M_PI * (n + kTunerStringFrameLength) / 12.0));
    }
    int16_t lags[3] = {11, 12, 13}, windows[3] = {128, 128, 128};
    uint8_t shifts[3] = {};
    uint32_t normalisers[3] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    const TunerDifferenceConfig config{kTunerStringFrameLength, 3, lags, windows, shifts, normalisers};
    TunerDifferenceState state{};
    int32_t values[3];
    TunerDifferenceFunction(previous, newest, config, state, values);
    EXPECT_LT(values[1], values[0] / 1000);
    EXPECT_LT(values[1], values[2] / 1000);
    EXPECT_EQ(state.noSignal, 0);
}
