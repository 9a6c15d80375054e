#include "TunerVectorLoops.h"

#include "TunerSixStringState.h"

namespace {

// The bodies are inlined into each build, which the compiler then vectorises for its own lanes.

// The squares of 24-bit differences are formed as unsigned 32 x 32 -> 64-bit products, which
// the vector units do two or four at a time.
__attribute__((always_inline)) inline uint64_t SquaredDifferencesBody(const int32_t* a, const int32_t* b, int count)
{
    uint64_t sum = 0;
    for (int n = 0; n < count; ++n) {
        const int32_t d = a[n] - b[n];
        const uint32_t magnitude = static_cast<uint32_t>(d < 0 ? -d : d);
        sum += static_cast<uint64_t>(magnitude) * magnitude;
    }
    return sum;
}

// One output is a dot product over 36 consecutive samples: a fixed-length loop of signed
// 32 x 32 -> 64-bit products, with no branch per tap.
__attribute__((always_inline)) inline void DecimatorSumsBody(const int32_t* x, const int32_t* taps, int64_t* sums,
                                                             int count)
{
    for (int i = 0; i < count; ++i) {
        const int32_t* window = x + kTunerDecimation * i;
        int64_t sum = 0;
        for (int j = 0; j < kTunerDecimatorTaps; ++j) sum += static_cast<int64_t>(taps[j]) * window[j];
        sums[i] = sum;
    }
}

uint64_t SquaredDifferencesBaseline(const int32_t* a, const int32_t* b, int count)
{
    return SquaredDifferencesBody(a, b, count);
}

void DecimatorSumsBaseline(const int32_t* x, const int32_t* taps, int64_t* sums, int count)
{
    DecimatorSumsBody(x, taps, sums, count);
}

__attribute__((target("avx2"))) uint64_t SquaredDifferencesAvx2(const int32_t* a, const int32_t* b, int count)
{
    return SquaredDifferencesBody(a, b, count);
}

__attribute__((target("avx2"))) void DecimatorSumsAvx2(const int32_t* x, const int32_t* taps, int64_t* sums, int count)
{
    DecimatorSumsBody(x, taps, sums, count);
}

const TunerVectorLoops kBaseline = {SquaredDifferencesBaseline, DecimatorSumsBaseline};
const TunerVectorLoops kAvx2 = {SquaredDifferencesAvx2, DecimatorSumsAvx2};

const TunerVectorLoops* Widest()
{
    return TunerSupports(TunerInstructionSet::kAvx2) ? &kAvx2 : &kBaseline;
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
    return set == TunerInstructionSet::kBaseline || __builtin_cpu_supports("avx2");
}

bool TunerUseInstructionSet(TunerInstructionSet set)
{
    if (!TunerSupports(set)) return false;
    gLoops = set == TunerInstructionSet::kAvx2 ? &kAvx2 : &kBaseline;
    return true;
}
