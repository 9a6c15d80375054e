#pragma once

#include <cstdint>

#include "TunerDifferenceFunction.h"
#include "TunerTables.h"

// Fixed configuration of the single-note detector, derived from its lag table.
struct TunerSingleNoteConfig
{
    int16_t lags[kTunerCandidateCount];
    int16_t windows[kTunerCandidateCount];
    uint8_t shifts[kTunerCandidateCount];
    uint32_t normalisers[kTunerCandidateCount];
    TunerDifferenceConfig difference;
};

// What the minimum search and refinement of one frame found.
struct TunerCandidateFeatures
{
    bool periodic;
    float pitch1; // octaves above C0
    float depth1; // square root of the depth at the refined minimum
    bool secondCandidate;
    float pitch2;
    float depth2;
    float ratio; // f1 / f2, at least 1, 0 without a second candidate
};

enum TunerNoteState : uint8_t
{
    kTunerNoteIdle = 0,
    kTunerNoteOn = 1,
    kTunerNoteRelease = 2
};

struct TunerSingleNoteState
{
    // Pre-emphasis.
    int64_t preEmphasisX1;
    int32_t preEmphasisY1;

    // Level gate.
    int64_t levelFollower;
    float levelFilterZ1, levelFilterZ2, levelFilterY1, levelFilterY2;
    float levelQuarterOutputs[4];
    float levelGate; // 1 open, 0 closed
    int onsetCounter;

    // Difference function.
    TunerDifferenceState difference;
    int32_t differenceValues[kTunerCandidateCount];

    TunerCandidateFeatures features;

    // Classifier.
    float hidden[5];
    float probability;

    // Voicing and pitch.
    float smoothedPower;
    float powerRatio;
    float voiced;
    float pitchHistory[2];
    float pitch;
    float smoothedProbability;
    float polyphonicFlag;

    // Display stage.
    uint8_t noteState;
    int releaseCounter;
    float noteHistory[2];
    uint8_t noteNumber;
    float rawDeviation;
    float needleS1, needleS2;
    float notePresentA, notePresentB, inTune;
    float needleDeviation, strobeSpeed;
};
