#include <cmath>
#include <cstring>

#include "TunerKernel.h"
#include "TunerMath.h"

namespace {

// A value that is not finite keeps the last published one; the rest are held to their ranges.
void Publish(float& slot, float value, float low, float high)
{
    if (std::isfinite(value))
        slot = tuner::Clamp(value, low, high);
}

void PublishResult(const TunerKernelState& k, TunerResultBlock& r)
{
    const TunerSingleNoteState& s = k.single;
    Publish(r.needleDeviation, s.needleDeviation, -1.0f, 1.0f);
    Publish(r.strobeSpeed, s.strobeSpeed, -1.0f, 1.0f);
    Publish(r.polyphonicFlag, s.polyphonicFlag, 0.0f, 1.0f);
    Publish(r.notePresentArc, s.notePresentA, 0.0f, 1.0f);
    Publish(r.notePresentName, s.notePresentB, 0.0f, 1.0f);
    Publish(r.inTune, s.inTune, 0.0f, 1.0f);
    r.note = s.noteNumber % 12;
    for (int i = 0; i < kTunerStringCount; ++i)
    {
        Publish(r.stringDeviation[i], k.sixString.strings[i].deviation, -1.0f, 1.0f);
        Publish(r.stringPresence[i], k.sixString.strings[i].presence, 0.0f, 1.0f);
    }
}

} // namespace

void TunerAnalyseFrame(TunerAnalyser& analyser, int32_t* frame0, int32_t* frame1)
{
    TunerKernelState& k = TunerKernel();

    analyser.hum.Run(frame0, kTunerFrameLength);

    std::memcpy(frame1, frame0, kTunerFrameLength * sizeof(int32_t));
    k.ringIndex = (k.ringIndex + 1) % 3;
    std::memcpy(k.frames[k.ringIndex], frame0, kTunerFrameLength * sizeof(int32_t));
    std::memset(frame0, 0, kTunerFrameLength * sizeof(int32_t));
    std::memset(frame1, 0, kTunerFrameLength * sizeof(int32_t));

    TunerDetect();
    TunerProcessFrame(k.frames[k.ringIndex]);

    PublishResult(k, analyser.result);
    analyser.newResult = true;
}
