#pragma once

// Allocation failure on demand: the test binary's operator new throws std::bad_alloc at the
// allocation a test picks, once. Meant for one thread at a time; other threads' allocations count
// as well while a failure is armed.

namespace vireno_test {

class FailingAllocations
{
public:
    // The allocation `index` allocations from now (0: the next one) fails.
    static void FailAt(long index);
    // Disarms; whether the armed failure happened.
    static bool Disarm();
};

// Arms a failure at the first, second, third ... allocation of `call` in turn, each time on a
// fresh set-up, until a run goes through without reaching the armed allocation. `setUp` prepares
// the objects (allocating freely), `call` makes the one call under test, `check` judges its
// outcome knowing whether an allocation failed. Returns how many allocations the call made.
template <typename SetUp, typename Call, typename Check>
long FailEachAllocation(SetUp setUp, Call call, Check check)
{
    for (long index = 0;; ++index)
    {
        auto fixture = setUp();
        FailingAllocations::FailAt(index);
        const auto result = call(*fixture);
        const bool failed = FailingAllocations::Disarm();
        check(*fixture, result, failed);
        if (!failed)
            return index;
    }
}

} // namespace vireno_test
