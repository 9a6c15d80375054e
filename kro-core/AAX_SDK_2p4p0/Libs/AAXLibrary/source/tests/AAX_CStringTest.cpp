#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CString.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <stdexcept>

namespace {

// A process locale that writes and reads numbers with a decimal comma.
struct CommaDecimals : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class CommaLocale
{
public:
    CommaLocale() : previous(std::locale::global(std::locale(std::locale::classic(), new CommaDecimals))) {}
    ~CommaLocale() { std::locale::global(previous); }

private:
    std::locale previous;
};

TEST(AAXCString, AbsentTextIsEmpty)
{
    const AAX_CString absent(static_cast<const char*>(nullptr));
    EXPECT_EQ(absent.Length(), 0u);
    EXPECT_STREQ(absent.Get(), "");
    AAX_CString set("abc");
    set.Set(nullptr);
    EXPECT_STREQ(set.Get(), "");
    EXPECT_EQ(set.MaxLength(), 0xFFFFFFFEu);
}

TEST(AAXCString, CopiesAssignsComparesAndSwaps)
{
    AAX_CString a("alpha");
    const AAX_CString copy(static_cast<const AAX_IString&>(a));
    EXPECT_TRUE(copy == a);
    a = a;
    EXPECT_STREQ(a.Get(), "alpha");
    AAX_IString& asInterface = a;
    asInterface = static_cast<const AAX_IString&>(a);
    EXPECT_STREQ(a.Get(), "alpha");
    AAX_CString b("beta");
    EXPECT_TRUE(a != b);
    a.Swap(b);
    EXPECT_STREQ(a.Get(), "beta");
    EXPECT_STREQ(b.Get(), "alpha");
    EXPECT_EQ(a[1], 'e');
    // Comparison stops at the first zero byte, as for plain texts.
    EXPECT_TRUE(AAX_CString(std::string("ab\0x", 4)) == AAX_CString("ab"));
}

TEST(AAXCString, AppendsNumbersWithExactlyTheGivenDecimals)
{
    const struct
    {
        double number;
        int32_t precision;
        const char* text;
    } cases[] = {
        {1.0, 2, "1.00"},        {0.5, 2, "0.50"}, {-0.125, 2, "-0.12"}, {2.5, 0, "2"}, {1234567.5, 1, "1234567.5"},
        {0.333333, 4, "0.3333"}, {3.0, -1, "3"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        AAX_CString text("x=");
        text.AppendNumber(c.number, c.precision);
        EXPECT_EQ(text.StdString(), std::string("x=") + c.text);
    }
}

TEST(AAXCString, ReadsTheNumberAtTheStart)
{
    const struct
    {
        const char* text;
        bool read;
        double number;
    } cases[] = {
        {"12.5abc", true, 12.5}, {" 12.5", true, 12.5}, {"-3", true, -3.0}, {"abc", false, 0.0}, {"", false, 0.0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        double number = 99.0;
        EXPECT_EQ(AAX_CString(c.text).ToDouble(&number), c.read);
        EXPECT_EQ(number, c.number);
    }
}

TEST(AAXCString, NumbersIgnoreACommaDecimalProcessLocale)
{
    const CommaLocale comma;
    AAX_CString text;
    text.AppendNumber(1234.5, 2);
    EXPECT_STREQ(text.Get(), "1234.50");
    double number = 0.0;
    EXPECT_TRUE(AAX_CString("12.5").ToDouble(&number));
    EXPECT_EQ(number, 12.5);
    EXPECT_TRUE(AAX_CString("12,5").ToDouble(&number));
    EXPECT_EQ(number, 12.0);
}

TEST(AAXCString, SubStringAndEraseStayInsideTheText)
{
    const AAX_CString five("abcde");
    AAX_CString out("old");
    five.SubString(2, 100, &out);
    EXPECT_STREQ(out.Get(), "cde");
    five.SubString(5, 1, &out);
    EXPECT_STREQ(out.Get(), "");
    five.SubString(1, 2, &out);
    EXPECT_STREQ(out.Get(), "bc");
    EXPECT_THROW(five.SubString(6, 1, &out), std::out_of_range);
    EXPECT_STREQ(out.Get(), "bc");

    AAX_CString text("0.50");
    text.Erase(4, 1);
    EXPECT_STREQ(text.Get(), "0.50");
    text.Erase(2, 2);
    EXPECT_STREQ(text.Get(), "0.");
    text.Erase(1, 1);
    EXPECT_STREQ(text.Get(), "0");
    text.Erase(0, 100);
    EXPECT_STREQ(text.Get(), "");
    EXPECT_THROW(text.Erase(1, 1), std::out_of_range);
}

} // namespace
