#include <cmath>

#include "TunerClassifier.h"
#include "TunerKernel.h"
#include "TunerMath.h"
#include "TunerSixString.h"

namespace {

// First-order pre-emphasis high-pass: 0.9203721 (x - x1) + 0.8407442 y1, in Q31.
constexpr int64_t kPreEmphasisGain = 1976484040;
constexpr int64_t kPreEmphasisPole = 1805484433;

// A later minimum replaces the deepest only when it is deeper by this much (0.15 in depth units),
// which prefers the shortest period among equally deep multiples.
constexpr double kDeeperBy = 0.15 / 8.0 * 2147483648.0;
constexpr int kSearchFirst = 1;
constexpr int kSearchLast = 139;
constexpr double kPeriodicDepth = 0.3;
// Less than one LSB squared a sample over both frames: what a steady hum leaves behind the notches
// is a sub-LSB residue that the integer stages turn into an exactly periodic run of 0 and -1
// samples. It is no signal, so it has no minimum and never reads as a note.
constexpr int64_t kQuantisationFloor = 2 * kTunerFrameLength;
constexpr float kNoMinimumHz = 1000.0f;

// Voicing: the smoothed power attacks fast and releases slowly; a frame is voiced within 30 dB of it.
constexpr float kPowerAttack = 0.05193606f;
constexpr float kPowerRelease = 0.0028404028f;
constexpr float kVoicedShare = 0.001f;

constexpr float kProbabilitySmoothing = 0.24756784f;
constexpr float kPolyphonicHysteresis = 0.1f;
constexpr int kOnsetCounterLimit = 8;
constexpr float kPitchLimit = 20.0f;

double Depth(int32_t value)
{
    return 8.0 * value / 2147483648.0;
}

// One frame of pre-emphasis, and the level follower on its output, with their state in locals:
// two recursions in one pass, which the processor overlaps. Acc holds gain (x - x1) + pole y1
// exactly: __int128 always does, int64_t when every step |x - x1| is below 2^31 (each product is
// then below 2^62). Both divide toward zero, so both give the same samples.
template <typename Acc>
void PreEmphasiseWith(int32_t* frame, TunerSingleNoteState& s, int64_t (&followerAtQuarterEnds)[kTunerLevelQuarters])
{
    int64_t x1 = s.preEmphasisX1;
    int32_t y1 = s.preEmphasisY1;
    int64_t follower = s.levelFollower;
    for (int quarter = 0; quarter < kTunerLevelQuarters; ++quarter)
    {
        for (int n = quarter * kTunerLevelQuarterLength; n < (quarter + 1) * kTunerLevelQuarterLength; ++n)
        {
            const int64_t x = static_cast<int64_t>(frame[n]) * 4;
            const Acc acc = static_cast<Acc>(kPreEmphasisGain) * (x - x1) + static_cast<Acc>(kPreEmphasisPole) * y1;
            const Acc quotient = acc / (static_cast<Acc>(1) << 31); // toward zero
            const int32_t y = quotient > INT32_MAX   ? INT32_MAX
                              : quotient < INT32_MIN ? INT32_MIN
                                                     : static_cast<int32_t>(quotient);
            x1 = x;
            y1 = y;
            frame[n] = tuner::SaturateToSample24(tuner::ShiftRight(y, 7));
            follower = TunerFollowLevel(follower, frame[n]);
        }
        followerAtQuarterEnds[quarter] = follower;
    }
    s.preEmphasisX1 = x1;
    s.preEmphasisY1 = y1;
    s.levelFollower = follower;
}

void PreEmphasise(int32_t* frame, TunerSingleNoteState& s, int64_t (&followerAtQuarterEnds)[kTunerLevelQuarters])
{
    constexpr int64_t kNarrowStep = int64_t(1) << 31;
    int64_t previous = s.preEmphasisX1;
    bool narrow = true;
    for (int n = 0; n < kTunerFrameLength; ++n)
    {
        const int64_t x = static_cast<int64_t>(frame[n]) * 4;
        const int64_t step = x - previous;
        narrow &= step < kNarrowStep && step > -kNarrowStep;
        previous = x;
    }
    if (narrow)
        PreEmphasiseWith<int64_t>(frame, s, followerAtQuarterEnds);
    else
        PreEmphasiseWith<__int128>(frame, s, followerAtQuarterEnds);
}

// Refined period of the minimum at j: vertex of the parabola through (1/f, depth) at j-1, j, j+1.
void RefineMinimum(const TunerSingleNoteConfig& config, const int32_t* values, int j, float& frequency, float& depth)
{
    const double x0 = config.lags[j - 1] / double(kTunerSampleRate);
    const double x1 = config.lags[j] / double(kTunerSampleRate);
    const double x2 = config.lags[j + 1] / double(kTunerSampleRate);
    const double y0 = Depth(values[j - 1]), y1 = Depth(values[j]), y2 = Depth(values[j + 1]);

    // Divided differences of the interpolating parabola y = y1 + b (x - x1) + a (x - x1)^2 ... in Newton form.
    const double d01 = (y1 - y0) / (x1 - x0);
    const double d12 = (y2 - y1) / (x2 - x1);
    const double a = (d12 - d01) / (x2 - x0);
    double period = x1;
    double vertexDepth = y1;
    if (a > 0.0)
    {
        // y = y0 + d01 (x - x0) + a (x - x0)(x - x1); its slope vanishes at the vertex.
        period = (x0 + x1) / 2.0 - d01 / (2.0 * a);
        vertexDepth = y0 + d01 * (period - x0) + a * (period - x0) * (period - x1);
    }
    if (vertexDepth < 0.0)
        vertexDepth = 0.0;
    frequency = static_cast<float>(1.0 / period);
    depth = static_cast<float>(vertexDepth);
}

void FindFeatures(TunerKernelState& k)
{
    TunerSingleNoteState& s = k.single;
    const int32_t* c = s.differenceValues;

    int j1 = 0, j2 = 0;
    double m1 = INFINITY, m2 = INFINITY;
    const int searchLast = s.difference.energy < kQuantisationFloor ? 0 : kSearchLast;
    for (int i = kSearchFirst; i <= searchLast; ++i)
    {
        if (!(c[i] < c[i - 1] && c[i] < c[i + 1]))
            continue;
        if (c[i] >= m2)
            continue;
        if (m1 - c[i] > kDeeperBy)
        {
            j2 = j1;
            m2 = m1;
            j1 = i;
            m1 = c[i];
        }
        else
        {
            j2 = i;
            m2 = c[i];
        }
    }

    bool periodic = false, secondCandidate = false;
    float f1 = kNoMinimumHz, f2 = kNoMinimumHz, depth1 = 1.0f, depth2 = 1.0f;
    if (j1 > 0)
    {
        RefineMinimum(k.singleNoteConfig, c, j1, f1, depth1);
        if (j2 > 0)
        {
            RefineMinimum(k.singleNoteConfig, c, j2, f2, depth2);
            secondCandidate = f2 > 0.0f;
        }
        else
        {
            f2 = f1;
            depth2 = depth1;
            secondCandidate = true;
        }
        periodic = depth1 < kPeriodicDepth;
    }

    float ratio = 0.0f;
    if (secondCandidate)
    {
        ratio = f1 / f2;
        if (ratio < 1.0f)
            ratio = 1.0f / ratio;
    }

    TunerCandidateFeatures& f = s.features;
    f.periodic = periodic;
    f.secondCandidate = secondCandidate;
    const float pitch1 = std::log2(f1) - kTunerLog2C0;
    const float pitch2 = std::log2(f2) - kTunerLog2C0;
    const float root1 = std::sqrt(depth1);
    const float root2 = std::sqrt(depth2);
    if (std::isfinite(pitch1) && std::isfinite(pitch2) && std::isfinite(root1) && std::isfinite(root2) &&
        std::isfinite(ratio))
    {
        f.pitch1 = pitch1;
        f.depth1 = root1;
        f.pitch2 = pitch2;
        f.depth2 = root2;
        f.ratio = ratio;
    }
}

void UpdateVoicing(TunerSingleNoteState& s)
{
    const float power = tuner::FloorPower(s.difference.framePower);
    const float coefficient = power > s.smoothedPower ? kPowerAttack : kPowerRelease;
    s.smoothedPower += (power - s.smoothedPower) * coefficient;
    s.powerRatio = s.smoothedPower == 0.0f ? 0.0f : power / (kVoicedShare * s.smoothedPower);
    s.voiced = (s.powerRatio >= 1.0f && s.features.secondCandidate && s.levelGate == 1.0f) ? 1.0f : 0.0f;
}

void SwitchAnalysisMode(TunerKernelState& k, int mode)
{
    k.analysisMode = mode;
    k.single.notePresentA = 0.0f;
    k.single.notePresentB = 0.0f;
    k.single.inTune = 0.0f;
    k.single.noteState = kTunerNoteIdle;
    TunerResetStringStates();
}

void UpdatePolyphony(TunerKernelState& k)
{
    TunerSingleNoteState& s = k.single;
    const float smoothed = s.smoothedProbability + (s.probability - s.smoothedProbability) * kProbabilitySmoothing;
    if (std::isfinite(smoothed))
        s.smoothedProbability = tuner::Clamp(smoothed, 0.0f, 1.0f);
    s.polyphonicFlag = kPolyphonicHysteresis * (s.polyphonicFlag - 0.5f) + s.smoothedProbability > 0.5f ? 1.0f : 0.0f;

    if (k.analysisMode == kTunerSingleNote)
    {
        if (s.polyphonicFlag == 1.0f && s.onsetCounter <= k.constants.onsetLimit)
            SwitchAnalysisMode(k, kTunerPolyphonic);
    }
    else if (s.polyphonicFlag == 0.0f)
    {
        SwitchAnalysisMode(k, kTunerSingleNote);
    }
    if (s.onsetCounter < kOnsetCounterLimit)
        ++s.onsetCounter;
}

} // namespace

float TunerMedian3(float value, float history[2])
{
    const float a = value, b = history[0], c = history[1];
    history[1] = history[0];
    history[0] = value;
    if (a < b)
    {
        if (b < c)
            return b;
        return a < c ? c : a;
    }
    if (a < c)
        return a;
    return b < c ? c : b;
}

void TunerProcessFrame(int32_t* frame)
{
    TunerKernelState& k = TunerKernel();
    TunerSingleNoteState& s = k.single;

    int64_t followerAtQuarterEnds[kTunerLevelQuarters];
    PreEmphasise(frame, s, followerAtQuarterEnds);

    if (3.3333333f * TunerLevelDb(followerAtQuarterEnds) >= 1.0f)
    {
        s.levelGate = 0.0f;
        s.onsetCounter = 0;
    }
    else
    {
        s.levelGate = 1.0f;
    }

    s.difference.noSignal = 0;
    const int32_t* previous = k.frames[(k.ringIndex + 2) % 3];
    TunerDifferenceFunction(previous, frame, k.singleNoteConfig.difference, s.difference, s.differenceValues);

    FindFeatures(k);
    TunerClassify(s.features, s.hidden, s.probability);
    UpdateVoicing(s);

    s.pitch = tuner::Clamp(TunerMedian3(s.features.pitch1, s.pitchHistory), -kPitchLimit, kPitchLimit);
    if (!std::isfinite(s.pitch))
        s.pitch = 0.0f;

    if (s.voiced == 1.0f)
        UpdatePolyphony(k);
}
