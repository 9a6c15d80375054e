#pragma once

// The library operations behind the module's entry points. They may throw; the exports catch.

#include "aaxsdk/AAX_ACF.h"

#include <cstdint>

class AAX_ICollection;

// Defined by the plug-in: describes its effects into the collection.
AAX_Result GetEffectDescriptions(AAX_ICollection* collection);

// The library version the host is told.
constexpr uint64_t kAAXSDKVersion = 0x00000204013449E0ull;

// Main thread, like every operation here. Runs the plug-in's description and hands the host the
// plug-in's definition; failures come back as result codes, traced to the host.
AAX_Result AAXRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition);
// Single components are not registered: the definition is null.
AAX_Result AAXRegisterComponent(IACFUnknown* host, const acfUID& componentId, IACFComponentDefinition** definition);
// The plug-in's objects come from its description's factories: no class factory.
AAX_Result AAXGetClassFactory(IACFUnknown* host, const acfUID& classId, const acfUID& iid, void** factory);
// The count of live objects: 0 when the host may unload the module.
AAX_Result AAXCanUnloadNow(IACFUnknown* host);
AAX_Result AAXGetSDKVersion(uint64_t* version);
