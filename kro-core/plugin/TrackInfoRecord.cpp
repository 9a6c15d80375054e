#include "TrackInfoRecord.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// Cuts the text so that the zero always fits; the rest of the field stays zero.
void CopyText(char (&field)[TrackInfoRecord::kTextSize], const std::string& text)
{
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text.data(), std::min(text.size(), sizeof field - 1));
}

} // namespace

void InitTrackInfoRecord(TrackInfoRecord& record)
{
    std::memset(&record, 0, sizeof record);
}

void SetTrackName(TrackInfoRecord& record, const std::string& name)
{
    CopyText(record.name, name);
    record.validFlags |= TrackInfoRecord::kNameValid;
}

void SetTrackIndex(TrackInfoRecord& record, int32_t index)
{
    record.index = index;
    record.validFlags |= TrackInfoRecord::kIndexValid;
}

void SetTrackColour(TrackInfoRecord& record, uint32_t argb)
{
    record.colour[0] = static_cast<uint8_t>(argb >> 16);
    record.colour[1] = static_cast<uint8_t>(argb >> 8);
    record.colour[2] = static_cast<uint8_t>(argb);
    record.colour[3] = static_cast<uint8_t>(argb >> 24);
    record.validFlags |= TrackInfoRecord::kColourValid;
}

void SetTrackIndexNamespace(TrackInfoRecord& record, const std::string& indexNamespace)
{
    CopyText(record.indexNamespace, indexNamespace);
    record.validFlags |= TrackInfoRecord::kIndexNamespaceValid;
}

void SetTrackPlugInLocation(TrackInfoRecord& record, int32_t location)
{
    static const char* const kLocations[] = {"PreVolFader", "PostVolFader", "UsedAsPanner"};
    const bool known = location >= 0 && location < static_cast<int32_t>(std::size(kLocations));
    CopyText(record.plugInLocation, known ? kLocations[location] : "unknown!");
    record.validFlags |= TrackInfoRecord::kPlugInLocationValid;
}
