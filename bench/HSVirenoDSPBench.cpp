// Cost of HSVirenoDSP::Process on a stereo tone, one second of audio per iteration in host
// blocks of the given size, as a share of one core at real time; and how far the dearest block
// that does not complete a frame stands above the average block.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <vector>

#include "CorePercent.h"
#include "tuner/plugin/HSVirenoDSP.h"
#include "tuner/engine/testing/TestSignals.h"
#include "tuner/plugin/TunerParameterIndex.h"

namespace {

// A tuner object fed two seconds of an A string on the left and its fifth on the right, looped.
class StereoTone
{
public:
    StereoTone(int rate, int block)
        : dsp(static_cast<double>(rate), TunerParameterIndex::kFirstIndexVST3), block_(block),
          outLeft_(static_cast<size_t>(block)), outRight_(static_cast<size_t>(block))
    {
        dsp.SetSampleRate(rate);
        dsp.SetBlockSize(block);
        dsp.SetChannelCounts(2, 2);
        signals::PluckShape shape;
        shape.decaySeconds = 30.0;
        left_ = signals::Pluck(110.0, shape, 2.0, rate);
        right_ = signals::Pluck(165.0, shape, 2.0, rate);
    }

    void ProcessBlock()
    {
        if (position_ + static_cast<size_t>(block_) > left_.size())
            position_ = 0;
        const float* inputs[] = {left_.data() + position_, right_.data() + position_};
        float* outputs[] = {outLeft_.data(), outRight_.data()};
        dsp.Process(inputs, outputs, inPeaks_, outPeaks_, block_);
        position_ += static_cast<size_t>(block_);
        benchmark::DoNotOptimize(outPeaks_);
    }

    HSVirenoDSP dsp;

private:
    int block_;
    std::vector<float> left_, right_, outLeft_, outRight_;
    float inPeaks_[2] = {}, outPeaks_[2] = {};
    size_t position_ = 0;
};

// Blocks in one iteration: about one second of audio, whole blocks rounded up.
int BlocksPerSecond(int rate, int block)
{
    return (rate + block - 1) / block;
}

void ProcessOneSecond(benchmark::State& state)
{
    const int rate = static_cast<int>(state.range(0));
    const int block = static_cast<int>(state.range(1));
    StereoTone tone(rate, block);
    const int blocks = BlocksPerSecond(rate, block);

    const bench::CorePercent core;
    for (auto _ : state)
        for (int b = 0; b < blocks; ++b)
            tone.ProcessBlock();
    core.Report(state, static_cast<double>(blocks) * block / rate);
}

// Each block position of the second keeps its cheapest time over the iterations in which it did
// not complete a frame, which sets aside interruptions a single timing may catch; the dearest of
// those against the average of all blocks is reported in the label.
void WorstOrdinaryBlock(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const int rate = static_cast<int>(state.range(0));
    const int block = static_cast<int>(state.range(1));
    StereoTone tone(rate, block);
    const int blocks = BlocksPerSecond(rate, block);
    std::vector<double> cheapest(static_cast<size_t>(blocks), std::numeric_limits<double>::infinity());
    double total = 0.0;
    long timed = 0;

    for (auto _ : state)
    {
        for (int b = 0; b < blocks; ++b)
        {
            const uint32_t results = tone.dsp.GetResultCount();
            const Clock::time_point start = Clock::now();
            tone.ProcessBlock();
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            total += seconds;
            ++timed;
            if (tone.dsp.GetResultCount() == results)
                cheapest[static_cast<size_t>(b)] = std::min(cheapest[static_cast<size_t>(b)], seconds);
        }
    }
    double worst = 0.0;
    for (double seconds : cheapest)
        if (seconds != std::numeric_limits<double>::infinity())
            worst = std::max(worst, seconds);
    char label[64];
    std::snprintf(label, sizeof label, "worst_ordinary_block=%.2f", timed > 0 ? worst / (total / timed) : 0.0);
    state.SetLabel(label);
}

} // namespace

BENCHMARK(ProcessOneSecond)
    ->ArgsProduct({{44100, 48000, 96000}, {32, 64, 256, 1024, 4096}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WorstOrdinaryBlock)->ArgsProduct({{44100, 48000, 96000}, {32, 64, 256, 1024}})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
