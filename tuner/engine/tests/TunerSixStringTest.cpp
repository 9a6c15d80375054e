#include <gtest/gtest.h>

#include <cmath>

#include "KernelTestSupport.h"
#include "tuner/engine/TunerStringFilterTables.h"

using namespace kerneltest;

namespace {

// Six plucked strings struck 10 ms apart, lowest first, after half a second of silence.
std::vector<float> Strum(bool bass, int dropIndex, const double (&cents)[6])
{
    signals::PluckShape shape;
    shape.amplitude = 0.15;
    shape.decaySeconds = 2.0;
    return AfterSilence(signals::Strum(bass, dropIndex, cents, shape, kRate));
}

} // namespace

struct StrumCase
{
    const char* name;
    bool bass;
    int dropIndex;
    double cents[6];
};

void PrintTo(const StrumCase& c, std::ostream* os)
{
    *os << c.name;
}

class StrumReading : public ::testing::TestWithParam<StrumCase>
{};

// Measured: every string's smoothed deviation settles within 0.5 cent of its detune; the test allows 2.
TEST_P(StrumReading, ReadsEveryString)
{
    const StrumCase& c = GetParam();
    signals::KernelSettings settings;
    settings.bass = c.bass;
    settings.dropIndex = c.dropIndex;
    const std::vector<float> signal = Strum(c.bass, c.dropIndex, c.cents);
    const std::vector<TunerResultBlock> results = RunKernel(signal, settings).results;
    const size_t onset = 12000 / kTunerFrameLength;
    // Polyphonic within a few frames of the strum, and then held.
    for (size_t f = onset + 6; f < results.size(); ++f)
    {
        ASSERT_EQ(results[f].polyphonicFlag, 1.0f) << c.name << " frame " << f;
        ASSERT_EQ(TunerKernel().analysisMode, kTunerPolyphonic);
        // Single-note values stay dark in polyphonic analysis.
        EXPECT_EQ(results[f].notePresentArc, 0.0f);
        EXPECT_EQ(results[f].inTune, 0.0f);
    }
    const TunerResultBlock& last = results.back();
    for (int s = 0; s < 6; ++s)
    {
        EXPECT_GT(last.stringPresence[s], 0.95f) << c.name << " string " << s + 1;
        const float smoothed = TunerKernel().sixString.strings[s].s2 * 50.0f;
        EXPECT_NEAR(smoothed, c.cents[s], 2.0) << c.name << " string " << s + 1;
        const float s2 = float(c.cents[s] / 50.0);
        EXPECT_NEAR(last.stringDeviation[s], std::tanh(60.0f * s2 * s2) * s2, 0.04f) << c.name << " string " << s + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(GuitarAndBass, StrumReading,
                         ::testing::Values(StrumCase{"GuitarStandard", false, 0, {0, 0, 20, 0, 0, 0}},
                                           StrumCase{"GuitarDropD", false, 2, {0, -8, 0, 0, 20, 0}},
                                           StrumCase{"BassStandard", true, 0, {0, 0, 20, 0, 0, -8}},
                                           StrumCase{"BassDropDb", true, 3, {0, 20, 0, 0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TunerSixString, SinglePluckAfterAStrumReturnsToSingleNote)
{
    const double inTune[6] = {};
    std::vector<float> signal = Strum(false, 0, inTune);
    signals::PluckShape shape;
    shape.amplitude = 0.5;
    signals::Append(signal, signals::Pluck(signals::NoteFrequency(45), shape, 2.0, kRate));
    const Readings r = RunKernel(signal);
    const size_t strumEnd = signal.size() / kTunerFrameLength - 2.0 * kRate / kTunerFrameLength;
    EXPECT_EQ(r.results[strumEnd - 1].polyphonicFlag, 1.0f);
    for (size_t f = strumEnd + 8; f < r.results.size(); ++f)
    {
        ASSERT_EQ(r.results[f].polyphonicFlag, 0.0f) << "frame " << f;
        EXPECT_EQ(r.results[f].note, 9);
    }
    // Leaving polyphonic analysis clears the string presence.
    for (int s = 0; s < 6; ++s)
        EXPECT_EQ(r.results.back().stringPresence[s], 0.0f) << s;
}

TEST(TunerSixString, SilenceGivesNoStringPitch)
{
    RunKernel(signals::Silence(1.0, kRate));
    for (const TunerStringState& string : TunerKernel().sixString.strings)
        EXPECT_LT(string.pitch, 0.0f);
}

namespace {

// Steady gain of a coefficient row for a sine at the 6000 Hz string rate, through the section
// formula of the string filters.
double RowGain(const int16_t* row, double hz)
{
    int64_t xs[3][2] = {}, y[3][2] = {};
    double peak = 0.0;
    for (int n = 0; n < 12000; ++n)
    {
        int64_t x = int64_t(1e6 * std::sin(2 * M_PI * hz * n / 6000.0));
        for (int k = 0; k < 3; ++k)
        {
            const int16_t* c = row + 4 * k;
            const int64_t out = (c[0] * x + c[1] * xs[k][1] - 2 * c[2] * y[k][0] - c[3] * y[k][1]) / 32768;
            xs[k][1] = xs[k][0];
            xs[k][0] = x;
            y[k][1] = y[k][0];
            y[k][0] = out;
            x = out;
        }
        if (n > 9000)
            peak = std::max(peak, std::fabs(double(x)));
    }
    return peak / 1e6;
}

} // namespace

TEST(TunerSixString, FilterRowsPeakAtTheirTargets)
{
    signals::ResetKernel({});
    // Feed each string's band-pass a sine at its target and at two semitones above it.
    for (int s = 0; s < 6; ++s)
    {
        const int16_t* row = TunerKernel().settings.stringFilters[s];
        const double target = signals::NoteFrequency(signals::kGuitarOpenStrings[s] + 12);
        EXPECT_NEAR(RowGain(row, target), 1.0, 0.05) << "string " << s + 1;
        EXPECT_LT(RowGain(row, target * std::exp2(2.0 / 12.0)), 0.1) << "string " << s + 1;
    }
}

TEST(TunerSixString, StaggeredRowsAreFlatAcrossTheirBandAndSteepOutside)
{
    // The same 3 dB bandwidth from three sections at the centre (each sqrt(2^(1/3) - 1) times as
    // narrow as their sum) and from a maximally flat band: the flat one is 3 dB down at the band's
    // edges, and falls faster beyond them.
    const double centre = 440.0, share = 0.08;
    int16_t flat[12], peaked[12];
    TunerDesignStringFilterRow(centre, {share, 1.0}, flat);
    TunerDesignStringFilterRow(centre, {share / std::sqrt(std::cbrt(2.0) - 1.0), 0.0}, peaked);
    for (int k = 0; k < 3; ++k)
    {
        EXPECT_EQ(flat[4 * k + 1], -flat[4 * k]);
        EXPECT_EQ(peaked[4 * k], peaked[0]);
    }
    EXPECT_NEAR(RowGain(flat, centre), 1.0, 0.02);
    EXPECT_NEAR(RowGain(peaked, centre), 1.0, 0.02);
    EXPECT_NEAR(RowGain(flat, centre * (1 + share / 2)), std::sqrt(0.5), 0.05);
    EXPECT_NEAR(RowGain(flat, centre * (1 - share / 2)), std::sqrt(0.5), 0.05);
    EXPECT_LT(RowGain(flat, centre * 1.25), 0.5 * RowGain(peaked, centre * 1.25));
}
