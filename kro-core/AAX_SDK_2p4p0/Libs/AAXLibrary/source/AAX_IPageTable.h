#pragma once

// A copy of one of the host's page tables, as the library reads it.

#include "aaxsdk/AAX_ACF.h"

class AAX_IPageTable
{
public:
    virtual ~AAX_IPageTable() = default;

    // Main thread, like every operation here.
    virtual AAX_Result GetPageCount(int32_t* pages) const = 0;
    // The host's own operations, in their places among the others (see HostOperation in
    // AAX_ACF.h); the arguments are the host's.
    virtual AAX_Result HostOperation2(void* arguments) = 0;
    virtual AAX_Result HostOperation3(void* arguments) = 0;
    virtual AAX_Result HostOperation4(void* arguments) = 0;
    virtual AAX_Result HostOperation5(void* arguments) = 0;
    virtual AAX_Result HostOperation6(void* arguments) = 0;
    virtual AAX_Result HostOperation7(void* arguments) = 0;
    virtual AAX_Result HostOperation8(void* arguments) = 0;
    virtual AAX_Result HostOperation9(void* arguments) = 0;
    virtual AAX_Result ClearPage(int32_t page) = 0;
    virtual AAX_Result HostOperation11(void* arguments) = 0;
    virtual AAX_Result HostOperation12(void* arguments) = 0;
    virtual AAX_Result HostOperation13(void* arguments) = 0;
    virtual AAX_Result HostOperation14(void* arguments) = 0;
    virtual AAX_Result HostOperation15(void* arguments) = 0;
    virtual AAX_Result HostOperation16(void* arguments) = 0;
    virtual AAX_Result HostOperation17(void* arguments) = 0;
};
