#include "TunerResampler.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "TunerFirDesign.h"

std::unique_ptr<TunerResampler> TunerResampler::Create(double inputRate)
{
    if (!std::isfinite(inputRate) || inputRate < 1.0 ||
        inputRate >= static_cast<double>(std::numeric_limits<int>::max()))
        return nullptr;
    return std::unique_ptr<TunerResampler>(new TunerResampler(static_cast<int>(inputRate)));
}

TunerResampler::TunerResampler(int rate) : inputRate(rate)
{
    const int g = GreatestCommonDivisor(rate, kOutputRate);
    up = kOutputRate / g;
    down = rate / g;

    // Cut at the lower of the two Nyquist frequencies, in cycles per up-sampled sample.
    const int taps = kTapsPerPhase * up;
    const double cutoff = 0.5 / (up > down ? up : down);
    const std::vector<double> prototype = DesignLowPassFir(taps, cutoff);
    coefficients.resize(static_cast<size_t>(taps));
    HammingWindow(coefficients.data(), taps);
    // Zero stuffing by L loses a factor L of level; the filter gives it back.
    for (int n = 0; n < taps; ++n)
        coefficients[static_cast<size_t>(n)] *= static_cast<float>(prototype[static_cast<size_t>(n)]) * static_cast<float>(up);

    phaseCoefficients.resize(static_cast<size_t>(taps));
    for (int p = 0; p < up; ++p)
        for (int k = 0; k < kTapsPerPhase; ++k)
            phaseCoefficients[static_cast<size_t>(p * kTapsPerPhase + k)] = coefficients[static_cast<size_t>(p + k * up)];
}

int TunerResampler::MaxOutputCount(int count) const
{
    // Each input moves the phase back by L, each output forward by M, and a call ends with the
    // phase in L .. L+M-1 (it starts there too, or at 0 when fresh): at most (n+1) L / M + 1.
    const int64_t inputs = count > 0 ? count : 0;
    const int64_t most = (inputs + 1) * up / down + 1;
    return most > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(most);
}

int TunerResampler::Run(const float* input, int count, float* output)
{
    int produced = 0;
    int consumed = 0;
    int p = phase;
    do {
        while (p >= up && consumed < count) {
            for (int k = kTapsPerPhase - 1; k > 0; --k) history[k] = history[k - 1];
            history[0] = input[consumed++];
            p -= up;
        }
        while (p < up) {
            const float* h = &phaseCoefficients[static_cast<size_t>(p * kTapsPerPhase)];
            float sum = 0.0f;
            for (int k = 0; k < kTapsPerPhase; ++k) sum += history[k] * h[k];
            output[produced++] = sum;
            p += down;
        }
    } while (consumed < count);
    phase = p;
    return produced;
}

void TunerResampler::ClearHistory()
{
    for (float& h : history) h = 0.0f;
}
