#pragma once

// A host page table over whichever versions it offers.

#include "AAX_HostPtr.h"
#include "AAX_IPageTable.h"
#include "aaxsdk/AAX_IACFPageTable.h"

class AAX_VPageTable : public AAX_IPageTable
{
public:
    // Main thread. Asks the host object for each version.
    explicit AAX_VPageTable(IACFUnknown* table);

    // All: AAX_ERROR_UNIMPLEMENTED without their version.
    AAX_Result GetPageCount(int32_t* pages) const override;
    AAX_Result HostOperation2(void* arguments) override;
    AAX_Result HostOperation3(void* arguments) override;
    AAX_Result HostOperation4(void* arguments) override;
    AAX_Result HostOperation5(void* arguments) override;
    AAX_Result HostOperation6(void* arguments) override;
    AAX_Result HostOperation7(void* arguments) override;
    AAX_Result HostOperation8(void* arguments) override;
    AAX_Result HostOperation9(void* arguments) override;
    AAX_Result ClearPage(int32_t page) override;
    AAX_Result HostOperation11(void* arguments) override;
    AAX_Result HostOperation12(void* arguments) override;
    AAX_Result HostOperation13(void* arguments) override;
    AAX_Result HostOperation14(void* arguments) override;
    AAX_Result HostOperation15(void* arguments) override;
    AAX_Result HostOperation16(void* arguments) override;
    AAX_Result HostOperation17(void* arguments) override;

    // Whether the host object offers a page table at all.
    bool IsSupported() const { return v1 || v2; }

private:
    AAX_HostPtr<AAX_IACFPageTable_V1> v1;
    AAX_HostPtr<AAX_IACFPageTable_V2> v2;
};
