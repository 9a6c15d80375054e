#include "TunerResampler.h"

#include <cmath>
#include <algorithm>
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
        coefficients[static_cast<size_t>(n)] *=
            static_cast<float>(prototype[static_cast<size_t>(n)]) * static_cast<float>(up);

    phaseCoefficients.resize(static_cast<size_t>(taps));
    for (int p = 0; p < up; ++p)
        for (int k = 0; k < kTapsPerPhase; ++k)
            phaseCoefficients[static_cast<size_t>(p * kTapsPerPhase + k)] =
                coefficients[static_cast<size_t>(p + k * up)];
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
    // The inputs pass through a window that holds the history in front of the next chunk, so an
    // input is written once rather than shifted through the history, and each output reads its
    // five taps in place: the outputs are independent sums the processor overlaps.
    float window[kTapsPerPhase + kChunk];
    std::copy(history, history + kTapsPerPhase, window);
    int produced = 0;
    int p = phase;
    int remaining = count > 0 ? count : 0;
    do
    {
        const int length = remaining < kChunk ? remaining : kChunk;
        std::copy(input, input + length, window + kTapsPerPhase);
        const float* newest = window + kTapsPerPhase - 1; // the newest input consumed so far
        if (up == 1)
        {
            produced += RunWholeRatio(newest, length, p, output + produced);
        }
        else
        {
            int consumed = 0;
            do
            {
                while (p >= up && consumed < length)
                {
                    ++consumed;
                    p -= up;
                }
                while (p < up)
                {
                    output[produced++] =
                        Tap(newest + consumed, &phaseCoefficients[static_cast<size_t>(p * kTapsPerPhase)]);
                    p += down;
                }
            } while (consumed < length);
        }
        std::copy(window + length, window + length + kTapsPerPhase, window);
        input += length;
        remaining -= length;
    } while (remaining > 0);
    std::copy(window, window + kTapsPerPhase, history);
    phase = p;
    return produced;
}

int TunerResampler::RunWholeRatio(const float* newest, int length, int& p, float* output) const
{
    // With L = 1 the phase counts the inputs still due before the next output, which always
    // takes the one phase M inputs after the one before: the outputs are counted up front and
    // computed in a loop with no test per input.
    if (p > length)
    {
        p -= length;
        return 0;
    }
    const int count = (length - p) / down + 1;
    const float* h = phaseCoefficients.data();
    for (int j = 0; j < count; ++j)
        output[j] = Tap(newest + p + j * down, h);
    p = down - (length - p - (count - 1) * down);
    return count;
}

void TunerResampler::ClearHistory()
{
    for (float& h : history)
        h = 0.0f;
}
