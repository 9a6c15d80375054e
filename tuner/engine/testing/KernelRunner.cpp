#include "KernelRunner.h"

#include <cmath>

#include "tuner/engine/TunerResampler.h"

namespace signals {

void ResetKernel(const KernelSettings& settings)
{
    TunerInit();
    TunerKernel().analysisMode = kTunerSingleNote;
    TunerSetBass(settings.bass);
    TunerSetDropTuning(settings.dropIndex);
    TunerSetReferenceHz(settings.referenceHz);
    TunerSetStream(settings.stream);
}

KernelRunner::KernelRunner(const KernelSettings& settings)
{
    ResetKernel(settings);
}

TunerResultBlock KernelRunner::FeedFrame(const float* frame24k)
{
    int32_t frame0[kTunerFrameLength];
    int32_t frame1[kTunerFrameLength];
    for (int n = 0; n < kTunerFrameLength; ++n)
    {
        frame0[n] = TunerToQ24(frame24k[n]);
        frame1[n] = 0;
    }
    analyser_.newResult = false;
    TunerAnalyseFrame(analyser_, frame0, frame1);
    return analyser_.result;
}

std::vector<float> ResampleTo24k(const std::vector<float>& signal, double rate)
{
    const std::unique_ptr<TunerResampler> resampler = TunerResampler::Create(rate);
    if (!resampler)
        return {};
    const int count = static_cast<int>(signal.size());
    std::vector<float> out(static_cast<size_t>(resampler->MaxOutputCount(count)));
    out.resize(static_cast<size_t>(resampler->Run(signal.data(), count, out.data())));
    return out;
}

} // namespace signals
