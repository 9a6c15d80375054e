// The corpus and its scorer on a handful of cases: the whole corpus runs from scripts/bench.sh.

#include <gtest/gtest.h>

#include <cmath>

#include "AccuracyScorer.h"
#include "StringTone.h"

using namespace corpus;

namespace {

// The case whose name begins with the given text.
const Case& Named(const std::vector<Case>& cases, const std::string& name)
{
    for (const Case& c : cases)
        if (c.name.rfind(name, 0) == 0) return c;
    throw std::runtime_error("no case " + name);
}

} // namespace

TEST(StringTone, StiffStringPartialsSitAboveTheirHarmonicPlaces)
{
    StringTone tone;
    tone.fundamental = 100.0;
    tone.inharmonicity = 1e-4;
    EXPECT_NEAR(PartialFrequency(tone, 1), 100.005, 1e-3);
    EXPECT_NEAR(PartialFrequency(tone, 10), 1000.0 * std::sqrt(1.01), 1e-9);
    tone.inharmonicity = 0.0;
    EXPECT_DOUBLE_EQ(PartialFrequency(tone, 7), 700.0);
}

TEST(AccuracyCorpus, EveryFamilyIsSplitAndEveryTruthIsStated)
{
    const std::vector<Case> cases = ModelledCorpus();
    int held = 0, notes = 0, changes = 0, strums = 0;
    for (const Case& c : cases) {
        held += c.heldOut;
        notes += c.kind == CaseKind::Note;
        changes += c.kind == CaseKind::Change;
        strums += c.kind == CaseKind::Strum;
    }
    EXPECT_EQ(notes, 2 * 66 + 2 * 2 * 6 * 13);  // sines B0..E6 twice; guitar and bass, two models, every fret
    EXPECT_EQ(changes, 2 * 3 * 14 * 2);         // three starts, seven intervals each way, two styles
    EXPECT_EQ(strums, 2 * 2 * 6 * 3);           // every tuning, three detune sets
    EXPECT_GT(held, static_cast<int>(cases.size()) / 4);
    EXPECT_LT(held, static_cast<int>(cases.size()) / 2);
    const Case& stiff = Named(cases, "bass stiff note s1 f12 ");
    EXPECT_EQ(stiff.note, 23);
    EXPECT_GT(stiff.partialCents[1], stiff.partialCents[0]);
}

TEST(AccuracyScorer, ScoresANoteAChangeAndAStrum)
{
    const std::vector<Case> cases = ModelledCorpus();
    Scorer scorer;
    const Case& note = Named(cases, "guitar harmonic note s2 f5 ");
    const Outcome n = Measure(note, note.render());
    EXPECT_TRUE(n.rightAtOnset);
    EXPECT_EQ(n.harmonicFrames, 0);
    ASSERT_FALSE(n.errors.empty());
    EXPECT_LT(Percentile(n.errors, 0.5), 2.0);
    scorer.Add(note, n);

    const Case& change = Named(cases, "guitar change repluck +5 from s2 f0");
    const Outcome c = Measure(change, change.render());
    EXPECT_GE(c.framesToRight, 2);
    EXPECT_LE(c.framesToRight, 8);
    scorer.Add(change, c);

    const Case& strum = Named(cases, "guitar harmonic strum drop 2 set 0");
    const Outcome s = Measure(strum, strum.render());
    EXPECT_GE(s.framesToPolyphonic, 0);
    for (int string = 0; string < 6; ++string) {
        EXPECT_TRUE(s.stringRead[string]) << string;
        EXPECT_LT(std::fabs(s.stringErrors[string]), 2.0) << string;
    }
    scorer.Add(strum, s);

    const Figures f = scorer.FiguresOf(note.heldOut);
    EXPECT_EQ(f.notes, 1);
    EXPECT_EQ(f.notesRightAtOnset, 1);
}
