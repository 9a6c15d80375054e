#pragma once

// Synthetic test signals for the tools, tests and benchmarks: sines and plucked-string tones.

#include <cstddef>
#include <vector>

namespace signals {

// Frequency of a note a given number of cents away from its equal-tempered pitch at reference A4.
double NoteFrequency(int semitonesAboveC0, double cents = 0.0, double referenceA4 = 440.0);

// A sine of the given amplitude (full scale 1).
std::vector<float> Sine(double frequency, double amplitude, double seconds, double rate);

// A plucked string: harmonics at exact multiples with the spectrum of an ideal string plucked at
// a fraction of its length (amplitude sin(h pi position) / h^2), each decaying faster than the one below.
struct PluckShape {
    int harmonics = 12;
    double position = 0.2;          // pluck point as a share of the string length, from the bridge
    double amplitude = 0.5;
    double decaySeconds = 1.5;      // time constant of the fundamental
    double fundamentalShare = 1.0;  // relative amplitude of the fundamental (weak on some pickups)
};
std::vector<float> Pluck(double frequency, const PluckShape& shape, double seconds, double rate);

std::vector<float> Silence(double seconds, double rate);

// Appends b to a.
void Append(std::vector<float>& a, const std::vector<float>& b);

// Mixes b into a, starting at sample offset.
void MixInto(std::vector<float>& a, const std::vector<float>& b, std::size_t offset = 0);

} // namespace signals
