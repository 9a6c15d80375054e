// Cost of one TunerAnalyseFrame on a tone, also as a share of one core at real time
// (24000 / 1024 = 23.44 frames a second); and of the whole engine at a host rate: resampling one
// channel to 24 kHz, framing and analysing a six-string strum.

#include <benchmark/benchmark.h>

#include "CorePercent.h"
#include "tuner/engine/testing/KernelRunner.h"
#include "tuner/engine/testing/TestSignals.h"
#include "tuner/engine/TunerResampler.h"

namespace {

constexpr double kFramesPerSecond = 24000.0 / kTunerFrameLength;

void AnalyseFrame(benchmark::State& state, bool stream, bool bass)
{
    signals::KernelSettings settings;
    settings.stream = stream;
    settings.bass = bass;
    signals::ResetKernel(settings);
    signals::PluckShape shape;
    shape.decaySeconds = 30.0; // keeps the tone steady over the whole run
    const std::vector<float> tone = signals::Pluck(signals::NoteFrequency(bass ? 16 : 40), shape, 4.0, 24000.0);
    std::vector<int32_t> q24(tone.size());
    for (size_t n = 0; n < tone.size(); ++n)
        q24[n] = TunerToQ24(tone[n]);

    TunerAnalyser analyser;
    int32_t frame0[kTunerFrameLength], frame1[kTunerFrameLength];
    size_t position = 0;
    const bench::CorePercent core;
    for (auto _ : state)
    {
        if (position + kTunerFrameLength > q24.size())
            position = 0;
        std::copy(q24.begin() + position, q24.begin() + position + kTunerFrameLength, frame0);
        position += kTunerFrameLength;
        TunerAnalyseFrame(analyser, frame0, frame1);
        benchmark::DoNotOptimize(analyser.result);
    }
    core.Report(state, 1.0 / kFramesPerSecond);
}

void BM_AnalyseFrameGuitarNeedle(benchmark::State& state)
{
    AnalyseFrame(state, false, false);
}
void BM_AnalyseFrameBassStream(benchmark::State& state)
{
    AnalyseFrame(state, true, true);
}

void BM_EngineAtHostRate(benchmark::State& state)
{
    const double rate = static_cast<double>(state.range(0));
    constexpr int kBlock = 512;
    signals::ResetKernel({});
    signals::PluckShape shape;
    shape.amplitude = 0.15;
    shape.decaySeconds = 30.0;
    std::vector<float> strum;
    for (int s = 0; s < 6; ++s)
        signals::MixInto(
            strum, signals::Pluck(signals::NoteFrequency(signals::kGuitarOpenStrings[s]), shape, 4.0, rate), s * 480);

    auto resampler = TunerResampler::Create(rate);
    std::vector<float> resampled(static_cast<size_t>(resampler->MaxOutputCount(kBlock)));
    TunerAnalyser analyser;
    int32_t frame0[kTunerFrameLength], frame1[kTunerFrameLength];
    int filled = 0;
    size_t position = 0;
    const bench::CorePercent core;
    for (auto _ : state)
    {
        if (position + kBlock > strum.size())
            position = 0;
        const int produced = resampler->Run(strum.data() + position, kBlock, resampled.data());
        position += kBlock;
        for (int n = 0; n < produced; ++n)
        {
            frame0[filled++] = TunerToQ24(resampled[static_cast<size_t>(n)]);
            if (filled == kTunerFrameLength)
            {
                TunerAnalyseFrame(analyser, frame0, frame1);
                filled = 0;
            }
        }
        benchmark::DoNotOptimize(analyser.result);
    }
    core.Report(state, kBlock / rate, TunerKernel().analysisMode == kTunerPolyphonic ? "polyphonic" : "single-note");
}

} // namespace

BENCHMARK(BM_AnalyseFrameGuitarNeedle);
BENCHMARK(BM_AnalyseFrameBassStream);
BENCHMARK(BM_EngineAtHostRate)->Arg(44100)->Arg(48000)->Arg(96000);
BENCHMARK_MAIN();
