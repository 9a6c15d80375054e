#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CBinaryTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CLinearTaperDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CNumberDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateDisplayDelegate.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CStateTaperDelegate.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <memory>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kHuge = 1e300;

TEST(AAX_BinaryTaper, MapsAnyPositiveNormalisedValueToTrue)
{
    const AAX_CBinaryTaperDelegate<bool> taper;
    const struct
    {
        double normalized;
        bool real;
    } cases[] = {{0.0, false}, {-1.0, false}, {kNaN, false}, {1e-9, true}, {0.5, true}, {kHuge, true}};
    for (const auto& c : cases)
        EXPECT_EQ(taper.NormalizedToReal(c.normalized), c.real) << c.normalized;
    EXPECT_EQ(taper.RealToNormalized(true), 1.0);
    EXPECT_EQ(taper.RealToNormalized(false), 0.0);
    EXPECT_TRUE(taper.GetMaximumValue());
    EXPECT_FALSE(taper.GetMinimumValue());
}

TEST(AAX_LinearTaper, ConvertsWithinItsRangeAndLimitsEverythingElse)
{
    const struct
    {
        float minimum, maximum;
        double normalized;
        float real;
    } cases[] = {
        {0.0f, 1.0f, 0.3, 0.3f},      {0.0f, 1.0f, 1.5, 1.0f},     {0.0f, 1.0f, -0.5, 0.0f},
        {-10.0f, 10.0f, 0.25, -5.0f}, {10.0f, -10.0f, 0.25, 5.0f}, // a falling line
        {0.0f, 1.0f, kNaN, 0.0f},     {0.0f, 1.0f, kHuge, 1.0f},   {0.0f, 1.0f, -kHuge, 0.0f},
        {2.0f, 2.0f, 0.7, 2.0f}, // equal ends: always the minimum
    };
    for (const auto& c : cases)
    {
        const AAX_CLinearTaperDelegate<float, 0> taper(c.minimum, c.maximum);
        EXPECT_FLOAT_EQ(taper.NormalizedToReal(c.normalized), c.real)
            << c.minimum << ".." << c.maximum << " at " << c.normalized;
    }
    const AAX_CLinearTaperDelegate<float, 0> unit(0.0f, 1.0f);
    EXPECT_NEAR(unit.RealToNormalized(0.3f), 0.3, 1e-7);
    EXPECT_EQ(unit.RealToNormalized(7.0f), 1.0);
    EXPECT_EQ(unit.RealToNormalized(std::numeric_limits<float>::quiet_NaN()), 0.0);
    EXPECT_EQ(AAX_CLinearTaperDelegate<float>(2.0f, 2.0f).RealToNormalized(5.0f), 0.5);
}

TEST(AAX_StateTaper, RoundsToTheNearestStateHalvesAwayFromZero)
{
    const struct
    {
        int32_t minimum, maximum;
        double normalized;
        int32_t state;
    } cases[] = {
        {0, 4, 0.5, 2},
        {0, 4, 0.625, 3}, // 2.5 rounds up
        {0, 4, 0.6, 2},
        {-4, 0, 0.375, -3}, // -2.5 rounds away from zero
        {0, 4, 1.2, 4},
        {0, 4, -3.0, 0},
        {0, 4, kNaN, 0},
        {0, 4, kHuge, 4},
        {0, 4, -kHuge, 0},
        {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), kHuge,
         std::numeric_limits<int32_t>::max()},
        {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), -kHuge,
         std::numeric_limits<int32_t>::min()},
        {3, 3, 0.9, 3},
    };
    for (const auto& c : cases)
    {
        const AAX_CStateTaperDelegate<int32_t> taper(c.minimum, c.maximum);
        EXPECT_EQ(taper.NormalizedToReal(c.normalized), c.state)
            << c.minimum << ".." << c.maximum << " at " << c.normalized;
    }
    const AAX_CStateTaperDelegate<int32_t> taper(0, 4);
    EXPECT_EQ(taper.RealToNormalized(1), 0.25);
    EXPECT_EQ(taper.RealToNormalized(9), 1.0);
    EXPECT_EQ(AAX_CStateTaperDelegate<int32_t>(3, 3).RealToNormalized(3), 0.5);
}

TEST(AAX_TaperClone, CopiesTheRange)
{
    const AAX_CLinearTaperDelegate<float> taper(-2.0f, 6.0f);
    std::unique_ptr<AAX_ITaperDelegate<float>> clone(taper.Clone());
    EXPECT_EQ(clone->GetMinimumValue(), -2.0f);
    EXPECT_EQ(clone->GetMaximumValue(), 6.0f);
}

std::string Text(const AAX_CString& text)
{
    return text.Get();
}

TEST(AAX_NumberDisplay, WritesTwoDecimalsCutToTheWidth)
{
    const AAX_CNumberDisplayDelegate<float, 2, 0> display;
    const struct
    {
        float value;
        int32_t maxChars; // -1: no maximum
        const char* text;
    } cases[] = {
        {0.5f, -1, "0.50"}, {0.5f, 4, "0.50"}, {0.5f, 3, "0.5"},   {0.5f, 2, "0"}, // the point goes too
        {0.5f, 0, ""},      {0.5f, -7, ""},    {1.0f, -1, "1.00"}, {-12.345f, -1, "-12.35"}, {-12.345f, 4, "-12"},
    };
    for (const auto& c : cases)
    {
        AAX_CString text("old");
        const bool written = c.maxChars == -1 ? display.ValueToString(c.value, &text)
                                              : display.ValueToString(c.value, c.maxChars, &text);
        EXPECT_TRUE(written);
        EXPECT_EQ(Text(text), c.text) << c.value << " in " << c.maxChars;
    }
}

TEST(AAX_NumberDisplay, ReadsTheLeadingNumberOfAText)
{
    const AAX_CNumberDisplayDelegate<float, 2, 0> display;
    const struct
    {
        const char* text;
        bool read;
        float value;
    } cases[] = {
        {" 12.5x", true, 12.5f}, {"0.25", true, 0.25f}, {"-3", true, -3.0f},
        {"abc", false, 0.0f},    {"", false, 0.0f},     {"1e300", true, std::numeric_limits<float>::max()},
    };
    for (const auto& c : cases)
    {
        float value = 99.0f;
        EXPECT_EQ(display.StringToValue(AAX_CString(c.text), &value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

// A host may switch the process to a locale with a decimal comma; the texts must not follow it.
TEST(AAX_NumberDisplay, IgnoresTheProcessLocale)
{
    struct CommaDecimal : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    const bool haveCommaLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;

    const AAX_CNumberDisplayDelegate<float, 2, 0> display;
    AAX_CString text;
    display.ValueToString(0.25f, &text);
    float value = 0.0f;
    const bool read = display.StringToValue(AAX_CString("12.5"), &value);

    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);
    EXPECT_EQ(Text(text), "0.25");
    EXPECT_TRUE(read);
    EXPECT_EQ(value, 12.5f);
    if (!haveCommaLocale)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed; only the C++ global locale was checked";
}

TEST(AAX_BinaryDisplay, ShowsAndReadsItsTwoTexts)
{
    AAX_CBinaryDisplayDelegate<bool> display("bypass", "on");
    AAX_CString text;
    EXPECT_TRUE(display.ValueToString(false, &text));
    EXPECT_EQ(Text(text), "bypass");
    EXPECT_TRUE(display.ValueToString(true, 2, &text));
    EXPECT_EQ(Text(text), "on");

    const struct
    {
        const char* text;
        bool read;
        bool value;
    } cases[] = {{"on", true, true}, {"bypass", true, false}, {"On", false, false}, {"", false, false}};
    for (const auto& c : cases)
    {
        bool value = !c.value;
        EXPECT_EQ(display.StringToValue(AAX_CString(c.text), &value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(AAX_BinaryDisplay, ChoosesTheLongestShortenedPairThatFits)
{
    AAX_CBinaryDisplayDelegate<bool> display("bypass", "active");
    display.AddShortenedStrings("byp", "act", 3);
    display.AddShortenedStrings("b", "a", 1);
    const struct
    {
        int32_t maxChars;
        const char* falseText;
    } cases[] = {{6, "bypass"}, {99, "bypass"}, {5, "byp"}, {3, "byp"}, {2, "b"}, {1, "b"}, {0, "b"}, {-4, "b"}};
    for (const auto& c : cases)
    {
        AAX_CString text;
        EXPECT_TRUE(display.ValueToString(false, c.maxChars, &text));
        EXPECT_EQ(Text(text), c.falseText) << c.maxChars;
    }
}

TEST(AAX_StateDisplay, NamesEachStateAndRefusesOthers)
{
    AAX_CStateDisplayDelegate<int32_t> display({"Guitar", "Bass"}, 1);
    const struct
    {
        int32_t value;
        bool shown;
        const char* text; // what the output holds afterwards
    } cases[] = {{1, true, "Guitar"},
                 {2, true, "Bass"},
                 {0, false, "old"},
                 {3, false, "old"},
                 {std::numeric_limits<int32_t>::min(), false, "old"}};
    for (const auto& c : cases)
    {
        AAX_CString text("old");
        EXPECT_EQ(display.ValueToString(c.value, &text), c.shown) << c.value;
        EXPECT_EQ(Text(text), c.text) << c.value;
    }
    int32_t value = 0;
    EXPECT_TRUE(display.StringToValue(AAX_CString("Bass"), &value));
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(display.StringToValue(AAX_CString("Banjo"), &value));
    EXPECT_EQ(value, 1);
}

TEST(AAX_StateDisplay, ShortensWithTheLastSetThatFits)
{
    AAX_CStateDisplayDelegate<int32_t> display({"Guitar", "Bass"});
    display.AddShortenedStrings(3, {"Gtr", "Bs"});
    display.AddShortenedStrings(1, {"G"});
    const struct
    {
        int32_t value, maxChars;
        bool shown;
        const char* text;
    } cases[] = {
        {0, 7, true, "Guitar"}, {0, 6, true, "G"}, // the last set that fits, not the longest
        {1, 3, true, "Bs"},                        // the last set has no entry 1
        {0, 0, true, "Gtr"},                       // nothing fits: the first set
        {2, 9, false, "old"},                      // no such state: refused, as in the plain form
    };
    for (const auto& c : cases)
    {
        AAX_CString text("old");
        EXPECT_EQ(display.ValueToString(c.value, c.maxChars, &text), c.shown) << c.value << " in " << c.maxChars;
        EXPECT_EQ(Text(text), c.text) << c.value << " in " << c.maxChars;
    }
}

} // namespace
