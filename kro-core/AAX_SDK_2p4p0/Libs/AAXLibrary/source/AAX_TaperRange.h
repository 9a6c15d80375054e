#pragma once

#include <algorithm>
#include <cmath>

// The range arithmetic every taper shares. A value computed in double is limited to the range in
// double, before it is narrowed to the parameter's type: a NaN or a huge value never reaches an
// integer or float conversion. NaN gives the range's minimum (the delegate's first bound).
namespace AAX_TaperRange {

template <typename T>
T Constrain(T value, T minimum, T maximum)
{
    if (minimum == maximum)
        return minimum;
    const double v = static_cast<double>(value);
    if (std::isnan(v))
        return minimum;
    const T low = std::min(minimum, maximum);
    const T high = std::max(minimum, maximum);
    return value < low ? low : (high < value ? high : value);
}

// The real value of a normalised one, limited to the range, still in double.
template <typename T>
double LimitedReal(double normalized, T minimum, T maximum)
{
    const double a = static_cast<double>(minimum);
    const double b = static_cast<double>(maximum);
    const double real = (b - a) * normalized + a;
    if (std::isnan(real))
        return a;
    return std::clamp(real, std::min(a, b), std::max(a, b));
}

template <typename T>
double Normalized(T constrained, T minimum, T maximum)
{
    if (minimum == maximum)
        return 0.5;
    const double a = static_cast<double>(minimum);
    return (static_cast<double>(constrained) - a) / (static_cast<double>(maximum) - a);
}

} // namespace AAX_TaperRange
