#include <gtest/gtest.h>

#include "tools/tabledesign/DesignGate.h"

using corpus::CaseReading;
using corpus::NoteReading;
using corpus::Row;
using tabledesign::Gate;
using tabledesign::PartScore;

namespace {

PartScore Score(double median, int wrong, std::vector<CaseReading> readings)
{
    return {{{"harmonic notes median", median, Row::Cents}, {"wrong notes", double(wrong), Row::Frames}},
            std::move(readings)};
}

constexpr NoteReading kRight = NoteReading::Right;

} // namespace

TEST(DesignGate, ACaseTheKernelShowsRightMustStayRightWhateverTheFigures)
{
    const PartScore kernel = Score(
        0.30, 1,
        {{"E4 +20", kRight, kRight}, {"B3 0", kRight, kRight}, {"A1 0", NoteReading::Octave, NoteReading::Octave}});
    struct Case
    {
        const char* what;
        PartScore candidate;
        size_t worseFigures, lostCases;
    };
    const Case cases[] = {
        {"the kernel's own readings", kernel, 0, 0},
        {"better cents, one note read a fifth below", // the figures alone would take it
         Score(0.20, 1,
               {{"E4 +20", NoteReading::FifthBelow, NoteReading::FifthBelow},
                {"B3 0", kRight, kRight},
                {"A1 0", kRight, kRight}}),
         0, 1},
        {"right for the most part, wrong after the third frame",
         Score(0.30, 1,
               {{"E4 +20", kRight, NoteReading::Subharmonic},
                {"B3 0", kRight, kRight},
                {"A1 0", NoteReading::Octave, NoteReading::Octave}}),
         0, 1},
        {"shown as strings or not at all is not right either",
         Score(0.30, 1,
               {{"E4 +20", NoteReading::Strings, NoteReading::Strings},
                {"B3 0", NoteReading::Nothing, NoteReading::Nothing},
                {"A1 0", NoteReading::Octave, NoteReading::Octave}}),
         0, 2},
        {"a worse figure with every note kept", Score(0.40, 1, kernel.readings), 1, 0},
        {"a note the kernel reads wrong read right, nothing lost",
         Score(0.30, 0, {{"E4 +20", kRight, kRight}, {"B3 0", kRight, kRight}, {"A1 0", kRight, kRight}}), 0, 0},
    };
    for (const Case& c : cases)
    {
        const tabledesign::GateVerdict verdict = Gate(c.candidate, kernel);
        EXPECT_EQ(verdict.worseFigures.size(), c.worseFigures) << c.what;
        EXPECT_EQ(verdict.lostCases.size(), c.lostCases) << c.what;
        EXPECT_EQ(verdict.Admissible(), c.worseFigures == 0 && c.lostCases == 0) << c.what;
    }
    const tabledesign::GateVerdict fifth = Gate(cases[1].candidate, kernel);
    ASSERT_EQ(fifth.lostCases.size(), 1u);
    EXPECT_EQ(fifth.lostCases[0], "E4 +20: fifth below / fifth below");
}
