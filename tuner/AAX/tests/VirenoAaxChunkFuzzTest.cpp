// A seeded fuzz loop over Vireno.aaxplugin's 'stch' chunks, loaded through the simulated host's
// loader: real chunks, bent by a few random mutations each, go to SetChunk and CompareActiveChunk.
// Nothing may crash or let an exception out; a refused chunk changes nothing and tells the host
// nothing; a taken one sets every host parameter to the value the chunk says and reads back
// identically; and CompareActiveChunk agrees with what loading the chunk does.

#include "VirenoAaxChunkTools.h"

#include <cmath>
#include <random>
#include <sstream>

using namespace vireno_aax_test;

namespace {

constexpr unsigned kSeed = 26;
constexpr int kMutatedChunks = 3000;

// Bends a chunk's text the ways damaged or hostile data does: bytes, runs, cuts and splices, and
// the XML's own pieces (numbers, indices, tags, entities, roots) replaced or put in.
class ChunkMutator
{
public:
    ChunkMutator(unsigned seed, std::vector<std::string> seeds) : random(seed), seeds(std::move(seeds)) {}

    std::string Next()
    {
        std::string text = seeds[Below(seeds.size())];
        const size_t mutations = 1 + Below(3);
        for (size_t m = 0; m < mutations; ++m)
            Mutate(text);
        return text;
    }

private:
    size_t Below(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random); }

    void Mutate(std::string& text)
    {
        static const char* const kNumbers[] = {
            "garbage", "",    "-1", "2",           "0.58",       "0.5",        "1e38",       "1e39",
            "nan",     "inf", "-0", "0x1p-2",      "1e-45",      " 1",         "1x",         "0",
            "6",       "7",   "9",  "-2147483648", "2147483647", "4294967295", "-2147483649"};
        static const char* const kPieces[] = {"<Par7><Value>1</Value><Index>7</Index></Par7>",
                                              "<Par1><Value>0.9</Value><Index>1</Index></Par1>",
                                              "<Par><Value>1</Value><Index>-2147483648</Index></Par>",
                                              "<Par3><Value>0.58</Value></Par3>",
                                              "</Valux>",
                                              "<Valum>",
                                              "<PluginState/>",
                                              "<x>",
                                              "&nbsp;",
                                              "&amp;",
                                              "<!DOCTYPE a>",
                                              "<![CDATA[",
                                              "<!--",
                                              "<Zoom>3</Zoom>",
                                              "<PresetModified>1</PresetModified>",
                                              "<CurrentPreset>Other</CurrentPreset>",
                                              "<Name>Other</Name>"};
        const size_t at = Below(text.size() + 1);
        switch (Below(12))
        {
        case 0:
            if (!text.empty())
                text[Below(text.size())] ^= static_cast<char>(1 << Below(8));
            break;
        case 1:
            if (!text.empty())
                text[Below(text.size())] = static_cast<char>(Below(256));
            break;
        case 2:
            text.erase(std::min(at, text.size()), 1 + Below(16));
            break;
        case 3:
            text.insert(at, text.substr(Below(text.size() + 1), 1 + Below(48)));
            break;
        case 4:
            text.resize(at);
            break;
        case 5:
        case 6:
        {
            // A number of the text, a value or an index, replaced by another.
            const size_t digit = text.find_first_of("0123456789", at);
            if (digit == std::string::npos)
                break;
            const size_t end = text.find_first_not_of("0123456789.e-", digit);
            text.replace(digit, (end == std::string::npos ? text.size() : end) - digit,
                         kNumbers[Below(std::size(kNumbers))]);
            break;
        }
        case 7:
        {
            // A parameter's value or index replaced.
            const size_t open = text.find(Below(2) == 0 ? "<Value>" : "<Index>", at);
            const size_t close = open == std::string::npos ? open : text.find("</", open);
            if (close != std::string::npos)
                text.replace(open + 7, close - open - 7, kNumbers[Below(std::size(kNumbers))]);
            break;
        }
        case 8:
        case 9:
        {
            // A whole parameter entry dropped, or moved behind another one, once or twice.
            size_t start = 0, past = 0;
            if (!FindEntry(text, at, start, past))
                break;
            const std::string entry = text.substr(start, past - start);
            text.erase(start, entry.size());
            size_t otherStart = 0, otherPast = 0;
            if (Below(2) == 0 && FindEntry(text, Below(text.size() + 1), otherStart, otherPast))
                text.insert(otherPast, entry + (Below(2) == 0 ? entry : ""));
            break;
        }
        case 10:
        {
            // A close tag whose name no longer matches.
            const size_t close = text.find("</", at);
            if (close != std::string::npos && close + 2 < text.size())
                text[close + 2] = static_cast<char>('A' + Below(26));
            break;
        }
        default:
            text.insert(at, kPieces[Below(std::size(kPieces))]);
            break;
        }
    }

    // The first whole "<ParN>...</ParN>" entry from `from` on: where it starts and just past its end.
    static bool FindEntry(const std::string& text, size_t from, size_t& start, size_t& past)
    {
        start = text.find("<Par", from);
        while (start != std::string::npos && text.compare(start, 11, "<Parameters") == 0)
            start = text.find("<Par", start + 1);
        const size_t end = start == std::string::npos ? start : text.find("</Par", start);
        past = end == std::string::npos ? end : text.find('>', end);
        if (past == std::string::npos || text.compare(end, 13, "</Parameters>") == 0)
            return false;
        ++past;
        return true;
    }

    std::mt19937 random;
    std::vector<std::string> seeds;
};

// A key under "PluginState.PluginInfo" as the plug-in reads it.
template <class T>
boost::optional<T> InfoOf(const std::string& text, const char* key)
{
    boost::property_tree::ptree tree;
    std::istringstream stream(text);
    boost::property_tree::read_xml(stream, tree);
    return tree.get_optional<T>(std::string("PluginState.PluginInfo.") + key);
}

// Whether loading moved no product parameter by more than the compare tolerance.
bool NoneMoved(const std::vector<double>& before, const std::vector<double>& after)
{
    for (int k = 0; k < kProductParameters; ++k)
        if (std::fabs(after[size_t(k)] - before[size_t(k)]) > kCompareTolerance)
            return false;
    return true;
}

class VirenoAaxChunkFuzz : public VirenoAaxTest
{};

TEST_F(VirenoAaxChunkFuzz, MutatedChunksAreTakenWholeOrChangeNothing)
{
    SimInstance& instance = Open(kStereoComponent);
    SimHost& host = HostOf(0);
    std::vector<std::string> seeds;
    for (const auto& values :
         {std::vector<double>{0, 0, 0, 0.5, 0}, {1, 1, 0.4, 0.3, 1}, {0, 1, 1, 1, 0}, {0.58, 0.2, 0.6, 0.9, 0.51}})
    {
        for (int k = 0; k < kProductParameters; ++k)
            instance.Parameters().UpdateParameterNormalizedValue(kParameterIds[k], values[size_t(k)],
                                                                 AAX_eUpdateSource_Unspecified);
        seeds.push_back(SavedText(instance));
        ASSERT_FALSE(seeds.back().empty());
    }

    ChunkMutator mutator(kSeed, seeds);
    int taken = 0;
    std::string before = SavedText(instance);
    for (int n = 0; n < kMutatedChunks; ++n)
    {
        const std::string text = mutator.Next();
        const std::vector<uint8_t> chunk = StateChunk(text);
        const std::vector<double> hostBefore = HostValues(instance);
        const bool equalBefore = ComparesEqual(instance, chunk);

        host.ClearCalls();
        const AAX_Result loaded = instance.LoadChunk(kStateChunk, chunk);
        const int verdict = TakenLoad(host);
        ASSERT_NE(verdict, -1) << "some host parameters only, chunk " << n << ":\n" << text;
        // The result says which: taken, or refused as no state of ours.
        ASSERT_EQ(loaded, verdict == 1 ? AAX_SUCCESS : AAX_ERROR_MALFORMED_CHUNK) << "chunk " << n << ":\n" << text;
        const std::vector<double> hostAfter = HostValues(instance);
        // Equal before loading exactly when loading moves nothing; equal after loading always.
        ASSERT_EQ(equalBefore, NoneMoved(hostBefore, hostAfter)) << "chunk " << n << ":\n" << text;
        ASSERT_TRUE(ComparesEqual(instance, chunk)) << "chunk " << n << ":\n" << text;
        if (verdict == 0)
        {
            ASSERT_EQ(hostAfter, hostBefore) << "chunk " << n << ":\n" << text;
            ASSERT_EQ(SavedText(instance), before) << "chunk " << n << ":\n" << text;
            continue;
        }
        ++taken;
        ASSERT_EQ(hostAfter, ValuesAfterLoading(text, hostBefore)) << "chunk " << n << ":\n" << text;
        const std::string after = SavedText(instance);
        ASSERT_EQ(ValuesAfterLoading(after, hostBefore), hostAfter) << "chunk " << n << ":\n" << after;
        if (const auto preset = InfoOf<std::string>(text, "CurrentPreset"))
        {
            ASSERT_EQ(InfoOf<std::string>(after, "CurrentPreset"), preset) << "chunk " << n << ":\n" << text;
            if (const auto modified = InfoOf<bool>(text, "PresetModified"))
            {
                ASSERT_EQ(InfoOf<bool>(after, "PresetModified"), modified) << "chunk " << n << ":\n" << text;
            }
        }
        host.ClearCalls();
        ASSERT_EQ(instance.LoadChunk(kStateChunk, StateChunk(after)), AAX_SUCCESS);
        ASSERT_EQ(TakenLoad(host), 1) << "chunk " << n << ":\n" << after;
        ASSERT_EQ(SavedText(instance), after) << "chunk " << n;
        ASSERT_EQ(HostValues(instance), hostAfter) << "chunk " << n;
        before = after;
    }
    // The loop must exercise both verdicts to mean anything.
    EXPECT_GT(taken, kMutatedChunks / 20);
    EXPECT_LT(taken, kMutatedChunks * 9 / 10);
}

} // namespace
