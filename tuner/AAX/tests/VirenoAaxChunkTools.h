#pragma once

// What the hostile chunk tests do with an instance of Vireno.aaxplugin, as a host would: save its
// 'stch' chunk, load and compare chunks made of texts, read its host parameters, and tell from the
// host's calls whether a load was taken.

#include "VirenoAaxTestHost.h"
#include "aaxsdk/AAX_Results.h"

#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vireno_aax_test {

// The product's parameters 1 ... 5, then the hidden ones (output mute, input channels, instance
// active), which the effect answers for although they are no host parameters.
inline const char* const kParameterIds[] = {"par1", "par2", "par3", "par4", "par5", "par7", "par8", "par9"};
constexpr int32_t kProductParameters = 5;
// A stored value this close to the live one counts as the same.
constexpr double kCompareTolerance = 5e-5;

// The data of the instance's 'stch' chunk as a host saves it; empty when saving failed.
inline std::string SavedText(SimInstance& instance)
{
    AAX_Result result = -1;
    const std::vector<uint8_t> chunk = instance.SaveChunk(kStateChunk, result);
    if (result != AAX_SUCCESS || chunk.size() < kAAXChunkHeaderSize)
        return {};
    return std::string(chunk.begin() + kAAXChunkHeaderSize, chunk.end());
}

inline std::vector<uint8_t> StateChunk(const std::string& text)
{
    return SimInstance::MakeChunk(kStateChunk, "KRO State Chunk", text);
}

inline AAX_Result LoadText(SimInstance& instance, const std::string& text)
{
    return instance.LoadChunk(kStateChunk, StateChunk(text));
}

// CompareActiveChunk's verdict on a chunk; its result must be 0.
inline bool ComparesEqual(SimInstance& instance, const std::vector<uint8_t>& chunk)
{
    bool equal = false;
    EXPECT_EQ(instance.Parameters().CompareActiveChunk(reinterpret_cast<const AAX_SPlugInChunk*>(chunk.data()), &equal),
              AAX_SUCCESS);
    return equal;
}

// The value of every id of kParameterIds as the host reads it.
inline std::vector<double> HostValues(SimInstance& instance)
{
    std::vector<double> values;
    for (const char* id : kParameterIds)
        values.push_back(instance.Value(id));
    return values;
}

// Whether the load just made was taken, from what the host was told since its calls were
// cleared: every host parameter is set anew after a load that applied, none after one that did
// not. -1 when the host was told of some parameters only.
inline int TakenLoad(SimHost& host)
{
    const size_t pushed = host.CallsOf("Automation.PostSetValueRequest").size();
    return pushed == 0 ? 0 : pushed == size_t(kProductParameters) ? 1 : -1;
}

// What a PluginState text that loads sets each product parameter to, read as the plug-in reads it
// (a number's longest prefix, clamped to 0 ... 1; a later entry of an index over an earlier one),
// over the values before. Only for texts the plug-in took.
inline std::vector<double> ValuesAfterLoading(const std::string& text, std::vector<double> before)
{
    boost::property_tree::ptree tree;
    std::istringstream stream(text);
    boost::property_tree::read_xml(stream, tree);
    for (const auto& child : tree.get_child("PluginState.Parameters"))
    {
        const int index = child.second.get<int>("Index");
        if (index < 1 || index > kProductParameters)
            continue;
        const std::string value = child.second.get<std::string>("Value");
        before[size_t(index - 1)] = double(std::clamp(std::strtof(value.c_str(), nullptr), 0.0f, 1.0f));
    }
    return before;
}

// A state text as the plug-in writes it, with the given entries under "Parameters".
struct Entry
{
    std::string value;
    std::string index;
};
inline std::string StateText(const std::vector<Entry>& entries, const std::string& presetModified = "false")
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<PluginState><PluginInfo><Version>0</Version>"
                       "<Name>Vireno</Name><Zoom>1</Zoom><Action>PluginState</Action>"
                       "<CurrentPreset>Default</CurrentPreset><PresetModified>" +
                       presetModified + "</PresetModified></PluginInfo><Parameters>";
    for (const Entry& entry : entries)
        text += "<Par" + entry.index + "><Name>P</Name><Value>" + entry.value + "</Value><Index>" + entry.index +
                "</Index></Par" + entry.index + ">";
    return text + "</Parameters><DSPChunk/></PluginState>   ";
}

// The five product parameters, each with its value.
inline std::vector<Entry> ProductEntries(const std::vector<std::string>& values)
{
    std::vector<Entry> entries;
    for (size_t k = 0; k < values.size(); ++k)
        entries.push_back({values[k], std::to_string(k + 1)});
    return entries;
}

} // namespace vireno_aax_test
