#include "TunerHumFilter.h"

#include "TunerMath.h"

namespace {

// Notches with their zeros on the unit circle at 50 Hz and 60 Hz for a 24 kHz rate.
constexpr double k50B0 = 0.9997408344520881, k50B1 = -1.999310368455036, k50B2 = 0.9997408344520878;
constexpr double k50A1 = -1.999310368453364, k50A2 = 0.9994816689025042;
constexpr double k60B0 = 0.9997352665803549, k60B1 = -1.999223863437275, k60B2 = 0.9997352665803548;
constexpr double k60A1 = -1.999223863435936, k60A2 = 0.9994705331593706;

// Pole of the DC blocker: a corner near 11 Hz at 24 kHz.
constexpr double kDcPole = 0.997;

} // namespace

int32_t TunerHumFilter::Process(int32_t sample)
{
    const double x = sample;
    const double y = k50B0 * x + k50B1 * x1 + k50B2 * x2 - k50A1 * y1 - k50A2 * y2;
    const double z = k60B0 * y + k60B1 * y1 + k60B2 * y2 - k60A1 * z1 - k60A2 * z2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    z2 = z1;
    z1 = z;

    const int32_t v = tuner::TruncateToInt32(z);
    const double out = static_cast<double>(v) - previousInput + kDcPole * previousOutput;
    previousInput = v;
    previousOutput = out;
    return tuner::TruncateToInt32(out);
}
