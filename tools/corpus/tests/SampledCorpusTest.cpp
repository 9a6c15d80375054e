// The sampled corpus's cases without their signals: the whole corpus renders from scripts/bench.sh.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tools/corpus/SampledCorpus.h"

using namespace corpus;

TEST(SampledCorpus, EveryVoicePlaysEveryNoteOfItsNeckAtEveryDetune)
{
    const std::vector<Case> cases = SampledCases();
    std::map<std::string, std::set<std::pair<int, double>>> notes; // voice: (note, cents)
    std::map<std::string, int> strums, held, all;
    std::set<std::string> names;
    for (const Case& c : cases)
    {
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        held[c.group] += c.heldOut;
        ++all[c.group];
        if (c.kind == CaseKind::Strum)
        {
            ++strums[c.group];
            continue;
        }
        ASSERT_EQ(c.kind, CaseKind::Note) << c.name;
        const int fret = c.note - OpenStrings(c.bass)[c.string];
        EXPECT_GE(fret, 0) << c.name;
        EXPECT_LE(fret, 12) << c.name;
        EXPECT_TRUE(notes[c.group].insert({c.note, c.cents}).second) << c.name;
    }
    EXPECT_EQ(notes.size(), 16u); // General MIDI programs 24-39
    for (const auto& [voice, played] : notes)
    {
        const bool bass = voice.find("bass") != std::string::npos;
        const int range = OpenStrings(bass)[5] + 12 - OpenStrings(bass)[0] + 1; // E2-E5, B0-C4
        EXPECT_EQ(played.size(), static_cast<size_t>(range * 7)) << voice;
        EXPECT_GT(held[voice], all[voice] / 4) << voice;
        EXPECT_LT(held[voice], all[voice] / 2) << voice;
    }
    EXPECT_EQ(strums.size(), 4u);
    for (const auto& [voice, count] : strums)
        EXPECT_EQ(count, 6 * 3) << voice;
    // Notes a player met read as other notes.
    for (const char* name :
         {"clean electric guitar (sampled) note s6 f0 E4 +12c", "clean electric guitar (sampled) note s6 f0 E4 +20c",
          "jazz guitar (sampled) note s5 f0 B3 +0c", "clean electric guitar (sampled) note s6 f5 A4 +0c",
          "jazz guitar (sampled) note s5 f3 D4 +20c"})
        EXPECT_EQ(names.count(name), 1u) << name;
}
