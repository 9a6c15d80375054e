#pragma once

// Shared helpers of the kernel tests: run a signal from a fresh kernel and look at its readings.

#include <cmath>
#include <vector>

#include "tuner/engine/testing/KernelRunner.h"
#include "tuner/engine/testing/TestSignals.h"

namespace kerneltest {

constexpr double kRate = 24000.0;

struct Readings
{
    std::vector<TunerResultBlock> results;
    std::vector<float> rawDeviation; // kernel's unshaped deviation after each frame
    std::vector<int> noteState;
};

inline Readings RunKernel(const std::vector<float>& signal, const signals::KernelSettings& settings = {})
{
    signals::KernelRunner runner(settings);
    Readings out;
    for (size_t start = 0; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength)
    {
        out.results.push_back(runner.FeedFrame(signal.data() + start));
        out.rawDeviation.push_back(TunerKernel().single.rawDeviation);
        out.noteState.push_back(TunerKernel().single.noteState);
    }
    return out;
}

// Half a second of silence, then the tone.
inline std::vector<float> AfterSilence(const std::vector<float>& tone)
{
    std::vector<float> signal = signals::Silence(0.5, kRate);
    signals::Append(signal, tone);
    return signal;
}

// Mean of the raw deviation in cents over frames [from, to).
inline double MeanCents(const Readings& r, size_t from, size_t to)
{
    double sum = 0.0;
    for (size_t f = from; f < to; ++f)
        sum += r.rawDeviation[f] * 50.0;
    return sum / double(to - from);
}

inline float Shaped(float d)
{
    return std::tanh(5.0f * std::fabs(d)) * d;
}

} // namespace kerneltest
