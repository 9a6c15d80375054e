#include <gtest/gtest.h>

#include <cmath>

#include "tuner/plugin/TunerNormalizedIndex.h"

TEST(TunerNormalizedIndex, DropTuningThresholdsAreSixths)
{
    struct Case
    {
        float value;
        int index;
    } cases[] = {{0.0f, 0},       {0.16666666f, 0}, {0.16666667f, 1}, {0.33333334f, 2}, {0.4999f, 2}, {0.5f, 3},
                 {0.6666667f, 4}, {0.8333333f, 4},  {0.8333334f, 5},  {1.0f, 5},        {-0.5f, 0},   {7.0f, 5}};
    for (const Case& c : cases)
        EXPECT_EQ(NormalizedToDropTuningIndex(c.value), c.index) << c.value;
}

TEST(TunerNormalizedIndex, ReferenceThresholdsAreElevenths)
{
    struct Case
    {
        float value;
        int index;
    } cases[] = {{0.0f, 0},        {0.0909090f, 0},  {0.09090909f, 1},  {0.45454547f, 5}, {0.5f, 5},
                 {0.54545456f, 6}, {0.90909088f, 9}, {0.90909094f, 10}, {1.0f, 10},       {std::nanf(""), 10}};
    for (const Case& c : cases)
        EXPECT_EQ(NormalizedToReferenceIndex(c.value), c.index) << c.value;
}
