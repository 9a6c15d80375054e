#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "tuner/engine/TunerFirDesign.h"
#include "tuner/engine/TunerResampler.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<float> Noise(size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<float> signal(length);
    for (float& s : signal)
        s = value(random);
    return signal;
}

// Runs the signal through a fresh resampler in blocks of the given sizes (repeated), collecting
// every output.
std::vector<float> Resample(int rate, const std::vector<float>& signal, const std::vector<int>& blockSizes)
{
    std::unique_ptr<TunerResampler> resampler = TunerResampler::Create(rate);
    std::vector<float> out;
    std::vector<float> block;
    size_t position = 0;
    for (size_t b = 0; position < signal.size(); ++b)
    {
        int n = blockSizes[b % blockSizes.size()];
        if (position + static_cast<size_t>(n) > signal.size())
            n = static_cast<int>(signal.size() - position);
        block.assign(static_cast<size_t>(resampler->MaxOutputCount(n)), 0.0f);
        const int produced = resampler->Run(signal.data() + position, n, block.data());
        EXPECT_LE(produced, resampler->MaxOutputCount(n));
        out.insert(out.end(), block.begin(), block.begin() + produced);
        position += static_cast<size_t>(n);
    }
    return out;
}

// Gain of the whole conversion for an input tone, in dB: the prototype's response at the
// up-sampled rate, less the factor L it carries for the zero stuffing.
double GainDb(const TunerResampler& r, double hz)
{
    const std::vector<float>& h = r.Coefficients();
    const double upRate = double(r.InputRate()) * r.UpFactor();
    double re = 0.0, im = 0.0;
    for (size_t n = 0; n < h.size(); ++n)
    {
        const double a = 2.0 * kPi * hz / upRate * double(n);
        re += h[n] * std::cos(a);
        im -= h[n] * std::sin(a);
    }
    return 20.0 * std::log10(std::sqrt(re * re + im * im) / r.UpFactor());
}

double WorstGainDb(const TunerResampler& r, double fromHz, double toHz)
{
    double worst = -1e9;
    for (double f = fromHz; f <= toHz; f += 5.0)
        worst = std::max(worst, GainDb(r, f));
    return worst;
}

} // namespace

TEST(TunerResampler, RefusesRatesThatAreNotAPositiveFiniteNumber)
{
    for (double rate : {0.0, -1.0, -44100.0, 0.5, 0.999, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 3e9})
        EXPECT_EQ(TunerResampler::Create(rate), nullptr) << rate;

    ASSERT_NE(TunerResampler::Create(1.0), nullptr);
    const std::unique_ptr<TunerResampler> fractional = TunerResampler::Create(44100.7);
    ASSERT_NE(fractional, nullptr);
    EXPECT_EQ(fractional->InputRate(), 44100);
}

TEST(TunerResampler, FactorsAndFilterLengthFollowTheRate)
{
    struct Case
    {
        int rate, up, down;
    } cases[] = {{48000, 1, 2}, {44100, 80, 147}, {96000, 1, 4}, {24000, 1, 1}, {88200, 40, 147}, {8000, 3, 1}};
    for (const Case& c : cases)
    {
        const std::unique_ptr<TunerResampler> r = TunerResampler::Create(c.rate);
        EXPECT_EQ(r->UpFactor(), c.up) << c.rate;
        EXPECT_EQ(r->DownFactor(), c.down) << c.rate;
        EXPECT_EQ(r->Coefficients().size(), size_t(5 * c.up)) << c.rate;
    }
}

TEST(TunerFirDesign, GreatestCommonDivisor)
{
    EXPECT_EQ(GreatestCommonDivisor(44100, 24000), 300);
    EXPECT_EQ(GreatestCommonDivisor(24000, 44100), 300);
    EXPECT_EQ(GreatestCommonDivisor(48000, 24000), 24000);
    EXPECT_EQ(GreatestCommonDivisor(24000, 24000), 24000);
    EXPECT_EQ(GreatestCommonDivisor(44101, 24000), 1);
    EXPECT_EQ(GreatestCommonDivisor(1, 24000), 1);
}

TEST(TunerFirDesign, LowPassIsTheCentredIdealResponse)
{
    // Odd length: a centre tap of 2 fc; even length: no centre tap, still symmetric.
    for (int length : {5, 400, 8})
    {
        const double cutoff = 0.5 / 80.0;
        const std::vector<double> h = DesignLowPassFir(length, cutoff);
        ASSERT_EQ(h.size(), size_t(length));
        for (int n = 0; n < length; ++n)
            EXPECT_DOUBLE_EQ(h[n], h[length - 1 - n]) << length << " " << n;
        const double m = 1.0 - (length - 1) / 2.0; // the tap after the first
        EXPECT_NEAR(h[1], std::sin(2 * kPi * cutoff * m) / (kPi * m), 1e-15);
        if (length % 2 == 1)
        {
            EXPECT_DOUBLE_EQ(h[(length - 1) / 2], 2 * cutoff);
        }
    }

    float window[5];
    HammingWindow(window, 5);
    const float expected[5] = {0.08f, 0.54f, 1.0f, 0.54f, 0.08f};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(window[i], expected[i], 1e-6f) << i;
}

TEST(TunerResampler, OutputsAfterNInputsOfAFreshResampler)
{
    // Output j waits for floor(j M / L) inputs, so n inputs give ceil((n + 1) L / M) outputs,
    // one of them (L/M when up-sampling) before any input; a call of no input still yields it.
    for (int rate : {24000, 44100, 48000, 88200, 96000, 8000, 11025})
    {
        for (int n : {0, 1, 2, 3, 146, 147, 512, 1000, 4096})
        {
            std::unique_ptr<TunerResampler> r = TunerResampler::Create(rate);
            const std::vector<float> input(static_cast<size_t>(n), 0.25f);
            std::vector<float> output(static_cast<size_t>(r->MaxOutputCount(n)));
            const int64_t up = r->UpFactor(), down = r->DownFactor();
            const int64_t expected = ((n + 1) * up + down - 1) / down;
            EXPECT_EQ(r->Run(input.data(), n, output.data()), expected) << rate << " " << n;
        }
    }
}

TEST(TunerResampler, BlockCountsAt48kAnd44k)
{
    std::vector<float> input(512, 0.1f), output(600);
    std::unique_ptr<TunerResampler> r48 = TunerResampler::Create(48000);
    EXPECT_EQ(r48->Run(input.data(), 512, output.data()), 257);
    for (int block = 0; block < 20; ++block)
        EXPECT_EQ(r48->Run(input.data(), 512, output.data()), 256);

    std::unique_ptr<TunerResampler> r44 = TunerResampler::Create(44100);
    r44->Run(input.data(), 512, output.data());
    for (int block = 0; block < 300; ++block)
    {
        const int produced = r44->Run(input.data(), 512, output.data());
        EXPECT_TRUE(produced == 278 || produced == 279) << produced;
    }
}

TEST(TunerResampler, At24kIsTheIdentityDelayedByTwoSamples)
{
    const std::vector<float> input = Noise(3000, 1);
    const std::vector<float> output = Resample(24000, input, {3000});
    ASSERT_EQ(output.size(), input.size() + 1);
    // After the leading sample from the empty history, output i + 1 is input i - 2; the sinc's
    // zeros at the other taps are zero up to rounding.
    for (size_t i = 0; i + 1 < output.size(); ++i)
        EXPECT_NEAR(output[i + 1], i >= 2 ? input[i - 2] : 0.0f, 1e-6f) << i;
    EXPECT_EQ(output[0], 0.0f);
}

TEST(TunerResampler, AnyPartitionGivesTheSameOutput)
{
    const std::vector<float> signal = Noise(30000, 2);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> size(0, 3000);
    std::vector<int> randomSizes(200);
    for (int& s : randomSizes)
        s = size(random);

    for (int rate : {8000, 24000, 44100, 48000, 96000})
    {
        const std::vector<float> whole = Resample(rate, signal, {int(signal.size())});
        for (const std::vector<int>& sizes : std::vector<std::vector<int>>{{1}, {7}, {512}, {4096}, randomSizes})
            EXPECT_EQ(Resample(rate, signal, sizes), whole) << rate << " blocks of " << sizes.front();
    }
}

TEST(TunerResampler, ClearingTheHistoryKeepsThePhase)
{
    const std::vector<float> input(147, 0.5f);
    std::vector<float> a(300), b(300);
    std::unique_ptr<TunerResampler> cleared = TunerResampler::Create(44100);
    std::unique_ptr<TunerResampler> silent = TunerResampler::Create(44100);
    const std::vector<float> zeros(147, 0.0f);
    cleared->Run(input.data(), 100, a.data());
    silent->Run(zeros.data(), 100, b.data());
    cleared->ClearHistory();
    // From here on both see the same input with the same history and phase.
    const int na = cleared->Run(input.data(), 147, a.data());
    const int nb = silent->Run(input.data(), 147, b.data());
    ASSERT_EQ(na, nb);
    for (int i = 0; i < na; ++i)
        EXPECT_EQ(a[i], b[i]) << i;
}

TEST(TunerResampler, PassbandAndStopbandOfTheDesign)
{
    // Five taps a phase give a short filter: a level below unity that grows with M, a flat band
    // over the tuner's range (up to 2 kHz) and only modest rejection of what folds into 0 .. 5 kHz.
    struct Case
    {
        int rate;
        double dcDb;    // gain at 0 Hz
        double aliasDb; // worst gain over 19 kHz .. Nyquist, which folds into 0 .. 5 kHz
    } cases[] = {{44100, -0.366, -17.39}, {48000, -1.476, -12.87}, {88200, -3.738, -10.60}, {96000, -5.704, -10.23}};
    for (const Case& c : cases)
    {
        const std::unique_ptr<TunerResampler> r = TunerResampler::Create(c.rate);
        const double dc = GainDb(*r, 0.0);
        EXPECT_NEAR(dc, c.dcDb, 0.01) << c.rate;
        EXPECT_NEAR(WorstGainDb(*r, 0.0, 2000.0), dc, 0.01) << c.rate; // no passband peak
        EXPECT_GT(GainDb(*r, 2000.0), dc - 0.15) << c.rate;
        EXPECT_LT(WorstGainDb(*r, 19000.0, c.rate / 2.0), c.aliasDb + 0.05) << c.rate;
        EXPECT_LT(WorstGainDb(*r, 12000.0, c.rate / 2.0), -6.0) << c.rate;

        // A real 1 kHz tone comes through at the gain the coefficients promise.
        const std::vector<float> tone = [&] {
            std::vector<float> s(static_cast<size_t>(c.rate));
            for (size_t i = 0; i < s.size(); ++i)
                s[i] = 0.5f * float(std::sin(2 * kPi * 1000.0 * double(i) / c.rate));
            return s;
        }();
        const std::vector<float> out = Resample(c.rate, tone, {512});
        float peak = 0.0f;
        for (size_t i = out.size() / 2; i < out.size(); ++i)
            peak = std::max(peak, std::fabs(out[i]));
        EXPECT_NEAR(20.0 * std::log10(peak / 0.5), GainDb(*r, 1000.0), 0.1) << c.rate;
    }
}
