#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

// A number with Precision digits after the point. The text is the same under every process
// locale. Spacing (blanks between digit groups) is 0 throughout this library.
template <typename T, int32_t Precision = 2, int32_t Spacing = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
    static_assert(Spacing == 0, "only unspaced numbers are supported");

public:
    AAX_CNumberDisplayDelegate* Clone() const override { return new AAX_CNumberDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* valueString) const override
    {
        if (!valueString)
            return false;
        valueString->Clear();
        valueString->AppendNumber(static_cast<double>(value), Precision);
        return true;
    }

    // Cut to the host's width; a point left at the end of a cut text goes too.
    bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (!ValueToString(value, valueString))
            return false;
        const uint32_t limit = static_cast<uint32_t>(std::max(maxNumChars, 0));
        if (valueString->Length() > limit)
            valueString->Erase(limit, valueString->Length() - limit);
        const uint32_t length = valueString->Length();
        if (maxNumChars > 0 && length > 0 && valueString->Get()[length - 1] == '.')
            valueString->Erase(length - 1, 1);
        return true;
    }

    // Leading blanks are skipped and reading stops where the number ends; no number gives 0.
    bool StringToValue(const AAX_CString& valueString, T* value) const override
    {
        if (!value)
            return false;
        double number = 0.0;
        if (!valueString.ToDouble(&number) || std::isnan(number))
        {
            *value = 0;
            return false;
        }
        // Limited in double: an out-of-range number never reaches the narrowing conversion.
        const double low = static_cast<double>(std::numeric_limits<T>::lowest());
        const double high = static_cast<double>(std::numeric_limits<T>::max());
        *value = static_cast<T>(std::clamp(number, low, high));
        return true;
    }
};
