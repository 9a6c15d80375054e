#pragma once

#include <vector>

// Filter design for the resampler to 24 kHz. Runs at set-up only, never per block.

// The greatest common divisor of two positive integers; 1 for any other pair.
int GreatestCommonDivisor(int a, int b);

// Least-squares linear-phase low-pass FIR of `length` taps with cutoff `cutoff` (cycles per
// sample, 0 ... 0.5). With pass and stop bands meeting at the cutoff the least-squares solution
// is the ideal low-pass response sampled around the centre tap.
std::vector<double> DesignLowPassFir(int length, double cutoff);

// Fills window[0 .. length-1] with the Hamming window 0.54 - 0.46 cos(2 pi i / (length - 1)).
void HammingWindow(float* window, int length);
