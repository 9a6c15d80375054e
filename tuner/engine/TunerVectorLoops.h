#pragma once

// The kernel's loops that run several lanes at once, each built for any x86-64 processor and for
// wider vector units: AVX2, whose integer lanes halve the sums' cost, and AVX-512, whose 64-bit
// multiplications let the string filters run side by side. The widest set the processor has is
// chosen when the library loads; tests may run each. All of it is integer arithmetic, so any
// grouping of the terms of a sum gives the same result.

#include <cstdint>

#include "TunerStringFilterBank.h"

enum class TunerInstructionSet
{
    kBaseline,
    kAvx2,
    kAvx512
};

struct TunerVectorLoops
{
    // Sum of (a[n] - b[n])^2 over n in [0, count); the differences must fit 32 bits.
    uint64_t (*squaredDifferences)(const int32_t* a, const int32_t* b, int count);
    // Sum of a[n]^2 over n in [0, count).
    uint64_t (*sumOfSquares)(const int32_t* a, int count);
    // sums[i] = sum over j < kTunerDecimatorTaps of taps[j] * x[kTunerDecimation i + j], for i in [0, count).
    void (*decimatorSums)(const int32_t* x, const int32_t* taps, int64_t* sums, int count);
    // The six string filters over one half.
    void (*filterStrings)(const TunerStringFilterJob& job);
};

// The loops in use. Audio thread.
const TunerVectorLoops& TunerLoops();

// Whether this processor has the set. Any thread.
bool TunerSupports(TunerInstructionSet set);

// Makes the kernel use the given set when the processor has it, and returns whether it does; or
// the widest again. For tests, never while a frame is analysed.
bool TunerUseInstructionSet(TunerInstructionSet set);
void TunerUseWidestInstructionSet();
