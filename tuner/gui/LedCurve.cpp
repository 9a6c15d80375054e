#include "LedCurve.h"

namespace {

constexpr float kFullWithin = 0.15f;
constexpr float kDarkBeyond = 0.85f;
constexpr float kFallSlope = 0.75f;
constexpr float kFallStart = 0.875f;

} // namespace

float LedCurve(float b)
{
    if (b < -kDarkBeyond)
        return 0.f;
    if (b < -kFullWithin)
        return kFallSlope * b + kFallStart;
    if (b <= kFullWithin)
        return 1.f;
    if (b <= kDarkBeyond)
        return kFallStart - kFallSlope * b;
    return 0.f; // beyond the arc's reach, and NaN, which fails every test above
}
