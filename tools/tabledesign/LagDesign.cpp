#include "LagDesign.h"

#include <cmath>

namespace tabledesign {

namespace {

// Every lag the longest within its share of the one before (`shareBelow` up to `split`, `share`
// from there), at least one sample on, up to `last`.
std::vector<int16_t> Greedy(double share, int first, int last, int split = 0, double shareBelow = 0.0)
{
    std::vector<int16_t> lags{static_cast<int16_t>(first)};
    while (lags.back() < last) {
        const int lag = lags.back();
        int next = static_cast<int>(std::floor(lag * (1.0 + (lag < split ? shareBelow : share)) + 1e-9));
        if (next < lag + 1) next = lag + 1;
        if (next > last) next = last;
        lags.push_back(static_cast<int16_t>(next));
    }
    return lags;
}

} // namespace

std::vector<int16_t> MinimaxLags(int count, int first, int last)
{
    // The count falls as the share grows: halve the interval to the smallest share that needs no
    // more than `count` lags.
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2.0;
        (static_cast<int>(Greedy(middle, first, last).size()) <= count ? high : low) = middle;
    }
    return Greedy(high, first, last);
}

std::vector<int16_t> SplitLags(int count, int first, int last, int split, double shareBelow)
{
    double low = 0.0, high = 1.0;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2.0;
        (static_cast<int>(Greedy(middle, first, last, split, shareBelow).size()) <= count ? high : low) = middle;
    }
    std::vector<int16_t> lags = Greedy(high, first, last, split, shareBelow);
    if (static_cast<int>(lags.size()) != count) return {};
    return lags;
}

std::vector<int16_t> TwoRunLags(int count, int first, int last, int consecutiveTo, int split, int stepsBelow)
{
    std::vector<int16_t> lags;
    for (int lag = first; lag <= consecutiveTo; ++lag) lags.push_back(static_cast<int16_t>(lag));
    const int stepsAbove = count - static_cast<int>(lags.size()) - stepsBelow;
    auto run = [&lags](int from, int to, int steps) {
        for (int k = 1; k <= steps; ++k) {
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
    for (size_t i = 1; i < lags.size(); ++i) largest = std::fmax(largest, double(lags[i]) / lags[i - 1] - 1.0);
    return largest;
}

} // namespace tabledesign
