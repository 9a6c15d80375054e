#include "ModuleEntry.h"

void* moduleHandle = nullptr;

namespace {
int entryCount = 0;
} // namespace

bool ModuleEntry(void* sharedLibraryHandle)
{
    if (++entryCount == 1)
        moduleHandle = sharedLibraryHandle;
    return true;
}

bool ModuleExit()
{
    if (entryCount <= 0)
        return false; // an exit without its entry
    if (--entryCount == 0)
        moduleHandle = nullptr;
    return true;
}
