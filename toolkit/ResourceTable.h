#pragma once

#include <cstddef>

namespace VSTGUI {

// One compiled-in resource: a PNG image under its resource number.
struct ResourceData
{
    int id;
    const unsigned char* data;
    size_t size;
};

// The resources that bitmaps created by number are looked up in. A library with compiled-in images
// installs its table before its first bitmap is created (the place a module handle has elsewhere).
namespace ResourceTable {
void install(const ResourceData* entries, size_t count);
const ResourceData* find(int id);
} // namespace ResourceTable

} // namespace VSTGUI
