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
struct PluckShape
{
    int harmonics = 12;
    double position = 0.2; // pluck point as a share of the string length, from the bridge
    double amplitude = 0.5;
    double decaySeconds = 1.5;     // time constant of the fundamental
    double fundamentalShare = 1.0; // relative amplitude of the fundamental (weak on some pickups)
};
std::vector<float> Pluck(double frequency, const PluckShape& shape, double seconds, double rate);

// Open strings in semitones above C0, lowest first.
inline constexpr int kGuitarOpenStrings[6] = {28, 33, 38, 43, 47, 52}; // E2 A2 D3 G3 B3 E4
inline constexpr int kBassOpenStrings[6] = {11, 16, 21, 26, 31, 36};   // B0 E1 A1 D2 G2 C3

// The six open strings of a guitar or bass plucked 10 ms apart, lowest first, each ringing for
// three seconds `cents` off its note. A drop tuning lowers every string but the bass's low B.
std::vector<float> Strum(bool bass, int dropIndex, const double (&cents)[6], const PluckShape& shape, double rate);

std::vector<float> Silence(double seconds, double rate);

// Appends b to a.
void Append(std::vector<float>& a, const std::vector<float>& b);

// Mixes b into a, starting at sample offset.
void MixInto(std::vector<float>& a, const std::vector<float>& b, std::size_t offset = 0);

} // namespace signals
