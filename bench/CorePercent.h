#pragma once

// The benchmarks' share of one core: CPU time spent in the timed loop over the audio time it
// processed, in percent. It is reported in the label as a plain number: the library prints an
// inverted rate as a time and a small counter with an SI prefix.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

namespace bench {

inline double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Started just before the timed loop; Report labels the benchmark "core_percent=..." after it.
class CorePercent
{
public:
    CorePercent() : start_(ThreadCpuSeconds()) {}

    // note, when given, follows the figure in the label.
    void Report(benchmark::State& state, double audioSecondsPerIteration, const char* note = "") const
    {
        const double audio = audioSecondsPerIteration * static_cast<double>(state.iterations());
        const double percent = audio > 0.0 ? 100.0 * (ThreadCpuSeconds() - start_) / audio : 0.0;
        char label[96];
        std::snprintf(label, sizeof label, "core_percent=%.5f%s%s", percent, *note ? " " : "", note);
        state.SetLabel(label);
    }

private:
    double start_;
};

} // namespace bench
