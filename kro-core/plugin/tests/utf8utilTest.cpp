#include "kro-core/plugin/utf8util.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using utf8util::Utf16ToUtf8;
using utf8util::utf8_conversion_error;
using utf8util::Utf8ToUtf16;

struct ValidCase
{
    const char* utf8;
    std::u16string utf16;
};

TEST(utf8util, ConvertsValidTextBothWays)
{
    const ValidCase cases[] = {
        {"", u""},
        {"Default.xml", u"Default.xml"},
        {"\x7F", u"\x7F"},
        {"\xC2\x80", u"\x0080"}, // smallest two-byte form
        {"Gr\xC3\xBC\xC3\x9F", u"Gr\u00FC\u00DF"},
        {"\xDF\xBF", u"\x07FF"},
        {"\xE0\xA0\x80", u"\x0800"}, // smallest three-byte form
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xED\x9F\xBF", u"\uD7FF"}, // just below the surrogates
        {"\xEE\x80\x80", u"\uE000"}, // just above them
        {"\xEF\xBF\xBF", u"\xFFFF"},
        {"\xF0\x90\x80\x80", u"\U00010000"}, // smallest four-byte form
        {"\xF0\x9F\x8E\xB8", u"\U0001F3B8"},
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"}, // the last code point
    };
    for (const ValidCase& c : cases)
    {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
    }
    EXPECT_EQ(Utf8ToUtf16(nullptr), u"");
}

TEST(utf8util, RejectsInvalidUtf8WithTheSystemMessage)
{
    const char* const cases[] = {
        "\x80", // lone continuation byte
        "abc\xBF",
        "\xC3", // truncated sequences
        "\xE2\x82",
        "\xF0\x9F\x8E",
        "\xE2\x82\x41", // a non-continuation byte inside a sequence
        "\xC0\xAF",     // overlong forms
        "\xC1\xBF",
        "\xE0\x9F\xBF",
        "\xF0\x8F\xBF\xBF",
        "\xED\xA0\x80", // encoded surrogates
        "\xED\xBF\xBF",
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF5\x80\x80\x80", // bytes that never occur in UTF-8
        "\xF8\x88\x80\x80\x80",
        "\xFE",
        "\xFF",
    };
    for (const char* text : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(std::string(text)));
        try
        {
            Utf8ToUtf16(text);
            ADD_FAILURE() << "accepted";
        }
        catch (const utf8_conversion_error& error)
        {
            EXPECT_STREQ(error.what(), "Invalid UTF-8 sequence found in input string.");
            EXPECT_EQ(error.direction(), utf8_conversion_error::kFromUtf8);
            EXPECT_EQ(error.direction(), 1);
            EXPECT_EQ(error.error_code(), utf8util::kErrorNoUnicodeTranslation);
        }
    }
}

TEST(utf8util, ErrorIsCopyableAndAStandardException)
{
    const utf8_conversion_error error("message", utf8_conversion_error::kFromUtf16, 87);
    const utf8_conversion_error copy = error;
    const std::exception& base = copy;
    EXPECT_STREQ(base.what(), "message");
    EXPECT_EQ(copy.direction(), 0);
    EXPECT_EQ(copy.error_code(), 87);
}

TEST(utf8util, ReplacesUnpairedSurrogates)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), replacement);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00)) + u"a"), replacement + "a");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD83C), u'x'}), replacement + "x");
    // A high surrogate before a valid pair: only the lone one is replaced.
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD800), char16_t(0xD83C), char16_t(0xDFB8)}),
              replacement + "\xF0\x9F\x8E\xB8");
}

} // namespace
