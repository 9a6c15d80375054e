#pragma once

// A running 64-bit FNV-1a digest of the exact bytes of a run's readings, with the count of what
// went into it: two runs agree bit for bit when their digests and counts do.

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "tuner/engine/TunerResultBlock.h"
#include "tuner/engine/TunerVectorLoops.h"

namespace golden {

class Digest
{
public:
    template <typename T>
    void Add(const T& value)
    {
        Bytes(&value, sizeof value);
    }

    void Bytes(const void* data, size_t size)
    {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i)
            hash_ = (hash_ ^ bytes[i]) * 0x100000001b3ull;
    }

    // One published result block, counted.
    void AddResult(const TunerResultBlock& result)
    {
        Add(result);
        ++results_;
    }

    // Samples, counted.
    void AddSamples(const float* samples, int count)
    {
        Bytes(samples, sizeof(float) * static_cast<size_t>(count));
        results_ += count;
    }

    uint64_t Hash() const { return hash_; }
    int Results() const { return results_; }

private:
    uint64_t hash_ = 0xcbf29ce484222325ull;
    int results_ = 0;
};

// A recorded run: its name, digest and the number of result blocks or samples it gave.
struct Recorded
{
    const char* name;
    uint64_t hash;
    int results;
};

// The table row a run would record, printed when it differs so that a deliberate change of
// behaviour can be recorded anew.
inline std::string RowOf(const char* name, const Digest& digest)
{
    char row[160];
    std::snprintf(row, sizeof row, "{\"%s\", 0x%016" PRIx64 "ull, %d},", name, digest.Hash(), digest.Results());
    return row;
}

// Expects run i to give row i of the recorded table.
template <size_t N>
void ExpectRecorded(const Recorded (&table)[N], size_t i, const char* name, const Digest& digest)
{
    const bool same = i < N && std::strcmp(table[i].name, name) == 0 && digest.Hash() == table[i].hash &&
                      digest.Results() == table[i].results;
    EXPECT_TRUE(same) << "now " << RowOf(name, digest);
}

// Runs check once with each build of the kernel's vectorised loops that this processor has, then
// returns to the widest.
template <typename Check>
void ForEachInstructionSet(Check check)
{
    for (TunerInstructionSet set :
         {TunerInstructionSet::kBaseline, TunerInstructionSet::kAvx2, TunerInstructionSet::kAvx512})
    {
        SCOPED_TRACE(set == TunerInstructionSet::kAvx512 ? "AVX-512 loops"
                     : set == TunerInstructionSet::kAvx2 ? "AVX2 loops"
                                                         : "baseline loops");
        if (TunerUseInstructionSet(set))
            check();
        else
            std::printf("This processor lacks the instruction set of one build: it is not checked.\n");
    }
    TunerUseWidestInstructionSet();
}

} // namespace golden
