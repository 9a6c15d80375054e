#pragma once

#include <cstdint>

// A peak meter's reading after a block: the larger of peak and the block's largest magnitude. A
// NaN sample raises nothing, and a NaN peak stays NaN; the result is that of taking the samples
// one by one, bit for bit, in any order. The audio thread's: no allocation, no lock.
float KRORaisePeak(float peak, const float* samples, int32_t frames);
