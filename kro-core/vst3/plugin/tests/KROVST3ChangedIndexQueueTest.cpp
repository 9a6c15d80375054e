#include "kro-core/vst3/plugin/KROVST3ChangedIndexQueue.h"

#include <gtest/gtest.h>

#include <vector>

using Steinberg::Vst::KROVST3ChangedIndexQueue;

namespace {

std::vector<int32_t> Drain(KROVST3ChangedIndexQueue& queue)
{
    std::vector<int32_t> indices;
    while (!queue.Empty())
    {
        indices.push_back(queue.Front());
        queue.PopFront();
    }
    return indices;
}

TEST(KROVST3ChangedIndexQueue, KeepsArrivalOrderQueuesEachIndexOnceAndDropsPastItsCapacity)
{
    KROVST3ChangedIndexQueue queue(3);
    EXPECT_TRUE(queue.Push(4));
    EXPECT_TRUE(queue.Push(1));
    EXPECT_TRUE(queue.Push(4));
    EXPECT_EQ(queue.Size(), 2);
    EXPECT_TRUE(queue.Push(7));
    EXPECT_FALSE(queue.Push(9));
    EXPECT_TRUE(queue.Push(1)) << "an index already waiting fits a full queue";
    EXPECT_EQ(Drain(queue), (std::vector<int32_t>{4, 1, 7}));

    // The storage wraps around.
    for (int32_t round = 0; round < 5; ++round)
    {
        ASSERT_TRUE(queue.Push(round));
        ASSERT_TRUE(queue.Push(round + 10));
        EXPECT_EQ(Drain(queue), (std::vector<int32_t>{round, round + 10}));
    }
    queue.PopFront();
    EXPECT_TRUE(queue.Empty());
}

} // namespace
