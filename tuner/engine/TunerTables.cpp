#include "TunerTables.h"

const int8_t kTunerStringTargetSemitones[2][kTunerDropTuningCount][kTunerStringCount] = {
    {   // Guitar: the six strings shifted down by the drop index.
        {40, 45, 50, 55, 59, 64},
        {39, 44, 49, 54, 58, 63},
        {38, 43, 48, 53, 57, 62},
        {37, 42, 47, 52, 56, 61},
        {36, 41, 46, 51, 55, 60},
        {35, 40, 45, 50, 54, 59},
    },
    {   // Bass: the low B string stays, strings 2-6 shift down.
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
    if (instrument == kTunerGuitar) return kGuitarBase[string] - dropIndex;
    if (string == 0) return dropIndex == 0 ? 0 : kTunerSeparateBassRow;
    return kBassBase[string] - dropIndex;
}

const TunerStringDetectorRecord kTunerStringDetectors[2][kTunerDropTuningCount][kTunerStringCount] = {
    {   // Guitar
        {{33, 40, 1, 8}, {24, 30, 1, 7}, {18, 23, 1, 6}, {10, 21, 4, 9}, {7, 17, 4, 8}, {4, 14, 4, 8}},
        {{35, 42, 1, 8}, {26, 32, 1, 7}, {19, 24, 1, 6}, {11, 22, 4, 9}, {8, 18, 4, 8}, {5, 15, 4, 8}},
        {{37, 45, 1, 9}, {27, 34, 1, 8}, {20, 26, 1, 7}, {12, 23, 4, 9}, {8, 19, 4, 9}, {5, 15, 4, 8}},
        {{39, 47, 1, 9}, {29, 36, 1, 8}, {21, 27, 1, 7}, {13, 24, 4, 9}, {9, 20, 4, 9}, {6, 16, 4, 8}},
        {{42, 50, 1, 9}, {31, 38, 1, 8}, {23, 29, 1, 7}, {14, 25, 4, 9}, {10, 21, 4, 9}, {6, 17, 4, 9}},
        {{44, 53, 1, 10}, {33, 40, 1, 8}, {24, 30, 1, 7}, {15, 26, 4, 9}, {11, 22, 4, 9}, {7, 17, 4, 8}},
    },
    {   // Bass
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

const int kTunerStringCandidateCapacity[kTunerStringCount] = {15, 15, 13, 12, 12, 12};

// 142 lags from 6 samples (4 kHz) to 900 samples (26.7 Hz): every integer lag up to 40, where one
// sample is still less than a 3% step, then a geometric progression of 2.94% (about 50 cents)
// per candidate, rounded to whole samples. Dense enough that the three-point refinement around the
// deepest minimum stays within a fraction of a cent of the true period over the whole range.
const int16_t kTunerCandidateLags[kTunerCandidateCount] = {
    6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 47,
    48, 50, 51, 53, 54, 56, 57, 59, 61, 63, 64, 66, 68, 70, 72, 74, 77, 79, 81, 84,
    86, 89, 91, 94, 97, 99, 102, 105, 108, 112, 115, 118, 122, 125, 129, 133, 137, 141, 145, 149,
    154, 158, 163, 167, 172, 177, 183, 188, 194, 199, 205, 211, 217, 224, 230, 237, 244, 251, 259, 266,
    274, 282, 291, 299, 308, 317, 326, 336, 346, 356, 366, 377, 388, 400, 411, 424, 436, 449, 462, 476,
    490, 504, 519, 534, 550, 566, 583, 600, 617, 636, 654, 673, 693, 714, 735, 756, 779, 801, 825, 849,
    874, 900,
};
