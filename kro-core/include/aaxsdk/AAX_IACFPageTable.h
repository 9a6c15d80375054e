#pragma once

// A host page table: the host's layout of the plug-in's parameters on control surfaces.

#include "aaxsdk/AAX_ACF.h"

class AAX_IACFPageTable_V1 : public IACFUnknown
{
public:
    // Main thread, like every operation here.
    virtual AAX_Result GetPageCount(int32_t* pages) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFPageTable_V1() = default;
};

class AAX_IACFPageTable_V2 : public IACFUnknown
{
public:
    virtual AAX_Result ClearPage(int32_t page) = 0;
    // The host's own operations, which nothing of the plug-in calls (see HostOperation in AAX_ACF.h).
    virtual AAX_Result HostOperation(int32_t slot, void* arguments) = 0;

protected:
    ~AAX_IACFPageTable_V2() = default;
};
