#include "kro-core/plugin/KRODisplayDataBuffer.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

// The editor's side of the contract: one buffer that controllers may replace.
struct EditorBuffer
{
    explicit EditorBuffer(int32_t capacity_) : data(AllocateDisplayBuffer(capacity_)), capacity(capacity_) {}
    ~EditorBuffer() { FreeDisplayBuffer(data); }
    float* data;
    int32_t capacity;
};

std::vector<float> Reading(int32_t count)
{
    std::vector<float> values(static_cast<size_t>(count));
    std::iota(values.begin(), values.end(), 1.0f);
    return values;
}

TEST(KRODisplayDataBuffer, GrowsTheBufferBeforeCopying)
{
    EditorBuffer buffer(1);
    const std::vector<float> reading = Reading(19);
    EXPECT_EQ(CopyDisplayData(reading.data(), 19, &buffer.data, &buffer.capacity), 19);
    EXPECT_EQ(buffer.capacity, 19);
    EXPECT_EQ(std::vector<float>(buffer.data, buffer.data + 19), reading);

    // Large enough already: the same buffer is reused, and a shorter reading overwrites only its part.
    float* const kept = buffer.data;
    const std::vector<float> one = {-7.0f};
    EXPECT_EQ(CopyDisplayData(one.data(), 1, &buffer.data, &buffer.capacity), 1);
    EXPECT_EQ(buffer.data, kept);
    EXPECT_EQ(buffer.capacity, 19);
    EXPECT_EQ(buffer.data[0], -7.0f);
    EXPECT_EQ(buffer.data[1], 2.0f);
}

TEST(KRODisplayDataBuffer, NoDataLeavesTheBufferAlone)
{
    EditorBuffer buffer(2);
    buffer.data[0] = 5.0f;
    float* const kept = buffer.data;
    const std::vector<float> reading = Reading(19);
    EXPECT_EQ(CopyDisplayData(nullptr, 19, &buffer.data, &buffer.capacity), 0);
    EXPECT_EQ(CopyDisplayData(reading.data(), 0, &buffer.data, &buffer.capacity), 0);
    EXPECT_EQ(CopyDisplayData(reading.data(), -3, &buffer.data, &buffer.capacity), 0);
    EXPECT_EQ(CopyDisplayData(reading.data(), 19, nullptr, &buffer.capacity), 0);
    EXPECT_EQ(CopyDisplayData(reading.data(), 19, &buffer.data, nullptr), 0);
    EXPECT_EQ(buffer.data, kept);
    EXPECT_EQ(buffer.capacity, 2);
    EXPECT_EQ(buffer.data[0], 5.0f);
}

TEST(KRODisplayDataBuffer, AMissingBufferIsAllocatedWhateverItsClaimedCapacity)
{
    float* data = nullptr;
    int32_t capacity = 100;
    const std::vector<float> reading = Reading(3);
    EXPECT_EQ(CopyDisplayData(reading.data(), 3, &data, &capacity), 3);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(capacity, 3);
    EXPECT_EQ(std::vector<float>(data, data + 3), reading);
    FreeDisplayBuffer(data);

    EXPECT_EQ(AllocateDisplayBuffer(0), nullptr);
    FreeDisplayBuffer(nullptr);
}

} // namespace
