#include "TestSignals.h"

#include <cmath>

namespace signals {

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr int kA4SemitonesAboveC0 = 57;
constexpr double kStrumSpacingSeconds = 0.01;
} // namespace

double NoteFrequency(int semitonesAboveC0, double cents, double referenceA4)
{
    return referenceA4 * std::pow(2.0, (semitonesAboveC0 - kA4SemitonesAboveC0 + cents / 100.0) / 12.0);
}

std::vector<float> Sine(double frequency, double amplitude, double seconds, double rate)
{
    std::vector<float> out(static_cast<size_t>(seconds * rate));
    for (size_t n = 0; n < out.size(); ++n)
        out[n] = static_cast<float>(amplitude * std::sin(kTwoPi * frequency * n / rate));
    return out;
}

std::vector<float> Pluck(double frequency, const PluckShape& shape, double seconds, double rate)
{
    std::vector<float> out(static_cast<size_t>(seconds * rate));
    auto weight = [&](int h) {
        const double w = std::fabs(std::sin(h * kTwoPi / 2.0 * shape.position)) / (double(h) * h);
        return h == 1 ? w * shape.fundamentalShare : w;
    };
    double norm = 0.0;
    for (int h = 1; h <= shape.harmonics; ++h)
        norm += weight(h);
    for (int h = 1; h <= shape.harmonics; ++h)
    {
        const double f = frequency * h;
        if (f >= rate / 2.0)
            break;
        const double a = shape.amplitude * weight(h) / norm;
        const double decay = shape.decaySeconds / (1.0 + 0.5 * (h - 1));
        const double phase = 0.3 * h;
        for (size_t n = 0; n < out.size(); ++n)
        {
            const double t = n / rate;
            out[n] += static_cast<float>(a * std::exp(-t / decay) * std::sin(kTwoPi * f * t + phase));
        }
    }
    return out;
}

std::vector<float> Strum(bool bass, int dropIndex, const double (&cents)[6], const PluckShape& shape, double rate)
{
    const int(&open)[6] = bass ? kBassOpenStrings : kGuitarOpenStrings;
    std::vector<float> strum;
    for (int s = 0; s < 6; ++s)
    {
        const int note = open[s] - (bass && s == 0 ? 0 : dropIndex);
        MixInto(strum, Pluck(NoteFrequency(note, cents[s]), shape, 3.0, rate),
                static_cast<size_t>(s * kStrumSpacingSeconds * rate));
    }
    return strum;
}

std::vector<float> Silence(double seconds, double rate)
{
    return std::vector<float>(static_cast<size_t>(seconds * rate), 0.0f);
}

void Append(std::vector<float>& a, const std::vector<float>& b)
{
    a.insert(a.end(), b.begin(), b.end());
}

void MixInto(std::vector<float>& a, const std::vector<float>& b, std::size_t offset)
{
    if (a.size() < offset + b.size())
        a.resize(offset + b.size(), 0.0f);
    for (size_t n = 0; n < b.size(); ++n)
        a[offset + n] += b[n];
}

} // namespace signals
