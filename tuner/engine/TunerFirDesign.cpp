#include "TunerFirDesign.h"

#include <cmath>
#include <numeric>

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

int GreatestCommonDivisor(int a, int b)
{
    if (a <= 0 || b <= 0)
        return 1; // outside the domain; 1 keeps any later division defined
    return std::gcd(a, b);
}

std::vector<double> DesignLowPassFir(int length, double cutoff)
{
    std::vector<double> h(length > 0 ? static_cast<size_t>(length) : 0);
    const double centre = (length - 1) / 2.0; // a half-integer for an even length
    for (int n = 0; n < length; ++n)
    {
        const double x = 2.0 * kPi * cutoff * (n - centre);
        h[static_cast<size_t>(n)] = x == 0.0 ? 2.0 * cutoff : 2.0 * cutoff * std::sin(x) / x;
    }
    return h;
}

void HammingWindow(float* window, int length)
{
    if (length == 1)
    { // a single tap has no span to taper over
        window[0] = 1.0f;
        return;
    }
    const float step = 2.0f * static_cast<float>(kPi) / static_cast<float>(length - 1);
    for (int i = 0; i < length; ++i)
        window[i] = 0.54f - 0.46f * std::cos(step * static_cast<float>(i));
}
