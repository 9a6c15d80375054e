#pragma once

#include <cstdint>

#include "TunerDifferenceFunction.h"
#include "TunerTables.h"

constexpr int kTunerDecimatorTaps = 36;
constexpr int kTunerDecimation = 4; // 24000 Hz to 6000 Hz
constexpr int kTunerFilterSections = 3;
constexpr int kTunerStringsFilteredTwice = 3; // strings 1 to 3 take their row twice

// One string's active detector, copied from its configuration record when the tables change.
struct TunerStringDetector
{
    int candidateCount;
    int searchFirst;
    int searchLast;
    bool refines;
    float depthThreshold;
    float powerFactor;
    int16_t lags[kTunerMaxStringCandidates];
    int16_t windows[kTunerMaxStringCandidates];
    uint8_t shifts[kTunerMaxStringCandidates];
    uint32_t normalisers[kTunerMaxStringCandidates];
    TunerDifferenceConfig difference;
};

// State of one second-order section: two past inputs and two past outputs.
struct TunerFilterSectionState
{
    int64_t x1, x2, y1, y2;
};

struct TunerStringState
{
    TunerFilterSectionState firstPass[kTunerFilterSections];
    TunerFilterSectionState secondPass[kTunerFilterSections];
    int32_t buffer[2][kTunerStringFrameLength]; // [half toggle]
    TunerDifferenceState difference;
    int32_t differenceValues[kTunerMaxStringCandidates];
    float pitchHistory[2];
    float pitch;   // Hz, or a negative code
    uint8_t state; // 0 idle, 1 on, 2 release
    uint8_t counter;
    float presence;
    float s1, s2;
    float deviation;
};

struct TunerSixStringState
{
    int32_t decimatorHistory[kTunerDecimatorTaps - 1]; // the last inputs shifted down by 3, oldest first
    int decimatorPhase;                                // an output is due at a sample of phase 0
    int32_t decimated[2 * kTunerStringFrameLength];
    int halfToggle;
    TunerStringState strings[kTunerStringCount];
};
