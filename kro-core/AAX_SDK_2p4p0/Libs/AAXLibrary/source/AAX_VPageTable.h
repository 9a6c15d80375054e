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

    // Both: AAX_ERROR_UNIMPLEMENTED without their version.
    AAX_Result GetPageCount(int32_t* pages) const override;
    AAX_Result ClearPage(int32_t page) override;

    // Whether the host object offers a page table at all.
    bool IsSupported() const { return v1 || v2; }

private:
    AAX_HostPtr<AAX_IACFPageTable_V1> v1;
    AAX_HostPtr<AAX_IACFPageTable_V2> v2;
};
