#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "kro-core/plugin/IKROParameterOwner.h"
#include "kro-core/plugin/KROAudioPreset.h"
#include "kro-core/plugin/KROFourCharCode.h"
#include "kro-core/plugin/KROParameter.h"

// Base of one DSP algorithm of an effect: its parameter and preset records, sample rate, block
// size, bypass, tempo, channel counts and block processing. The effect drives it through the
// virtual operations below, whose order is part of the framework's layout.
//
// Threads: parameter, rate and size changes may come from any thread and only raise dirty flags
// (atomics); the audio thread applies them at the start of its next block. Preset operations
// change the records themselves and belong to the thread that owns the parameter map.
class CKRODSPAlgInterface : public IKROParameterOwner
{
public:
    explicit CKRODSPAlgInterface(double sampleRate);
    CKRODSPAlgInterface(const CKRODSPAlgInterface&) = delete;
    CKRODSPAlgInterface& operator=(const CKRODSPAlgInterface&) = delete;

    virtual ~CKRODSPAlgInterface();
    // User-interface thread; changes the records.
    virtual void SelectPresetByName(const std::string& name);
    // User-interface thread; changes the records.
    virtual void SelectPreset(int32_t number);
    // User-interface thread.
    virtual CKROAudioPreset* GetPreset(int32_t number);
    // User-interface thread.
    virtual CKROAudioPreset* FindPresetByName(const std::string& name);
    // User-interface thread; changes the records.
    virtual void DeletePreset(const std::string& name);
    // Any thread; reads only.
    virtual int32_t GetFactoryPresetCount() const;
    // Any thread; raises the parameters-dirty flag.
    virtual void SetParameterNormalized(int32_t index, double value);
    // User-interface thread, while not processing.
    virtual int32_t SetChannelCounts(int32_t inputs, int32_t outputs);
    // Any thread; reads only.
    virtual int32_t GetOutputChannelCount() const;
    // The thread of the effect's own Hook call.
    // Does nothing; the effect forwards one of its own hooks here.
    virtual void Hook() {}
    // Audio thread. Inputs and outputs may be the same buffers. The base hands the call to ProcessHook.
    virtual void Process(const float* const* inputs, float* const* outputs, float* inputPeaks, float* outputPeaks,
                         int32_t frames);
    // Audio thread.
    virtual void ProcessHook(const float* const* /*inputs*/, float* const* /*outputs*/, float* /*inputPeaks*/,
                             float* /*outputPeaks*/, int32_t /*frames*/)
    {}
    // Audio thread, at the start of a block.
    // Applies pending changes; rateChanged says a rate or size change is pending.
    virtual int32_t UpdateParameters(bool rateChanged) = 0;
    // Any thread; what the audio thread owns is cleared before its next block.
    virtual void Reset() = 0;
    // User-interface thread.
    virtual std::string GetInfoText() const = 0;
    // Any thread; raises the rate-or-size-dirty flag.
    virtual void SetSampleRate(double sampleRate);
    // Any thread; raises the rate-or-size-dirty flag.
    virtual void SetBlockSize(int32_t blockSize);
    // Audio or user-interface thread.
    virtual void SetBypass(bool bypass);
    // Audio thread, when the host's tempo changes.
    virtual void SetTempo(double tempo);
    // User-interface thread.
    virtual void SetStoredValue(double value);
    // User-interface thread.
    virtual double GetStoredValue() const;

    // Appends the preset under the number after the last one (0 for an empty map).
    void AddPreset(std::shared_ptr<CKROAudioPreset> preset);

    // A parameter record changed: apply the parameters at the next block.
    void MarkParametersDirty() override;

    uint32_t GetCode() const { return code; }
    const std::string& GetName() const { return name; }
    const std::string& GetKind() const { return kind; }
    double GetSampleRate() const { return sampleRate.load(std::memory_order_acquire); }
    int32_t GetBlockSize() const { return blockSize.load(std::memory_order_acquire); }
    bool IsBypassed() const { return bypass.load(std::memory_order_acquire); }
    double GetTempo() const { return tempo.load(std::memory_order_acquire); }
    int32_t GetInputChannelCount() const { return inputChannelCount; }
    bool AreParametersDirty() const { return parametersDirty.load(std::memory_order_acquire); }
    bool IsRateOrSizeDirty() const { return rateOrSizeDirty.load(std::memory_order_acquire); }

    CKROParameter* GetParameter(int32_t index);
    const KROParameterMap& GetParameters() const { return parameters; }
    const KROPresetMap& GetPresets() const { return presets; }
    CKROAudioPreset* GetCurrentPreset() const { return currentPreset; }
    const float* GetLastInputPeaks() const { return lastInputPeaks; }
    const float* GetLastOutputPeaks() const { return lastOutputPeaks; }

protected:
    // Clear a dirty mark and report whether it was set, in one step, so that a change arriving
    // while the caller applies the values marks them again instead of being lost.
    bool TakeParametersDirty() { return parametersDirty.exchange(false, std::memory_order_acq_rel); }
    bool TakeRateOrSizeDirty() { return rateOrSizeDirty.exchange(false, std::memory_order_acq_rel); }

    void SetCode(uint32_t code_) { code = code_; }
    void SetNames(std::string name_, std::string kind_);
    void RememberPeaks(const float* inputPeaks, const float* outputPeaks);
    KROParameterMap& Parameters() { return parameters; }
    KROPresetMap& Presets() { return presets; }

private:
    uint32_t code = KROFourCharCode("kro1");
    std::atomic<int32_t> blockSize{256};
    std::atomic<double> sampleRate;
    std::atomic<bool> bypass{false};
    std::atomic<double> tempo{120.0};
    std::atomic<bool> parametersDirty{false};
    std::atomic<bool> rateOrSizeDirty{false};
    std::string name = "Mevarik Audio Plug-In";
    std::string kind = "DSP";
    double storedValue = 0.0;
    const float* lastInputPeaks = nullptr;
    const float* lastOutputPeaks = nullptr;
    KROParameterMap parameters;
    KROPresetMap presets;
    CKROAudioPreset* currentPreset = nullptr;
    int32_t inputChannelCount = 2;
    int32_t outputChannelCount = 2;
};
