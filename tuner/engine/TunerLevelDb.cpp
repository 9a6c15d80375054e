#include <cmath>

#include "TunerKernel.h"
#include "TunerLevelFollower.h"
#include "TunerMath.h"

namespace {

// Butterworth high-pass at one eighth of its rate (one value per 256 samples): it turns a rise of
// the level into a positive pulse, so only an onset closes the gate.
constexpr float kB0 = 0.5690356f, kB1 = -1.1380712f, kB2 = 0.5690356f;
constexpr float kA1 = -0.94280905f, kA2 = 0.33333334f;
constexpr float kFloor = -1e10f;

} // namespace

float TunerLevelDb(const int64_t (&followerAtQuarterEnds)[kTunerLevelQuarters])
{
    TunerSingleNoteState& s = TunerKernel().single;
    float largest = kFloor;
    for (int quarter = 0; quarter < kTunerLevelQuarters; ++quarter)
    {
        const float level = static_cast<float>(tuner::ShiftRight(followerAtQuarterEnds[quarter], 31) / 2147483648.0);
        const float z = 20.0f * std::log10(level + 1e-10f);
        const float y =
            kB0 * z + kB1 * s.levelFilterZ1 + kB2 * s.levelFilterZ2 - kA1 * s.levelFilterY1 - kA2 * s.levelFilterY2;
        s.levelFilterZ2 = s.levelFilterZ1;
        s.levelFilterZ1 = z;
        s.levelFilterY2 = s.levelFilterY1;
        s.levelFilterY1 = y;
        s.levelQuarterOutputs[quarter] = y;
        if (y > largest)
            largest = y;
    }
    return largest;
}
