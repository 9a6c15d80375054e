#pragma once

// A list of named, typed values written into a state chunk's data and read back from it.
// Layout: the marker 01 01 01 01, then per entry a two-character tag ("f_" float, "l_" 32-bit
// integer, "d_" double, "s_" 16-bit integer, "r_" text), the name and a zero byte padded to a
// multiple of 4, and the value, big-endian and padded to a multiple of 4.

#include "AAX_CString.h"
#include "aaxsdk/AAX_PlugInChunk.h"

#include <cstdint>
#include <vector>

// The library's own chunk of every parameter's value ('elck'), and its name.
constexpr AAX_CTypeID kAAXControlsChunkID = 0x656C636B;
constexpr const char* kAAXControlsChunkName = "Complete Controls State";

class AAX_CChunkDataParser
{
public:
    // The result of a chunk that does not fit the data size.
    static constexpr int32_t kChunkDataOverflow = -333;

    AAX_CChunkDataParser() = default;

    // Main thread, like every operation here.
    void Clear();
    void AddDouble(const char* name, double value);
    void AddInt32(const char* name, int32_t value);
    void AddString(const char* name, AAX_CString value);

    // True and the value for an entry of that name and type; the search starts after the last hit.
    bool FindDouble(const char* name, double* value);
    bool FindInt32(const char* name, int32_t* value);
    bool FindString(const char* name, AAX_IString* value);

    // Bytes the data takes: 4 for an empty list; -1 when it would not fit a 32-bit size.
    int32_t GetChunkDataSize() const;
    // Writes the data and its size into a chunk with room for GetChunkDataSize() bytes; 0 or kChunkDataOverflow.
    int32_t GetChunkData(AAX_SPlugInChunk* chunk) const;
    // Replaces the list with the chunk's entries and takes its version. Reads nothing past the
    // chunk's size: a malformed entry ends the list.
    void LoadChunk(const AAX_SPlugInChunk* chunk);

    // -1 after Clear, else the version of the last chunk loaded.
    int32_t GetChunkVersion() const { return chunkVersion; }
    size_t NumberOfEntries() const { return entries.size(); }

private:
    enum ValueType : int32_t
    {
        kUnknown = 0,
        kFloat = 1,
        kInt32 = 2,
        kDouble = 3,
        kInt16 = 4,
        kText = 5,
    };

    struct DataValue
    {
        ValueType type = kUnknown;
        AAX_CString name;
        // The double's bits, or the float's bits, the integer or the 16-bit integer.
        uint64_t value = 0;
        AAX_CString text;
    };

    // Position of the next entry of that name after the last hit, wrapping round; -1 when none.
    int32_t FindName(const char* name);
    // One entry read at offset; the offset of the next entry, or -1 when the data ends inside it.
    int64_t ReadEntry(const char* data, int64_t size, int64_t offset);
    void WriteEntries(AAX_SPlugInChunk& chunk, int32_t size) const;

    int32_t lastFoundIndex = -1;
    int32_t chunkVersion = -1;
    std::vector<DataValue> entries;
};
