#pragma once

// Drives the tuner kernel directly with a 24 kHz signal, one 1024-sample frame at a time.

#include <vector>

#include "tuner/engine/TunerKernel.h"
#include "tuner/engine/TunerQ24.h"

namespace signals {

struct KernelSettings
{
    bool bass = false;
    bool stream = false;
    int dropIndex = 0;
    int referenceHz = 440;
};

// Re-initialises the kernel with the settings, as a fresh tuner object would.
void ResetKernel(const KernelSettings& settings);

class KernelRunner
{
public:
    explicit KernelRunner(const KernelSettings& settings = {});
    // Analyses one frame of kTunerFrameLength samples at 24 kHz and returns its result; the
    // kernel's own state then holds what the frame left in it.
    TunerResultBlock FeedFrame(const float* frame24k);

private:
    TunerAnalyser analyser_;
};

// Resamples a signal at a host rate to 24 kHz, as the tuner object does. Empty for a rate the
// resampler refuses.
std::vector<float> ResampleTo24k(const std::vector<float>& signal, double rate);

} // namespace signals
