#pragma once

#include <cstdint>

// How a parameter maps its normalised value (0 ... 1) to its plain value and how it shows it.
// Stored as a plain 32-bit integer in the record: values outside this list are legal and behave
// as linear with a bare number for display.
enum KROTaperType : int32_t
{
    kTaperLinear = 0,
    kTaperStepped = 1,        // plain values rounded to whole numbers
    kTaperSwitch = 2,         // two labels, chosen by the half of the range
    kTaperList = 3,           // plain value k is label k
    kTaperLogarithmic = 4,    // needs a positive minimum and maximum
    kTaperLinearMinusInf = 5, // shows "-Inf" at the minimum
    kTaperSquared = 6,
    kTaperLinearOffAtMinimum = 7,
    kTaperLinearOffAtMaximum = 8,
};
