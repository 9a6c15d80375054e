#pragma once

#include <cstdint>

// Parameter numbering, counted from the build's first index F: the five product parameters at
// F ... F+4, nothing at F+5, then three hidden parameters that are never host parameters.
struct TunerParameterIndex
{
    static constexpr int32_t kFirstIndexAAX = 1;
    static constexpr int32_t kFirstIndexVST3 = 0;

    // Offsets from F.
    enum Offset : int32_t
    {
        kSelectInstrument = 0,
        kDisplayMode = 1,
        kDropTuning = 2,
        kReferenceFrequency = 3,
        kColorSet = 4,
        kOutputMute = 6,
        kInputChannelCount = 7, // read only
        kInstanceActive = 8,    // read only
    };

    static constexpr int32_t kProductParameterCount = 5;
    // Every parameter, the hidden ones included, lies at an offset below this (the last offset plus
    // one): the indices of a build are F ... F + kOffsetCount - 1. What holds a slot per index
    // (dirty marks, AAX identifiers) checks its size against it.
    static constexpr int32_t kOffsetCount = kInstanceActive + 1;
};

static_assert(TunerParameterIndex::kProductParameterCount <= TunerParameterIndex::kOutputMute,
              "the product parameters lie below the hidden ones");
