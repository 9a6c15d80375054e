// Pins the kernel's readings bit for bit: a fixed corpus of notes, note changes, strums in every
// tuning, every reference, both display modes, silence, noise, hum and overdriven input, each
// reduced to a digest of every published result block and the detector values behind it. The
// digests were recorded from the straightforward implementation with the kernel's chosen lags and
// string filter tables; a faster one must give them unchanged, and a new table records them anew.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "GoldenDigest.h"
#include "KernelTestSupport.h"
#include "tuner/engine/TunerResampler.h"

using namespace kerneltest;

namespace {

constexpr int kGuitarNotes[] = {28, 33, 38, 43, 47, 52, 57, 64, 76};
constexpr double kGuitarCents[] = {-7.0, 0.0, 12.0, -30.0, 3.0, 0.0, 20.0, -4.0, 45.0};
constexpr int kBassNotes[] = {11, 16, 21, 26, 31, 36};
constexpr double kBassCents[] = {0.0, -12.0, 5.0, 33.0, -2.0, 8.0};

// Plucked notes one after another, each cut off by the next, then silence.
template <size_t Count>
std::vector<float> NoteChanges(const int (&notes)[Count], const double (&cents)[Count], double seconds)
{
    signals::PluckShape shape;
    shape.decaySeconds = 1.0;
    std::vector<float> signal = signals::Silence(0.3, kRate);
    for (size_t i = 0; i < Count; ++i)
        signals::Append(signal, signals::Pluck(signals::NoteFrequency(notes[i], cents[i]), shape, seconds, kRate));
    signals::Append(signal, signals::Silence(0.5, kRate));
    return signal;
}

std::vector<float> StrumAfterSilence(bool bass, int dropIndex)
{
    const double cents[6] = {-10.0, 0.0, 4.0, 20.0, -3.0, 0.0};
    signals::PluckShape shape;
    shape.amplitude = 0.15;
    shape.decaySeconds = 2.0;
    std::vector<float> signal = signals::Silence(0.2, kRate);
    signals::Append(signal, signals::Strum(bass, dropIndex, cents, shape, kRate));
    return signal;
}

// Uniform noise from a fixed generator, so the corpus is the same on every machine.
std::vector<float> Noise(double amplitude, double seconds, uint32_t seed)
{
    std::vector<float> out(static_cast<size_t>(seconds * kRate));
    uint32_t state = seed;
    for (float& sample : out)
    {
        state = state * 1664525u + 1013904223u;
        sample = static_cast<float>(amplitude * (static_cast<double>(state) / 2147483648.0 - 1.0));
    }
    return out;
}

// Mains hum at both frequencies, and input far beyond full scale that every stage saturates.
std::vector<float> HumThenOverdrive()
{
    std::vector<float> signal = signals::Sine(50.0, 0.2, 1.5, kRate);
    signals::MixInto(signal, signals::Sine(60.0, 0.1, 1.5, kRate));
    std::vector<float> square = signals::Sine(82.4, 1.0, 1.0, kRate);
    for (float& s : square)
        s = s >= 0.0f ? 200.0f : -200.0f;
    signals::Append(signal, square);
    signals::Append(signal, signals::Sine(196.0, 1.7, 1.0, kRate));
    signals::Append(signal, signals::Silence(0.5, kRate));
    return signal;
}

// A tone 5 cents sharp of A2 as the given reference counts it, for every reference in turn.
std::vector<float> AcrossReferences(int referenceHz)
{
    signals::PluckShape shape;
    shape.decaySeconds = 2.0;
    std::vector<float> signal = signals::Silence(0.2, kRate);
    signals::Append(signal, signals::Pluck(signals::NoteFrequency(33, 5.0, referenceHz), shape, 1.0, kRate));
    return signal;
}

struct Recording
{
    std::string name;
    signals::KernelSettings settings;
    std::function<std::vector<float>()> signal;
};

std::vector<Recording> Corpus()
{
    std::vector<Recording> runs;
    for (bool stream : {false, true})
    {
        const char* display = stream ? "stream" : "needle";
        runs.push_back({std::string("guitar notes ") + display, {false, stream, 0, 440}, [] {
                            return NoteChanges(kGuitarNotes, kGuitarCents, 0.7);
                        }});
        runs.push_back({std::string("bass notes ") + display, {true, stream, 0, 440}, [] {
                            return NoteChanges(kBassNotes, kBassCents, 1.0);
                        }});
    }
    for (bool bass : {false, true})
        for (int drop = 0; drop < kTunerDropTuningCount; ++drop)
            runs.push_back({std::string(bass ? "bass" : "guitar") + " strum drop " + std::to_string(drop),
                            {bass, drop % 2 == 1, drop, 440},
                            [bass, drop] { return StrumAfterSilence(bass, drop); }});
    for (int hz = 435; hz <= 445; ++hz)
        runs.push_back({"reference " + std::to_string(hz), {hz % 2 == 0, hz % 3 == 0, 0, hz}, [hz] {
                            return AcrossReferences(hz);
                        }});
    runs.push_back({"silence", {}, [] { return signals::Silence(2.0, kRate); }});
    runs.push_back({"noise", {false, true, 0, 440}, [] { return Noise(0.3, 2.0, 1); }});
    runs.push_back({"faint noise", {true, false, 2, 440}, [] { return Noise(0.0001, 1.5, 2); }});
    runs.push_back({"hum and overdrive", {}, HumThenOverdrive});
    return runs;
}

// What a run leaves after each frame: the published block, and the detector values behind it.
golden::Digest Play(const Recording& run, const std::vector<float>& signal)
{
    signals::KernelRunner runner(run.settings);
    golden::Digest digest;
    for (size_t start = 0; start + kTunerFrameLength <= signal.size(); start += kTunerFrameLength)
    {
        digest.AddResult(runner.FeedFrame(signal.data() + start));
        const TunerKernelState& k = TunerKernel();
        digest.Add(k.single.differenceValues);
        digest.Add(k.single.pitch);
        digest.Add(k.single.rawDeviation);
        for (const TunerStringState& string : k.sixString.strings)
        {
            digest.Add(string.differenceValues);
            digest.Add(string.pitch);
        }
    }
    return digest;
}

const golden::Recorded kRecorded[] = {
    {"guitar notes needle", 0x48c53bfc6d32bee9ull, 166},
    {"bass notes needle", 0x77a9ee7d3acd45c1ull, 159},
    {"guitar notes stream", 0xde2af036f9477cebull, 166},
    {"bass notes stream", 0xad60866f0f96dde7ull, 159},
    {"guitar strum drop 0", 0x4d739568ee322d89ull, 76},
    {"guitar strum drop 1", 0x914ef1135e8347d6ull, 76},
    {"guitar strum drop 2", 0xac420e950764ac84ull, 76},
    {"guitar strum drop 3", 0xa3925b33c83a3f0dull, 76},
    {"guitar strum drop 4", 0xa1299fc714d7731full, 76},
    {"guitar strum drop 5", 0x1c690429c9955c38ull, 76},
    {"bass strum drop 0", 0x75ada83e90ccd4e0ull, 76},
    {"bass strum drop 1", 0xed11f20a49bd5761ull, 76},
    {"bass strum drop 2", 0x6f7c1c2102ab61ceull, 76},
    {"bass strum drop 3", 0xbbb7854166a5b291ull, 76},
    {"bass strum drop 4", 0x7ed83ea0939a44e2ull, 76},
    {"bass strum drop 5", 0x7b156db9cb214091ull, 76},
    {"reference 435", 0x06a93b40c060e78cull, 28},
    {"reference 436", 0x14db7bbb3faa8212ull, 28},
    {"reference 437", 0x2d1b5225140229a2ull, 28},
    {"reference 438", 0xefda1432afa33effull, 28},
    {"reference 439", 0xb8469efc199cc305ull, 28},
    {"reference 440", 0xc54673dcfe05d0a9ull, 28},
    {"reference 441", 0x0c4ceaecb20d1792ull, 28},
    {"reference 442", 0xe355c7381df41806ull, 28},
    {"reference 443", 0x973b32af14641df4ull, 28},
    {"reference 444", 0x09b411f3eed594d4ull, 28},
    {"reference 445", 0x48b6637ad79733e6ull, 28},
    {"silence", 0x8c5644ed19c637e3ull, 46},
    {"noise", 0x890b3ab922818f02ull, 46},
    {"faint noise", 0xff9d78d1a3985dfdull, 35},
    {"hum and overdrive", 0xda685c6ce5fae8d5ull, 93},
};

// Every output sample of the resampler, at host rates from below to far above 24 kHz, fed noise
// and a loud tone in blocks of odd sizes.
golden::Digest Resample(int rate)
{
    std::vector<float> signal = signals::Sine(997.0, 1.5, 0.5, rate);
    signals::MixInto(signal, Noise(0.5, 0.5 * rate / kRate, static_cast<uint32_t>(rate)));
    std::unique_ptr<TunerResampler> resampler = TunerResampler::Create(rate);
    std::vector<float> out(static_cast<size_t>(resampler->MaxOutputCount(1000)));
    golden::Digest digest;
    const int blocks[] = {1, 0, 1000, 3, 517};
    for (size_t position = 0, b = 0; position < signal.size(); ++b)
    {
        const int n = std::min(blocks[b % std::size(blocks)], static_cast<int>(signal.size() - position));
        const int produced = resampler->Run(signal.data() + position, n, out.data());
        digest.AddSamples(out.data(), produced);
        position += static_cast<size_t>(n);
    }
    return digest;
}

const int kResamplerRates[] = {8000, 22050, 44100, 48000, 88200, 96000, 192000};
const golden::Recorded kResamplerRecorded[] = {
    {"8000", 0xe77cf3fbb90a8f6eull, 12003},   {"22050", 0xb0d21fd4871f0179ull, 12002},
    {"44100", 0x4bb54f503bdf008dull, 12001},  {"48000", 0x3da91b81d310cd7dull, 12001},
    {"88200", 0x758fb30b585008b6ull, 12001},  {"96000", 0x5ad4be36087c14cdull, 12001},
    {"192000", 0xc8be1b572b0fdee1ull, 12001},
};

} // namespace

TEST(TunerGolden, EveryResampledSampleIsTheRecordedOne)
{
    for (size_t i = 0; i < std::size(kResamplerRates); ++i)
        golden::ExpectRecorded(kResamplerRecorded, i, std::to_string(kResamplerRates[i]).c_str(),
                               Resample(kResamplerRates[i]));
}

TEST(TunerGolden, EveryReadingIsTheRecordedOne)
{
    const std::vector<Recording> runs = Corpus();
    EXPECT_EQ(runs.size(), std::size(kRecorded));
    std::vector<std::vector<float>> signals;
    for (const Recording& run : runs)
        signals.push_back(run.signal());
    golden::ForEachInstructionSet([&] {
        for (size_t i = 0; i < runs.size(); ++i)
            golden::ExpectRecorded(kRecorded, i, runs[i].name.c_str(), Play(runs[i], signals[i]));
    });
}
