#pragma once

// Runs the tuner kernel over corpus cases, frame by frame as the tuner object would, and scores
// what a musician would see: the note right after the onset, the note shown for the most part of
// each note and whether it is the note played, octave and subharmonic readings, the frames to the
// first right note, steady-state cents errors and each string's error in a strum.

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "AccuracyCorpus.h"

namespace corpus {

// What a frame shows in place of a note number: the six strings (a strum read polyphonic), or nothing.
constexpr int kShownStrings = -2;
constexpr int kShownNothing = -1;

// How the note a case shows for the most part compares with the note played. A wrong note is named
// by the interval it reads: whole octaves up or down; a fifth below, 2/3 of the frequency (the
// period of three periods of the second partial); other subharmonics, the period of 3, 5, 6 or 7
// of the note's own periods or of 5 or 7 of its second partial's (19, 28, 31, 34, 16 or 22
// semitones down); any other note.
enum class NoteReading : unsigned char
{
    Right,
    Octave,
    FifthBelow,
    Subharmonic,
    OtherNote,
    Strings, // shown as strings, not as a note
    Nothing  // nothing shown while it sounded
};
constexpr int kNoteReadingCount = 7;

// The reading of `shown` (a note number in semitones above C0, kShownStrings or kShownNothing)
// for the note `played`.
NoteReading ReadingOf(int played, int shown);
bool IsWrongNote(NoteReading r);
const char* NoteReadingName(NoteReading r);

// What one case showed.
struct Outcome
{
    bool rightAtOnset = false; // the note shown three frames after the onset frame was right
    int framesToRight = -1;    // frames from the onset or change frame to the first right note
    int harmonicFrames = 0;    // frames after the third showing an octave or a subharmonic
    // Notes and changes: the note shown in the most frames from the onset or change to the end
    // (kShownStrings, kShownNothing), and in the most frames after the third. A tie goes to the
    // note played, then to a note over the strings, then to the lower note.
    int shownMost = kShownNothing;
    int shownMostAfterThird = kShownNothing;
    std::vector<double> errors;         // steady frames with the right note: cents against the fundamental
    std::vector<double> partialErrors;  // ... against the partial the reading follows
    int framesToPolyphonic = -1;        // strums
    double stringErrors[6] = {};        // strums: each string's settled error against its fundamental
    double stringPartialErrors[6] = {}; // ... against its second partial, which the string analysis follows
    bool stringRead[6] = {};
};

// Called after the kernel is reset for a case: a table search puts its candidate tables in place.
using TablePatch = std::function<void()>;

Outcome Measure(const Case& c, const std::vector<float>& signal, const TablePatch& patch = {});

// The figures the goals are stated in, for one part of the corpus.
struct Figures
{
    int notes = 0;
    int notesRightAtOnset = 0;
    int harmonicCases = 0; // notes and changes with an octave or subharmonic after frame 3
    int harmonicFrames = 0;
    int slowestChange = 0; // most frames to the right note after a change (-1: never)
    int wrongNotes = 0;    // notes and changes whose note shown for the most part is a wrong note
    int wrongNotesAfterThird = 0;
    int shownAsStrings = 0;  // notes and changes shown as strings for the most part
    int shownNothing = 0;    // notes and changes that showed nothing
    double noteMedian = 0.0; // steady |error| of harmonic single notes, cents
    double noteP95 = 0.0;
    double sineWorst = 0.0;        // the largest |mean steady error| of a pure tone, cents
    double strumMedianWorst = 0.0; // the worst instrument and tuning's median |string error| (harmonic)
    double strumP95Worst = 0.0;
    int stringsUnread = 0;     // strings of a strum that never settled to a reading
    int slowestPolyphonic = 0; // most frames from a strum to the polyphonic reading (-1: never)
    double sharedWorst = 0.0;  // the largest |error| of a string sharing its band (kept out of the strum figures)
};

// One figure of a part's tables (the summary figures, and each group's columns) for comparing
// two tables of the kernel. Counts of right notes are better higher; frames, octave and
// subharmonic counts and cents are better lower, and a frame count of -1 (never) is worst.
struct Row
{
    enum Kind
    {
        Count,
        Frames,
        Cents
    };
    std::string name;
    double value;
    Kind kind;
};

// The noise margin of a comparison: rows in cents differ by this much between tables that leave
// the tones' readings alike (rounding of the reading and of the percentiles of few values); counts
// and frames have none.
constexpr double kCentsNoise = 0.05;

// The rows of `candidate` worse than the same rows of `today` beyond the noise margin, each as
// "name today -> candidate".
std::vector<std::string> WorseRows(const std::vector<Row>& candidate, const std::vector<Row>& today);

// How one note or change case read, for comparing two tables case by case.
struct CaseReading
{
    std::string name;
    NoteReading whole;      // the note shown for the most part from the onset or change
    NoteReading afterThird; // ... after the third frame
};

// The cases that `today` reads right, in either view, and `candidate` does not, each as
// "name: whole reading / after-third reading" of the candidate. Cases are matched by name.
std::vector<std::string> LostCases(const std::vector<CaseReading>& candidate, const std::vector<CaseReading>& today);

// Gathers outcomes and prints the tables of each part.
class Scorer
{
public:
    void Add(const Case& c, const Outcome& o);
    Figures FiguresOf(bool heldOut) const;
    // For a filter search: the mean over instruments and tunings of the median and the 95th
    // percentile of |string error| in strums (against the followed partial; strings sharing a band
    // left out), plus 10 cents for each string that was never read.
    double StrumScore(bool heldOut) const;
    // The summary figures of a part, which a table must not worsen. The strings sharing a band are
    // not among them: what they read depends on how two strings were detuned, not on the tables.
    std::vector<Row> FigureRows(bool heldOut) const;
    // The summary figures, the strings sharing a band and every group's row, as printed.
    std::vector<Row> Rows(bool heldOut) const;
    // Each note and change case of a part, in the order they were added.
    std::vector<CaseReading> Readings(bool heldOut) const;
    void Print(std::FILE* out) const;
    // The wrong-note table of a part: notes by instrument and changes by instrument, each
    // counted by what they showed for the most part, from the onset and after the third frame.
    void PrintWrongNotes(std::FILE* out, bool heldOut) const;

private:
    struct Tables;
    Tables TablesOf(bool heldOut) const;
    struct Entry
    {
        const Case* c;
        Outcome o;
    };
    std::vector<Entry> entries_;
    void PrintPart(std::FILE* out, bool heldOut) const;
};

// One line: the case, its part and what it showed.
void PrintOutcome(std::FILE* out, const Case& c, const Outcome& o);

// Median and 95th percentile of the magnitudes.
double Percentile(std::vector<double> values, double share);

} // namespace corpus
