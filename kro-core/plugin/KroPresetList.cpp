#include "KroPresetList.h"

#include <cstring>

#include "KroEditorMessages.h"

namespace KroPresetList {

namespace {

// The name inside one entry's text: what follows the info part, or all of it without one. An info
// part that never closes leaves an empty name, so that later entries keep their positions.
std::string EntryName(const std::string& entry)
{
    const size_t infoBegin = entry.find(kInfoBegin);
    if (infoBegin == std::string::npos)
        return entry;
    const size_t infoEnd = entry.find(kInfoEnd, infoBegin + std::strlen(kInfoBegin));
    return infoEnd == std::string::npos ? std::string() : entry.substr(infoEnd + std::strlen(kInfoEnd));
}

} // namespace

std::string BuildPresetListMessage(const char* messageName, const std::vector<std::string>& names,
                                   const std::vector<std::string>& infos)
{
    std::string message = messageName;
    for (size_t k = 0; k < names.size(); ++k)
    {
        message += kEntryMarker;
        message += kInfoBegin;
        if (k < infos.size())
            message += infos[k];
        message += kInfoEnd;
        message += names[k];
    }
    return message;
}

bool ParsePresetListMessage(const std::string& text, const char* messageName, std::vector<std::string>& names)
{
    std::string list;
    if (!KroEditorMessages::FindMessageValue(text, messageName, list))
        return false;
    names.clear();
    // Each entry runs to the next entry marker; the info markers never contain it, so an entry is
    // cut off at its own end even when only some entries carry an info part.
    const size_t markerLength = std::strlen(kEntryMarker);
    size_t entryStart = list.find(kEntryMarker);
    while (entryStart != std::string::npos)
    {
        entryStart += markerLength;
        const size_t next = list.find(kEntryMarker, entryStart);
        names.push_back(
            EntryName(list.substr(entryStart, next == std::string::npos ? std::string::npos : next - entryStart)));
        entryStart = next;
    }
    return true;
}

std::map<std::string, int32_t> NumberUserPresets(const std::vector<std::string>& userNames, int32_t factoryCount)
{
    std::map<std::string, int32_t> numbers;
    for (size_t k = 0; k < userNames.size(); ++k)
        numbers.emplace(userNames[k], factoryCount + static_cast<int32_t>(k));
    return numbers;
}

} // namespace KroPresetList
