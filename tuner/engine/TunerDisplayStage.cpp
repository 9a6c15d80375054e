#include "TunerDisplayStage.h"

#include <cmath>

#include "TunerDisplayScale.h"
#include "TunerKernel.h"
#include "TunerMath.h"

namespace {

// Where an idle needle rests: -44.4 cents, the last column of the arc.
constexpr float kIdleDeviation = -0.8888889f;
constexpr float kInTuneDeviation = 0.2f; // +-10 cents
// The needle smoother speeds up with the distance between the reading and the needle.
constexpr float kNeedleNear = 0.1f;
constexpr float kNeedleFar = 0.5f;
// Semitones above C0 that a note number can hold (an unsigned byte).
constexpr float kHighestNote = 255.0f;

void UpdateNoteState(TunerKernelState& k, float& target)
{
    TunerSingleNoteState& s = k.single;
    const bool periodic = s.features.periodic;
    switch (s.noteState)
    {
    case kTunerNoteIdle:
        target = 0.0f;
        s.rawDeviation = kIdleDeviation;
        if (periodic)
            s.noteState = kTunerNoteOn;
        break;
    case kTunerNoteOn:
        s.releaseCounter = k.constants.releaseHold;
        target = 1.0f;
        if (!periodic)
            s.noteState = kTunerNoteRelease;
        break;
    default:
        target = 1.0f;
        if (s.releaseCounter == 0)
            s.noteState = kTunerNoteIdle;
        else
            --s.releaseCounter;
        if (periodic)
            s.noteState = kTunerNoteOn;
        break;
    }
}

void UpdateNote(TunerKernelState& k)
{
    TunerSingleNoteState& s = k.single;
    float h = TunerMedian3(s.pitch - k.settings.referenceLogOffset, s.noteHistory) * 12.0f;
    if (!std::isfinite(h))
        return;
    // Keep the note number within its byte, so the deviation stays within +-1 of it.
    h = tuner::Clamp(h, 0.0f, kHighestNote);
    const float note = std::round(h);
    s.noteNumber = static_cast<uint8_t>(note);
    s.rawDeviation = (h - note) * 2.0f;
}

void UpdateNeedle(TunerKernelState& k)
{
    TunerSingleNoteState& s = k.single;
    const TunerConstants& c = k.constants;
    const float d = s.rawDeviation;
    const float distance = tuner::Clamp(std::fabs(d - s.needleS2), kNeedleNear, kNeedleFar);
    const float coefficient = (distance - kNeedleNear) * c.needleSlope + c.needleSlow;
    s.needleS1 = (1.0f - coefficient) * s.needleS1 + coefficient * d;
    s.needleS2 = (1.0f - coefficient) * s.needleS2 + coefficient * s.needleS1;
    s.needleDeviation = tuner::Clamp(std::tanh(kTunerNeedleShaping * std::fabs(s.needleS2)) * s.needleS2, -1.0f, 1.0f);

    const float inTuneTarget = std::fabs(d) <= kInTuneDeviation ? 1.0f : 0.0f;
    s.inTune += (inTuneTarget - s.inTune) * c.envelope;
}

} // namespace

void TunerDisplaySingleNote()
{
    TunerKernelState& k = TunerKernel();
    TunerSingleNoteState& s = k.single;

    float target = 0.0f;
    UpdateNoteState(k, target);
    s.notePresentA = tuner::FollowEnvelope(s.notePresentA, target, k.constants.envelope);
    s.notePresentB = tuner::FollowEnvelope(s.notePresentB, target, k.constants.envelope);

    if (s.noteState == kTunerNoteOn)
        UpdateNote(k);

    // The needle and strobe follow the raw deviation in every note state, so an idle needle glides
    // to its resting place at the end of the arc.
    if (k.settings.mode & kTunerModeStream)
    {
        const float d = s.rawDeviation;
        s.strobeSpeed = std::tanh(kTunerNeedleShaping * std::fabs(d)) * d;
    }
    else
    {
        UpdateNeedle(k);
    }
}
