#include <gtest/gtest.h>

#include "tuner/plugin/TunerRateSetup.h"
#include "tuner/plugin/TunerRateSetupMailbox.h"

TEST(TunerRateSetup, PiecesFitTheirBuffersAtEveryRate)
{
    for (double rate : {1.0, 100.0, 8000.0, 11025.0, 24000.0, 44100.0, 48000.0, 96000.0, 192000.0, 384000.0})
    {
        const std::unique_ptr<TunerRateSetup> setup = TunerRateSetup::Create(rate);
        ASSERT_TRUE(setup->CanAnalyse()) << rate;
        EXPECT_EQ(setup->rate, int(rate));
        EXPECT_GE(setup->pieceLength, 1) << rate;
        for (const std::vector<float>& buffer : setup->resampled)
            EXPECT_LE(setup->resamplers[0]->MaxOutputCount(setup->pieceLength), int(buffer.size())) << rate;
    }
    // The common rates run a host block of 512 in one piece.
    EXPECT_GE(TunerRateSetup::Create(8000.0)->pieceLength, 512);

    const std::unique_ptr<TunerRateSetup> refused = TunerRateSetup::Create(0.0);
    EXPECT_FALSE(refused->CanAnalyse());
    EXPECT_EQ(refused->rate, 0);
}

TEST(TunerRateSetupMailbox, TheAudioSideTakesTheNewestSetUp)
{
    TunerRateSetupMailbox mailbox(TunerRateSetup::Create(48000.0));
    EXPECT_EQ(mailbox.Current().rate, 48000);

    // Two posts before a block: the first is dropped, the second taken.
    mailbox.Post(TunerRateSetup::Create(44100.0));
    mailbox.Post(TunerRateSetup::Create(96000.0));
    EXPECT_EQ(mailbox.Current().rate, 96000);
    EXPECT_EQ(mailbox.Current().rate, 96000);

    // The replaced set-up waits to be freed by the next post; that post is still taken.
    mailbox.Post(TunerRateSetup::Create(8000.0));
    EXPECT_EQ(mailbox.Current().rate, 8000);
    mailbox.Post(TunerRateSetup::Create(0.0));
    EXPECT_EQ(mailbox.Current().rate, 0);
    // Whatever is left is freed with the mailbox (the leak checker watches).
    mailbox.Post(TunerRateSetup::Create(24000.0));
}
