#pragma once

// The kernel-state record: one for the whole process. Every kernel operation reaches it through
// TunerKernel(), the one place that names it.

#include <cstdint>

#include "TunerSingleNoteState.h"
#include "TunerSixStringState.h"
#include "TunerTables.h"

enum TunerAnalysisMode
{
    kTunerSingleNote = 1,
    kTunerPolyphonic = 2
};

constexpr uint8_t kTunerModeStream = 1; // bit 0: "Stream" display, clear: "Needle"
constexpr uint8_t kTunerModeBass = 2;   // bit 1: Bass, clear: Guitar

struct TunerSettings
{
    uint8_t mode;
    uint8_t dropIndex;
    int referenceOffsetHz;
    float referenceLogOffset;
    float stringTargets[kTunerStringCount]; // octaves above C0
    const int16_t* stringFilters[kTunerStringCount];
    int filterRows[kTunerStringCount];
    TunerStringDetector stringDetectors[kTunerStringCount];
};

// Time constants derived once by TunerInit.
struct TunerConstants
{
    float envelope;        // 1 - e^(-1/4.6)
    int releaseHold;       // round(4.6)
    int onsetLimit;        // ceil(6.9)
    float needleSlow;      // 1 - e^(-1/5.175)
    float needleFast;      // 1 - e^(-1/2.07)
    float needleSlope;     // (fast - slow) / 0.4
    float stringSmoothing; // 1 - e^(-1/5.15)
};

struct TunerKernelState
{
    TunerSettings settings;
    TunerConstants constants;
    int analysisMode;
    int32_t frames[3][kTunerFrameLength];
    int ringIndex;
    TunerSingleNoteConfig singleNoteConfig;
    TunerSingleNoteState single;
    TunerSixStringState sixString;
};

TunerKernelState& TunerKernel();
