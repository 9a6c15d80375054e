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
//   6 .. 16    every other sample: above the instruments' range, only pure tones need them;
//   16 .. 54   every sample, the finest integer lags can go (up to the reference A, 440 Hz);
//   54 .. 150  44 steps of 2.3% (40 cents), 444 down to 160 Hz;
//   150 .. 900 54 steps of 3.4% (58 cents).
// This is TwoRunLags(142, 6, 900, 54, 150, 44, 16) of vireno-table-design (tools/tabledesign), the
// admissible table of its grid with the fewest octave and subharmonic readings on the accuracy
// corpus's search part: against the 40 equal steps below 150 it had before, every summary figure
// of the scorer is as good or better on both parts, and octave and subharmonic readings after the
// third frame fall from 544 frames to 117 (search) and from 439 to 172 (held out).
const int16_t kTunerCandidateLags[kTunerCandidateCount] = {
    6,   8,   10,  12,  14,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,
    32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,  48,  49,  50,  51,  52,
    53,  54,  55,  57,  58,  59,  61,  62,  64,  65,  67,  68,  70,  71,  73,  75,  76,  78,  80,  82,  84,
    86,  88,  90,  92,  94,  96,  99,  101, 103, 106, 108, 111, 114, 116, 119, 122, 125, 127, 130, 134, 137,
    140, 143, 147, 150, 155, 160, 166, 171, 177, 183, 189, 196, 202, 209, 216, 223, 231, 239, 247, 255, 264,
    273, 282, 291, 301, 311, 322, 333, 344, 355, 367, 380, 393, 406, 420, 434, 448, 463, 479, 495, 512, 529,
    547, 566, 585, 604, 625, 646, 668, 690, 713, 738, 762, 788, 815, 842, 871, 900,
};
