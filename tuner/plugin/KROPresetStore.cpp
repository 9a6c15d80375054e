#include "KROPresetStore.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include <boost/filesystem/operations.hpp>
#include <boost/optional.hpp>
#include <boost/property_tree/ptree.hpp>

#include "platform/IPlatform.h"
#include "kro-core/plugin/KROStateTreeCheck.h"
#include "kro-core/plugin/PtreeXmlFile.h"
#include "TunerParameterIndex.h"
#include "kro-core/plugin/utf8util.h"

namespace fs = boost::filesystem;
namespace pt = boost::property_tree;

namespace {

constexpr char kMakerFolder[] = "Halvard Sonics";
constexpr char kProductFolder[] = "Vireno";
constexpr char kFileName[] = "Default.xml";

constexpr char kPresetType[] = "Vireno Default Preset";
constexpr char kPlugName[] = "Vireno";
// The plug-in version Default.xml carries, fixed with the file: not the product's version.
constexpr int kPlugVersion = 110;
constexpr char kPresetName[] = "Default";

constexpr char kTypeKey[] = "KroPreset.Type";
constexpr char kPlugNameKey[] = "KroPreset.PlugName";
constexpr char kPlugVersionKey[] = "KroPreset.PlugVersion";
constexpr char kPresetKey[] = "KroPreset.Preset";
constexpr char kPresetNameKey[] = "PresetName";
constexpr char kParametersKey[] = "Parameters";

// Only the names and the factory preset of the store's table are read; neither depends on the
// build's first parameter index.
constexpr int32_t kTableFirstIndex = TunerParameterIndex::kFirstIndexVST3;

std::string ParameterPath(const std::string& xmlName)
{
    return std::string(kParametersKey) + "." + xmlName;
}

// The file's element name for a parameter: its name with blanks made underscores.
std::string XmlNameOf(std::string parameterName)
{
    std::replace(parameterName.begin(), parameterName.end(), ' ', '_');
    return parameterName;
}

fs::path PresetFolderUnder(const std::string& appDataFolder)
{
    if (appDataFolder.empty())
        return fs::path();
    // The folder takes the same UTF-8 -> UTF-16 -> UTF-8 round trip as on Windows, where the
    // system names it in UTF-16. Linux names are bytes: one that is not UTF-8 is used as it stands.
    std::string base = appDataFolder;
    try
    {
        base = utf8util::Utf16ToUtf8(utf8util::Utf8ToUtf16(appDataFolder.c_str()));
    }
    catch (const utf8util::utf8_conversion_error&)
    {}
    return fs::path(base) / kMakerFolder / kProductFolder;
}

} // namespace

CKROPresetStore::CKROPresetStore() : parameterTable(std::make_unique<CKROVirenoParamTable>(kTableFirstIndex))
{
    for (const auto& entry : parameterTable->GetParameterMap())
        xmlNames.push_back(XmlNameOf(entry.second.GetName()));
    presetFolder = PresetFolderUnder(platform::CurrentPlatform().GetAppDataFolder());
    CreateFolderAndFile();
    LoadPresets();
}

fs::path CKROPresetStore::DefaultPresetPath() const
{
    return presetFolder / kFileName;
}

void CKROPresetStore::CreateFolderAndFile()
{
    // Without an application-data folder there is nowhere sensible to keep the file; a relative
    // path would land in whatever folder the host happens to run in.
    if (presetFolder.empty())
        return;
    try
    {
        if (!fs::is_directory(presetFolder))
            fs::create_directories(presetFolder);
        if (!fs::is_regular_file(DefaultPresetPath()))
            WriteTableDefaultPreset();
    }
    catch (const std::exception&)
    {
        WriteTableDefaultPreset();
    }
}

bool CKROPresetStore::WriteDefaultPreset(const std::vector<float>& values)
{
    if (values.size() != xmlNames.size() || presetFolder.empty())
        return false;
    try
    {
        pt::ptree tree;
        tree.put(kTypeKey, kPresetType);
        tree.put(kPlugNameKey, kPlugName);
        tree.put(kPlugVersionKey, kPlugVersion);

        pt::ptree preset;
        preset.put(kPresetNameKey, kPresetName);
        for (size_t k = 0; k < values.size(); ++k)
            preset.put(ParameterPath(xmlNames[k]), values[k]);
        tree.put_child(kPresetKey, preset);

        return WritePtreeXmlFile(tree, DefaultPresetPath());
    }
    catch (const std::exception&)
    {
        return false;
    }
}

void CKROPresetStore::WriteTableDefaultPreset()
{
    const KROPresetMap& tablePresets = parameterTable->GetPresetMap();
    const auto found = tablePresets.find(CKROVirenoParamTable::kDefaultPresetNumber);
    if (found != tablePresets.end())
        WriteDefaultPreset(found->second->GetValues());
}

bool CKROPresetStore::LoadPresets()
{
    return LoadPresetsOnce(false);
}

bool CKROPresetStore::LoadPresetsOnce(bool isRetry)
{
    presets.clear();
    bool loaded = false;
    try
    {
        loaded = ReadDefaultPresetFile();
    }
    catch (const std::exception&)
    {
        presets.clear();
    }
    // A missing, foreign or broken file is replaced by the table defaults, once.
    if (!loaded && !isRetry)
    {
        WriteTableDefaultPreset();
        LoadPresetsOnce(true);
    }
    return true;
}

bool CKROPresetStore::ReadDefaultPresetFile()
{
    if (presetFolder.empty())
        return false;
    // The file is looked up by its exact name: a folder listing could fail on an unrelated entry.
    const fs::path file = DefaultPresetPath();
    boost::system::error_code error;
    if (!fs::is_regular_file(file, error))
        return false;

    pt::ptree tree;
    if (!ReadPtreeXmlFile(tree, file))
        return false;
    if (tree.get<std::string>(kTypeKey, "") != kPresetType || tree.get<std::string>(kPlugNameKey, "") != kPlugName)
        return false;
    // "PlugVersion" is not compared: files of every version are read alike.
    const boost::optional<pt::ptree&> preset = tree.get_child_optional(kPresetKey);
    if (!preset)
        return false;

    // Values become the parameters' defaults, so each is held to its parameter's range.
    std::vector<float> values;
    auto record = parameterTable->GetParameterMap().begin();
    for (const std::string& xmlName : xmlNames)
    {
        const boost::optional<float> value = preset->get_optional<float>(ParameterPath(xmlName));
        if (!value || !std::isfinite(*value))
            break;
        const CKROParameter& parameter = (record++)->second;
        values.push_back(
            std::clamp(*value, static_cast<float>(parameter.GetMinimum()), static_cast<float>(parameter.GetMaximum())));
    }
    if (values.size() != xmlNames.size())
        return false;

    // A name longer than a state may carry would become the current preset's name, and every
    // state saved with it would be refused on loading.
    const std::string name = preset->get<std::string>(kPresetNameKey, "");
    if (name.empty() || name.size() > kMaxStatePresetNameBytes)
        return false;
    presets.emplace(CKROVirenoParamTable::kDefaultPresetNumber,
                    CKROAudioPreset(name, std::move(values), CKROAudioPreset::kFactoryFlag));
    return true;
}
