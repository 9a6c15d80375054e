#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tuner/plugin/TunerResultHandOver.h"

namespace {

// Every value of the block carries the same number, so a mix of two blocks shows.
TunerResultBlock Stamped(int k)
{
    TunerResultBlock b;
    const float v = float(k);
    b.needleDeviation = b.strobeSpeed = b.polyphonicFlag = b.notePresentArc = b.notePresentName = b.inTune = v;
    b.note = k;
    for (int s = 0; s < 6; ++s)
        b.stringDeviation[s] = b.stringPresence[s] = v;
    return b;
}

bool Whole(const TunerResultBlock& b)
{
    const float v = float(b.note);
    bool whole = b.needleDeviation == v && b.strobeSpeed == v && b.polyphonicFlag == v && b.notePresentArc == v &&
                 b.notePresentName == v && b.inTune == v;
    for (int s = 0; s < 6; ++s)
        whole = whole && b.stringDeviation[s] == v && b.stringPresence[s] == v;
    return whole;
}

} // namespace

TEST(TunerResultHandOver, TheFlagMarksEachNewBlockOnce)
{
    TunerResultHandOver handOver;
    TunerResultBlock out = Stamped(-1);
    EXPECT_FALSE(handOver.TakeNew(out));
    EXPECT_EQ(out.note, -1);
    EXPECT_EQ(handOver.Read().note, 0); // zero before the first frame

    handOver.Publish(Stamped(1));
    handOver.Publish(Stamped(2));
    EXPECT_TRUE(handOver.HasNew());
    EXPECT_EQ(handOver.PublishedCount(), 2u);
    ASSERT_TRUE(handOver.TakeNew(out));
    EXPECT_EQ(out.note, 2);
    EXPECT_TRUE(Whole(out));
    EXPECT_FALSE(handOver.TakeNew(out));
    EXPECT_EQ(handOver.Read().note, 2);
}

TEST(TunerResultHandOver, AReaderNeverSeesATornBlock)
{
    TunerResultHandOver handOver;
    constexpr int kBlocks = 2000000;
    std::atomic<bool> done{false};
    std::thread audio([&] {
        for (int k = 1; k <= kBlocks; ++k)
            handOver.Publish(Stamped(k));
        done.store(true);
    });

    int reads = 0, torn = 0, lastSeen = 0, backwards = 0;
    TunerResultBlock block;
    // Both ways of reading: taking the flagged block, and reading the newest one.
    while (!done.load())
    {
        if (!handOver.TakeNew(block))
            block = handOver.Read();
        ++reads;
        if (!Whole(block))
            ++torn;
        if (block.note < lastSeen)
            ++backwards;
        lastSeen = block.note;
    }
    audio.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(backwards, 0);
    EXPECT_GT(reads, 0);
    EXPECT_EQ(handOver.Read().note, kBlocks);
}
