// Cost of resampling one second of one channel to 24 kHz, in 512-sample host blocks, also as a
// share of one core at real time.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "CorePercent.h"
#include "tuner/engine/TunerResampler.h"

namespace {

constexpr int kBlock = 512;

void ResampleOneSecond(benchmark::State& state)
{
    const int rate = static_cast<int>(state.range(0));
    std::unique_ptr<TunerResampler> resampler = TunerResampler::Create(rate);
    std::vector<float> input(static_cast<size_t>(rate));
    for (size_t i = 0; i < input.size(); ++i)
        input[i] = 0.5f * std::sin(0.06f * static_cast<float>(i));
    std::vector<float> output(static_cast<size_t>(resampler->MaxOutputCount(kBlock)));

    const bench::CorePercent core;
    for (auto _ : state)
    {
        for (int start = 0; start < rate; start += kBlock)
        {
            const int n = rate - start < kBlock ? rate - start : kBlock;
            benchmark::DoNotOptimize(resampler->Run(input.data() + start, n, output.data()));
        }
        benchmark::ClobberMemory();
    }
    core.Report(state, 1.0); // one iteration is one second of audio
}

} // namespace

BENCHMARK(ResampleOneSecond)->Arg(44100)->Arg(48000)->Arg(96000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
