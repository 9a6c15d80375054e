// The host-side parameter queues our in-process host hands to processors.

#include "ParameterChanges.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

TEST(ParameterValueQueue, KeepsPointsInOffsetOrderAndReplacesAPointAtTheSameOffset)
{
    IPtr<ParameterValueQueue> queue = owned(new ParameterValueQueue(7));
    int32 index = -1;
    ASSERT_EQ(queue->addPoint(40, 0.4, index), kResultTrue);
    EXPECT_EQ(index, 0);
    ASSERT_EQ(queue->addPoint(10, 0.1, index), kResultTrue);
    EXPECT_EQ(index, 0);
    ASSERT_EQ(queue->addPoint(40, 0.9, index), kResultTrue);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(queue->addPoint(-1, 0.5, index), kInvalidArgument);

    ASSERT_EQ(queue->getPointCount(), 2);
    int32 offset = 0;
    ParamValue value = 0.0;
    ASSERT_EQ(queue->getPoint(0, offset, value), kResultTrue);
    EXPECT_EQ(offset, 10);
    EXPECT_DOUBLE_EQ(value, 0.1);
    ASSERT_EQ(queue->getPoint(1, offset, value), kResultTrue);
    EXPECT_EQ(offset, 40);
    EXPECT_DOUBLE_EQ(value, 0.9);
    EXPECT_EQ(queue->getPoint(2, offset, value), kResultFalse);
    EXPECT_EQ(queue->getPoint(-1, offset, value), kResultFalse);
}

TEST(ParameterChanges, GivesEachParameterOneQueueAndRefusesPastItsCapacity)
{
    IPtr<ParameterChanges> changes = owned(new ParameterChanges(2));
    int32 index = -1;
    IParamValueQueue* first = changes->addParameterData(3, index);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(index, 0);
    IParamValueQueue* second = changes->addParameterData(65537, index);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(changes->addParameterData(3, index), first);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(changes->addParameterData(4, index), nullptr);

    EXPECT_EQ(changes->getParameterCount(), 2);
    EXPECT_EQ(changes->getParameterData(1), second);
    EXPECT_EQ(changes->getParameterData(2), nullptr);
    EXPECT_EQ(changes->getParameterData(-1), nullptr);
}

TEST(ParameterChanges, StartsTheNextBlockEmpty)
{
    IPtr<ParameterChanges> changes = owned(new ParameterChanges);
    int32 index = -1;
    changes->addParameterData(1, index)->addPoint(0, 1.0, index);
    changes->clearQueue();
    EXPECT_EQ(changes->getParameterCount(), 0);

    IParamValueQueue* reused = changes->addParameterData(2, index);
    ASSERT_NE(reused, nullptr);
    EXPECT_EQ(reused->getParameterId(), 2u);
    EXPECT_EQ(reused->getPointCount(), 0);
}

} // namespace
