// Cost of HSVirenoDSP::Process on a stereo tone, one second of audio per iteration in host
// blocks of the given size, as a share of one core at real time.

#include <benchmark/benchmark.h>

#include <vector>

#include "CorePercent.h"
#include "HSVirenoDSP.h"
#include "TestSignals.h"
#include "TunerParameterIndex.h"

namespace {

void ProcessOneSecond(benchmark::State& state)
{
    const int rate = static_cast<int>(state.range(0));
    const int block = static_cast<int>(state.range(1));
    HSVirenoDSP dsp(static_cast<double>(rate), TunerParameterIndex::kFirstIndexVST3);
    dsp.SetSampleRate(rate);
    dsp.SetBlockSize(block);
    dsp.SetChannelCounts(2, 2);

    // Two seconds of an A string on the left and its fifth on the right, looped.
    signals::PluckShape shape;
    shape.decaySeconds = 30.0;
    const std::vector<float> left = signals::Pluck(110.0, shape, 2.0, rate);
    const std::vector<float> right = signals::Pluck(165.0, shape, 2.0, rate);
    std::vector<float> outLeft(static_cast<size_t>(block)), outRight(static_cast<size_t>(block));
    float inPeaks[2], outPeaks[2];
    size_t position = 0;

    const bench::CorePercent core;
    for (auto _ : state) {
        for (int done = 0; done < rate; done += block) {
            if (position + static_cast<size_t>(block) > left.size()) position = 0;
            const float* inputs[] = {left.data() + position, right.data() + position};
            float* outputs[] = {outLeft.data(), outRight.data()};
            dsp.Process(inputs, outputs, inPeaks, outPeaks, block);
            position += static_cast<size_t>(block);
        }
        benchmark::DoNotOptimize(outPeaks);
    }
    // One iteration is about one second of audio (whole blocks, rounded up).
    const double seconds = static_cast<double>((rate + block - 1) / block * block) / rate;
    core.Report(state, seconds);
}

} // namespace

BENCHMARK(ProcessOneSecond)
    ->ArgsProduct({{44100, 48000, 96000}, {32, 64, 256, 1024, 4096}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
