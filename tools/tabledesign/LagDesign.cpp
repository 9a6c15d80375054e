#include "LagDesign.h"

#include <cmath>

namespace tabledesign {

std::vector<int16_t> TwoRunLags(int count, int first, int last, int consecutiveTo, int split, int stepsBelow,
                                int everyOtherTo)
{
    std::vector<int16_t> lags;
    for (int lag = first; lag <= consecutiveTo; lag += lag < everyOtherTo ? 2 : 1)
        lags.push_back(static_cast<int16_t>(lag));
    const int stepsAbove = count - static_cast<int>(lags.size()) - stepsBelow;
    auto run = [&lags](int from, int to, int steps) {
        for (int k = 1; k <= steps; ++k)
        {
            const int lag = static_cast<int>(std::lround(from * std::pow(double(to) / from, double(k) / steps)));
            lags.push_back(static_cast<int16_t>(lag > lags.back() ? lag : lags.back() + 1));
        }
    };
    run(consecutiveTo, split, stepsBelow);
    run(split, last, stepsAbove);
    return lags;
}

double LargestStep(const std::vector<int16_t>& lags)
{
    double largest = 0.0;
    for (size_t i = 1; i < lags.size(); ++i)
        largest = std::fmax(largest, double(lags[i]) / lags[i - 1] - 1.0);
    return largest;
}

} // namespace tabledesign
