#pragma once

// The normalised squared-difference function shared by the single-note detector and the six
// string detectors: for each candidate lag, the squared difference of the newest frame against
// itself delayed, divided by the two-frame energy and the window, in integer arithmetic.

#include <cstdint>

// The longest frame the function takes.
constexpr int kTunerMaxDifferenceFrameLength = 1024;

struct TunerDifferenceConfig
{
    int frameLength; // samples of one frame (1024 or 128), at most the longest
    int candidateCount;
    const int16_t* lags;         // candidateCount lags in samples (at most frameLength)
    const int16_t* windows;      // samples summed per candidate (at most frameLength)
    const uint8_t* shifts;       // A_i
    const uint32_t* normalisers; // B_i, 2^31 .. 2^32 - 1
};

struct TunerDifferenceState
{
    int64_t previousEnergy; // energy of the previous frame
    int64_t energy;         // energy of the previous and the newest frame
    float framePower;       // mean square of the two frames, full scale 1
    int noSignal;           // -1: zero energy or an overflowed value
};

// Largest normalised value; reached by an overflow, which also marks no signal.
constexpr int32_t kTunerDifferenceCeiling = 2147483647;

// Fills values[0..candidateCount-1]. The lagged sample of a position before the newest frame is
// taken from the previous frame.
void TunerDifferenceFunction(const int32_t* previous, const int32_t* newest, const TunerDifferenceConfig& config,
                             TunerDifferenceState& state, int32_t* values);

// One normalisation step: D * 2^(A-3) * B / E / 2^(..) as specified by the shifts and reciprocal.
// Exposed for tests. Returns the value and sets overflow when it saturates.
int32_t TunerNormaliseDifference(int64_t difference, int64_t energy, uint8_t shift, uint32_t normaliser,
                                 bool& overflow);
