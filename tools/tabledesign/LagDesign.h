#pragma once

// The single-note detector's lags by design: every period from the shortest lag to the longest
// lies within the same, smallest possible, fraction of a candidate.

#include <cstdint>
#include <vector>

namespace tabledesign {

// `count` whole-sample lags from `first` to `last` whose largest relative step (next / lag - 1) is
// as small as `count` allows: each lag is the longest that keeps the step from the one before
// within that share, and never less than one sample on. The refinement's parabola through three
// candidates errs by a share of the period that grows with their relative spacing, and a dip
// that falls between two candidates loses depth against the dips at its multiples; both are worst
// where the relative step is largest, so the table keeps that step the same and smallest
// everywhere.
std::vector<int16_t> MinimaxLags(int count, int first, int last);

// The same with a separate cap below `split`: the lags below it step by at most `shareBelow`, and
// those above by the smallest share that the rest of the count allows. Empty when the count
// cannot reach `last` with that cap.
std::vector<int16_t> SplitLags(int count, int first, int last, int split, double shareBelow);

// Lags in two geometric runs that meet at `split`, where the detector's window stops growing with
// the lag: consecutive samples from `first` to `consecutiveTo`, then `stepsBelow` equal ratios to
// `split`, then equal ratios to `last` with the rest of the count, each rounded to whole samples.
std::vector<int16_t> TwoRunLags(int count, int first, int last, int consecutiveTo, int split, int stepsBelow);

// The largest relative step of a table.
double LargestStep(const std::vector<int16_t>& lags);

} // namespace tabledesign
