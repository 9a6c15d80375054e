#include "TunerRateSetup.h"

std::unique_ptr<TunerRateSetup> TunerRateSetup::Create(double hostRate)
{
    std::unique_ptr<TunerRateSetup> setup(new TunerRateSetup);
    for (std::unique_ptr<TunerResampler>& resampler : setup->resamplers)
        resampler = TunerResampler::Create(hostRate);
    if (!setup->CanAnalyse())
        return setup;

    const TunerResampler& r = *setup->resamplers[0];
    setup->rate = r.InputRate();
    int capacity = r.MaxOutputCount(1);
    if (capacity < kResampledCapacity)
        capacity = kResampledCapacity;
    // The longest host piece whose output fits: (n + 1) L / M + 1 <= capacity.
    long long piece = (static_cast<long long>(capacity) - 1) * r.DownFactor() / r.UpFactor() - 1;
    if (piece < 1)
        piece = 1;
    while (piece > 1 && r.MaxOutputCount(static_cast<int>(piece)) > capacity)
        --piece;
    setup->pieceLength = static_cast<int>(piece);
    for (std::vector<float>& buffer : setup->resampled)
        buffer.assign(static_cast<size_t>(capacity), 0.0f);
    return setup;
}

void TunerRateSetup::ClearHistory()
{
    for (std::unique_ptr<TunerResampler>& resampler : resamplers)
        if (resampler)
            resampler->ClearHistory();
}
