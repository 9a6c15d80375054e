#pragma once

// Small integer and float helpers of the kernel's fixed-point stages.

#include <cstdint>

namespace tuner {

// Division by 2^shift rounding toward zero, as C division does. Used wherever a stage divides
// rather than shifts: it lets recursive filters decay to exactly 0 instead of sticking at -1.
inline int64_t DivPow2(int64_t value, int shift)
{
    return value / (int64_t(1) << shift);
}

// Arithmetic shift right (rounds toward minus infinity).
inline int64_t ShiftRight(int64_t value, int shift)
{
    return value >> shift;
}

inline int64_t Saturate(int64_t value, int64_t low, int64_t high)
{
    return value < low ? low : (value > high ? high : value);
}

// The range of a 24-bit sample, where the filtered stages hand their output back to the kernel.
constexpr int64_t kSample24Min = -8388608;
constexpr int64_t kSample24Max = 8388607;

// The range of Q30, where the decimator and the first pass of a twice-filtered string stop.
constexpr int64_t kQ30Min = -1073741824;
constexpr int64_t kQ30Max = 1073741823;

inline int32_t SaturateToSample24(int64_t value)
{
    return static_cast<int32_t>(Saturate(value, kSample24Min, kSample24Max));
}

// Truncation toward zero of a double into int32, saturating; NaN becomes 0.
inline int32_t TruncateToInt32(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

inline int CountLeadingZeros64(uint64_t value)
{
    return value == 0 ? 64 : __builtin_clzll(value);
}

inline float Clamp(float value, float low, float high)
{
    return value < low ? low : (value > high ? high : value);
}

// A frame power held off zero (NaN too), so that the ratios taken of it stay finite.
constexpr float kPowerFloor = 1e-20f;

inline float FloorPower(float power)
{
    return power >= kPowerFloor ? power : kPowerFloor;
}

// One step of a presence envelope toward target; it never decays below a small floor.
constexpr float kEnvelopeFloor = 0.000001f;

inline float FollowEnvelope(float envelope, float target, float coefficient)
{
    const float next = envelope + (target - envelope) * coefficient;
    return next < kEnvelopeFloor ? kEnvelopeFloor : next;
}

} // namespace tuner
