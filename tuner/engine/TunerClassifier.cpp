#include "TunerClassifier.h"

#include <cmath>

#include "TunerMath.h"

namespace {

// Input standardisation.
constexpr float kDepth1Mean = 0.143744f, kDepth1Scale = 1.173958f;
constexpr float kDepth2Mean = 0.333456f, kDepth2Scale = 1.270774f;
constexpr float kRatioMean = 2.000394f, kRatioScale = 0.506371f;

struct HiddenUnit
{
    float bias, wDepth1, wDepth2, wRatio;
};
constexpr HiddenUnit kHidden[5] = {
    {0.762286f, 0.240626f, -0.514534f, 4.123016f},   {-3.717021f, 6.349418f, 59.961487f, -0.571074f},
    {0.445526f, 0.207161f, -0.070809f, 3.006615f},   {0.680307f, -14.232205f, 1.011144f, 0.02223f},
    {-2.841769f, -3.015363f, 5.153506f, -0.012363f},
};
constexpr float kOutputBias = -10.471038f;
constexpr float kOutputWeights[5] = {-26.543421f, 4.39357f, 31.56144f, -4.758417f, -2.571774f};

// Limits that keep exp() finite in single precision.
constexpr float kExponentHigh = 15.942385f;
constexpr float kExponentLow = -87.33655f;

float Tanh(float x)
{
    float z = 2.0f * x;
    if (z > kExponentHigh)
        z = kExponentHigh;
    if (z < kExponentLow)
        z = kExponentLow;
    return 2.0f / (1.0f + std::exp(-z)) - 1.0f;
}

} // namespace

void TunerClassify(const TunerCandidateFeatures& features, float hidden[5], float& probability)
{
    // The depth features are already the square roots of the minimum depths, and the network takes
    // them as they are: rooting them a second time lifts single plucked strings to a polyphony
    // probability near 1, while one root keeps every single string below 0.31 and strums above 0.95.
    const float i1 = (features.depth1 - kDepth1Mean) * kDepth1Scale;
    const float i2 = (features.depth2 - kDepth2Mean) * kDepth2Scale;
    const float i3 = (features.ratio - kRatioMean) * kRatioScale;

    float h[5];
    bool finite = true;
    for (int k = 0; k < 5; ++k)
    {
        const HiddenUnit& u = kHidden[k];
        h[k] = Tanh(u.bias + u.wDepth1 * i1 + u.wDepth2 * i2 + u.wRatio * i3);
        finite = finite && std::isfinite(h[k]);
    }
    if (finite)
        for (int k = 0; k < 5; ++k)
            hidden[k] = h[k];

    float o = kOutputBias;
    for (int k = 0; k < 5; ++k)
        o += kOutputWeights[k] * hidden[k];
    if (!std::isfinite(o))
        return;
    if (o > kExponentHigh)
        o = kExponentHigh;
    float exponent = -o;
    if (exponent > -kExponentLow)
        exponent = -kExponentLow;
    probability = tuner::Clamp(1.0f / (1.0f + std::exp(exponent)), 0.0f, 1.0f);
}
