#include <gtest/gtest.h>

#include "tools/tabledesign/LagDesign.h"
#include "tuner/engine/TunerTables.h"

TEST(LagDesign, TwoRunsFillTheCountFromFirstToLastInStrictOrder)
{
    const std::vector<int16_t> lags = tabledesign::TwoRunLags(142, 6, 900, 40, 150, 50);
    ASSERT_EQ(lags.size(), 142u);
    EXPECT_EQ(lags.front(), 6);
    EXPECT_EQ(lags.back(), 900);
    EXPECT_EQ(lags[34], 40); // consecutive to 40
    for (size_t i = 1; i < lags.size(); ++i)
        EXPECT_LT(lags[i - 1], lags[i]) << i;
}

TEST(LagDesign, LargestStepIsTheLargestRatioBetweenNeighbours)
{
    EXPECT_NEAR(tabledesign::LargestStep({100, 105, 107}), 0.05, 1e-12);
    EXPECT_DOUBLE_EQ(tabledesign::LargestStep({7}), 0.0);
}

TEST(LagDesign, TheKernelsLagsAreTheChosenDesign)
{
    const std::vector<int16_t> lags = tabledesign::TwoRunLags(kTunerCandidateCount, 6, 900, 54, 150, 40);
    ASSERT_EQ(lags.size(), static_cast<size_t>(kTunerCandidateCount));
    for (int i = 0; i < kTunerCandidateCount; ++i)
        EXPECT_EQ(kTunerCandidateLags[i], lags[i]) << i;
}
