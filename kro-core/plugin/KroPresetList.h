#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The preset lists that answer the editor's preset requests: the message name, then one entry per
// preset with nothing between entries:
//   <CKROPRESET><CKROPRESETINFO>algorithm name</CKROPRESETINFO>preset name
// An empty list is the message name alone. Names and infos are not escaped.
namespace KroPresetList {

constexpr char kEntryMarker[] = "<CKROPRESET>";
constexpr char kInfoBegin[] = "<CKROPRESETINFO>";
constexpr char kInfoEnd[] = "</CKROPRESETINFO>";

// Entry k pairs names[k] with infos[k]; a missing info is empty.
std::string BuildPresetListMessage(const char* messageName, const std::vector<std::string>& names,
                                   const std::vector<std::string>& infos);

// The preset names of a list, in list order. False, and names untouched, when the text does not
// carry the message; an entry without an info part is still a name.
bool ParsePresetListMessage(const std::string& text, const char* messageName, std::vector<std::string>& names);

// The editor's user presets: name -> preset number, numbered after the factory presets in list
// order. Of two entries with one name the first keeps its number.
std::map<std::string, int32_t> NumberUserPresets(const std::vector<std::string>& userNames, int32_t factoryCount);

} // namespace KroPresetList
