#pragma once

// The level gate's rectified-level follower: one step a sample, in Q31.

#include <cstdint>
#include <cstdlib>

#include "TunerMath.h"
#include "TunerTables.h"

// The gate looks at the follower at the end of each quarter of a frame.
constexpr int kTunerLevelQuarters = 4;
constexpr int kTunerLevelQuarterLength = kTunerFrameLength / kTunerLevelQuarters;

// 150 ms time constant: 2^31 (1 - e^(-1/3600)).
constexpr int64_t kTunerFollowerCoefficient = 596440;

inline int64_t TunerFollowLevel(int64_t follower, int32_t sample)
{
    const int64_t magnitude = std::llabs(static_cast<int64_t>(sample) * 256);
    return follower + kTunerFollowerCoefficient * (magnitude - tuner::ShiftRight(follower, 31));
}
