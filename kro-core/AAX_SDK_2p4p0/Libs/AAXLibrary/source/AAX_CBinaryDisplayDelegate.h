#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// A text for false and one for true, with shorter pairs for hosts that show fewer characters.
template <typename T>
class AAX_CBinaryDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CBinaryDisplayDelegate(const char* falseString, const char* trueString)
        : falseText(falseString), trueText(trueString),
          longestFullLength(static_cast<int32_t>(std::max(falseText.Length(), trueText.Length())))
    {}

    AAX_CBinaryDisplayDelegate* Clone() const override { return new AAX_CBinaryDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* valueString) const override
    {
        if (!valueString)
            return false;
        *valueString = value ? trueText : falseText;
        return true;
    }

    bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (shortened.empty() || std::max(maxNumChars, 0) >= longestFullLength)
            return ValueToString(value, valueString);
        if (!valueString)
            return false;
        // The longest pair that fits; when none does, the shortest there is.
        const ShortenedPair* chosen = &shortened.front();
        for (auto pair = shortened.rbegin(); pair != shortened.rend(); ++pair)
            if (pair->maxNumChars <= maxNumChars)
            {
                chosen = &*pair;
                break;
            }
        *valueString = value ? chosen->trueText : chosen->falseText;
        return true;
    }

    bool StringToValue(const AAX_CString& valueString, T* value) const override
    {
        if (!value)
            return false;
        if (valueString == trueText)
        {
            *value = true;
            return true;
        }
        *value = false;
        return valueString == falseText;
    }

    void AddShortenedStrings(const char* falseString, const char* trueString, int32_t maxNumChars)
    {
        shortened.push_back({maxNumChars, AAX_CString(falseString), AAX_CString(trueString)});
        std::stable_sort(shortened.begin(), shortened.end(),
                         [](const ShortenedPair& a, const ShortenedPair& b) { return a.maxNumChars < b.maxNumChars; });
    }

private:
    struct ShortenedPair
    {
        int32_t maxNumChars;
        AAX_CString falseText;
        AAX_CString trueText;
    };

    AAX_CString falseText;
    AAX_CString trueText;
    int32_t longestFullLength;
    std::vector<ShortenedPair> shortened; // by ascending limit, equal limits in the order added
};
