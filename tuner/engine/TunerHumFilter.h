#pragma once

#include <cstdint>

// Removes mains hum and DC from the 24 kHz input: a 50 Hz notch, a 60 Hz notch on its output,
// then a DC blocker. Runs in double precision; its state belongs to one analyser.
struct TunerHumFilter
{
    double x1 = 0.0, x2 = 0.0; // inputs of the 50 Hz notch
    double y1 = 0.0, y2 = 0.0; // outputs of the 50 Hz notch, the inputs of the 60 Hz notch
    double z1 = 0.0, z2 = 0.0; // outputs of the 60 Hz notch
    int32_t previousInput = 0; // DC blocker
    double previousOutput = 0.0;

    // Filters count samples in place. Audio thread.
    void Run(int32_t* samples, int count);
};
