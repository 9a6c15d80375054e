#pragma once

#include <memory>
#include <vector>

// Converts one channel from an integer host rate R to the kernel's 24000 Hz by the rational
// factor L/M (L = 24000 / g, M = R / g, g = gcd(R, 24000)) with a polyphase windowed low-pass
// filter of five taps per phase. The phase carries across calls, so any partition of a signal into
// blocks gives the same output.
class TunerResampler
{
public:
    static constexpr int kOutputRate = 24000;
    static constexpr int kTapsPerPhase = 5;

    // Null for a rate that is not finite, below 1 Hz or beyond the integer range; a rate that is
    // not a whole number is truncated. Designs the filter, so call it off the audio thread.
    static std::unique_ptr<TunerResampler> Create(double inputRate);

    // Resamples `count` inputs (a negative count is none) into `output` and returns how many
    // samples it wrote, at most MaxOutputCount(count). The very first call of a new resampler
    // yields one extra leading sample (L/M of them when up-sampling) from the empty history.
    int Run(const float* input, int count, float* output);

    // The room Run needs for `count` inputs, whatever the phase.
    int MaxOutputCount(int count) const;

    // Zeroes the history; the phase stays.
    void ClearHistory();

    int InputRate() const { return inputRate; }
    int UpFactor() const { return up; }
    int DownFactor() const { return down; }
    // The prototype filter of 5 L taps, windowed and scaled by L.
    const std::vector<float>& Coefficients() const { return coefficients; }

private:
    explicit TunerResampler(int inputRate);

    // Inputs resampled per pass through the stack window.
    static constexpr int kChunk = 512;

    // Resamples one chunk when L = 1; newest is the newest input before it, p the phase.
    int RunWholeRatio(const float* newest, int length, int& p, float* output) const;

    // One output: the newest input times the first coefficient, then each older one in turn,
    // written out so that no loop branch stands between the products.
    static float Tap(const float* newest, const float* h)
    {
        static_assert(kTapsPerPhase == 5, "one product a tap");
        float sum = 0.0f;
        sum += newest[0] * h[0];
        sum += newest[-1] * h[1];
        sum += newest[-2] * h[2];
        sum += newest[-3] * h[3];
        sum += newest[-4] * h[4];
        return sum;
    }

    int inputRate;
    int up;
    int down;
    int phase = 0;
    std::vector<float> coefficients;
    // The prototype regrouped by phase, so each output reads five adjacent coefficients.
    std::vector<float> phaseCoefficients;
    float history[kTapsPerPhase] = {}; // the last inputs, oldest first
};
