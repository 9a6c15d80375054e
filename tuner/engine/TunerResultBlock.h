#pragma once

#include <cstdint>

#include "TunerDisplayScale.h" // what its deviations mean in cents

// The reading of one analysed frame: 19 four-byte values, the note an integer, the rest floats.
struct TunerResultBlock
{
    float needleDeviation = 0.0f;  // -1..1, +-1 is +-50 cents, shaped and smoothed
    float strobeSpeed = 0.0f;      // shaped raw deviation, drives the "Stream" display
    float polyphonicFlag = 0.0f;   // 0 or 1
    float notePresentArc = 0.0f;   // 0..1, brightness of the arc
    float notePresentName = 0.0f;  // 0..1, brightness of the note name
    float inTune = 0.0f;           // 0..1
    int32_t note = 0;              // 0 is C .. 11 is B
    float stringDeviation[6] = {}; // strings 1..6, -1..1
    float stringPresence[6] = {};  // strings 1..6, 0..1
};

constexpr int kTunerResultValueCount = 19;
static_assert(sizeof(TunerResultBlock) == kTunerResultValueCount * 4, "19 four-byte values");
