#pragma once

// The single-note detector's lags by design: runs of constant relative spacing, so that within a
// run every period lies the same share of itself from its nearest candidates.

#include <cstdint>
#include <vector>

namespace tabledesign {

// Lags in two geometric runs that meet at `split`, where the detector's window stops growing with
// the lag: consecutive samples from `first` to `consecutiveTo`, then `stepsBelow` equal ratios to
// `split`, then equal ratios to `last` with the rest of the count, each rounded to whole samples.
// With `everyOtherTo`, the lags from `first` to it go two samples at a time (the shortest periods,
// above the instruments' range, give their candidates to the longer ones).
std::vector<int16_t> TwoRunLags(int count, int first, int last, int consecutiveTo, int split, int stepsBelow,
                                int everyOtherTo = 0);

// The largest relative step of a table (next / lag - 1).
double LargestStep(const std::vector<int16_t>& lags);

} // namespace tabledesign
