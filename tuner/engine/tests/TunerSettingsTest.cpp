#include <gtest/gtest.h>

#include "tuner/engine/testing/KernelRunner.h"
#include "tuner/engine/TunerKernel.h"

TEST(TunerSettings, ReferenceLogOffset)
{
    struct Case
    {
        int hz;
        float octaves;
    } cases[] = {{440, 0.0f}, {435, -0.016488f}, {445, 0.016302f}};
    for (const Case& c : cases)
    {
        signals::ResetKernel({});
        TunerSetReferenceHz(c.hz);
        EXPECT_NEAR(TunerKernel().settings.referenceLogOffset, c.octaves, 2e-6) << c.hz;
        EXPECT_EQ(TunerKernel().settings.referenceOffsetHz, c.hz - 440);
    }
    // The offset form reaches the same setting.
    TunerSetReferenceOffset(-5);
    EXPECT_EQ(TunerKernel().settings.referenceOffsetHz, -5);
    // Out-of-range requests are held to 435..445.
    TunerSetReferenceHz(1000);
    EXPECT_EQ(TunerKernel().settings.referenceOffsetHz, 5);
}

TEST(TunerSettings, ReferenceClassesOfTheFilterTables)
{
    EXPECT_EQ(TunerReferenceClass(-1), TunerReferenceClass(0));
    EXPECT_EQ(TunerReferenceClass(1), TunerReferenceClass(0));
    EXPECT_EQ(TunerReferenceClass(-2), 0);
    EXPECT_EQ(TunerReferenceClass(2), 2);
    EXPECT_EQ(TunerReferenceClass(-5), 0);
    EXPECT_EQ(TunerReferenceClass(5), 2);
}

TEST(TunerSettings, InstrumentAndDropTuningSelectTargetsRowsAndDetectors)
{
    struct Case
    {
        bool bass;
        int drop;
        int targets[6]; // semitones above C0
        int rows[6];    // filter rows, -1 the bass's separate row
        int firstLags[6];
    } cases[] = {
        {false, 0, {40, 45, 50, 55, 59, 64}, {17, 22, 27, 32, 36, 41}, {33, 24, 18, 10, 7, 4}},
        {false, 5, {35, 40, 45, 50, 54, 59}, {12, 17, 22, 27, 31, 36}, {44, 33, 24, 15, 11, 7}},
        {true, 0, {23, 28, 33, 38, 43, 48}, {0, 5, 10, 15, 20, 25}, {90, 67, 50, 37, 27, 20}},
        {true, 2, {23, 26, 31, 36, 41, 46}, {-1, 3, 8, 13, 18, 23}, {90, 76, 56, 42, 31, 23}},
    };
    for (const Case& c : cases)
    {
        signals::KernelSettings settings;
        settings.bass = c.bass;
        settings.dropIndex = c.drop;
        signals::ResetKernel(settings);
        const TunerSettings& s = TunerKernel().settings;
        for (int i = 0; i < 6; ++i)
        {
            EXPECT_FLOAT_EQ(s.stringTargets[i], c.targets[i] / 12.0f) << c.bass << c.drop << i;
            EXPECT_EQ(s.filterRows[i], c.rows[i]) << c.bass << c.drop << i;
            EXPECT_EQ(s.stringDetectors[i].lags[0], c.firstLags[i]) << c.bass << c.drop << i;
            EXPECT_EQ(s.stringDetectors[i].refines, !c.bass && i >= 3);
            EXPECT_NE(s.stringFilters[i], nullptr);
        }
    }
}

TEST(TunerSettings, ASettingChangeRestartsTheDifferenceValues)
{
    signals::ResetKernel({});
    TunerKernel().single.differenceValues[5] = 123;
    TunerKernel().sixString.strings[2].differenceValues[1] = 7;
    TunerKernel().sixString.strings[2].difference.previousEnergy = 99;
    TunerKernel().sixString.strings[2].firstPass[0].y1 = 42;
    TunerSetDropTuning(1);
    EXPECT_EQ(TunerKernel().single.differenceValues[5], 0);
    EXPECT_EQ(TunerKernel().sixString.strings[2].differenceValues[1], 0);
    EXPECT_EQ(TunerKernel().sixString.strings[2].difference.previousEnergy, 0);
    EXPECT_EQ(TunerKernel().sixString.strings[2].firstPass[0].y1, 0);
}

TEST(TunerSettings, InitStartsTheDocumentedState)
{
    signals::ResetKernel({});
    const TunerKernelState& k = TunerKernel();
    EXPECT_EQ(k.analysisMode, kTunerSingleNote);
    EXPECT_EQ(k.single.polyphonicFlag, 1.0f);
    EXPECT_EQ(k.single.noteNumber, 1);
    for (float v : k.single.levelQuarterOutputs)
        EXPECT_EQ(v, -1e10f);
    EXPECT_NEAR(k.constants.envelope, 0.19538494f, 1e-7);
    EXPECT_EQ(k.constants.releaseHold, 5);
    EXPECT_EQ(k.constants.onsetLimit, 7);
    EXPECT_NEAR(k.constants.needleSlow, 0.17571317f, 1e-7);
    EXPECT_NEAR(k.constants.needleFast, 0.38312681f, 1e-7);
    EXPECT_NEAR(k.constants.needleSlope, 0.51853409f, 1e-6);
    EXPECT_NEAR(k.constants.stringSmoothing, 0.17649095f, 1e-5);
}
