#pragma once

// A stand-in for the product effect: named "Vireno", the product's parameter table numbered for
// VST3, and one algorithm that passes its input through and counts what it is given, so that
// tests see which blocks reached the effect.

#include "kro-core/dsp/KRODSPAlgInterface.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "tuner/plugin/KROVirenoParamInfo.h"
#include "tuner/plugin/KROVirenoParamTable.h"
#include "tuner/plugin/TunerParameterIndex.h"

#include <cstring>
#include <memory>
#include <vector>

namespace vireno_test {

class CountingAlgorithm final : public CKRODSPAlgInterface
{
public:
    explicit CountingAlgorithm(const CKROVirenoParamTable& table) : CKRODSPAlgInterface(48000.0)
    {
        for (const auto& entry : table.GetParameterMap())
            Parameters().emplace(entry.first, CloneParameterForAlgorithm(this, entry.second));
        for (const auto& entry : table.GetPresetMap())
            AddPreset(entry.second);
    }

    int32_t UpdateParameters(bool rateChanged) override
    {
        if (rateChanged)
            TakeRateOrSizeDirty();
        TakeParametersDirty();
        ++parameterUpdates;
        return 0;
    }
    void Reset() override {}
    std::string GetInfoText() const override { return {}; }
    void Process(const float* const* inputs, float* const* outputs, float*, float*, int32_t frames) override
    {
        if (AreParametersDirty())
            UpdateParameters(IsRateOrSizeDirty());
        ++blocks;
        framesSeen += frames;
        for (int32_t c = 0; c < GetOutputChannelCount(); ++c)
            if (outputs[c] != inputs[c])
                std::memcpy(outputs[c], inputs[c], sizeof(float) * static_cast<size_t>(frames));
    }

    int32_t blocks = 0;
    int64_t framesSeen = 0;
    int32_t parameterUpdates = 0;
};

class VirenoTestEffect final : public CKROPlugInDSP
{
public:
    VirenoTestEffect() : info(std::make_unique<CKROVirenoParamTable>(TunerParameterIndex::kFirstIndexVST3))
    {
        SetName("Vireno");
        const CKROVirenoParamTable table(TunerParameterIndex::kFirstIndexVST3);
        auto owned = std::make_unique<CountingAlgorithm>(table);
        counting = owned.get();
        algorithms.emplace(0, std::move(owned));
        SetParameterInfo(&info);
        BuildParameterTables();
    }

    int32_t GetMaxLinkedParameterChanges() const override { return kMaxChanges; }
    int32_t GetMaxProcessParameterChanges() const override { return kMaxChanges; }

    // Reports the indices of reportNext as changed by the next block.
    void Process(const float* const* inputs, float* const* outputs, int32_t frames, int32_t* changedIndices,
                 int32_t& changedCount) override
    {
        CKROPlugInDSP::Process(inputs, outputs, frames, changedIndices, changedCount);
        for (size_t i = 0; i < reportNext.size() && changedCount < kMaxChanges; ++i)
            changedIndices[changedCount++] = reportNext[i];
        reportNext.clear();
    }

    CountingAlgorithm& Algorithm() { return *counting; }

    std::vector<int32_t> reportNext;

private:
    static constexpr int32_t kMaxChanges = 10;

    CKROVirenoParamInfo info;
    CountingAlgorithm* counting = nullptr;
};

} // namespace vireno_test
