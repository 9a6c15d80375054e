#include "KROPeak.h"

#include <cmath>

// Eight running maxima that the compiler keeps in one vector register: the largest of a set does
// not depend on the order it is taken in, and a strict comparison keeps the first of equals.
float KRORaisePeak(float peak, const float* samples, int32_t frames)
{
    constexpr int kLanes = 8;
    float lanes[kLanes];
    for (float& lane : lanes)
        lane = peak;
    int32_t i = 0;
    for (; i + kLanes <= frames; i += kLanes)
    {
        for (int j = 0; j < kLanes; ++j)
        {
            const float magnitude = std::fabs(samples[i + j]);
            lanes[j] = magnitude > lanes[j] ? magnitude : lanes[j];
        }
    }
    for (; i < frames; ++i)
    {
        const float magnitude = std::fabs(samples[i]);
        if (magnitude > peak)
            peak = magnitude;
    }
    for (float lane : lanes)
        if (lane > peak)
            peak = lane;
    return peak;
}
