#pragma once

// The six strings' band-pass filters over one 128-sample half at 6000 Hz. Each string has a row of
// three second-order sections in cascade, y = (b0 x + b2 x[n-2] - 2 a1 y[n-1] - a2 y[n-2]) / 2^15 in
// 64-bit arithmetic; the first strings take their row twice, the second time on the first pass's
// output limited to Q30. The output is y / 128 limited to the 24-bit range. Built for any x86-64
// processor (one string after another) and for AVX-512 (the strings side by side in vector lanes);
// both give the same integers.

#include <cstdint>

#include "TunerSixStringState.h"

struct TunerStringFilterJob
{
    const int16_t* rows[kTunerStringCount]; // 12 Q15 coefficients each, with b2 = -b0
    TunerStringState* strings;              // their filter states, carried from half to half
    const int32_t* in;                      // the half, Q30
    int32_t* out[kTunerStringCount];        // kTunerStringFrameLength samples each
};

void TunerFilterStringsScalar(const TunerStringFilterJob& job);
void TunerFilterStringsAvx512(const TunerStringFilterJob& job);
