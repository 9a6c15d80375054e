#pragma once

#include "AAX_ITaperDelegate.h"
#include "AAX_TaperRange.h"

// Whole states from the minimum to the maximum; a normalised value goes to the nearest state,
// halves away from zero.
template <typename T>
class AAX_CStateTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CStateTaperDelegate(T minimumValue = 0, T maximumValue = 1) : minimum(minimumValue), maximum(maximumValue) {}

    AAX_CStateTaperDelegate* Clone() const override { return new AAX_CStateTaperDelegate(*this); }
    T GetMaximumValue() const override { return maximum; }
    T GetMinimumValue() const override { return minimum; }
    T ConstrainRealValue(T value) const override { return AAX_TaperRange::Constrain(value, minimum, maximum); }
    T NormalizedToReal(double normalizedValue) const override
    {
        const double real = AAX_TaperRange::LimitedReal(normalizedValue, minimum, maximum);
        const double rounded = real >= 0.0 ? real + 0.5 : real - 0.5;
        // Within the range, rounding moves at most half a step past an end: the conversion fits,
        // and the constraint brings that half step back.
        return ConstrainRealValue(static_cast<T>(rounded));
    }
    double RealToNormalized(T realValue) const override
    {
        return AAX_TaperRange::Normalized(ConstrainRealValue(realValue), minimum, maximum);
    }

private:
    T minimum;
    T maximum;
};
