#include "kro-core/plugin/KROParameter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInt32Max = std::numeric_limits<int32_t>::max();
constexpr double kInt32Min = std::numeric_limits<int32_t>::min();

struct CountingOwner : IKROParameterOwner
{
    void MarkParametersDirty() override { ++marks; }
    int marks = 0;
};

CKROParameter MakeParameter(int32_t taperType, double minimum, double maximum, std::vector<std::string> labels = {},
                            double defaultPlain = 0.0, IKROParameterOwner* owner = nullptr)
{
    return CKROParameter(owner, "Name", std::move(labels), minimum, maximum, 1.0, defaultPlain, taperType, 0, 0, 0);
}

struct DenormalizeCase
{
    double normalized;
    int32_t taperType;
    double minimum, maximum;
    double expected;
};

TEST(KROParameterDenormalize, GivesThePlainValueOfEveryTaper)
{
    const DenormalizeCase cases[] = {
        {0.25, kTaperLinear, 0, 10, 2.5},
        {1.5, kTaperLinear, 0, 10, 15}, // never clamped
        {-0.5, kTaperLinear, 0, 10, -5},
        {0.26, kTaperStepped, 0, 10, 3},
        {0.25, kTaperStepped, 0, 10, 3}, // 2.5: half away from zero
        {0.24, kTaperStepped, 0, 10, 2},
        {-0.25, kTaperStepped, 0, 10, -3},
        {0.5, kTaperSwitch, 0, 1, 0.5},
        {0.5, kTaperList, 0, 4, 2},
        {0.55, kTaperList, 0, 4, 2.2}, // a list keeps the fraction; readers round it
        {0.0, kTaperLogarithmic, 20, 20000, 20},
        {0.5, kTaperLogarithmic, 20, 20000, std::sqrt(20.0 * 20000.0)},
        {0.0, kTaperLinearMinusInf, -60, 0, -60},
        {0.5, kTaperSquared, 0, 100, 25},
        {0.5, kTaperSquared, 10, 110, 35},
        {0.3, kTaperLinearOffAtMinimum, 0, 10, 3},
        {0.3, kTaperLinearOffAtMaximum, 0, 10, 3},
        {0.3, -1, 0, 10, 3},
        {0.3, 9, 0, 10, 3},
    };
    for (const DenormalizeCase& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "type " << c.taperType << " n " << c.normalized);
        EXPECT_DOUBLE_EQ(DenormalizeParameterValue(c.normalized, c.taperType, c.minimum, c.maximum), c.expected);
        EXPECT_DOUBLE_EQ(MakeParameter(c.taperType, c.minimum, c.maximum).Denormalize(c.normalized), c.expected);
    }
}

TEST(KROParameterDenormalize, LogarithmicTopIsExactlyTheMaximum)
{
    EXPECT_EQ(DenormalizeParameterValue(1.0, kTaperLogarithmic, 20, 20000), 20000.0);
    EXPECT_EQ(DenormalizeParameterValue(1.0, kTaperLogarithmic, 0.001, 7.3), 7.3);
}

TEST(KROParameterDenormalize, SteppedRoundingSaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(DenormalizeParameterValue(kNaN, kTaperStepped, 0, 10), 0.0);
    EXPECT_EQ(DenormalizeParameterValue(kInf, kTaperStepped, 0, 10), kInt32Max);
    EXPECT_EQ(DenormalizeParameterValue(-kInf, kTaperStepped, 0, 10), kInt32Min);
    EXPECT_EQ(DenormalizeParameterValue(1e12, kTaperStepped, 0, 1), kInt32Max);
    EXPECT_EQ(DenormalizeParameterValue(-1e12, kTaperStepped, 0, 1), kInt32Min);
}

struct NormalizeCase
{
    int32_t taperType;
    double minimum, maximum;
    double plain;
    double expected;
};

TEST(KROParameterNormalize, GivesTheNormalisedValueOfEveryTaper)
{
    const NormalizeCase cases[] = {
        {kTaperLinear, 0, 10, 2.5, 0.25},
        {kTaperLinear, 0, 10, 12, 1.0}, // clamped into the range
        {kTaperLinear, 0, 10, -3, 0.0},
        {kTaperStepped, 0, 10, 2.6, 0.3}, // snapped to the whole plain value
        {kTaperStepped, 0, 10, 2.4, 0.2},
        {kTaperStepped, 0, 10, 11, 1.0},
        {kTaperSwitch, 0, 1, 0.5, 0.5},
        {kTaperList, 0, 4, 2, 0.5},
        {kTaperList, 0, 10, 5, 0.5},
        {kTaperLogarithmic, 20, 20000, 10, 0.0}, // clamped
        {kTaperLogarithmic, 20, 20000, 40000, 1.0},
        {kTaperLogarithmic, 20, 20000, std::sqrt(20.0 * 20000.0), 0.5},
        {kTaperLinearMinusInf, -60, 0, -30, 0.5},
        {kTaperSquared, 0, 100, 25, 0.5},
        {kTaperSquared, 10, 110, 35, 0.5},
        {kTaperLinearOffAtMinimum, 0, 10, 3, 0.3},
        {kTaperLinearOffAtMaximum, 0, 10, 3, 0.3},
        {-1, 0, 10, 3, 0.3},
        {9, 0, 10, 30, 1.0},
    };
    for (const NormalizeCase& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "type " << c.taperType << " plain " << c.plain);
        EXPECT_DOUBLE_EQ(MakeParameter(c.taperType, c.minimum, c.maximum).Normalize(c.plain), c.expected);
    }
}

TEST(KROParameterNormalize, EmptyRangeGivesZeroForEveryTaper)
{
    for (int32_t taperType = -1; taperType <= 9; ++taperType)
    {
        SCOPED_TRACE(::testing::Message() << "type " << taperType);
        const CKROParameter parameter = MakeParameter(taperType, 5, 5, {}, 5);
        for (double plain : {5.0, 3.0, 8.0})
            EXPECT_EQ(parameter.Normalize(plain), 0.0);
        EXPECT_EQ(parameter.GetDefaultNormalized(), 0.0);
    }
}

struct DisplayCase
{
    int32_t taperType;
    double minimum, maximum;
    std::vector<std::string> labels;
    double currentPlain;
    bool withName, withUnit;
    double value;
    std::string expected;
};

TEST(KROParameterDisplayText, FramesNumberAndLabelByTaperAndFlags)
{
    const std::vector<std::string> letters = {"A", "B", "C", "D", "E"};
    const std::vector<std::string> instrument = {"Guitar", "Bass"};
    const DisplayCase cases[] = {
        // Lists show the label alone, after one space with the unit flag and after ":  " with the name.
        {kTaperList, 0, 4, letters, 2, false, false, -1, "C"},
        {kTaperList, 0, 4, letters, 2, false, true, -1, " C"},
        {kTaperList, 0, 4, letters, 2, true, true, -1, "Name:  C"},
        {kTaperList, 0, 4, letters, 2, true, false, -1, "C"},
        {kTaperList, 0, 4, letters, 2, false, false, 1.49, "B"},
        {kTaperList, 0, 4, letters, 2, false, false, 1.5, "C"},
        {kTaperList, 0, 2, {"A", "B", "C"}, 0, false, false, 7.0, ""},
        {kTaperList, 0, 2, {"A", "B", "C"}, 0, false, true, 7.0, " "},
        {kTaperList, 0, 1, instrument, 1, false, true, -1, " Bass"},
        {kTaperList, 0, 2, {"A", "B", "C"}, 0, false, false, 1e300, ""},
        // Stepped shows a whole number; any negative value stands for the current one.
        {kTaperStepped, 0, 10, {"st"}, 4, false, false, 2.5, "3"},
        {kTaperStepped, 0, 10, {"st"}, 4, false, true, 2.5, "3 st"},
        {kTaperStepped, 0, 10, {"st"}, 4, false, false, -2.5, "4"},
        {kTaperStepped, 0, 10, {"st"}, 4, false, false, 1e12, "2147483647"},
        {kTaperLinear, 0, 10, {"dB"}, 0, false, true, 3.14159, "3.1 dB"},
        {kTaperLinear, 0, 10, {"dB"}, 0, true, true, 3.14159, "Name: 3.1 dB"},
        {kTaperLinear, 0, 10, {"dB"}, 0, false, false, 3.14159, "3.1"},
        {kTaperLinear, 0, 10, {}, 0, false, true, 1.0, "1.0 "},
        {kTaperLinear, 0, 10, {}, 0, false, false, 1e20, "100000000000000"}, // cut to 15 characters
        // A switch names its half with the unit flag, shows its number without it.
        {kTaperSwitch, 0, 1, {"Off", "On"}, 0, false, true, 0.2, "0.2 Off"},
        {kTaperSwitch, 0, 1, {"Off", "On"}, 0, false, true, 0.8, "0.8 On"},
        {kTaperSwitch, 0, 1, {"Off", "On"}, 0, false, true, 0.5, "0.5 "},
        {kTaperSwitch, 0, 1, {"Off", "On"}, 0, false, false, 0.8, "0.8"},
        {kTaperSwitch, 0, 1, {"Off"}, 0, false, true, 0.8, "0.8 "},
        {kTaperLogarithmic, 20, 20000, {"Hz"}, 20, false, true, 1000, "1000.0 Hz"},
        {kTaperLinearMinusInf, -60, 0, {"dB"}, -60, false, true, -1, "-Inf "},
        {kTaperLinearMinusInf, -60, 0, {"dB"}, -60, false, false, -1, "-Inf"},
        {kTaperLinearMinusInf, -60, 0, {"dB"}, -30, false, true, -1, "-30.0 dB"},
        {kTaperLinearMinusInf, -60, 0, {"dB"}, -60, false, true, 0, "0.0 dB"},
        {kTaperSquared, 0, 100, {"%"}, 0, false, true, 25, "25.0 %"},
        {kTaperLinearOffAtMinimum, 0, 10, {"ms"}, 0, false, true, 0, "Off "},
        {kTaperLinearOffAtMinimum, 0, 10, {"ms"}, 0, true, true, 5, "Name: 5.0 ms"},
        {kTaperLinearOffAtMaximum, 0, 10, {"ms"}, 0, false, true, 10, "Off "},
        {kTaperLinearOffAtMaximum, 0, 10, {"ms"}, 0, false, false, 12, "Off"},
        {kTaperLinearOffAtMaximum, 0, 10, {"ms"}, 0, false, true, 5, "5.0 ms"},
        {9, 0, 10, {"x"}, 0, false, true, 1.0, "1.0 "},
        {-1, 0, 10, {"x"}, 0, true, false, 1.0, "1.0"},
    };
    for (const DisplayCase& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "type " << c.taperType << " value " << c.value << " name " << c.withName
                                          << " unit " << c.withUnit);
        const CKROParameter parameter = MakeParameter(c.taperType, c.minimum, c.maximum, c.labels, c.currentPlain);
        EXPECT_EQ(parameter.GetDisplayText(c.withName, c.withUnit, c.value), c.expected);
    }
}

// A host may switch the process to a locale with a decimal comma; the texts must not follow it.
TEST(KROParameterDisplayText, IgnoresTheProcessLocale)
{
    struct CommaDecimal : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
        std::string do_grouping() const override { return "\3"; }
        char do_thousands_sep() const override { return '.'; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    const bool haveCommaLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;

    EXPECT_EQ(MakeParameter(kTaperLinear, 0, 20000, {"Hz"}).GetDisplayText(false, true, 12345.25), "12345.2 Hz");
    EXPECT_EQ(MakeParameter(kTaperStepped, 0, 20000, {"Hz"}).GetDisplayText(false, false, 12345.25), "12345");

    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);
    if (!haveCommaLocale)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed; only the C++ global locale was checked";
}

TEST(KROParameter, ConstructorStartsAtTheNormalisedDefault)
{
    const CKROParameter parameter(nullptr, "Drop Tuning", {"E", "Eb", "D", "Db", "C", "B"}, 0, 5, 1, 3, kTaperList, 1,
                                  2, 3);
    EXPECT_EQ(parameter.GetName(), "Drop Tuning");
    EXPECT_EQ(parameter.GetPlainValue(), 3.0);
    EXPECT_EQ(parameter.GetDefaultPlainValue(), 3.0);
    EXPECT_DOUBLE_EQ(parameter.GetNormalized(), 0.6);
    EXPECT_DOUBLE_EQ(parameter.GetDefaultNormalized(), 0.6);
    EXPECT_EQ(parameter.GetStep(), 1.0);
    EXPECT_EQ(parameter.GetReadOnlyFlag(), 1);
    EXPECT_EQ(parameter.GetSecondFlag(), 2);
    EXPECT_EQ(parameter.GetThirdFlag(), 3);
}

TEST(KROParameter, SetNormalizedStoresBothValuesAndMarksTheOwner)
{
    CountingOwner owner;
    CKROParameter parameter = MakeParameter(kTaperList, 0, 4, {"A", "B", "C", "D", "E"}, 0, &owner);
    EXPECT_DOUBLE_EQ(parameter.SetNormalized(0.6), 2.4);
    EXPECT_EQ(parameter.GetNormalized(), 0.6);
    EXPECT_EQ(parameter.GetPlainValue(), 2.0); // a list reads its nearest label number
    EXPECT_EQ(owner.marks, 1);

    CKROParameter unowned = MakeParameter(kTaperLinear, 0, 10);
    EXPECT_EQ(unowned.SetNormalized(0.5), 5.0);
    EXPECT_EQ(unowned.GetPlainValue(), 5.0);
    EXPECT_EQ(owner.marks, 1);
}

TEST(KROParameter, SetPlainValueStoresItsNormalisationAndMarksTheOwner)
{
    CountingOwner owner;
    CKROParameter parameter = MakeParameter(kTaperStepped, 0, 10, {}, 0, &owner);
    parameter.SetPlainValue(2.6);
    EXPECT_DOUBLE_EQ(parameter.GetNormalized(), 0.3);
    // The plain value is the normalised value's: the step the stepped taper snapped to.
    EXPECT_EQ(parameter.GetPlainValue(), 3.0);
    EXPECT_EQ(owner.marks, 1);
}

TEST(KROParameter, MinusInfinityTaperPinsTheMinimumToNormalisedZero)
{
    CKROParameter parameter = MakeParameter(kTaperLinearMinusInf, -60, 0, {"dB"});
    EXPECT_EQ(parameter.SetNormalized(0.0), -60.0);
    EXPECT_EQ(parameter.GetNormalized(), 0.0);
    // So small that the plain value rounds to the minimum: stored as exactly 0.
    EXPECT_EQ(parameter.SetNormalized(1e-18), -60.0);
    EXPECT_EQ(parameter.GetNormalized(), 0.0);
    EXPECT_EQ(parameter.SetNormalized(0.5), -30.0);
    EXPECT_EQ(parameter.GetNormalized(), 0.5);
}

TEST(KROParameter, SetDefaultPlainValueLeavesTheCurrentValue)
{
    CKROParameter parameter = MakeParameter(kTaperList, 0, 10, {}, 5);
    parameter.SetNormalized(0.2);
    EXPECT_DOUBLE_EQ(parameter.SetDefaultPlainValue(7), 0.7);
    EXPECT_EQ(parameter.GetDefaultPlainValue(), 7.0);
    EXPECT_DOUBLE_EQ(parameter.GetDefaultNormalized(), 0.7);
    EXPECT_EQ(parameter.GetNormalized(), 0.2);
    EXPECT_EQ(parameter.GetPlainValue(), 2.0);
}

TEST(KROParameter, CopyKeepsTheOwnerAndCloneTakesTheNewOne)
{
    CountingOwner first, second;
    CKROParameter source = MakeParameter(kTaperList, 0, 4, {"A", "B", "C", "D", "E"}, 1, &first);
    source.SetNormalized(0.6); // plain 2.4
    source.SetDefaultPlainValue(3);

    const CKROParameter copy = CopyParameter(source);
    EXPECT_EQ(copy.GetOwner(), &first);
    EXPECT_EQ(copy.GetDisplayText(false, false, -1), "C");

    CKROParameter clone = CloneParameterForAlgorithm(&second, source);
    EXPECT_EQ(clone.GetOwner(), &second);
    EXPECT_EQ(clone.GetNormalized(), 0.6);
    EXPECT_EQ(clone.GetDefaultPlainValue(), 3.0);
    EXPECT_DOUBLE_EQ(clone.GetDefaultNormalized(), 0.75);
    EXPECT_EQ(clone.GetValueLabels(), source.GetValueLabels());
    EXPECT_EQ(clone.GetDisplayText(true, true, 2.4), "Name:  C");
    clone.SetNormalized(0.25);
    EXPECT_EQ(second.marks, 1);
    EXPECT_EQ(first.marks, 1);
}

} // namespace
