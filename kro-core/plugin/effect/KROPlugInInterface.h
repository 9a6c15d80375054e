#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kro-core/dsp/KRODSPAlgInterface.h"
#include "PresetFileSink.h"

// Algorithm key -> algorithm, iterated in ascending key order everywhere.
using KROAlgorithmMap = std::map<int32_t, std::unique_ptr<CKRODSPAlgInterface>>;

// The format-independent effect as the adapters see it: one or more DSP algorithms behind one
// global parameter and preset numbering. The effect owns its algorithms.
class CKROPlugInInterface
{
public:
    CKROPlugInInterface() = default;
    CKROPlugInInterface(const CKROPlugInInterface&) = delete;
    CKROPlugInInterface& operator=(const CKROPlugInInterface&) = delete;
    virtual ~CKROPlugInInterface() = default;

    // User-interface thread. Stores the current values as a user preset, through the preset-file sink only.
    virtual void SaveUserPreset(const std::string& name, bool overwrite);
    // User-interface thread.
    virtual void DeleteUserPreset(const std::string& name);
    // Any thread; reads only.
    virtual float GetParameterNormalized(int32_t index) = 0;
    // User-interface thread.
    virtual void SelectPreset(int32_t number) = 0;
    // Audio thread (host automation) or user-interface thread (editor, controller).
    // changedIndices may be null; the effect reports the linked changes it made through it.
    virtual void SetParameterNormalized(int32_t index, float value, int32_t* changedIndices, int32_t& changedCount);
    // The thread of the SetParameterNormalized, state or preset call it serves.
    virtual void ApplyParameterValue(int32_t index, float value) = 0;
    // User-interface thread.
    virtual void PrepareSelectPreset(int32_t /*number*/) {}

protected:
    // Plain values of the algorithm's parameters in key order, as a preset stores them: a list
    // parameter's value is its label number.
    static std::vector<float> CurrentPresetValues(CKRODSPAlgInterface& algorithm);

    void InstallPresetFileSink(PresetFileSink* sink, bool enabled);
    bool HasPresetFileSink() const { return sinkEnabled && presetFileSink != nullptr; }

    CKRODSPAlgInterface* currentAlgorithm = nullptr;
    int32_t currentAlgorithmKey = 0;
    KROAlgorithmMap algorithms;
    PresetFileSink* presetFileSink = nullptr;
    bool sinkEnabled = false;
};
