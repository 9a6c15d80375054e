#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "HSVirenoDSPTestSupport.h"
#include "tuner/engine/testing/TestSignals.h"

using dsptest::kFirstIndex;

namespace {

bool InRange(const TunerResultBlock& r)
{
    bool ok = r.needleDeviation >= -1.0f && r.needleDeviation <= 1.0f && r.polyphonicFlag >= 0.0f &&
              r.polyphonicFlag <= 1.0f && r.inTune >= 0.0f && r.inTune <= 1.0f && r.note >= 0 && r.note < 12;
    for (int s = 0; s < 6; ++s)
        ok = ok && r.stringPresence[s] >= 0.0f && r.stringPresence[s] <= 1.0f;
    return ok;
}

// The audio thread processes a tone in small blocks until told to stop.
class AudioThread
{
public:
    explicit AudioThread(HSVirenoDSP& dsp) : dsp(dsp), tone(signals::Sine(196.0, 0.5, 1.0, 48000.0))
    {
        worker = std::thread([this] { Loop(); });
    }
    ~AudioThread() { Stop(); }
    void Stop()
    {
        stop.store(true);
        if (worker.joinable())
            worker.join();
    }
    int Blocks() const { return blocks.load(); }

private:
    void Loop()
    {
        std::vector<float> left(64), right(64);
        float inPeaks[2], outPeaks[2];
        size_t position = 0;
        while (!stop.load())
        {
            if (position + 64 > tone.size())
                position = 0;
            const float* inputs[] = {tone.data() + position, tone.data() + position};
            float* outputs[] = {left.data(), right.data()};
            dsp.Process(inputs, outputs, inPeaks, outPeaks, 64);
            position += 64;
            blocks.fetch_add(1);
        }
    }

    HSVirenoDSP& dsp;
    std::vector<float> tone;
    std::atomic<bool> stop{false};
    std::atomic<int> blocks{0};
    std::thread worker;
};

} // namespace

TEST(HSVirenoDSPThreads, TheEditorReadsWholeResultsWhileTheAudioRuns)
{
    HSVirenoDSP dsp(48000.0, kFirstIndex);
    dsp.SetSampleRate(48000.0);
    AudioThread audio(dsp);
    int taken = 0, bad = 0;
    TunerResultBlock r;
    while (taken < 200)
    {
        if (dsp.TakeNewResult(r))
        {
            ++taken;
            if (!InRange(r))
                ++bad;
        }
        if (!InRange(dsp.GetResult()))
            ++bad;
    }
    audio.Stop();
    EXPECT_EQ(bad, 0);
}

TEST(HSVirenoDSPThreads, NoParameterChangeIsLostWhileTheAudioApplies)
{
    HSVirenoDSP dsp(48000.0, kFirstIndex);
    AudioThread audio(dsp);
    // Flip the instrument as fast as the audio thread takes it, ending on each value in turn.
    for (int round = 0; round < 40; ++round)
    {
        const double last = round % 2 == 0 ? 1.0 : 0.0;
        for (int i = 0; i < 500; ++i)
            dsp.SetParameterNormalized(kFirstIndex + TunerParameterIndex::kSelectInstrument,
                                       i % 2 == 0 ? 1.0 - last : last);
        // Two further blocks are certain to have started after the last change.
        const int seen = audio.Blocks();
        while (audio.Blocks() < seen + 2)
            std::this_thread::yield();
        ASSERT_EQ((TunerKernel().settings.mode & kTunerModeBass) != 0, last == 1.0) << round;
    }
    audio.Stop();
}

TEST(HSVirenoDSPThreads, RateChangesWhileTheAudioRuns)
{
    HSVirenoDSP dsp(48000.0, kFirstIndex);
    AudioThread audio(dsp);
    const double rates[] = {44100.0, 96000.0, 8000.0, 0.0, 48000.0, 192000.0};
    for (int i = 0; i < 300; ++i)
    {
        dsp.SetSampleRate(rates[i % 6]);
        dsp.SetBlockSize(64 << (i % 4));
    }
    const int seen = audio.Blocks();
    while (audio.Blocks() < seen + 2)
        std::this_thread::yield();
    audio.Stop();
    EXPECT_GT(audio.Blocks(), 0);
}
