#include "TunerDifferenceFunction.h"

#include <algorithm>

#include "TunerMath.h"
#include "TunerVectorLoops.h"

namespace {

using uint128 = unsigned __int128;

struct Reciprocal
{
    int leadingZeros; // of the energy as a 64-bit value, 64 for 0
    uint32_t value;   // floor((2^63 - 1) / top 32 bits of the normalised energy)
};

Reciprocal EnergyReciprocal(int64_t energy)
{
    const uint64_t e = static_cast<uint64_t>(energy);
    Reciprocal r;
    r.leadingZeros = tuner::CountLeadingZeros64(e);
    const uint32_t top = r.leadingZeros >= 64 ? 0u : static_cast<uint32_t>((e << r.leadingZeros) >> 32);
    r.value = top == 0 ? 0xFFFFFFFFu : static_cast<uint32_t>(INT64_MAX / top);
    return r;
}

int32_t Normalise(int64_t difference, const Reciprocal& reciprocal, uint8_t shift, uint32_t normaliser, bool& overflow)
{
    overflow = false;
    const uint64_t R = (static_cast<uint64_t>(normaliser) * reciprocal.value) >> 32;
    const uint128 P = static_cast<uint128>(2u * static_cast<uint64_t>(difference)) * R;
    const uint64_t K = static_cast<uint64_t>(P >> 32);
    const uint64_t J = static_cast<uint64_t>(P & 0xFFFFFFFFu);
    const int k = shift + reciprocal.leadingZeros - 2;
    if (k > tuner::CountLeadingZeros64(K))
    {
        overflow = true;
        return kTunerDifferenceCeiling;
    }
    uint128 sum = k >= 0 ? (static_cast<uint128>(K) << k) : (static_cast<uint128>(K) >> -k);
    if (k > 32)
        sum += static_cast<uint128>(J) << (k - 32);
    const uint128 c = sum >> 33;
    if (c >= (uint128(1) << 31))
    {
        overflow = true;
        return kTunerDifferenceCeiling;
    }
    return static_cast<int32_t>(c);
}

} // namespace

int32_t TunerNormaliseDifference(int64_t difference, int64_t energy, uint8_t shift, uint32_t normaliser, bool& overflow)
{
    return Normalise(difference, EnergyReciprocal(energy), shift, normaliser, overflow);
}

void TunerDifferenceFunction(const int32_t* previous, const int32_t* newest, const TunerDifferenceConfig& config,
                             TunerDifferenceState& state, int32_t* values)
{
    const int length = config.frameLength;

    const TunerVectorLoops& loops = TunerLoops();
    const int64_t newestEnergy = static_cast<int64_t>(loops.sumOfSquares(newest, length));
    const int64_t energy = newestEnergy + state.previousEnergy;
    state.previousEnergy = newestEnergy;
    state.energy = energy;
    state.framePower = static_cast<float>(static_cast<double>(energy) / (2.0 * length) / 70368744177664.0);
    if (energy == 0)
        state.noSignal = -1;

    // The two frames side by side, so every candidate's sum is one run over its window: the lagged
    // samples before the newest frame are then read from the previous one without a split.
    int32_t joined[2 * kTunerMaxDifferenceFrameLength];
    std::copy(previous, previous + length, joined);
    std::copy(newest, newest + length, joined + length);
    const int32_t* current = joined + length;

    const Reciprocal reciprocal = EnergyReciprocal(energy);
    for (int i = 0; i < config.candidateCount; ++i)
    {
        const int lag = config.lags[i];
        const int64_t difference =
            static_cast<int64_t>(loops.squaredDifferences(current, current - lag, config.windows[i]));
        bool overflow = false;
        values[i] = Normalise(difference, reciprocal, config.shifts[i], config.normalisers[i], overflow);
        if (overflow)
            state.noSignal = -1;
    }
}
