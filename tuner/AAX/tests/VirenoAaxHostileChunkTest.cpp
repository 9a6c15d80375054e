// Vireno.aaxplugin, loaded through the simulated host's loader, against chunks a host should never
// hand it: partly readable states, texts that are no XML, indices outside every table, chunk sizes
// no state has. A chunk loads whole, with every host parameter told, or changes nothing; a save
// never fails; what cannot be compared counts as equal.

#include "VirenoAaxChunkTools.h"

#include <chrono>
#include <cstring>
#include <thread>

using namespace vireno_aax_test;

namespace {

class VirenoAaxHostileChunks : public VirenoAaxTest
{
protected:
    void SetUp() override
    {
        VirenoAaxTest::SetUp();
        instance = &Open(kMonoComponent);
        // Every product parameter away from the values the texts below set.
        for (int k = 1; k <= kProductParameters; ++k)
            instance->Parameters().UpdateParameterNormalizedValue(("par" + std::to_string(k)).c_str(), 0.2,
                                                                  AAX_eUpdateSource_Unspecified);
        saved = SavedText(*instance);
        hostValues = HostValues(*instance);
        HostOf(0).ClearCalls();
    }

    // Refused without a change, and the host told so, or taken whole with every host parameter
    // on the text.
    void ExpectLoad(const std::string& text, bool taken)
    {
        EXPECT_EQ(LoadText(*instance, text), taken ? AAX_SUCCESS : AAX_ERROR_MALFORMED_CHUNK);
        EXPECT_EQ(TakenLoad(HostOf(0)), taken ? 1 : 0);
        HostOf(0).ClearCalls();
        if (!taken)
        {
            EXPECT_EQ(SavedText(*instance), saved);
            EXPECT_EQ(HostValues(*instance), hostValues);
            // Not a state of ours: it cannot be compared, and counts as equal.
            EXPECT_TRUE(ComparesEqual(*instance, StateChunk(text)));
            return;
        }
        std::vector<double> expected = ValuesAfterLoading(text, hostValues);
        EXPECT_EQ(HostValues(*instance), expected);
        EXPECT_TRUE(ComparesEqual(*instance, StateChunk(text)));
        // Back to where the case started, for the next one.
        ASSERT_EQ(LoadText(*instance, saved), AAX_SUCCESS);
        ASSERT_EQ(SavedText(*instance), saved);
        HostOf(0).ClearCalls();
    }

    SimInstance* instance = nullptr;
    std::string saved;
    std::vector<double> hostValues;
};

TEST_F(VirenoAaxHostileChunks, APartlyReadableStateIsRefusedWhole)
{
    // Every value 1, and parameter k's "garbage": nothing of it, not the values before k either.
    for (size_t k = 1; k <= 4; ++k)
    {
        SCOPED_TRACE(k);
        std::vector<std::string> values(kProductParameters, "1");
        values[k - 1] = "garbage";
        ExpectLoad(StateText(ProductEntries(values)), false);
    }
    ExpectLoad(StateText(ProductEntries({"1", "1", "1", "1", "1"})), true);

    struct Case
    {
        const char* what;
        std::string text;
    };
    const Case cases[] = {
        {"an entry without a value", StateText({{"1", "1"}, {"", "2"}})},
        {"an index that is no number", StateText({{"1", "1"}, {"1", "two"}})},
        {"an index beyond 32 bits", StateText({{"1", "1"}, {"1", "4294967295"}})},
        {"an index below 32 bits", StateText({{"1", "1"}, {"1", "-2147483649"}})},
        {"a value beyond the float range", StateText({{"1", "1"}, {"1e39", "2"}})},
        {"a value that is no number", StateText({{"1", "1"}, {"nan", "2"}})},
        {"a modified flag that is no boolean", StateText(ProductEntries({"1", "1", "1", "1", "1"}), "maybe")},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ExpectLoad(c.text, false);
    }
}

TEST_F(VirenoAaxHostileChunks, TextsThatAreNoXmlAreRefused)
{
    const std::string good = StateText(ProductEntries({"1", "1", "1", "1", "1"}));
    std::string wrongClose = good;
    wrongClose.replace(wrongClose.find("</Value>"), 8, "</Valux>");
    std::string wrongOpen = good;
    wrongOpen.replace(wrongOpen.find("<Value>"), 7, "<Valum>");
    const std::string secondRoot = good + "<PluginState/>";
    for (const std::string& text : {wrongClose, wrongOpen, secondRoot})
    {
        SCOPED_TRACE(text);
        ExpectLoad(text, false);
    }
}

TEST_F(VirenoAaxHostileChunks, IndicesOutsideTheTableAreLeftOutBeforeAnyArithmetic)
{
    // Each entry outside 1 ... 5 changes nothing, the hidden mute included; the others load.
    for (const char* index : {"-2147483648", "2147483647", "-1", "0", "6", "7", "8", "9"})
    {
        SCOPED_TRACE(index);
        ExpectLoad(StateText({{"0.6", "1"}, {"1", index}, {"0.8", "5"}}), true);
        EXPECT_EQ(instance->Value("par7"), 0.0) << "still not muted";
    }
}

TEST_F(VirenoAaxHostileChunks, AChunkThatLacksAnEntryComparesAndLoadsWhatItHas)
{
    // No entry for parameter 3, whose live value is 0.2.
    std::vector<Entry> entries = ProductEntries({"0.2", "0.2", "0.9", "0.2", "0.2"});
    entries.erase(entries.begin() + 2);
    const std::vector<uint8_t> lacking = StateChunk(StateText(entries));
    EXPECT_TRUE(ComparesEqual(*instance, lacking));
    instance->Parameters().UpdateParameterNormalizedValue("par2", 0.7, AAX_eUpdateSource_Unspecified);
    EXPECT_FALSE(ComparesEqual(*instance, lacking));
    instance->Parameters().UpdateParameterNormalizedValue("par3", 0.9, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ(instance->LoadChunk(kStateChunk, lacking), AAX_SUCCESS);
    EXPECT_NEAR(instance->Value("par2"), 0.2, 1e-7);
    EXPECT_NEAR(instance->Value("par3"), 0.9, 1e-7) << "kept";
    EXPECT_TRUE(ComparesEqual(*instance, lacking));
}

TEST_F(VirenoAaxHostileChunks, WhatCannotBeComparedCountsAsEqual)
{
    const std::string other = StateText(ProductEntries({"1", "1", "1", "1", "1"}));
    ASSERT_FALSE(ComparesEqual(*instance, StateChunk(other)));
    std::vector<uint8_t> negative = StateChunk(other);
    reinterpret_cast<AAX_SPlugInChunk*>(negative.data())->size = -1;
    std::vector<uint8_t> overLimit = StateChunk(other);
    reinterpret_cast<AAX_SPlugInChunk*>(overLimit.data())->size = 0x7FFFFFFF;
    std::vector<uint8_t> binary = SimInstance::MakeChunk(kBinaryChunk, "", std::string("\x01\x02\x03\x04", 4));
    std::vector<uint8_t> binaryNegative = binary;
    reinterpret_cast<AAX_SPlugInChunk*>(binaryNegative.data())->size = -4;
    const std::pair<const char*, const std::vector<uint8_t>*> chunks[] = {
        {"a negative size", &negative},
        {"a size over the limit", &overLimit},
        {"a binary chunk", &binary},
        {"a binary chunk of negative size", &binaryNegative},
    };
    for (const auto& [what, chunk] : chunks)
        EXPECT_TRUE(ComparesEqual(*instance, *chunk)) << what;
}

TEST_F(VirenoAaxHostileChunks, ASaveNeverFailsBecauseAValueMoved)
{
    // "0.200000003" becomes "0.400000006" between the host's two calls: the text GetChunkSize
    // took is written, and it is the state as it was then.
    uint32_t size = 0;
    ASSERT_EQ(instance->Parameters().GetChunkSize(kStateChunk, &size), AAX_SUCCESS);
    instance->Parameters().UpdateParameterNormalizedValue("par3", 0.4, AAX_eUpdateSource_Unspecified);
    std::vector<uint8_t> chunk(kAAXChunkHeaderSize + size, 0);
    auto* header = reinterpret_cast<AAX_SPlugInChunk*>(chunk.data());
    header->size = int32_t(size);
    ASSERT_EQ(instance->Parameters().GetChunk(kStateChunk, header), AAX_SUCCESS);
    EXPECT_EQ(uint32_t(header->size), size);
    EXPECT_EQ(std::string(chunk.begin() + kAAXChunkHeaderSize, chunk.end()), saved);

    // No GetChunkSize first: the state as it is now, in the room the host's header gives.
    std::vector<uint8_t> roomy(kAAXChunkHeaderSize + 4096, 0);
    auto* roomyHeader = reinterpret_cast<AAX_SPlugInChunk*>(roomy.data());
    roomyHeader->size = 4096;
    ASSERT_EQ(instance->Parameters().GetChunk(kStateChunk, roomyHeader), AAX_SUCCESS);
    const std::string now(roomy.begin() + kAAXChunkHeaderSize, roomy.begin() + kAAXChunkHeaderSize + roomyHeader->size);
    EXPECT_EQ(now, SavedText(*instance));
    EXPECT_STREQ(reinterpret_cast<const char*>(roomyHeader->name), "KRO State Chunk");

    // Both load back as what they said.
    EXPECT_EQ(instance->LoadChunk(kStateChunk, chunk), AAX_SUCCESS);
    EXPECT_EQ(SavedText(*instance), saved);
    EXPECT_NEAR(instance->Value("par3"), 0.2, 1e-7);
    EXPECT_EQ(LoadText(*instance, now), AAX_SUCCESS);
    EXPECT_EQ(SavedText(*instance), now);
    EXPECT_NEAR(instance->Value("par3"), 0.4, 1e-7);
}

TEST_F(VirenoAaxHostileChunks, AStateLoadedLongAfterTheLastReadsBackAsItWasSaved)
{
    // The host's echo of the loaded values, outside the window of the load before, is no edit.
    const std::string text = StateText(ProductEntries({"1", "0", "0.6", "0.3", "1"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    ASSERT_EQ(LoadText(*instance, text), AAX_SUCCESS);
    const std::string read = SavedText(*instance);
    EXPECT_NE(read.find("<PresetModified>false</PresetModified>"), std::string::npos) << read;
    EXPECT_EQ(LoadText(*instance, read), AAX_SUCCESS);
    EXPECT_EQ(SavedText(*instance), read);
}

} // namespace
