#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CChunkDataParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string kMarker = "\x01\x01\x01\x01"s;

// A chunk of exactly the header and size bytes, so that reading past its data is an ASan error.
class Chunk
{
public:
    explicit Chunk(int32_t size, const std::string& data = std::string(), int32_t version = 0)
        : bytes(kAAXChunkHeaderSize + static_cast<size_t>(std::max(size, 0)))
    {
        Get()->size = size;
        Get()->version = version;
        std::memcpy(bytes.data() + kAAXChunkHeaderSize, data.data(),
                    std::min(data.size(), bytes.size() - kAAXChunkHeaderSize));
    }

    AAX_SPlugInChunk* Get() { return reinterpret_cast<AAX_SPlugInChunk*>(bytes.data()); }
    std::string Data() const { return std::string(bytes.begin() + kAAXChunkHeaderSize, bytes.end()); }

private:
    std::vector<char> bytes;
};

// The parser's data as bytes, written into a chunk of exactly its size.
std::string Written(const AAX_CChunkDataParser& parser)
{
    Chunk chunk(parser.GetChunkDataSize());
    chunk.Get()->size = 0;
    EXPECT_EQ(parser.GetChunkData(chunk.Get()), 0);
    EXPECT_EQ(chunk.Get()->size, parser.GetChunkDataSize());
    return chunk.Data();
}

std::string BigEndianDouble(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    std::string bytes;
    for (int shift = 56; shift >= 0; shift -= 8)
        bytes += static_cast<char>(bits >> shift);
    return bytes;
}

TEST(AAXChunkDataParser, WritesTheDocumentedLayout)
{
    const struct
    {
        const char* name;
        void (*fill)(AAX_CChunkDataParser&);
        std::string data;
    } cases[] = {
        {"empty list: the marker", [](AAX_CChunkDataParser&) {}, kMarker},
        {"double named abcd: one pad byte after the name", [](AAX_CChunkDataParser& p) { p.AddDouble("abcd", 1.5); },
         kMarker + "d_abcd\0\0"s + BigEndianDouble(1.5)},
        {"integer whose name needs no padding", [](AAX_CChunkDataParser& p) { p.AddInt32("a", -2); },
         kMarker + "l_a\0"s + "\xFF\xFF\xFF\xFE"s},
        {"texts padded to a multiple of 4",
         [](AAX_CChunkDataParser& p) {
             p.AddString("t", AAX_CString("hi"));
             p.AddString("e", AAX_CString(""));
             p.AddString("f", AAX_CString("four"));
         },
         kMarker + "r_t\0hi\0\0"s + "r_e\0\0\0\0\0"s + "r_f\0four\0\0\0\0"s},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        AAX_CChunkDataParser parser;
        c.fill(parser);
        EXPECT_EQ(parser.GetChunkDataSize(), static_cast<int32_t>(c.data.size()));
        EXPECT_EQ(Written(parser), c.data);
    }
}

TEST(AAXChunkDataParser, RoundTripsValuesBitForBit)
{
    const double doubles[] = {0.0,
                              -0.0,
                              1.0 / 3.0,
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              -1e300};
    const int32_t integers[] = {0, -1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    const std::string texts[] = {"", "a", "four", "text with blanks", std::string(300, 'z')};

    AAX_CChunkDataParser written;
    for (size_t i = 0; i < std::size(doubles); ++i)
        written.AddDouble(("d" + std::to_string(i)).c_str(), doubles[i]);
    for (size_t i = 0; i < std::size(integers); ++i)
        written.AddInt32(("integer" + std::to_string(i)).c_str(), integers[i]);
    for (size_t i = 0; i < std::size(texts); ++i)
        written.AddString(("text " + std::to_string(i)).c_str(), AAX_CString(texts[i]));
    const std::string data = Written(written);

    Chunk chunk(static_cast<int32_t>(data.size()), data, 7);
    AAX_CChunkDataParser read;
    read.LoadChunk(chunk.Get());
    EXPECT_EQ(read.GetChunkVersion(), 7);
    for (size_t i = 0; i < std::size(doubles); ++i)
    {
        double value = 0.0;
        ASSERT_TRUE(read.FindDouble(("d" + std::to_string(i)).c_str(), &value)) << i;
        EXPECT_EQ(std::memcmp(&value, &doubles[i], sizeof(double)), 0) << i;
    }
    for (size_t i = 0; i < std::size(integers); ++i)
    {
        int32_t value = 0;
        ASSERT_TRUE(read.FindInt32(("integer" + std::to_string(i)).c_str(), &value)) << i;
        EXPECT_EQ(value, integers[i]);
    }
    for (size_t i = 0; i < std::size(texts); ++i)
    {
        AAX_CString value("old");
        ASSERT_TRUE(read.FindString(("text " + std::to_string(i)).c_str(), &value)) << i;
        EXPECT_EQ(value.StdString(), texts[i]);
    }
    // Written again, the list gives the same bytes: text padding read back adds no entries.
    EXPECT_EQ(read.NumberOfEntries(), std::size(doubles) + std::size(integers) + std::size(texts));
    EXPECT_EQ(Written(read), data);
    read.Clear();
    EXPECT_EQ(read.GetChunkVersion(), -1);
    EXPECT_EQ(read.NumberOfEntries(), 0u);
}

TEST(AAXChunkDataParser, ReadsFloatAndShortEntriesAndWritesThemBack)
{
    const std::string data = kMarker + "f_g\0"s + "\x3F\xC0\x00\x00"s + "s_h\0"s + "\x12\x34\x00\x00"s;
    Chunk chunk(static_cast<int32_t>(data.size()), data);
    AAX_CChunkDataParser parser;
    parser.LoadChunk(chunk.Get());
    EXPECT_EQ(parser.NumberOfEntries(), 2u);
    double value = 0.0;
    int32_t integer = 0;
    EXPECT_FALSE(parser.FindDouble("g", &value));
    EXPECT_FALSE(parser.FindInt32("h", &integer));
    EXPECT_EQ(Written(parser), data);
}

TEST(AAXChunkDataParser, SearchesOnFromTheLastHitAndChecksTheType)
{
    AAX_CChunkDataParser parser;
    parser.AddInt32("x", 1);
    parser.AddDouble("y", 2.5);
    parser.AddInt32("x", 2);
    int32_t value = 0;
    EXPECT_TRUE(parser.FindInt32("x", &value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(parser.FindInt32("x", &value));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(parser.FindInt32("x", &value));
    EXPECT_EQ(value, 1);
    value = 99;
    EXPECT_FALSE(parser.FindInt32("y", &value));
    EXPECT_FALSE(parser.FindInt32("absent", &value));
    EXPECT_FALSE(parser.FindInt32(nullptr, &value));
    EXPECT_EQ(value, 99);
    AAX_CString text("kept");
    EXPECT_FALSE(parser.FindString("x", &text));
    EXPECT_STREQ(text.Get(), "kept");
}

struct MalformedCase
{
    const char* name;
    int32_t size;
    std::string data;
    size_t entries; // entries read before the data ends
};

TEST(AAXChunkDataParser, NeverReadsPastAMalformedChunk)
{
    const std::string good = "l_a\0\0\0\0\x05"s;
    const MalformedCase cases[] = {
        {"negative size", -8, "", 0},
        {"zero size", 0, "", 0},
        {"only the marker", 4, kMarker, 0},
        {"no marker", 12, "\x01\x01\x01\x02l_a\0\0\0\0\x05"s, 0},
        {"header without its zero byte", 9, kMarker + "d_abc", 0},
        {"header longer than 254 characters", 4 + 303, kMarker + "d_" + std::string(300, 'n') + "\0"s, 0},
        {"double cut short", 12 + 8 + 4, kMarker + good + "d_ab\0\0\0\0"s + "\x3F\xF0\0\0"s, 1},
        {"integer cut short", 4 + 4 + 2, kMarker + "l_a\0"s + "\0\x01"s, 0},
        {"short cut short", 4 + 4 + 1, kMarker + "s_a\0"s + "\x01"s, 0},
        {"text without its zero byte", 4 + 4 + 3, kMarker + "r_t\0"s + "abc", 0},
        {"text header at the very end", 4 + 4, kMarker + "r_t\0"s, 0},
        {"unknown tag without a value", 4 + 8, kMarker + "q_name\0\0"s, 1},
        {"padding after a text", 4 + 8 + 8, kMarker + "r_t\0hi\0\0"s + good, 2},
        {"zero bytes to the end", 4 + 12, kMarker + std::string(12, '\0'), 0},
    };
    for (const MalformedCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        Chunk chunk(c.size, c.data, 3);
        AAX_CChunkDataParser parser;
        parser.AddDouble("stale", 1.0);
        parser.LoadChunk(chunk.Get());
        EXPECT_EQ(parser.NumberOfEntries(), c.entries);
        EXPECT_EQ(parser.GetChunkVersion(), 3);
        double value = 0.0;
        EXPECT_FALSE(parser.FindDouble("stale", &value));
        EXPECT_FALSE(parser.FindDouble("", &value));
    }
    Chunk good_(static_cast<int32_t>(4 + good.size()), kMarker + good);
    AAX_CChunkDataParser parser;
    parser.LoadChunk(good_.Get());
    int32_t value = 0;
    EXPECT_TRUE(parser.FindInt32("a", &value));
    EXPECT_EQ(value, 5);
    parser.LoadChunk(nullptr);
    EXPECT_EQ(parser.NumberOfEntries(), 0u);
}

} // namespace
