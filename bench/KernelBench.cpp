// Cost of one TunerAnalyseFrame on a tone, also as a share of one core at real time
// (24000 / 1024 = 23.44 frames a second).

#include <benchmark/benchmark.h>

#include "KernelRunner.h"
#include "TestSignals.h"

namespace {

constexpr double kFramesPerSecond = 24000.0 / kTunerFrameLength;

void AnalyseFrame(benchmark::State& state, bool stream, bool bass)
{
    signals::KernelSettings settings;
    settings.stream = stream;
    settings.bass = bass;
    signals::ResetKernel(settings);
    signals::PluckShape shape;
    shape.decaySeconds = 30.0;  // keeps the tone steady over the whole run
    const std::vector<float> tone = signals::Pluck(signals::NoteFrequency(bass ? 16 : 40), shape, 4.0, 24000.0);
    std::vector<int32_t> q24(tone.size());
    for (size_t n = 0; n < tone.size(); ++n) q24[n] = signals::ToQ24(tone[n]);

    TunerAnalyser analyser;
    int32_t frame0[kTunerFrameLength], frame1[kTunerFrameLength];
    size_t position = 0;
    for (auto _ : state) {
        if (position + kTunerFrameLength > q24.size()) position = 0;
        std::copy(q24.begin() + position, q24.begin() + position + kTunerFrameLength, frame0);
        position += kTunerFrameLength;
        TunerAnalyseFrame(analyser, frame0, frame1);
        benchmark::DoNotOptimize(analyser.result);
    }
    state.counters["core_percent"] = benchmark::Counter(1.0 / (kFramesPerSecond * 100.0),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

void BM_AnalyseFrameGuitarNeedle(benchmark::State& state) { AnalyseFrame(state, false, false); }
void BM_AnalyseFrameBassStream(benchmark::State& state) { AnalyseFrame(state, true, true); }

} // namespace

BENCHMARK(BM_AnalyseFrameGuitarNeedle);
BENCHMARK(BM_AnalyseFrameBassStream);
BENCHMARK_MAIN();
