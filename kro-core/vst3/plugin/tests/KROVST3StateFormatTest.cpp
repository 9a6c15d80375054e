// The pieces of the component state: stream reading and writing that count only whole
// transfers, the older binary layout, and telling XML from that layout.

#include "kro-core/vst3/plugin/KROVST3LegacyState.h"
#include "kro-core/vst3/plugin/KROVST3StateStream.h"
#include "kro-core/vst3/plugin/KROVST3StateXml.h"

#include "public.sdk/source/common/memorystream.h"

#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>

#include <cstring>
#include <limits>
#include <string>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// A host stream that hands out at most a few bytes a read and can be told to fail writes.
class TrickleStream : public MemoryStream
{
public:
    explicit TrickleStream(const std::string& bytes, int32 perRead = 3) : perRead(perRead)
    {
        int32 written = 0;
        MemoryStream::write(const_cast<char*>(bytes.data()), static_cast<int32>(bytes.size()), &written);
        seek(0, kIBSeekSet, nullptr);
    }

    tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) SMTG_OVERRIDE
    {
        return MemoryStream::read(buffer, std::min(numBytes, perRead), numBytesRead);
    }
    tresult PLUGIN_API write(void* buffer, int32 numBytes, int32* numBytesWritten) SMTG_OVERRIDE
    {
        if (writeLimit >= 0 && numBytes > writeLimit)
        {
            if (numBytesWritten != nullptr)
                *numBytesWritten = writeLimit;
            return kResultOk; // a short write that still reports success
        }
        return MemoryStream::write(buffer, numBytes, numBytesWritten);
    }

    int32 perRead;
    int32 writeLimit = -1;
};

std::string LegacyBytes(const std::vector<float>& values, int bypass)
{
    std::string bytes;
    for (float value : values)
    {
        char raw[4];
        std::memcpy(raw, &value, 4); // the build machine is little-endian, like the layout
        bytes.append(raw, 4);
    }
    if (bypass >= 0)
        bytes.push_back(static_cast<char>(bypass));
    return bytes;
}

TEST(KROVST3StateStream, ReadsEverythingAHostDeliversPieceByPiece)
{
    std::string text(10000, 'x');
    text[9999] = 'y';
    TrickleStream stream(text, 7);
    std::string bytes;
    ASSERT_TRUE(ReadWholeStream(stream, bytes));
    EXPECT_EQ(bytes, text);

    MemoryStream empty;
    bytes = "stale";
    ASSERT_TRUE(ReadWholeStream(empty, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(KROVST3StateStream, RefusesAStreamLargerThanTheCap)
{
    TrickleStream stream(std::string(100, 'x'), 64);
    std::string bytes;
    EXPECT_FALSE(ReadWholeStream(stream, bytes, 99));
    EXPECT_TRUE(bytes.empty());
}

TEST(KROVST3StateStream, AShortWriteIsAFailure)
{
    TrickleStream stream("");
    EXPECT_TRUE(WriteWholeStream(stream, "abc"));
    stream.writeLimit = 2;
    EXPECT_FALSE(WriteWholeStream(stream, "abc"));
}

TEST(KROVST3LegacyState, ParsesOnlyTheExactLayoutWithValuesWithin0To1)
{
    KROVST3LegacyState state;
    ASSERT_TRUE(ParseLegacyState(LegacyBytes({0.25f, 1.0f, 0.0f, 0.5f, 0.75f}, 1), 5, 0, state));
    EXPECT_EQ(state.values, (std::vector<float>{0.25f, 1.0f, 0.0f, 0.5f, 0.75f}));
    EXPECT_TRUE(state.bypass);
    EXPECT_TRUE(state.chunk.empty());

    ASSERT_TRUE(ParseLegacyState(LegacyBytes({0.5f}, 7) + "chunk", 1, 5, state));
    EXPECT_TRUE(state.bypass) << "any byte but 0 is on";
    EXPECT_EQ(state.chunk, "chunk");

    const KROVST3LegacyState before = state;
    struct Refused
    {
        const char* what;
        std::string bytes;
        int32_t count;
        int32_t chunkSize;
    };
    const Refused refused[] = {
        {"empty", "", 5, 0},
        {"no bypass byte", LegacyBytes({0.1f, 0.2f, 0.3f, 0.4f, 0.5f}, -1), 5, 0},
        {"a value cut short", LegacyBytes({0.1f, 0.2f}, -1).substr(0, 7), 5, 0},
        {"chunk cut short", LegacyBytes({0.5f}, 1) + "chu", 1, 5},
        {"not a number", LegacyBytes({0.5f, std::numeric_limits<float>::quiet_NaN()}, 0), 2, 0},
        {"above 1", LegacyBytes({0.5f, 1.7f}, 0), 2, 0},
        {"below 0", LegacyBytes({-3.0f, 0.5f}, 0), 2, 0},
        {"endless", LegacyBytes({std::numeric_limits<float>::infinity()}, 0), 1, 0},
        {"a byte past the layout", LegacyBytes({0.5f}, 7) + "chunk+", 1, 5},
    };
    for (const Refused& r : refused)
    {
        EXPECT_FALSE(ParseLegacyState(r.bytes, r.count, r.chunkSize, state)) << r.what;
        EXPECT_EQ(state.values, before.values) << r.what;
    }
}

TEST(KROVST3StateXml, TellsXmlFromTheBinaryLayoutAndATruncatedSave)
{
    const std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<PluginState><Parameters/></PluginState>";
    boost::property_tree::ptree tree;
    EXPECT_EQ(ReadStateText(xml, tree), KROVST3StateText::kXml);
    EXPECT_TRUE(tree.get_child_optional("PluginState.Parameters"));

    struct Case
    {
        const char* what;
        std::string bytes;
        KROVST3StateText expected;
    };
    const Case cases[] = {
        {"binary layout", LegacyBytes({0.2f, 0.4f, 0.6f, 0.8f, 1.0f}, 1), KROVST3StateText::kLegacy},
        {"empty", "", KROVST3StateText::kLegacy},
        {"truncated save", xml.substr(0, xml.size() / 2), KROVST3StateText::kBrokenXml},
        {"truncated tree without declaration", "<PluginState><Param", KROVST3StateText::kBrokenXml},
        {"declaration only", "<?xml version=\"1.0\"?>", KROVST3StateText::kBrokenXml},
        {"text", "hello there", KROVST3StateText::kLegacy},
    };
    for (const Case& c : cases)
    {
        boost::property_tree::ptree untouched;
        untouched.put("keep", 1);
        EXPECT_EQ(ReadStateText(c.bytes, untouched), c.expected) << c.what;
        EXPECT_EQ(untouched.get<int>("keep"), 1) << c.what;
    }
}

TEST(KROVST3StateXml, PutsTheBypassIntoItsOwnBranchAndReadsOnlyBooleans)
{
    boost::property_tree::ptree tree;
    tree.put("PluginState.Parameters", "");
    tree.put("PluginState.VST3Specific.Old", "x");
    PutMasterBypass(tree, true);
    EXPECT_EQ(tree.get<std::string>("PluginState.VST3Specific.VST3MasterBypass"), "true");
    EXPECT_FALSE(tree.get_optional<std::string>("PluginState.VST3Specific.Old")) << "the branch is replaced";
    EXPECT_EQ(GetMasterBypass(tree), true);
    EXPECT_EQ(tree.get_child("PluginState").back().first, "VST3Specific");

    for (const auto& text : {std::pair<const char*, std::optional<bool>>{"false", false},
                             {"1", true},
                             {"0", false},
                             {"yes", std::nullopt},
                             {"", std::nullopt}})
    {
        tree.put("PluginState.VST3Specific.VST3MasterBypass", text.first);
        EXPECT_EQ(GetMasterBypass(tree), text.second) << text.first;
    }
    EXPECT_EQ(GetMasterBypass(boost::property_tree::ptree()), std::nullopt);
}

} // namespace
