#include "TunerTables.h"

const int8_t kTunerStringTargetSemitones[2][kTunerDropTuningCount][kTunerStringCount] = {
    {
        // Guitar: the six strings shifted down by the drop index.
        {40, 45, 50, 55, 59, 64},
        {39, 44, 49, 54, 58, 63},
        {38, 43, 48, 53, 57, 62},
        {37, 42, 47, 52, 56, 61},
        {36, 41, 46, 51, 55, 60},
        {35, 40, 45, 50, 54, 59},
    },
    {
        // Bass: the low B string stays, strings 2-6 shift down.
        {23, 28, 33, 38, 43, 48},
        {23, 27, 32, 37, 42, 47},
        {23, 26, 31, 36, 41, 46},
        {23, 25, 30, 35, 40, 45},
        {23, 24, 29, 34, 39, 44},
        {23, 23, 28, 33, 38, 43},
    },
};

int TunerFilterRow(TunerInstrument instrument, int string, int dropIndex)
{
    static const int kGuitarBase[kTunerStringCount] = {17, 22, 27, 32, 36, 41};
    static const int kBassBase[kTunerStringCount] = {0, 5, 10, 15, 20, 25};
    if (instrument == kTunerGuitar)
        return kGuitarBase[string] - dropIndex;
    if (string == 0)
        return dropIndex == 0 ? 0 : kTunerSeparateBassRow;
    return kBassBase[string] - dropIndex;
}

const TunerStringDetectorRecord kTunerStringDetectors[2][kTunerDropTuningCount][kTunerStringCount] = {
    {
        // Guitar
        {{33, 40, 1, 8}, {24, 30, 1, 7}, {18, 23, 1, 6}, {10, 21, 4, 9}, {7, 17, 4, 8}, {4, 14, 4, 8}},
        {{35, 42, 1, 8}, {26, 32, 1, 7}, {19, 24, 1, 6}, {11, 22, 4, 9}, {8, 18, 4, 8}, {5, 15, 4, 8}},
        {{37, 45, 1, 9}, {27, 34, 1, 8}, {20, 26, 1, 7}, {12, 23, 4, 9}, {8, 19, 4, 9}, {5, 15, 4, 8}},
        {{39, 47, 1, 9}, {29, 36, 1, 8}, {21, 27, 1, 7}, {13, 24, 4, 9}, {9, 20, 4, 9}, {6, 16, 4, 8}},
        {{42, 50, 1, 9}, {31, 38, 1, 8}, {23, 29, 1, 7}, {14, 25, 4, 9}, {10, 21, 4, 9}, {6, 17, 4, 9}},
        {{44, 53, 1, 10}, {33, 40, 1, 8}, {24, 30, 1, 7}, {15, 26, 4, 9}, {11, 22, 4, 9}, {7, 17, 4, 8}},
    },
    {
        // Bass
        {{90, 104, 1, 15}, {67, 79, 1, 13}, {50, 59, 1, 10}, {37, 45, 1, 9}, {27, 34, 1, 8}, {20, 26, 1, 7}},
        {{90, 104, 1, 15}, {71, 83, 1, 13}, {53, 63, 1, 11}, {39, 47, 1, 9}, {29, 36, 1, 8}, {21, 27, 1, 7}},
        {{90, 104, 1, 15}, {76, 88, 1, 13}, {56, 66, 1, 11}, {42, 50, 1, 9}, {31, 38, 1, 8}, {23, 29, 1, 7}},
        {{90, 104, 1, 15}, {80, 93, 1, 14}, {60, 70, 1, 11}, {44, 53, 1, 10}, {33, 40, 1, 8}, {24, 30, 1, 7}},
        {{90, 104, 1, 15}, {85, 99, 1, 15}, {63, 74, 1, 12}, {47, 56, 1, 10}, {35, 42, 1, 8}, {26, 32, 1, 7}},
        {{90, 104, 1, 15}, {90, 104, 1, 15}, {67, 79, 1, 13}, {50, 59, 1, 10}, {37, 45, 1, 9}, {27, 34, 1, 8}},
    },
};

const float kTunerStringDepthThreshold[2][kTunerStringCount] = {
    {0.001f, 0.0015849f, 0.001f, 0.0031623f, 0.001f, 0.001f},
    {0.00015849f, 0.00015849f, 0.00039811f, 0.0019953f, 0.001f, 0.00050119f},
};

const float kTunerStringPowerFactor[2][kTunerStringCount] = {
    {0.0001f, 0.0000316f, 0.0001f, 0.001f, 0.00050119f, 0.00031623f},
    {0.1f, 0.0001f, 0.0001f, 0.0001f, 0.00031623f, 0.031623f},
};

// 142 lags from 6 samples (4 kHz) to 900 samples (26.7 Hz), shortest first. The refinement fits a
// parabola through three neighbouring candidates, and its bias grows with their spacing: where the
// window, and with it the normalisation, grows with the lag (up to 150 samples) the parabola is
// tilted and reads a period long by about (h^2 - 3 p^2) / 2T for a spacing h and an offset p of the
// nearest lag; where the window is fixed, the harmonics of a plucked string sharpen the minimum
// beyond a parabola. The spacing balances the two:
//   6 .. 54    every sample, the finest integer lags can go (above 444 Hz);
//   54 .. 150  40 steps of 2.6% (45 cents);
//   150 .. 900 53 steps of 3.4% (59 cents).
// Pure tones read within 0.9 cent up to G5 (784 Hz) and within 1.8 cents from G#5 to E6,
// harmonic plucked strings within 1.2 cents (the median over a note's steady frames).
// This is TwoRunLags(142, 6, 900, 54, 150, 40) of vireno-table-design (tools/tabledesign), which
// keeps it: each other table of its grid shows between 163 and 360 of the 3172 notes and changes of
// the accuracy corpus's search part wrong, or as strings, that this one shows right, and a table
// that shows a note wrong is not taken for any number of cents it saves elsewhere. Among them is
// the table with 44 steps below 150 and every other sample up to 16: it shows 54 of those notes
// wrong and 130 as strings, and of the held-out notes a clean electric guitar's E4 20 cents sharp
// as A, a third of its frequency, for most of the note. In all it shows fewer wrong notes, though
// (169 to this table's 275): two thirds of this table's are octaves, most of them sampled notes
// from C2 to B2 read an octave low. With 53 steps from 150 to 900, 20.5 to the octave, a period
// halfway between two lags has its double right on one, and the double's minimum can then beat the
// period's by the margin the minimum search asks of a later one.
const int16_t kTunerCandidateLags[kTunerCandidateCount] = {
    6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,
    27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,
    48,  49,  50,  51,  52,  53,  54,  55,  57,  58,  60,  61,  63,  65,  66,  68,  70,  72,  73,  75,  77,
    79,  81,  83,  86,  88,  90,  92,  95,  97,  100, 102, 105, 108, 110, 113, 116, 119, 122, 125, 129, 132,
    135, 139, 143, 146, 150, 155, 160, 166, 172, 178, 184, 190, 197, 203, 210, 218, 225, 233, 241, 249, 258,
    266, 276, 285, 295, 305, 316, 326, 338, 349, 361, 374, 387, 400, 414, 428, 443, 458, 473, 490, 507, 524,
    542, 561, 580, 600, 620, 642, 664, 687, 710, 735, 760, 786, 813, 841, 870, 900,
};
