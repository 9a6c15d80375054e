#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/CACFUnknown.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

const acfUID kOtherInterface = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};

// An object as the plug-in's factories create them; counts how often it is finally released and deleted.
class CountedObject : public CACFUnknown
{
public:
    explicit CountedObject(std::atomic<int>& finalReleases, std::atomic<int>& deletions)
        : finalReleases(finalReleases), deletions(deletions)
    {}
    ~CountedObject() override { ++deletions; }
    void FinalRelease() override { ++finalReleases; }

private:
    std::atomic<int>& finalReleases;
    std::atomic<int>& deletions;
};

IACFUnknown* QueryBase(CACFUnknown& object)
{
    void* out = nullptr;
    EXPECT_EQ(object.GetControllingUnknown()->QueryInterface(IID_IACFUnknown, &out), ACF_OK);
    return static_cast<IACFUnknown*>(out);
}

TEST(CACFUnknown, StartsAtZeroAndTheLastReleaseDeletesOnce)
{
    std::atomic<int> finalReleases{0};
    std::atomic<int> deletions{0};
    const int32_t before = CACFUnknown::GetActiveObjectCount();
    auto* object = new CountedObject(finalReleases, deletions);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), before + 1);

    IACFUnknown* unknown = QueryBase(*object);
    ASSERT_EQ(unknown, object->GetControllingUnknown());
    EXPECT_EQ(unknown->AddRef(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(unknown->Release(), 0u);
    EXPECT_EQ(finalReleases, 1);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), before);
}

TEST(CACFUnknown, RefusesOtherInterfacesWithANullPointer)
{
    std::atomic<int> finalReleases{0};
    std::atomic<int> deletions{0};
    auto* object = new CountedObject(finalReleases, deletions);
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(object->GetControllingUnknown()->QueryInterface(kOtherInterface, &out), ACF_E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    // A release without a reference neither deletes the object nor wraps its count round.
    EXPECT_EQ(object->GetControllingUnknown()->Release(), 0u);
    EXPECT_EQ(deletions, 0);
    QueryBase(*object)->Release();
    EXPECT_EQ(deletions, 1);
}

TEST(CACFUnknown, EightThreadsRacingOnReferencesDeleteOnce)
{
    constexpr int kThreads = 8;
    constexpr int kRounds = 20000;
    for (int trial = 0; trial < 20; ++trial)
    {
        std::atomic<int> finalReleases{0};
        std::atomic<int> deletions{0};
        const int32_t before = CACFUnknown::GetActiveObjectCount();
        auto* object = new CountedObject(finalReleases, deletions);
        IACFUnknown* unknown = QueryBase(*object);
        // Each thread holds a reference of its own; the creator's goes while they run.
        for (int i = 0; i < kThreads; ++i)
            unknown->AddRef();
        std::atomic<bool> go{false};
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i)
            threads.emplace_back([&] {
                while (!go)
                    std::this_thread::yield();
                for (int round = 0; round < kRounds; ++round)
                {
                    unknown->AddRef();
                    unknown->Release();
                }
                unknown->Release();
            });
        go = true;
        unknown->Release();
        for (std::thread& thread : threads)
            thread.join();
        ASSERT_EQ(deletions, 1);
        ASSERT_EQ(finalReleases, 1);
        ASSERT_EQ(CACFUnknown::GetActiveObjectCount(), before);
    }
}

TEST(CACFUnknown, TheLiveObjectCountFollowsEightThreadsCreatingAndReleasing)
{
    const int32_t before = CACFUnknown::GetActiveObjectCount();
    std::atomic<int> finalReleases{0};
    std::atomic<int> deletions{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&] {
            for (int round = 0; round < 2000; ++round)
                QueryBase(*new CountedObject(finalReleases, deletions))->Release();
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(deletions, 8 * 2000);
    EXPECT_EQ(CACFUnknown::GetActiveObjectCount(), before);
}

} // namespace
