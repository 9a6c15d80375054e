#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// One preset: a name and one plain value per parameter, in parameter-index order (list parameters
// hold their label number). The factory flag is kFactoryFlag (1) for a factory preset, kUserFlag (0)
// for a user preset.
class CKROAudioPreset
{
public:
    static constexpr int32_t kFactoryFlag = 1;
    static constexpr int32_t kUserFlag = 0;

    CKROAudioPreset(std::string name, std::vector<float> values, int32_t factoryFlag);
    CKROAudioPreset(const CKROAudioPreset&) = default;
    CKROAudioPreset& operator=(const CKROAudioPreset&) = default;
    // Derived preset kinds are deleted through a base pointer.
    virtual ~CKROAudioPreset() = default;

    std::string GetName() const { return name; }
    std::vector<float> GetValues() const { return values; }
    int32_t GetFactoryFlag() const { return factoryFlag; }

private:
    std::string name;
    std::vector<float> values;
    int32_t factoryFlag;
};

// Preset number -> record. Copies of the map share the records, which live while any map holds them.
using KROPresetMap = std::map<int32_t, std::shared_ptr<CKROAudioPreset>>;

// The number a newly added preset gets: one above the largest in the map, 0 for an empty map.
int32_t NextPresetNumber(const KROPresetMap& presets);
