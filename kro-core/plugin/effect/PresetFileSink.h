#pragma once

#include <cstdint>
#include <string>

class CKRODSPAlgInterface;
class CKROAudioPreset;

// Where an effect can keep its user presets as files. No build of this system installs one, so
// the effect's user-preset operations end without effect; the hook stays for effects that do.
class PresetFileSink
{
public:
    // runningIndex is the first global parameter index of the algorithm.
    virtual void RegisterAlgorithm(CKRODSPAlgInterface* algorithm, int32_t* runningIndex) = 0;
    virtual void DeletePresetFile(const std::string& name, CKRODSPAlgInterface* algorithm) = 0;
    virtual void SavePresetFile(CKROAudioPreset* preset, CKRODSPAlgInterface* algorithm, bool overwrite) = 0;

protected:
    ~PresetFileSink() = default;
};
