#pragma once

// A plucked string for the accuracy corpus: partials stretched by the string's stiffness, weighted
// by where it was plucked, each decaying faster than the one below. Truth is the fundamental the
// tone was made at.

#include <cstddef>
#include <vector>

namespace corpus {

struct StringTone
{
    double fundamental = 110.0; // Hz
    double inharmonicity = 0.0; // B: partial h sounds at h f sqrt(1 + B h^2)
    double pickPosition = 0.2;  // share of the length from the bridge
    double amplitude = 0.3;     // peak of the sum at the pluck, roughly
    double decaySeconds = 2.0;  // time constant of the fundamental
};

// Frequency of partial h (1 is the fundamental).
double PartialFrequency(const StringTone& tone, int partial);

// Mixes the tone into out from sample offset for the given time at the given rate.
void AddPluck(const StringTone& tone, double seconds, double rate, std::vector<float>& out, std::size_t offset);

// A legato change: the string sounds `before` seconds, then its fundamental moves to `newFundamental`
// (a hammer-on or pull-off: every partial keeps its phase and most of its level) for `after` seconds.
void AddLegato(const StringTone& tone, double newFundamental, double before, double after, double rate,
               std::vector<float>& out, std::size_t offset);

} // namespace corpus
