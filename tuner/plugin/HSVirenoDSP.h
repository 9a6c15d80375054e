#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "kro-core/dsp/KRODSPAlgInterface.h"
#include "tuner/engine/TunerAnalyser.h"
#include "TunerRateSetupMailbox.h"
#include "TunerResultHandOver.h"
#include "tuner/engine/TunerTables.h"

// The tuner's DSP algorithm. Turns host blocks of any rate and size into the kernel's input:
// meters the peaks, applies the tuner parameters to the kernel, resamples the first channel to
// 24 kHz, converts it to Q24, cuts 1024-sample frames, analyses each full frame and
// hands the newest result to the user-interface thread. The audio passes through or is muted.
//
// The kernel state is shared by the whole process, so only one instance may drive it. The owner
// decides that before construction: an instance built with `analyses` false never touches the
// kernel and only passes audio through (muted or not) with its peaks.
class HSVirenoDSP : public CKRODSPAlgInterface
{
public:
    HSVirenoDSP(double sampleRate, int32_t firstParameterIndex, bool analyses = true);
    ~HSVirenoDSP() override;

    int32_t SetChannelCounts(int32_t inputs, int32_t outputs) override;
    void Process(const float* const* inputs, float* const* outputs, float* inputPeaks, float* outputPeaks,
                 int32_t frames) override;
    int32_t UpdateParameters(bool rateChanged) override;
    void Reset() override;
    std::string GetInfoText() const override { return std::string(); }
    // Also builds the resamplers for a new rate here, off the audio thread.
    void SetSampleRate(double sampleRate) override;

    // Installs the stored default preset as preset 0 and makes its values the defaults.
    void InstallPreset(const CKROAudioPreset* preset);
    void SetMute(bool mute);
    bool IsMuted() const { return mute.load(std::memory_order_acquire); }

    // Parameter records changed on this thread: take their values for the next block.
    void MarkParametersDirty() override;

    bool Analyses() const { return analyses; }
    int32_t GetAnalysedChannelCount() const { return analysedChannelCount.load(std::memory_order_acquire); }

    // Result hand-over to the user-interface thread; never a torn block.
    bool HasNewResult() const { return results.HasNew(); }
    bool TakeNewResult(TunerResultBlock& result) { return results.TakeNew(result); }
    TunerResultBlock GetResult() const { return results.Read(); }
    uint32_t GetResultCount() const { return results.PublishedCount(); }

private:
    enum TunerSetting
    {
        kInstrument,
        kDisplayMode,
        kDropTuning,
        kReference,
        kSettingCount
    };

    void ApplyKernelSettings();
    // Only channel 0 is analysed: the kernel overwrites and clears its second frame unread, so the
    // second channel is neither resampled nor cut.
    void Analyse(TunerRateSetup& setup, const float* channel0, int32_t frames);
    void CutFrames(const float* samples, int count);

    const bool analyses;
    const int32_t firstParameterIndex;
    std::unique_ptr<TunerAnalyser> analyser;
    TunerRateSetupMailbox rateSetups;
    int postedRate = 0; // the rate of the newest set-up handed to the audio thread
    TunerResultHandOver results;
    std::atomic<bool> mute{false};
    std::atomic<bool> historyClearPending{false};
    std::atomic<int32_t> analysedChannelCount{2};
    // Written where the parameter records change, read by the audio thread.
    std::atomic<float> settingValues[kSettingCount];
    // The kernel setting each value last led to; -1 until the first update after construction.
    int appliedSettings[kSettingCount] = {-1, -1, -1, -1};
    int32_t frame0[kTunerFrameLength] = {};
    int32_t frame1[kTunerFrameLength] = {};
    int writeIndex = 0;
};
