#pragma once

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <cstdint>
#include <utility>
#include <vector>

// One label per state, from the lowest state value up, with shorter label sets for hosts that show
// fewer characters.
template <typename T>
class AAX_CStateDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CStateDisplayDelegate(std::vector<AAX_CString> stateLabels, T lowestState = 0)
        : minState(lowestState), labels(std::move(stateLabels))
    {}

    AAX_CStateDisplayDelegate* Clone() const override { return new AAX_CStateDisplayDelegate(*this); }

    bool ValueToString(T value, AAX_CString* valueString) const override
    {
        const int64_t i = Position(value);
        if (!valueString || i < 0 || i >= static_cast<int64_t>(labels.size()))
            return false;
        *valueString = labels[static_cast<size_t>(i)];
        return true;
    }

    bool ValueToString(T value, int32_t maxNumChars, AAX_CString* valueString) const override
    {
        if (shortenedSets.empty())
            return ValueToString(value, valueString);
        const int64_t i = Position(value);
        // A value without a label is refused, as the plain form refuses it.
        if (!valueString || i < 0 || i >= static_cast<int64_t>(labels.size()))
            return false;
        const size_t at = static_cast<size_t>(i);
        if (static_cast<int64_t>(labels[at].Length()) < maxNumChars)
        {
            *valueString = labels[at];
            return true;
        }
        for (auto set = shortenedSets.rbegin(); set != shortenedSets.rend(); ++set)
            if (set->first <= maxNumChars && at < set->second.size())
            {
                *valueString = set->second[at];
                return true;
            }
        if (at < shortenedSets.front().second.size())
        {
            *valueString = shortenedSets.front().second[at];
            return true;
        }
        return false;
    }

    bool StringToValue(const AAX_CString& valueString, T* value) const override
    {
        if (!value)
            return false;
        for (size_t p = 0; p < labels.size(); ++p)
            if (labels[p] == valueString)
            {
                *value = static_cast<T>(minState + static_cast<T>(p));
                return true;
            }
        *value = minState;
        return false;
    }

    void AddShortenedStrings(int32_t maxNumChars, std::vector<AAX_CString> shortenedLabels)
    {
        shortenedSets.emplace_back(maxNumChars, std::move(shortenedLabels));
    }

private:
    int64_t Position(T value) const { return static_cast<int64_t>(value) - static_cast<int64_t>(minState); }

    T minState;
    std::vector<AAX_CString> labels;
    std::vector<std::pair<int32_t, std::vector<AAX_CString>>> shortenedSets; // in the order added
};
