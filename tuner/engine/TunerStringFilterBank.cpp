#include "TunerStringFilterBank.h"

#include <cassert>

#include "TunerMath.h"

namespace {

constexpr int kTwice = kTunerStringsFilteredTwice;
static_assert(kTunerFilterSections == 3, "three sections a row, written out");

// A section's coefficients, widened once per half. Every row is a band-pass (1 - z^-2) b0 / (...),
// so b2 = -b0, and b0 x + b2 x[n-2] is taken as b0 (x - x[n-2]): the same integer with one
// multiplication less, which is what the filters' time is spent on.
template <typename T>
struct Coefficients
{
    T b0, a1Twice, a2;
};

template <typename T>
struct State
{
    T x1, x2, y1, y2;
};

// Division by 2^shift toward zero, for a scalar or for each lane of a vector.
template <int Shift, typename T>
__attribute__((always_inline)) inline T DivPow2(T value)
{
    return (value + ((value >> 63) & ((int64_t(1) << Shift) - 1))) >> Shift;
}

// One section. The products are integers, so their grouping is free: the one on y[n-1] comes last,
// which keeps the recursion's path short.
template <typename T>
__attribute__((always_inline)) inline T Section(const Coefficients<T>& c, State<T>& s, T x)
{
    const T y = DivPow2<15>((c.b0 * (x - s.x2) - c.a2 * s.y2) - c.a1Twice * s.y1);
    s.x2 = s.x1;
    s.x1 = x;
    s.y2 = s.y1;
    s.y1 = y;
    return y;
}

template <typename T>
__attribute__((always_inline)) inline T Row(const Coefficients<T>* c, State<T>* s, T x)
{
    return Section(c[2], s[2], Section(c[1], s[1], Section(c[0], s[0], x)));
}

Coefficients<int64_t> SectionCoefficients(const int16_t* row, int section)
{
    const int16_t* c = row + 4 * section;
    assert(c[1] == -c[0]);
    return {c[0], 2 * int64_t(c[2]), c[3]};
}

State<int64_t> Load(const TunerFilterSectionState& s)
{
    return {s.x1, s.x2, s.y1, s.y2};
}

TunerFilterSectionState Store(const State<int64_t>& s)
{
    return {s.x1, s.x2, s.y1, s.y2};
}

int32_t Output(int64_t y)
{
    return tuner::SaturateToSample24(tuner::DivPow2(y, 7));
}

// One string's row (twice or once) over the half, its state in registers throughout.
template <bool Twice>
void FilterString(const int16_t* row, TunerStringState& string, const int32_t* in, int32_t* out)
{
    Coefficients<int64_t> c[kTunerFilterSections];
    State<int64_t> first[kTunerFilterSections], second[kTunerFilterSections];
    for (int k = 0; k < kTunerFilterSections; ++k)
    {
        c[k] = SectionCoefficients(row, k);
        first[k] = Load(string.firstPass[k]);
        second[k] = Load(string.secondPass[k]);
    }
    for (int n = 0; n < kTunerStringFrameLength; ++n)
    {
        int64_t y = Row<int64_t>(c, first, in[n]);
        if (Twice)
            y = Row<int64_t>(c, second, tuner::Saturate(y, tuner::kQ30Min, tuner::kQ30Max));
        out[n] = Output(y);
    }
    for (int k = 0; k < kTunerFilterSections; ++k)
    {
        string.firstPass[k] = Store(first[k]);
        if (Twice)
            string.secondPass[k] = Store(second[k]);
    }
}

// Four 64-bit lanes. Lanes a string does not use have zero coefficients and give 0.
typedef int64_t Lanes __attribute__((vector_size(32)));
constexpr int kLanes = 4;

// Lane l of the group runs string strings[l]'s row on the given pass (-1: an idle lane).
struct Group
{
    Coefficients<Lanes> c[kTunerFilterSections];
    State<Lanes> s[kTunerFilterSections];
};

__attribute__((always_inline)) inline Group LoadGroup(const TunerStringFilterJob& job, const int (&strings)[kLanes],
                                                      bool secondPass)
{
    Group g{};
    for (int l = 0; l < kLanes; ++l)
    {
        if (strings[l] < 0)
            continue;
        const TunerStringState& string = job.strings[strings[l]];
        for (int k = 0; k < kTunerFilterSections; ++k)
        {
            const Coefficients<int64_t> c = SectionCoefficients(job.rows[strings[l]], k);
            const TunerFilterSectionState& s = secondPass ? string.secondPass[k] : string.firstPass[k];
            g.c[k].b0[l] = c.b0;
            g.c[k].a1Twice[l] = c.a1Twice;
            g.c[k].a2[l] = c.a2;
            g.s[k].x1[l] = s.x1;
            g.s[k].x2[l] = s.x2;
            g.s[k].y1[l] = s.y1;
            g.s[k].y2[l] = s.y2;
        }
    }
    return g;
}

__attribute__((always_inline)) inline void StoreGroup(const Group& g, const TunerStringFilterJob& job,
                                                      const int (&strings)[kLanes], bool secondPass)
{
    for (int l = 0; l < kLanes; ++l)
    {
        if (strings[l] < 0)
            continue;
        TunerStringState& string = job.strings[strings[l]];
        for (int k = 0; k < kTunerFilterSections; ++k)
            (secondPass ? string.secondPass[k] : string.firstPass[k]) = {g.s[k].x1[l], g.s[k].x2[l], g.s[k].y1[l],
                                                                         g.s[k].y2[l]};
    }
}

} // namespace

void TunerFilterStringsScalar(const TunerStringFilterJob& job)
{
    for (int s = 0; s < kTunerStringCount; ++s)
    {
        if (s < kTwice)
            FilterString<true>(job.rows[s], job.strings[s], job.in, job.out[s]);
        else
            FilterString<false>(job.rows[s], job.strings[s], job.in, job.out[s]);
    }
}

// The nine rows in three groups of four lanes: the first pass of strings 1-4, of strings 5-6, and
// the second pass of strings 1-3 on the first group's output. A vector recursion waits longer on
// its multiplication than a scalar one, but carries four strings at once.
__attribute__((target("avx512f,avx512dq,avx512vl"))) void TunerFilterStringsAvx512(const TunerStringFilterJob& job)
{
    static_assert(kTunerStringCount == 6 && kTwice == 3, "the lane groups below");
    static constexpr int kLow[kLanes] = {0, 1, 2, 3}, kHigh[kLanes] = {4, 5, -1, -1}, kSecond[kLanes] = {0, 1, 2, -1};
    Group low = LoadGroup(job, kLow, false), high = LoadGroup(job, kHigh, false),
          second = LoadGroup(job, kSecond, true);
    const Lanes q30Min = Lanes{} + tuner::kQ30Min, q30Max = Lanes{} + tuner::kQ30Max;
    Lanes lowOut[kTunerStringFrameLength], highOut[kTunerStringFrameLength], secondOut[kTunerStringFrameLength];
    for (int n = 0; n < kTunerStringFrameLength; ++n)
    {
        const Lanes x = Lanes{} + static_cast<int64_t>(job.in[n]);
        const Lanes y = Row<Lanes>(low.c, low.s, x);
        lowOut[n] = y;
        highOut[n] = Row<Lanes>(high.c, high.s, x);
        const Lanes limited = y < q30Min ? q30Min : (y > q30Max ? q30Max : y);
        secondOut[n] = Row<Lanes>(second.c, second.s, limited);
    }
    for (int n = 0; n < kTunerStringFrameLength; ++n)
    {
        for (int s = 0; s < kTwice; ++s)
            job.out[s][n] = Output(secondOut[n][s]);
        job.out[3][n] = Output(lowOut[n][3]);
        job.out[4][n] = Output(highOut[n][0]);
        job.out[5][n] = Output(highOut[n][1]);
    }
    StoreGroup(low, job, kLow, false);
    StoreGroup(high, job, kHigh, false);
    StoreGroup(second, job, kSecond, true);
}
