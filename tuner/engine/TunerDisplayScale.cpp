#include "TunerDisplayScale.h"

#include <cmath>

double UnshapeDeviation(double shown, double gain, int power)
{
    // The shaping is odd and rises monotonically: bisect on |d| in 0..1.
    const double target = std::fabs(shown);
    double low = 0.0, high = 1.0;
    for (int step = 0; step < 40; ++step)
    {
        const double middle = (low + high) / 2.0;
        if (std::tanh(gain * std::pow(middle, power)) * middle < target)
            low = middle;
        else
            high = middle;
    }
    return std::copysign((low + high) / 2.0, shown);
}

double TunerNeedleCents(double shown)
{
    return TunerDeviationCents(UnshapeDeviation(shown, kTunerNeedleShaping, 1));
}

double TunerStringCents(double shown)
{
    return TunerDeviationCents(UnshapeDeviation(shown, kTunerStringShaping, 2));
}
