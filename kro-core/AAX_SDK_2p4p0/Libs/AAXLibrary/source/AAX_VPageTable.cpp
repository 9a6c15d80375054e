#include "AAX_VPageTable.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

AAX_VPageTable::AAX_VPageTable(IACFUnknown* table)
    : v1(AAX_QueryHost<AAX_IACFPageTable_V1>(table, IID_AAX_IACFPageTable_V1)),
      v2(AAX_QueryHost<AAX_IACFPageTable_V2>(table, IID_AAX_IACFPageTable_V2))
{}

AAX_Result AAX_VPageTable::GetPageCount(int32_t* pages) const
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::GetPageCount, pages);
}

AAX_Result AAX_VPageTable::ClearPage(int32_t page)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::ClearPage, page);
}
