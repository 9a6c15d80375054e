#pragma once

// A state chunk as the host stores it: a 56-byte header, then the data.

#include "aaxsdk/AAX_IACFDescription.h"

#include <cstddef>

struct AAX_SPlugInChunk
{
    int32_t size; // bytes of data
    int32_t version;
    AAX_CTypeID manufacturerId;
    AAX_CTypeID productId;
    AAX_CTypeID pluginId;
    AAX_CTypeID chunkId;
    uint8_t name[32]; // at most 31 characters, zero-filled
    // The first of size bytes; the host allocates the header and the data in one block.
    char data[1];
};

constexpr size_t kAAXChunkHeaderSize = 56;

static_assert(offsetof(AAX_SPlugInChunk, size) == 0 && offsetof(AAX_SPlugInChunk, version) == 4 &&
                  offsetof(AAX_SPlugInChunk, chunkId) == 20 && offsetof(AAX_SPlugInChunk, name) == 24,
              "the host's chunk header layout");
static_assert(offsetof(AAX_SPlugInChunk, data) == kAAXChunkHeaderSize, "chunk data follows the 56-byte header");
