#pragma once

// The scale of the display values in a TunerResultBlock. A deviation d of +-1 is +-50 cents (a
// quarter tone either side of the note); the needle and the strobe show it shaped as
// tanh(5 |d|) d, each string as tanh(60 d^2) d: flat near the note, linear farther out. The kernel
// shapes with these; whoever reads the values back to cents calls the functions below.

inline constexpr float kTunerCentsPerUnit = 50.0f;
inline constexpr float kTunerNeedleShaping = 5.0f;  // needle and strobe: tanh(5 |d|) d
inline constexpr float kTunerStringShaping = 60.0f; // each string: tanh(60 d^2) d

// An unshaped deviation (the kernel's raw deviation, a string's smoothed one) in cents.
constexpr double TunerDeviationCents(double deviation)
{
    return deviation * kTunerCentsPerUnit;
}

// The deviation d whose shaping tanh(gain * |d|^power) * d gives shown, within 1e-12 of d.
double UnshapeDeviation(double shown, double gain, int power);

// The cents of a shown needle or strobe value, and of a shown string deviation.
double TunerNeedleCents(double shown);
double TunerStringCents(double shown);
