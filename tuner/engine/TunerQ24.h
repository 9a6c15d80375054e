#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Full-scale float to the kernel's fixed point, 24 fractional bits, truncated toward zero.
// Samples beyond +-128.0 (hot busses, broken plug-ins upstream) saturate and NaN reads as
// silence, so no input makes the conversion undefined.
inline int32_t TunerToQ24(float sample)
{
    const double scaled = static_cast<double>(sample) * 16777216.0;
    if (std::isnan(scaled)) return 0;
    if (scaled >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (scaled <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(scaled);
}
