#include "StringTone.h"

#include <cmath>
#include <complex>

namespace corpus {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kMaxPartials = 40;
constexpr double kLegatoLevel = 0.7; // what a hammer-on or pull-off keeps of the string's level

// Amplitude of partial h of an ideal string plucked at a share p of its length: sin(h pi p) / h^2.
double Weight(const StringTone& tone, int h)
{
    return std::fabs(std::sin(h * kPi * tone.pickPosition)) / (double(h) * h);
}

// One partial as a rotating phasor: exact to rounding over a few seconds, and cheap.
struct Partial
{
    std::complex<double> value, step;
    double decayStep;
};

Partial MakePartial(double frequency, double amplitude, double decaySeconds, double phase, double rate)
{
    return {std::polar(amplitude, phase), std::polar(1.0, 2.0 * kPi * frequency / rate),
            std::exp(-1.0 / (decaySeconds * rate))};
}

// Renders `count` samples of the partials into out, advancing them.
void Run(std::vector<Partial>& partials, std::size_t count, std::vector<float>& out, std::size_t offset)
{
    if (out.size() < offset + count)
        out.resize(offset + count, 0.0f);
    for (Partial& p : partials)
    {
        const std::complex<double> step = p.step * p.decayStep;
        std::complex<double> v = p.value;
        for (std::size_t n = 0; n < count; ++n)
        {
            out[offset + n] += static_cast<float>(v.imag());
            v *= step;
        }
        p.value = v;
    }
}

std::vector<Partial> Partials(const StringTone& tone, double rate)
{
    double norm = 0.0;
    for (int h = 1; h <= kMaxPartials; ++h)
        norm += Weight(tone, h);
    std::vector<Partial> partials;
    for (int h = 1; h <= kMaxPartials; ++h)
    {
        const double f = PartialFrequency(tone, h);
        if (f >= 0.45 * rate)
            break;
        const double decay = tone.decaySeconds / (1.0 + 0.5 * (h - 1));
        partials.push_back(MakePartial(f, tone.amplitude * Weight(tone, h) / norm, decay, 0.3 * h, rate));
    }
    return partials;
}

std::size_t Samples(double seconds, double rate)
{
    return static_cast<std::size_t>(seconds * rate);
}

} // namespace

double PartialFrequency(const StringTone& tone, int partial)
{
    return partial * tone.fundamental * std::sqrt(1.0 + tone.inharmonicity * partial * partial);
}

void AddPluck(const StringTone& tone, double seconds, double rate, std::vector<float>& out, std::size_t offset)
{
    std::vector<Partial> partials = Partials(tone, rate);
    Run(partials, Samples(seconds, rate), out, offset);
}

void AddLegato(const StringTone& tone, double newFundamental, double before, double after, double rate,
               std::vector<float>& out, std::size_t offset)
{
    std::vector<Partial> partials = Partials(tone, rate);
    const std::size_t first = Samples(before, rate);
    Run(partials, first, out, offset);
    StringTone moved = tone;
    moved.fundamental = newFundamental;
    for (std::size_t h = 0; h < partials.size(); ++h)
    {
        const double f = PartialFrequency(moved, int(h) + 1);
        partials[h].value *= kLegatoLevel;
        partials[h].step = f < 0.45 * rate ? std::polar(1.0, 2.0 * kPi * f / rate) : 0.0;
    }
    Run(partials, Samples(after, rate), out, offset + first);
}

} // namespace corpus
