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

AAX_Result AAX_VPageTable::HostOperation2(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 2, arguments);
}

AAX_Result AAX_VPageTable::HostOperation3(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 3, arguments);
}

AAX_Result AAX_VPageTable::HostOperation4(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 4, arguments);
}

AAX_Result AAX_VPageTable::HostOperation5(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 5, arguments);
}

AAX_Result AAX_VPageTable::HostOperation6(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 6, arguments);
}

AAX_Result AAX_VPageTable::HostOperation7(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 7, arguments);
}

AAX_Result AAX_VPageTable::HostOperation8(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 8, arguments);
}

AAX_Result AAX_VPageTable::HostOperation9(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V1::HostOperation, 9, arguments);
}

AAX_Result AAX_VPageTable::HostOperation11(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 11, arguments);
}

AAX_Result AAX_VPageTable::HostOperation12(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 12, arguments);
}

AAX_Result AAX_VPageTable::HostOperation13(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 13, arguments);
}

AAX_Result AAX_VPageTable::HostOperation14(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 14, arguments);
}

AAX_Result AAX_VPageTable::HostOperation15(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 15, arguments);
}

AAX_Result AAX_VPageTable::HostOperation16(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 16, arguments);
}

AAX_Result AAX_VPageTable::HostOperation17(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFPageTable_V2::HostOperation, 17, arguments);
}
