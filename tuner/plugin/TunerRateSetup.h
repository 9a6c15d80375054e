#pragma once

#include <memory>
#include <vector>

#include "tuner/engine/TunerResampler.h"

// What the audio thread needs to bring one host rate to 24 kHz: a resampler for each of the two
// analysed channels and room for their output. Built off the audio thread, since designing the
// filter and sizing the buffers allocate.
struct TunerRateSetup
{
    // Room for this many 24 kHz samples per channel, more only when a single input sample
    // produces more (rates far below 24 kHz).
    static constexpr int kResampledCapacity = 2048;

    // A rate the resampler refuses (not finite, below 1 Hz) gives a set-up without resamplers:
    // audio still passes, nothing is analysed.
    static std::unique_ptr<TunerRateSetup> Create(double hostRate);

    bool CanAnalyse() const { return resamplers[0] != nullptr; }
    void ClearHistory();

    int rate = 0; // the host rate truncated to an integer, 0 when refused
    std::unique_ptr<TunerResampler> resamplers[2];
    std::vector<float> resampled[2];
    int pieceLength = 0; // most host samples per resampler run
};
