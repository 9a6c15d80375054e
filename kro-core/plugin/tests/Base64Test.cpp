#include "kro-core/plugin/Base64.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Encode(const std::string& bytes)
{
    return Base64Encode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

struct Vector
{
    const char* bytes;
    const char* text;
};

// RFC 4648, section 10.
const Vector kRfcVectors[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64, MatchesTheRfcVectorsBothWays)
{
    for (const Vector& v : kRfcVectors)
    {
        SCOPED_TRACE(v.bytes);
        EXPECT_EQ(Encode(v.bytes), v.text);
        EXPECT_EQ(Base64Decode(v.text), v.bytes);
    }
    EXPECT_EQ(Base64Encode(nullptr, 0), "");
}

TEST(Base64, RoundTripsEveryByteValue)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (size_t length : {size_t(1), size_t(2), size_t(3), size_t(254), size_t(255), size_t(256)})
    {
        SCOPED_TRACE(length);
        const std::string part = bytes.substr(256 - length);
        const std::string text = Encode(part);
        EXPECT_EQ(text.size(), (length + 2) / 3 * 4);
        EXPECT_EQ(Base64Decode(text), part);
    }
    EXPECT_EQ(Encode("\xFB\xFF"), "+/8=");
}

TEST(Base64, DecodingStopsAtFillOrForeignCharacters)
{
    const Vector cases[] = {
        {"foo", "Zm9v!Zm9v"}, // everything after a foreign character is ignored
        {"foo", "Zm9v=Zm9v"},
        {"foo", "Zm9v\nYmFy"}, // line breaks end the data too
        {"f", "Zg"},           // fill is optional
        {"fo", "Zm8"},
        {"", "Z"}, // a lone character holds no byte
        {"foo", "Zm9vY"},
        {"", "=Zm9v"},
        {"", "!"},
    };
    for (const Vector& c : cases)
    {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Base64Decode(c.text), c.bytes);
    }
}

} // namespace
