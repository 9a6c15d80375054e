#include "TunerVectorLoops.h"

#include <initializer_list>

#include "TunerSixStringState.h"

namespace {

// The bodies are inlined into each build, which the compiler then vectorises for its own lanes.

// The squares of 24-bit differences are formed as unsigned 32 x 32 -> 64-bit products, which
// the vector units do two or four at a time.
__attribute__((always_inline)) inline uint64_t SquaredDifferencesBody(const int32_t* a, const int32_t* b, int count)
{
    uint64_t sum = 0;
    for (int n = 0; n < count; ++n)
    {
        const int32_t d = a[n] - b[n];
        const uint32_t magnitude = static_cast<uint32_t>(d < 0 ? -d : d);
        sum += static_cast<uint64_t>(magnitude) * magnitude;
    }
    return sum;
}

__attribute__((always_inline)) inline uint64_t SumOfSquaresBody(const int32_t* a, int count)
{
    uint64_t sum = 0;
    for (int n = 0; n < count; ++n)
    {
        const uint32_t magnitude = static_cast<uint32_t>(a[n] < 0 ? -static_cast<int64_t>(a[n]) : a[n]);
        sum += static_cast<uint64_t>(magnitude) * magnitude;
    }
    return sum;
}

// One output is a dot product over 36 consecutive samples: a fixed-length loop of signed
// 32 x 32 -> 64-bit products, with no branch per tap.
__attribute__((always_inline)) inline void DecimatorSumsBody(const int32_t* x, const int32_t* taps, int64_t* sums,
                                                             int count)
{
    for (int i = 0; i < count; ++i)
    {
        const int32_t* window = x + kTunerDecimation * i;
        int64_t sum = 0;
        for (int j = 0; j < kTunerDecimatorTaps; ++j)
            sum += static_cast<int64_t>(taps[j]) * window[j];
        sums[i] = sum;
    }
}

uint64_t SquaredDifferencesBaseline(const int32_t* a, const int32_t* b, int count)
{
    return SquaredDifferencesBody(a, b, count);
}

uint64_t SumOfSquaresBaseline(const int32_t* a, int count)
{
    return SumOfSquaresBody(a, count);
}

void DecimatorSumsBaseline(const int32_t* x, const int32_t* taps, int64_t* sums, int count)
{
    DecimatorSumsBody(x, taps, sums, count);
}

__attribute__((target("avx2"))) uint64_t SquaredDifferencesAvx2(const int32_t* a, const int32_t* b, int count)
{
    return SquaredDifferencesBody(a, b, count);
}

__attribute__((target("avx2"))) uint64_t SumOfSquaresAvx2(const int32_t* a, int count)
{
    return SumOfSquaresBody(a, count);
}

__attribute__((target("avx2"))) void DecimatorSumsAvx2(const int32_t* x, const int32_t* taps, int64_t* sums, int count)
{
    DecimatorSumsBody(x, taps, sums, count);
}

// The sums gain nothing further from AVX-512 (their widening shuffles stay the limit).
const TunerVectorLoops kBaseline = {SquaredDifferencesBaseline, SumOfSquaresBaseline, DecimatorSumsBaseline,
                                    TunerFilterStringsScalar};
const TunerVectorLoops kAvx2 = {SquaredDifferencesAvx2, SumOfSquaresAvx2, DecimatorSumsAvx2, TunerFilterStringsScalar};
const TunerVectorLoops kAvx512 = {SquaredDifferencesAvx2, SumOfSquaresAvx2, DecimatorSumsAvx2,
                                  TunerFilterStringsAvx512};

const TunerVectorLoops& LoopsFor(TunerInstructionSet set)
{
    return set == TunerInstructionSet::kAvx512 ? kAvx512 : (set == TunerInstructionSet::kAvx2 ? kAvx2 : kBaseline);
}

const TunerVectorLoops* Widest()
{
    for (TunerInstructionSet set : {TunerInstructionSet::kAvx512, TunerInstructionSet::kAvx2})
        if (TunerSupports(set))
            return &LoopsFor(set);
    return &kBaseline;
}

// Chosen once at load; only tests change it afterwards.
const TunerVectorLoops* gLoops = Widest();

} // namespace

const TunerVectorLoops& TunerLoops()
{
    return *gLoops;
}

bool TunerSupports(TunerInstructionSet set)
{
    __builtin_cpu_init(); // asked among the static initialisers, perhaps before the runtime has
    switch (set)
    {
    case TunerInstructionSet::kAvx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
               __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx2");
    case TunerInstructionSet::kAvx2:
        return __builtin_cpu_supports("avx2");
    default:
        return true;
    }
}

bool TunerUseInstructionSet(TunerInstructionSet set)
{
    if (!TunerSupports(set))
        return false;
    gLoops = &LoopsFor(set);
    return true;
}

void TunerUseWidestInstructionSet()
{
    gLoops = Widest();
}
