#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <boost/filesystem/path.hpp>

#include "kro-core/plugin/KROAudioPreset.h"
#include "KROVirenoParamTable.h"

// Preset number -> record, held by value.
using KROStoredPresetMap = std::map<int32_t, CKROAudioPreset>;

// The product's one user-editable preset, the default preset, kept in "Default.xml" in the folder
// "Halvard Sonics"/"Vireno" under the user's application-data folder. Both plug-in formats share
// the file. Creating a store makes sure folder and file exist and reads the file into preset 0;
// the effect starts from that preset and rewrites the file when the user leaves the settings page.
//
// Nothing here throws: a folder or file that cannot be made, written or read leaves the store
// without preset 0, and the effect keeps the table's defaults.
class CKROPresetStore
{
public:
    // Reads the application-data folder from platform::CurrentPlatform().
    CKROPresetStore();

    // Writes "Default.xml" from the plain values of the five product parameters in index order.
    // True only when the whole file reached the disk; a list of another length writes nothing.
    // The store's own preset map is not changed: new values reach instances created afterwards.
    bool WriteDefaultPreset(const std::vector<float>& values);

    // WriteDefaultPreset with the parameter table's factory preset, [0, 0, 0, 5, 0].
    void WriteTableDefaultPreset();

    // Rebuilds the preset map from "Default.xml"; a missing or unusable file is replaced by the
    // table defaults and read once more. Always true.
    bool LoadPresets();

    // After loading: the default preset under number 0, or empty.
    const KROStoredPresetMap& GetPresets() const { return presets; }

    // Empty when the system names no application-data folder; the store then keeps no file.
    const boost::filesystem::path& GetPresetFolder() const { return presetFolder; }

private:
    bool LoadPresetsOnce(bool isRetry);
    bool ReadDefaultPresetFile();
    void CreateFolderAndFile();
    boost::filesystem::path DefaultPresetPath() const;

    boost::filesystem::path presetFolder;
    std::vector<std::string> xmlNames;
    std::unique_ptr<CKROVirenoParamTable> parameterTable;
    KROStoredPresetMap presets;
};
