#pragma once

#include "AAX_ITaperDelegate.h"
#include "AAX_TaperRange.h"

#include <cstdint>

// A straight line from the minimum (normalised 0) to the maximum (normalised 1). RealPrecision 0
// keeps real values unrounded, the only form this library offers.
template <typename T, int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
    static_assert(RealPrecision == 0, "only unrounded linear tapers are supported");

public:
    AAX_CLinearTaperDelegate(T minimumValue = 0, T maximumValue = 1) : minimum(minimumValue), maximum(maximumValue) {}

    AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }
    T GetMaximumValue() const override { return maximum; }
    T GetMinimumValue() const override { return minimum; }
    T ConstrainRealValue(T value) const override { return AAX_TaperRange::Constrain(value, minimum, maximum); }
    T NormalizedToReal(double normalizedValue) const override
    {
        return ConstrainRealValue(static_cast<T>(AAX_TaperRange::LimitedReal(normalizedValue, minimum, maximum)));
    }
    double RealToNormalized(T realValue) const override
    {
        return AAX_TaperRange::Normalized(ConstrainRealValue(realValue), minimum, maximum);
    }

private:
    T minimum;
    T maximum;
};
