#pragma once

// The Linux module entry points of a VST3 bundle. A host calls ModuleEntry once after dlopen,
// before GetPluginFactory, and ModuleExit once before dlclose; nested pairs are counted.

#include "pluginterfaces/base/fplatform.h"

extern "C" {
SMTG_EXPORT_SYMBOL bool ModuleEntry(void* sharedLibraryHandle);
SMTG_EXPORT_SYMBOL bool ModuleExit();
}

// The handle the host passed to the first ModuleEntry; null outside an entry/exit pair. The editor
// finds its resources through it.
extern void* moduleHandle;
