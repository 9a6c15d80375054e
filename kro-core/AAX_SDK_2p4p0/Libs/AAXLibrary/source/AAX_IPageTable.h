#pragma once

// A copy of one of the host's page tables, as the library reads it.

#include "aaxsdk/AAX_ACF.h"

class AAX_IPageTable
{
public:
    virtual ~AAX_IPageTable() = default;

    // Main thread, like every operation here.
    virtual AAX_Result GetPageCount(int32_t* pages) const = 0;
    virtual AAX_Result ClearPage(int32_t page) = 0;
};
