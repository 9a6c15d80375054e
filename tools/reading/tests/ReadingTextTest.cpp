#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tools/reading/InputLength.h"
#include "tools/reading/NoteNames.h"
#include "tools/reading/ReadingText.h"

namespace {

// The kernel's shapings of a deviation d (+-1 is +-50 cents).
float Needle(double cents)
{
    return static_cast<float>(std::tanh(5.0 * std::fabs(cents / 50.0)) * cents / 50.0);
}
float String(double cents)
{
    return static_cast<float>(std::tanh(60.0 * std::pow(cents / 50.0, 2)) * cents / 50.0);
}

TunerResultBlock SingleNote(int note, double cents, float presence)
{
    TunerResultBlock block;
    block.note = note;
    block.needleDeviation = Needle(cents);
    block.strobeSpeed = Needle(cents);
    block.notePresentArc = block.notePresentName = presence;
    return block;
}

// A strum: every string present at the given cents, but those marked absent (NAN).
TunerResultBlock Strum(const std::vector<double>& cents, float notePresence = 1.0f)
{
    TunerResultBlock block = SingleNote(10, -11.4, notePresence); // a stale single note must not show
    block.polyphonicFlag = 1.0f;
    for (size_t s = 0; s < 6; ++s)
    {
        block.stringPresence[s] = std::isnan(cents[s]) ? 0.01f : 1.0f;
        block.stringDeviation[s] = std::isnan(cents[s]) ? String(-50.0) : String(cents[s]);
    }
    return block;
}

ReadingText Text(TunerInstrument instrument = kTunerGuitar, int drop = 0, bool stream = false)
{
    return ReadingText(ReadingSetup{instrument, drop, stream, "Guitar"});
}

} // namespace

TEST(ReadingText, SingleNotesReadInMusiciansWords)
{
    struct Case
    {
        TunerResultBlock block;
        bool stream;
        std::string line;
    };
    const std::vector<Case> cases = {
        {SingleNote(4, -7.1, 1.0f), false, "  1.500  E    \u22127.1 cents  flat"},
        {SingleNote(4, -7.1, 1.0f), true, "  1.500  E    \u22127.1 cents  flat"},
        {SingleNote(1, 23.46, 0.6f), false, "  1.500  C#  +23.5 cents  sharp"},
        {SingleNote(9, 1.9, 1.0f), false, "  1.500  A    +1.9 cents  in tune"},
        {SingleNote(9, -0.01, 1.0f), false, "  1.500  A     0.0 cents  in tune"},
        {SingleNote(11, -2.0, 1.0f), false, "  1.500  B    \u22122.0 cents  flat"},
        // Nothing sounds: no note, whatever the note value still holds.
        {SingleNote(1, -27.6, 0.4f), false, "  1.500  \u2014"},
        // Polyphonic by the kernel's start-up flag, but no string sounds.
        {Strum({NAN, NAN, NAN, NAN, NAN, NAN}, 0.0f), false, "  1.500  \u2014"},
    };
    for (const Case& c : cases)
    {
        TunerResultBlock block = c.block;
        if (c.stream)
            block.needleDeviation = 0.0f; // the strobe value carries the deviation
        EXPECT_EQ(Text(kTunerGuitar, 0, c.stream).Line(1.5, block), c.line);
    }
}

TEST(ReadingText, StrumsNameTheStringsOfTheInstrumentAndDropTuning)
{
    struct Case
    {
        TunerInstrument instrument;
        int drop;
        std::string names;
        std::string line;
    };
    const std::vector<double> cents = {0.04, -3.0, NAN, 19.94, -0.2, 12.0};
    const std::vector<Case> cases = {
        {kTunerGuitar, 0, "E A D G B E",
         "  6.000  strings  E    0.0  A   \u22123.0  D      \u2014  G  +19.9  B   \u22120.2  E  +12.0"},
        {kTunerGuitar, 1, "Eb Ab Db Gb Bb Eb",
         "  6.000  strings  Eb   0.0  Ab  \u22123.0  Db     \u2014  Gb +19.9  Bb  \u22120.2  Eb +12.0"},
        {kTunerGuitar, 2, "D G C F A D", ""},
        {kTunerGuitar, 3, "Db Gb B E Ab Db", ""},
        {kTunerGuitar, 4, "C F Bb Eb G C", ""},
        {kTunerGuitar, 5, "B E A D Gb B", ""},
        {kTunerBass, 0, "B E A D G C",
         "  6.000  strings  B    0.0  E   \u22123.0  A      \u2014  D  +19.9  G   \u22120.2  C  +12.0"},
        {kTunerBass, 1, "B Eb Ab Db Gb B", ""},
        {kTunerBass, 2, "B D G C F Bb", ""},
        {kTunerBass, 3, "B Db Gb B E A", ""},
        {kTunerBass, 4, "B C F Bb Eb Ab", ""},
        {kTunerBass, 5, "B B E A D G", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.names);
        const ReadingText text = Text(c.instrument, c.drop);
        EXPECT_NE(text.Header().find("; strings " + c.names + ")"), std::string::npos) << text.Header();
        const std::string line = text.Line(6.0, Strum(cents));
        if (!c.line.empty())
        {
            EXPECT_EQ(line, c.line);
        }
        std::string names;
        for (const std::string& name : StringNames(c.instrument, c.drop))
            names += (names.empty() ? "" : " ") + name;
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(line.find("cents"), std::string::npos) << "no stale single note: " << line;
    }
}

TEST(ReadingText, RawColumnsStayAsScriptsReadThem)
{
    EXPECT_EQ(RawReadingLine(1.5, SingleNote(4, -7.0, 1.0f), false),
              "  1.500 s  E    -7.00 cents  needle -0.085  presence 1.000  poly 0");
    TunerResultBlock strum = Strum({0.0, 0.0, 0.0, 20.0, 0.0, 0.0});
    strum.stringPresence[5] = 0.5f;
    EXPECT_EQ(RawReadingLine(6.0, strum, true),
              "  6.000 s  A#  -11.40 cents  strobe -0.186  presence 1.000  poly 1  strings  +0.0/1.00  +0.0/1.00  "
              "+0.0/1.00 +20.0/1.00  +0.0/1.00  +0.0/0.50");
}

TEST(ReadingText, UnshapingInvertsTheKernelsShapings)
{
    for (double d : {-0.9, -0.4, -0.14, 0.0, 0.02, 0.2, 0.8})
    {
        EXPECT_NEAR(UnshapeDeviation(std::tanh(5.0 * std::fabs(d)) * d, 5.0, 1), d, 1e-6) << d;
        EXPECT_NEAR(UnshapeDeviation(std::tanh(60.0 * d * d) * d, 60.0, 2), d, 1e-4) << d;
    }
}

TEST(InputLength, ASoundMustHoldTheReadingsAskedFor)
{
    struct Case
    {
        long frames;
        double rate;
        int every;
        InputLengthCheck check;
    };
    // One analysis frame is 1024 samples at 24 kHz: 2048 at 48 kHz, 1882 at 44.1 kHz.
    for (const Case& c :
         {Case{0, 48000, 1, InputLengthCheck::kTooShort}, Case{2047, 48000, 1, InputLengthCheck::kTooShort},
          Case{2048, 48000, 1, InputLengthCheck::kEnough}, Case{2048, 48000, 2, InputLengthCheck::kEveryTooLarge},
          Case{1882, 44100, 1, InputLengthCheck::kEnough}, Case{4096, 48000, 2, InputLengthCheck::kEnough}})
    {
        std::string error;
        EXPECT_EQ(CheckInputLength("x.wav", c.frames, c.rate, c.every, error), c.check) << c.frames << " " << c.every;
        EXPECT_EQ(error.empty(), c.check == InputLengthCheck::kEnough) << error;
    }
}
