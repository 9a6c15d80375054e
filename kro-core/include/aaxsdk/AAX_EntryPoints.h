#pragma once

// The seven functions an AAX plug-in module exports, as the host finds them by name.

#include "aaxsdk/AAX_ACF.h"

using ACFRegisterPluginProc = ACFRESULT (*)(IACFUnknown* host, IACFPluginDefinition** definition);
using ACFRegisterComponentProc = ACFRESULT (*)(IACFUnknown* host, const acfUID& componentId,
                                               IACFComponentDefinition** definition);
using ACFGetClassFactoryProc = ACFRESULT (*)(IACFUnknown* host, const acfUID& classId, const acfUID& iid,
                                             void** factory);
using ACFCanUnloadNowProc = ACFRESULT (*)(IACFUnknown* host);
using ACFStartupProc = ACFRESULT (*)(IACFUnknown* host);
using ACFShutdownProc = ACFRESULT (*)(IACFUnknown* host);
using ACFGetSDKVersionProc = ACFRESULT (*)(uint64_t* version);

// Their names, in the order above.
constexpr const char* kACFEntryPointNames[] = {
    "ACFRegisterPlugin", "ACFRegisterComponent", "ACFGetClassFactory", "ACFCanUnloadNow",
    "ACFStartup",        "ACFShutdown",          "ACFGetSDKVersion",
};
