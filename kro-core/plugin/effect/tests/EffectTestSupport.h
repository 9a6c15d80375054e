#pragma once

// Small stand-ins for the effect base's tests: list-parameter algorithms, a parameter info over
// the same records, an effect that owns them, and an editor link that records what it is sent.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <boost/property_tree/ptree.hpp>

#include "platform/testing/FakePlatform.h"
#include "kro-core/plugin/IKROParamInfoInterface.h"
#include "kro-core/plugin/IKROPlugEditorMessage.h"
#include "kro-core/dsp/KRODSPAlgInterface.h"
#include "kro-core/plugin/effect/KROPlugInDSP.h"
#include "kro-core/plugin/KROStateTreeXml.h"

namespace effect_test {

constexpr int32_t kFactory = 1;
constexpr int32_t kUser = 0;

struct PresetSpec
{
    std::string name;
    std::vector<float> values;
    int32_t factoryFlag;
};

// Parameters "P<k>" under first ... first + count - 1, each a list of five labels, so that the
// normalised values are quarters; and the given presets.
class ListAlgorithm : public CKRODSPAlgInterface
{
public:
    ListAlgorithm(std::string name, int32_t first, int32_t count, const std::vector<PresetSpec>& presets = {})
        : CKRODSPAlgInterface(48000.0)
    {
        SetNames(std::move(name), "DSP");
        for (int32_t k = 0; k < count; ++k)
            Parameters().emplace(first + k, CKROParameter(this, "P" + std::to_string(k), {"a", "b", "c", "d", "e"}, 0,
                                                          4, 1, 0, kTaperList, 0, 0, 1));
        for (const PresetSpec& preset : presets)
            AddPreset(std::make_shared<CKROAudioPreset>(preset.name, preset.values, preset.factoryFlag));
    }

    // Takes the settings, as an algorithm's next block does.
    int32_t UpdateParameters(bool) override
    {
        TakeParametersDirty();
        return 0;
    }
    void SetTempo(double tempo) override
    {
        ++tempoChanges;
        CKRODSPAlgInterface::SetTempo(tempo);
    }
    void Reset() override { ++resets; }
    std::string GetInfoText() const override { return {}; }
    int32_t SetChannelCounts(int32_t inputs, int32_t outputs) override
    {
        toldInputs = inputs;
        return CKRODSPAlgInterface::SetChannelCounts(inputs, outputs);
    }
    // Adds every told input channel to output 0, so that the test sees what arrived.
    void Process(const float* const* inputs, float* const* outputs, float*, float*, int32_t frames) override
    {
        blocks.push_back(frames);
        for (int32_t i = 0; i < frames; ++i)
        {
            float sum = 0.0f;
            for (int32_t c = 0; c < toldInputs; ++c)
                sum += inputs[c][i];
            outputs[0][i] = sum;
        }
    }

    int32_t toldInputs = 2;
    int32_t resets = 0;
    int32_t tempoChanges = 0;
    std::vector<int32_t> blocks;
};

// The effect's own copy of the records, as a product keeps its parameter table apart from the
// algorithm's records.
class TestParamInfo final : public IKROParamInfoInterface
{
public:
    TestParamInfo(const std::vector<const CKRODSPAlgInterface*>& owners, int32_t first_) : first(first_)
    {
        int32_t index = first;
        for (const CKRODSPAlgInterface* algorithm : owners)
            for (const auto& entry : algorithm->GetParameters())
                records.emplace(index++, CopyParameter(entry.second));
    }

    CKROParameter* GetParameter(int32_t index) override
    {
        const auto found = records.find(index);
        return found == records.end() ? nullptr : &found->second;
    }
    void Reserved() override {}
    KROPresetMap GetPresets() const override { return {}; }
    int32_t GetParameterMapSize() const override { return static_cast<int32_t>(records.size()); }
    int32_t GetParameterCount() const override { return static_cast<int32_t>(records.size()); }
    int32_t GetFirstParameterIndex() const override { return first; }
    float Denormalize(int32_t index, float normalized) override
    {
        const CKROParameter* record = GetParameter(index);
        return record != nullptr ? static_cast<float>(record->Denormalize(normalized)) : normalized;
    }
    float Normalize(int32_t index, float plainValue) override
    {
        const CKROParameter* record = GetParameter(index);
        return record != nullptr ? static_cast<float>(record->Normalize(plainValue)) : plainValue;
    }
    bool HasCustomText(int32_t) const override { return false; }
    std::string GetCustomText(int32_t, float) const override { return {}; }
    bool ParseCustomText(int32_t, const std::string&, float&) const override { return false; }

private:
    KROParameterMap records;
    int32_t first;
};

// An effect named "Vireno" over the given algorithms (keys 0, 1, ...), numbered from first.
class TestEffect : public CKROPlugInDSP
{
public:
    explicit TestEffect(int32_t first, std::vector<std::unique_ptr<ListAlgorithm>> owned = {})
    {
        if (owned.empty())
            owned.push_back(std::make_unique<ListAlgorithm>(
                "Tuner", first, 5,
                std::vector<PresetSpec>{{"Default", {0, 1, 2, 3, 4}, kFactory}, {"Mine", {4, 3, 2, 1, 0}, kUser}}));
        SetName("Vireno");
        std::vector<const CKRODSPAlgInterface*> owners;
        int32_t key = 0;
        for (auto& algorithm : owned)
        {
            owners.push_back(algorithm.get());
            algorithms.emplace(key++, std::move(algorithm));
        }
        info = std::make_unique<TestParamInfo>(owners, first);
        SetParameterInfo(info.get());
        BuildParameterTables();
    }

    int32_t GetMaxLinkedParameterChanges() const override { return 10; }
    int32_t GetMaxProcessParameterChanges() const override { return 10; }

    ListAlgorithm& Algorithm(int32_t key) { return static_cast<ListAlgorithm&>(*algorithms.at(key)); }
    void UsePresetFileSink(PresetFileSink* sink) { InstallPresetFileSink(sink, true); }

    // A change as the host's automation makes it.
    void Automate(int32_t index, float value)
    {
        int32_t changed[10] = {};
        int32_t count = 7;
        SetParameterNormalized(index, value, changed, count);
    }

private:
    std::unique_ptr<TestParamInfo> info;
};

inline std::string CompactXml(const boost::property_tree::ptree& tree)
{
    std::string text;
    WriteStateTreeXml(tree, KROStateTreeLayout::kCompact, text);
    return text;
}

// Everything the effect sends to the editor, in order; trees as their compact XML text.
class RecordingEditorLink final : public IKROPlugEditorMessage
{
public:
    void SendString(std::string text) override { events.push_back("string " + text); }
    void SendParameterChange(uint32_t index, float value) override
    {
        events.push_back("parameter " + std::to_string(index) + " " + std::to_string(value));
    }
    void SendBinary(const float*, int32_t count) override { events.push_back("binary " + std::to_string(count)); }
    void SendStateTree(const boost::property_tree::ptree& tree, bool toPlugIn) override
    {
        events.push_back(std::string(toPlugIn ? "plug-in " : "editor ") + CompactXml(tree));
        lastTree = tree;
    }

    std::vector<std::string> Take() { return std::exchange(events, {}); }

    std::vector<std::string> events;
    boost::property_tree::ptree lastTree;
};

// A PluginState tree as the effect writes it, compact, for the effect's own numbering: values are
// the five parameters' normalised values in index order.
inline std::string StateText(int32_t first, const std::string& action, const std::string& preset, bool modified,
                             const std::vector<std::string>& values, const std::string& zoom = "1")
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<PluginState><PluginInfo><Version>0</Version>"
                       "<Name>Vireno</Name><Zoom>" +
                       zoom + "</Zoom><Action>" + action + "</Action><CurrentPreset>" + preset +
                       "</CurrentPreset><PresetModified>" + (modified ? "true" : "false") +
                       "</PresetModified></PluginInfo><Parameters>";
    for (size_t k = 0; k < values.size(); ++k)
    {
        const std::string index = std::to_string(first + static_cast<int32_t>(k));
        text += "<Par" + index + "><Name>P" + std::to_string(k) + "</Name><Value>" + values[k] + "</Value><Index>" +
                index + "</Index></Par" + index + ">";
    }
    return text + "</Parameters><DSPChunk/></PluginState>";
}

} // namespace effect_test
