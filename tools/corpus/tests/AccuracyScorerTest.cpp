// The corpus and its scorer on a handful of cases: the whole corpus runs from scripts/bench.sh.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "tools/corpus/AccuracyScorer.h"
#include "tools/corpus/StringTone.h"

using namespace corpus;

namespace {

// The case whose name begins with the given text.
const Case& Named(const std::vector<Case>& cases, const std::string& name)
{
    for (const Case& c : cases)
        if (c.name.rfind(name, 0) == 0)
            return c;
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
    for (const Case& c : cases)
    {
        held += c.heldOut;
        notes += c.kind == CaseKind::Note;
        changes += c.kind == CaseKind::Change;
        strums += c.kind == CaseKind::Strum;
    }
    EXPECT_EQ(notes, 2 * 66 + 2 * 2 * 6 * 13); // sines B0..E6 twice; guitar and bass, two models, every fret
    EXPECT_EQ(changes, 2 * 3 * 14 * 2);        // three starts, seven intervals each way, two styles
    EXPECT_EQ(strums, 2 * 2 * 6 * 3);          // every tuning, three detune sets
    EXPECT_GT(held, static_cast<int>(cases.size()) / 4);
    EXPECT_LT(held, static_cast<int>(cases.size()) / 2);
    const Case& stiff = Named(cases, "bass stiff note s1 f12 ");
    EXPECT_EQ(stiff.note, 23);
    EXPECT_GT(stiff.partialCents[1], stiff.partialCents[0]);
}

TEST(AccuracyCorpus, OnlyTheBassLowBSharesABandWithAnotherString)
{
    struct Expected
    {
        bool bass;
        int drop;
        bool shared[6];
    };
    const Expected table[] = {
        {true, 3, {true, false, false, false, false, false}},  // B1 sounds in the low B's band
        {true, 5, {true, true, false, false, false, false}},   // two B0 strings
        {true, 4, {false, false, false, false, false, false}}, // a semitone apart is not shared
        {true, 0, {false, false, false, false, false, false}},
    };
    for (const Expected& e : table)
        for (int s = 0; s < 6; ++s)
            EXPECT_EQ(SharesBand(e.bass, e.drop, s), e.shared[s]) << "drop " << e.drop << " string " << s + 1;
    for (int drop = 0; drop < 6; ++drop)
        for (int s = 0; s < 6; ++s)
            EXPECT_FALSE(SharesBand(false, drop, s)) << "guitar drop " << drop << " string " << s + 1;
}

TEST(AccuracyScorer, ScoresANoteAChangeAndAStrum)
{
    const std::vector<Case> cases = ModelledCorpus();
    Scorer scorer;
    const Case& note = Named(cases, "guitar harmonic note s2 f5 ");
    const Outcome n = Measure(note, note.render());
    EXPECT_TRUE(n.rightAtOnset);
    EXPECT_EQ(n.harmonicFrames, 0);
    EXPECT_EQ(n.shownMost, note.note);
    EXPECT_EQ(n.shownMostAfterThird, note.note);
    ASSERT_FALSE(n.errors.empty());
    EXPECT_LT(Percentile(n.errors, 0.5), 2.0);
    scorer.Add(note, n);

    const Case& change = Named(cases, "guitar change repluck +5 from s2 f0");
    const Outcome c = Measure(change, change.render());
    EXPECT_GE(c.framesToRight, 2);
    EXPECT_LE(c.framesToRight, 8);
    EXPECT_EQ(c.shownMost, change.note); // the note after the change
    scorer.Add(change, c);

    const Case& strum = Named(cases, "guitar harmonic strum drop 2 set 0");
    const Outcome s = Measure(strum, strum.render());
    EXPECT_GE(s.framesToPolyphonic, 0);
    for (int string = 0; string < 6; ++string)
    {
        EXPECT_TRUE(s.stringRead[string]) << string;
        EXPECT_LT(std::fabs(s.stringErrors[string]), 2.0) << string;
    }
    scorer.Add(strum, s);

    const Figures f = scorer.FiguresOf(note.heldOut);
    EXPECT_EQ(f.notes, 1);
    EXPECT_EQ(f.notesRightAtOnset, 1);
    EXPECT_EQ(f.wrongNotes, 0);
}

TEST(AccuracyScorer, WrongNotesAreNamedByTheIntervalTheyRead)
{
    struct Expected
    {
        int played, shown;
        NoteReading reading;
    };
    const Expected table[] = {
        {52, 52, NoteReading::Right},
        {52, 64, NoteReading::Octave},      // up
        {52, 40, NoteReading::Octave},      // down
        {40, 76, NoteReading::Octave},      // three up
        {52, 45, NoteReading::FifthBelow},  // E4 read as A3: 2/3 of the frequency
        {52, 33, NoteReading::Subharmonic}, // 1/3
        {52, 24, NoteReading::Subharmonic}, // 1/5
        {52, 21, NoteReading::Subharmonic}, // 1/6
        {52, 18, NoteReading::Subharmonic}, // 1/7
        {52, 36, NoteReading::Subharmonic}, // 2/5
        {52, 30, NoteReading::Subharmonic}, // 2/7
        {52, 59, NoteReading::OtherNote},   // a fifth above is no subharmonic
        {52, 71, NoteReading::OtherNote},   // nor the third harmonic
        {52, 38, NoteReading::OtherNote},   // 4/9: beyond the subharmonics named
        {52, 51, NoteReading::OtherNote},
        {52, 53, NoteReading::OtherNote},
        {52, kShownStrings, NoteReading::Strings},
        {52, kShownNothing, NoteReading::Nothing},
    };
    for (const Expected& e : table)
    {
        EXPECT_EQ(ReadingOf(e.played, e.shown), e.reading) << e.played << " shown as " << e.shown;
        const bool wrong =
            e.reading != NoteReading::Right && e.reading != NoteReading::Strings && e.reading != NoteReading::Nothing;
        EXPECT_EQ(IsWrongNote(e.reading), wrong) << e.played << " shown as " << e.shown;
    }
}

TEST(AccuracyScorer, LostCasesAreTheOnesTodaysTableShowsRightInEitherView)
{
    const NoteReading right = NoteReading::Right, octave = NoteReading::Octave;
    const std::vector<CaseReading> today = {
        {"kept", right, right}, {"lost", right, right}, {"lost later", right, right}, {"gained", octave, octave}};
    const std::vector<CaseReading> candidate = {{"kept", right, right},
                                                {"lost", NoteReading::FifthBelow, NoteReading::FifthBelow},
                                                {"lost later", right, octave},
                                                {"gained", right, right},
                                                {"new", octave, octave}};
    const std::vector<std::string> lost = LostCases(candidate, today);
    ASSERT_EQ(lost.size(), 2u);
    EXPECT_EQ(lost[0], "lost: fifth below / fifth below");
    EXPECT_EQ(lost[1], "lost later: right / octave");
    EXPECT_TRUE(LostCases(today, today).empty());
}

TEST(AccuracyScorer, WorseRowsKeepTheDirectionOfEachKindAndTheNoiseMargin)
{
    const std::vector<Row> today = {
        {"onset", 10, Row::Count},    {"slowest", 5, Row::Frames}, {"never", -1, Row::Frames},
        {"median", 0.30, Row::Cents}, {"p95", 1.00, Row::Cents},   {"gone", 1.0, Row::Cents},
    };
    const std::vector<Row> better = {
        {"onset", 11, Row::Count},  {"slowest", 4, Row::Frames},
        {"never", 30, Row::Frames}, {"median", 0.30 + kCentsNoise * 0.9, Row::Cents},
        {"p95", 0.5, Row::Cents},   {"new", 9.0, Row::Cents},
    };
    EXPECT_TRUE(WorseRows(better, today).empty());
    EXPECT_TRUE(WorseRows(today, today).empty());
    const std::vector<Row> worse = {
        {"onset", 9, Row::Count},   {"slowest", -1, Row::Frames},
        {"never", -1, Row::Frames}, {"median", 0.30 + kCentsNoise * 1.1, Row::Cents},
        {"p95", 1.0, Row::Cents},
    };
    const std::vector<std::string> rows = WorseRows(worse, today);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "onset 10.00 -> 9.00");
    EXPECT_EQ(rows[1], "slowest 5.00 -> -1.00");
    EXPECT_EQ(rows[2].rfind("median ", 0), 0u);
}

TEST(AccuracyScorer, RowsNameEveryGroupOfThePrintedTables)
{
    const std::vector<Case> corpus = ModelledCorpus();
    std::vector<Case> cases;
    for (const char* name :
         {"guitar harmonic note s2 f5 ", "guitar change repluck +5 from s2 f0", "guitar harmonic strum drop 2 set 0"})
    {
        cases.push_back(Named(corpus, name));
        cases.back().heldOut = false;
    }
    Scorer scorer;
    for (const Case& c : cases)
        scorer.Add(c, Measure(c, c.render()));
    std::set<std::string> names;
    for (const Row& r : scorer.Rows(false))
        names.insert(r.name);
    for (const char* name : {"notes right at onset", "slowest polyphonic reading", "guitar harmonic 2 fund p95",
                             "guitar harmonic all onset", "guitar repluck 5", "guitar repluck oct/sub frames",
                             "guitar harmonic drop 2 worst"})
        EXPECT_EQ(names.count(name), 1u) << name;
}
