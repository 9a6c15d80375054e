#include "AAX_CChunkDataParser.h"

#include "AAX_HostServicesHolder.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace {

const char kMarker[4] = {1, 1, 1, 1};
constexpr int64_t kMaxHeaderBytes = 255;

int64_t Align4(int64_t position)
{
    return (position + 3) & ~int64_t(3);
}

const char* TagOf(int32_t type)
{
    switch (type)
    {
    case 1:
        return "f_";
    case 2:
        return "l_";
    case 3:
        return "d_";
    case 4:
        return "s_";
    default:
        return "r_";
    }
}

void WriteBigEndian(char* out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<char>(value >> (8 * (bytes - 1 - i)));
}

uint64_t ReadBigEndian(const char* in, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<uint8_t>(in[i]);
    return value;
}

// Length of the zero-terminated text at in within limit bytes; -1 when there is no zero byte.
int64_t BoundedLength(const char* in, int64_t limit)
{
    const void* zero = std::memchr(in, 0, static_cast<size_t>(limit));
    return zero != nullptr ? static_cast<const char*>(zero) - in : -1;
}

} // namespace

void AAX_CChunkDataParser::Clear()
{
    entries.clear();
    lastFoundIndex = -1;
    chunkVersion = -1;
}

void AAX_CChunkDataParser::AddDouble(const char* name, double value)
{
    DataValue entry;
    entry.type = kDouble;
    entry.name = name;
    std::memcpy(&entry.value, &value, sizeof(value));
    entries.push_back(std::move(entry));
}

void AAX_CChunkDataParser::AddInt32(const char* name, int32_t value)
{
    DataValue entry;
    entry.type = kInt32;
    entry.name = name;
    entry.value = static_cast<uint32_t>(value);
    entries.push_back(std::move(entry));
}

void AAX_CChunkDataParser::AddString(const char* name, AAX_CString value)
{
    DataValue entry;
    entry.type = kText;
    entry.name = name;
    entry.text = std::move(value);
    entries.push_back(std::move(entry));
}

int32_t AAX_CChunkDataParser::FindName(const char* name)
{
    if (name == nullptr)
        return -1;
    const int32_t count = static_cast<int32_t>(entries.size());
    int32_t start = lastFoundIndex;
    if (start >= count - 1)
        start = -1;
    lastFoundIndex = start;
    for (int32_t i = start + 1; i < count; ++i)
        if (std::strcmp(entries[i].name.Get(), name) == 0)
            return lastFoundIndex = i;
    if (start < 0)
        return -1;
    for (int32_t i = 0; i <= start; ++i)
        if (std::strcmp(entries[i].name.Get(), name) == 0)
            return lastFoundIndex = i;
    return -1;
}

bool AAX_CChunkDataParser::FindDouble(const char* name, double* value)
{
    const int32_t index = FindName(name);
    if (index < 0 || entries[index].type != kDouble)
        return false;
    if (value != nullptr)
        std::memcpy(value, &entries[index].value, sizeof(double));
    return true;
}

bool AAX_CChunkDataParser::FindInt32(const char* name, int32_t* value)
{
    const int32_t index = FindName(name);
    if (index < 0 || entries[index].type != kInt32)
        return false;
    if (value != nullptr)
        *value = static_cast<int32_t>(static_cast<uint32_t>(entries[index].value));
    return true;
}

bool AAX_CChunkDataParser::FindString(const char* name, AAX_IString* value)
{
    const int32_t index = FindName(name);
    if (index < 0 || entries[index].type != kText)
        return false;
    if (value != nullptr)
        value->Set(entries[index].text.Get());
    return true;
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    int64_t size = sizeof(kMarker);
    for (const DataValue& entry : entries)
    {
        size += Align4(entry.name.Length() + 3);
        size += entry.type == kDouble ? 8 : entry.type == kText ? Align4(int64_t(entry.text.Length()) + 1) : 4;
    }
    return size <= INT32_MAX ? static_cast<int32_t>(size) : -1;
}

int32_t AAX_CChunkDataParser::GetChunkData(AAX_SPlugInChunk* chunk) const
{
    const int32_t size = GetChunkDataSize();
    if (chunk == nullptr || size <= 3)
        return kChunkDataOverflow;
    try
    {
        WriteEntries(*chunk, size);
    }
    catch (const std::exception& error)
    {
        AAXTrace(kTracePriorityError, "AAX_CChunkDataParser::GetChunkData ERROR: %s", error.what());
        return kChunkDataOverflow;
    }
    catch (...)
    {
        AAXTrace(kTracePriorityError, "AAX_CChunkDataParser::GetChunkData ERROR: %s", "Unknown exception");
        return kChunkDataOverflow;
    }
    chunk->size = size;
    return 0;
}

void AAX_CChunkDataParser::WriteEntries(AAX_SPlugInChunk& chunk, int32_t size) const
{
    char* data = chunk.data;
    std::memset(data, 0, static_cast<size_t>(size));
    std::memcpy(data, kMarker, sizeof(kMarker));
    int64_t position = sizeof(kMarker);
    for (const DataValue& entry : entries)
    {
        const int64_t nameLength = entry.name.Length();
        const int64_t valueBytes = entry.type == kDouble  ? 8
                                   : entry.type == kInt16 ? 2
                                   : entry.type == kText  ? int64_t(entry.text.Length()) + 1
                                                          : 4;
        if (position + 2 + nameLength + 1 + valueBytes > size)
            throw std::runtime_error("aborting: chunk data will overflow buffer");
        std::memcpy(data + position, TagOf(entry.type), 2);
        std::memcpy(data + position + 2, entry.name.Get(), static_cast<size_t>(nameLength) + 1);
        position = Align4(position + 2 + nameLength + 1);
        switch (entry.type)
        {
        case kDouble:
            WriteBigEndian(data + position, entry.value, 8);
            position += 8;
            break;
        case kInt16:
            WriteBigEndian(data + position, entry.value, 2);
            position += 4;
            break;
        case kText:
            std::memcpy(data + position, entry.text.Get(), static_cast<size_t>(valueBytes));
            position = Align4(position + valueBytes);
            break;
        default:
            WriteBigEndian(data + position, entry.value, 4);
            position += 4;
            break;
        }
    }
}

void AAX_CChunkDataParser::LoadChunk(const AAX_SPlugInChunk* chunk)
{
    Clear();
    if (chunk == nullptr)
        return;
    chunkVersion = chunk->version;
    const int64_t size = chunk->size;
    if (size <= 4 || std::memcmp(chunk->data, kMarker, sizeof(kMarker)) != 0)
        return;
    int64_t offset = sizeof(kMarker);
    while (offset >= 0 && offset < size)
        offset = ReadEntry(chunk->data, size, offset);
}

int64_t AAX_CChunkDataParser::ReadEntry(const char* data, int64_t size, int64_t offset)
{
    const int64_t headerLength = BoundedLength(data + offset, std::min(kMaxHeaderBytes, size - offset));
    if (headerLength < 0)
        return -1;
    const char* header = data + offset;
    const int64_t valuePosition = Align4(offset + headerLength + 1);
    // A header too short to hold a tag is the zero padding after a text value: no entry.
    if (headerLength < 2)
        return valuePosition;

    DataValue entry;
    entry.name.Set(header + 2);
    int64_t next = valuePosition;
    // Whether a value of that many bytes ends inside the data.
    auto fits = [&](int64_t bytes) { return valuePosition + bytes <= size; };
    switch (header[0])
    {
    case 'd':
        if (!fits(8))
            return -1;
        entry.type = kDouble;
        entry.value = ReadBigEndian(data + valuePosition, 8);
        next = valuePosition + 8;
        break;
    case 'f':
    case 'l':
        if (!fits(4))
            return -1;
        entry.type = header[0] == 'f' ? kFloat : kInt32;
        entry.value = ReadBigEndian(data + valuePosition, 4);
        next = valuePosition + 4;
        break;
    case 's':
        if (!fits(2))
            return -1;
        entry.type = kInt16;
        entry.value = ReadBigEndian(data + valuePosition, 2);
        next = valuePosition + 4;
        break;
    case 'r':
    {
        if (!fits(1))
            return -1;
        const int64_t textLength = BoundedLength(data + valuePosition, size - valuePosition);
        if (textLength < 0)
            return -1;
        entry.type = kText;
        entry.text.Set(data + valuePosition);
        next = valuePosition + textLength + 1;
        break;
    }
    default:
        break;
    }
    entries.push_back(std::move(entry));
    return next;
}
