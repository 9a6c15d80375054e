#pragma once

#include <cstdint>

#include "TunerMath.h"

// Full-scale float to the kernel's fixed point, 24 fractional bits, truncated toward zero.
// Samples beyond +-128.0 (hot busses, broken plug-ins upstream) saturate and NaN reads as
// silence, so no input makes the conversion undefined.
inline int32_t TunerToQ24(float sample)
{
    return tuner::TruncateToInt32(static_cast<double>(sample) * 16777216.0);
}
