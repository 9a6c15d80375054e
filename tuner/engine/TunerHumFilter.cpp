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

void TunerHumFilter::Run(int32_t* samples, int count)
{
    // The state stays in registers for the whole run: each sample's recursion then waits only on
    // the arithmetic, not on stores and reloads of the previous sample's state.
    double xa = x1, xb = x2, ya = y1, yb = y2, za = z1, zb = z2;
    int32_t dcInput = previousInput;
    double dcOutput = previousOutput;
    for (int n = 0; n < count; ++n)
    {
        const double x = samples[n];
        const double y = k50B0 * x + k50B1 * xa + k50B2 * xb - k50A1 * ya - k50A2 * yb;
        const double z = k60B0 * y + k60B1 * ya + k60B2 * yb - k60A1 * za - k60A2 * zb;
        xb = xa;
        xa = x;
        yb = ya;
        ya = y;
        zb = za;
        za = z;

        const int32_t v = tuner::TruncateToInt32(z);
        const double out = static_cast<double>(v) - dcInput + kDcPole * dcOutput;
        dcInput = v;
        dcOutput = out;
        samples[n] = tuner::TruncateToInt32(out);
    }
    x1 = xa;
    x2 = xb;
    y1 = ya;
    y2 = yb;
    z1 = za;
    z2 = zb;
    previousInput = dcInput;
    previousOutput = dcOutput;
}
