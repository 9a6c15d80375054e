#include "ResourceTable.h"

namespace VSTGUI {
namespace ResourceTable {

namespace {
const ResourceData* tableEntries = nullptr;
size_t tableCount = 0;
} // namespace

void install(const ResourceData* entries, size_t count)
{
    tableEntries = entries;
    tableCount = entries ? count : 0;
}

const ResourceData* find(int id)
{
    for (size_t i = 0; i < tableCount; ++i)
        if (tableEntries[i].id == id)
            return &tableEntries[i];
    return nullptr;
}

} // namespace ResourceTable
} // namespace VSTGUI
