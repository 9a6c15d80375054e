// Index <-> identifier: "par%d" for 1 ... capacity, the empty identifier for 0, nothing else.

#include "kro-core/aax/KROAAXParamsIDsConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

TEST(KROAAXParamsIDsConverter, MapsIndicesAndIdentifiersBothWays)
{
    CKROAAXParamsIDsConverter converter(10);
    const std::pair<const char*, int32_t> identifiers[] = {
        {"", 0},       {"par1", 1},  {"par5", 5},   {"par10", 10},
        {"par11", -1}, {"Par1", -1}, {"par01", -1}, {"MasterBypassID", -1},
        {"par1 ", -1},
    };
    for (const auto& [id, index] : identifiers)
        EXPECT_EQ(converter.GetIndexFromID(id), index) << id;
    EXPECT_EQ(converter.GetIndexFromID(nullptr), -1);

    const std::pair<int32_t, const char*> indices[] = {{0, ""}, {1, "par1"}, {10, "par10"}, {11, ""}, {-1, ""}};
    for (const auto& [index, id] : indices)
        EXPECT_STREQ(converter.GetIDFromIndex(index), id) << index;
}

TEST(KROAAXParamsIDsConverter, TextsStayValidAndLookupsAgreeAcrossThreads)
{
    CKROAAXParamsIDsConverter converter(10);
    const char* first = converter.GetIDFromIndex(3);
    std::vector<std::thread> threads;
    std::vector<int> mismatches(8, 0);
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i)
            {
                const int32_t index = 1 + (i + t) % 10;
                if (converter.GetIndexFromID(converter.GetIDFromIndex(index)) != index)
                    ++mismatches[size_t(t)];
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(8, 0));
    EXPECT_EQ(first, converter.GetIDFromIndex(3));
    EXPECT_STREQ(first, "par3");
}

} // namespace
