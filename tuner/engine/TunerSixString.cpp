#include "TunerSixString.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "TunerDisplayScale.h"
#include "TunerKernel.h"
#include "TunerMath.h"
#include "TunerVectorLoops.h"

namespace {

// Anti-alias low-pass of the 4:1 decimator to 6000 Hz; symmetric, c_0 .. c_17 given, gain about 4
// (the taps sum to about 0.995 * 2^31 on samples shifted down by 3, divided by 2^26).
constexpr int64_t kDecimatorHalf[kTunerDecimatorTaps / 2] = {
    2657259,   4910737,   7453692,   8454124,  6085417,   -1049733,  -13024116, -27818451, -41087545,
    -46724089, -38230184, -10642007, 37545432, 103105105, 177977599, 250565739, 308193535, 340094608,
};

// Half-candidate interpolation kernel of the refined strings, Q31, sum about 2^31.
constexpr int64_t kHalfStepKernel[8] = {-7757899,   62546604,   -275550822, 1294497680,
                                        1294497680, -275550822, 62546604,   -7757899};
constexpr int64_t kKernelSumLimit = (int64_t(1) << 62) - (int64_t(1) << 32);

// Codes of a string pitch that has no value.
constexpr float kNoSignal = -1.0f;
constexpr float kRisingToTheEnd = -2.0f; // the minimum lies at or beyond the last candidate
constexpr float kNeverFalling = -4.0f;   // no minimum within the range
constexpr float kTooShallow = -8.0f;     // the minimum is not deep enough
constexpr float kInterpolationOverflow = -16.0f;
constexpr float kPitchLimit = 1000.0f;

// Presence: the string's own band must carry a share of the single-note frame power.
constexpr float kMinimumFramePower = 1e-8f;

// All 36 taps; tap j weighs the sample 35 - j places before the newest of an output's window,
// which the symmetry makes the same as weighing the sample j places before it.
constexpr std::array<int32_t, kTunerDecimatorTaps> DecimatorTaps()
{
    std::array<int32_t, kTunerDecimatorTaps> taps{};
    for (int j = 0; j < kTunerDecimatorTaps / 2; ++j)
        taps[j] = taps[kTunerDecimatorTaps - 1 - j] = static_cast<int32_t>(kDecimatorHalf[j]);
    return taps;
}
constexpr std::array<int32_t, kTunerDecimatorTaps> kDecimatorTaps = DecimatorTaps();

// The frame goes behind the last 35 inputs, so every output is one dot product over 36
// consecutive samples: no wrap-around and no branch inside it.
void Decimate(TunerSixStringState& d, const int32_t* frame)
{
    constexpr int kHistory = kTunerDecimatorTaps - 1;
    int32_t x[kHistory + kTunerFrameLength];
    std::copy(d.decimatorHistory, d.decimatorHistory + kHistory, x);
    for (int n = 0; n < kTunerFrameLength; ++n)
        x[kHistory + n] = static_cast<int32_t>(tuner::ShiftRight(frame[n], 3));
    std::copy(x + kTunerFrameLength, x + kTunerFrameLength + kHistory, d.decimatorHistory);

    const int first = (kTunerDecimation - d.decimatorPhase) % kTunerDecimation; // the first sample of phase 0
    int count = (kTunerFrameLength - first + kTunerDecimation - 1) / kTunerDecimation;
    if (count > 2 * kTunerStringFrameLength)
        count = 2 * kTunerStringFrameLength;
    int64_t sums[2 * kTunerStringFrameLength];
    TunerLoops().decimatorSums(x + first, kDecimatorTaps.data(), sums, count);
    for (int i = 0; i < count; ++i)
        d.decimated[i] =
            static_cast<int32_t>(tuner::Saturate(tuner::DivPow2(sums[i], 26), tuner::kQ30Min, tuner::kQ30Max));
    d.decimatorPhase = (d.decimatorPhase + kTunerFrameLength) % kTunerDecimation;
}

// Vertex offset and value of the parabola through (-1, left), (0, centre), (1, right); an offset
// of 0 when the three points do not bend upwards, so a flat or falling run never yields inf or NaN.
void Parabola(double left, double centre, double right, double& offset, double& minimum)
{
    const double g = (right - left) / 2.0;
    const double h = (right + left) / 2.0 - centre;
    offset = h > 0.0 ? -g / (2.0 * h) : 0.0;
    if (offset > 1.0)
        offset = 1.0;
    if (offset < -1.0)
        offset = -1.0;
    minimum = h * offset * offset + g * offset + centre;
}

float EstimatePitch(const TunerStringDetector& detector, TunerStringState& string)
{
    const int32_t* r = string.differenceValues;
    const int first = detector.searchFirst, last = detector.searchLast;
    int index = first - 1;
    for (int i = first; i < last; ++i)
        if (r[i] < r[i - 1])
            index = i;

    if (string.difference.noSignal)
    {
        string.difference.noSignal = 0;
        return kNoSignal;
    }
    if (index == first - 1)
        return kNeverFalling;
    if (index == last - 1)
        return kRisingToTheEnd;

    constexpr double kScale = 1.0 / 2147483648.0;
    double offset = 0.0, minimum = 0.0, lag = detector.lags[index];
    if (!detector.refines)
    {
        Parabola(r[index - 1] * kScale, r[index] * kScale, r[index + 1] * kScale, offset, minimum);
        lag += offset;
    }
    else
    {
        if (index < 4 || index + 4 >= detector.candidateCount)
            return kRisingToTheEnd;
        int64_t before = 0, after = 0;
        for (int k = 0; k < 8; ++k)
        {
            before += kHalfStepKernel[k] * r[index - 4 + k];
            after += kHalfStepKernel[k] * r[index - 3 + k];
        }
        if (before > kKernelSumLimit || before < -kKernelSumLimit || after > kKernelSumLimit ||
            after < -kKernelSumLimit)
            return kInterpolationOverflow;
        // Five values half a candidate apart: r[index-1], before, r[index], after, r[index+1].
        const double v[5] = {r[index - 1] * kScale, before / 2147483648.0 * kScale, r[index] * kScale,
                             after / 2147483648.0 * kScale, r[index + 1] * kScale};
        int lowest = 2;
        double shift = 0.0;
        if (v[1] < v[2] && v[1] <= v[3])
        {
            lowest = 1;
            shift = -0.5;
        }
        else if (v[3] < v[2])
        {
            lowest = 3;
            shift = 0.5;
        }
        Parabola(v[lowest - 1], v[lowest], v[lowest + 1], offset, minimum);
        lag += offset / 2.0 + shift;
    }
    if (minimum >= detector.depthThreshold)
        return kTooShallow;
    return static_cast<float>(kTunerStringSampleRate / lag);
}

void AnalyseHalf(TunerKernelState& k, const int32_t* half)
{
    TunerSixStringState& d = k.sixString;
    d.halfToggle ^= 1;
    TunerStringFilterJob filters{{}, d.strings, half, {}};
    for (int s = 0; s < kTunerStringCount; ++s)
    {
        filters.rows[s] = k.settings.stringFilters[s];
        filters.out[s] = d.strings[s].buffer[d.halfToggle];
    }
    TunerLoops().filterStrings(filters);

    for (int s = 0; s < kTunerStringCount; ++s)
    {
        TunerStringState& string = d.strings[s];
        const TunerStringDetector& detector = k.settings.stringDetectors[s];
        const int32_t* current = string.buffer[d.halfToggle];
        const int32_t* previous = string.buffer[d.halfToggle ^ 1];
        TunerDifferenceFunction(previous, current, detector.difference, string.difference, string.differenceValues);

        const float pitch = EstimatePitch(detector, string);
        if (!std::isfinite(pitch))
            continue;
        string.pitch = TunerMedian3(tuner::Clamp(pitch, -kPitchLimit, kPitchLimit), string.pitchHistory);
    }
}

void UpdatePresence(const TunerKernelState& k, TunerStringState& string, const TunerStringDetector& detector)
{
    const float power = tuner::FloorPower(k.single.difference.framePower);
    const float stringPower = tuner::FloorPower(string.difference.framePower);
    const bool present =
        string.pitch > 0.0f && power >= kMinimumFramePower && stringPower > power * detector.powerFactor;

    float target = 1.0f;
    switch (string.state)
    {
    case kTunerNoteIdle:
        target = 0.0f;
        if (present)
            string.state = kTunerNoteOn;
        break;
    case kTunerNoteOn:
        string.counter = static_cast<uint8_t>(k.constants.releaseHold);
        if (!present)
            string.state = kTunerNoteRelease;
        break;
    default:
    {
        const bool expired = string.counter == 0;
        if (!expired)
            --string.counter;
        if (present)
            string.state = kTunerNoteOn;
        else if (expired)
            string.state = kTunerNoteIdle;
        break;
    }
    }
    string.presence = tuner::FollowEnvelope(string.presence, target, k.constants.envelope);
}

void UpdateDeviation(const TunerKernelState& k, TunerStringState& string, float target)
{
    if (!(string.pitch > 0.0f))
        return;
    const float o = k.constants.stringSmoothing;
    const float u = (std::log2(string.pitch) - kTunerLog2C0 - k.settings.referenceLogOffset - target) * 24.0f;
    if (!std::isfinite(u))
        return;
    string.s1 = tuner::Clamp(string.s1 + (u - string.s1) * o, -1.0f, 1.0f);
    string.s2 = tuner::Clamp(string.s2 + (string.s1 - string.s2) * o, -1.0f, 1.0f);
    string.deviation = std::tanh(kTunerStringShaping * string.s2 * string.s2) * string.s2;
}

} // namespace

void TunerSixStringStage(const int32_t* frame)
{
    TunerKernelState& k = TunerKernel();
    Decimate(k.sixString, frame);
    // The halves in the order they were played: the filters run on in time.
    AnalyseHalf(k, k.sixString.decimated);
    AnalyseHalf(k, k.sixString.decimated + kTunerStringFrameLength);
}

void TunerSixStringDisplay()
{
    TunerKernelState& k = TunerKernel();
    for (int s = 0; s < kTunerStringCount; ++s)
    {
        TunerStringState& string = k.sixString.strings[s];
        UpdatePresence(k, string, k.settings.stringDetectors[s]);
        UpdateDeviation(k, string, k.settings.stringTargets[s]);
    }
}

void TunerClearStringFilters()
{
    for (TunerStringState& string : TunerKernel().sixString.strings)
    {
        std::memset(string.firstPass, 0, sizeof string.firstPass);
        std::memset(string.secondPass, 0, sizeof string.secondPass);
    }
}

void TunerResetStringStates()
{
    for (TunerStringState& string : TunerKernel().sixString.strings)
    {
        string.state = kTunerNoteIdle;
        string.counter = 0;
        string.presence = 0.0f;
    }
}
