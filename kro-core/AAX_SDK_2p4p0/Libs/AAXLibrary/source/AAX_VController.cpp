#include "AAX_VController.h"

#include "AAX_VPageTable.h"
#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

#include <utility>

AAX_VController::AAX_VController(IACFUnknown* host)
    : v1(AAX_QueryHost<AAX_IACFController_V1>(host, IID_AAX_IACFController_V1)),
      v2(AAX_QueryHost<AAX_IACFController_V2>(host, IID_AAX_IACFController_V2)),
      v3(AAX_QueryHost<AAX_IACFController_V3>(host, IID_AAX_IACFController_V3)),
      pageTableSource1(AAX_QueryHost<AAX_IACFPageTableSource_V1>(host, IID_AAX_IACFPageTableSource_V1)),
      pageTableSource2(AAX_QueryHost<AAX_IACFPageTableSource_V2>(host, IID_AAX_IACFPageTableSource_V2)),
      // The controller works without a factory: only page-table copies need one.
      factory(AAX_QueryHost<IACFComponentFactory>(host, IID_IACFComponentFactory))
{}

AAX_Result AAX_VController::GetSampleRate(float* rate) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::GetSampleRate, rate);
}

AAX_Result AAX_VController::GetInputStemFormat(int32_t* format) const
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::GetInputStemFormat, format);
}

AAX_Result AAX_VController::PostPacket(uint32_t fieldIndex, const void* payload, uint32_t size)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::PostPacket, fieldIndex, payload, size);
}

AAX_Result AAX_VController::PostNotification(uint32_t type, int32_t target)
{
    return PostNotification(type, target, nullptr, 0);
}

AAX_Result AAX_VController::PostNotification(uint32_t type, int32_t target, const void* data, uint32_t size)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V2::PostNotification, type, target, data, size);
}

AAX_Result AAX_VController::GetHostObject(const acfUID& iid, IACFUnknown** object) const
{
    if (!v2)
    {
        if (object != nullptr)
            *object = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    }
    return v2->GetHostObject(iid, object);
}

AAX_Result AAX_VController::GetMaxBlockSize(int32_t* frames) const
{
    return AAX_Forward(v3, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V3::GetMaxBlockSize, frames);
}

AAX_HostPtr<IACFUnknown> AAX_VController::NewHostPageTable() const
{
    if (!factory)
        return AAX_HostPtr<IACFUnknown>();
    void* out = nullptr;
    const ACFRESULT result = factory->CreateInstance(CLSID_AAX_PageTable, nullptr, IID_IACFUnknown, &out);
    // An object handed out with a failure is still a reference to give back.
    AAX_HostPtr<IACFUnknown> table(static_cast<IACFUnknown*>(out));
    return result == ACF_OK ? std::move(table) : AAX_HostPtr<IACFUnknown>();
}

std::unique_ptr<AAX_IPageTable> AAX_VController::WrapFilledTable(AAX_Result fillResult,
                                                                 const AAX_HostPtr<IACFUnknown>& table)
{
    if (fillResult != AAX_SUCCESS)
        return nullptr;
    std::unique_ptr<AAX_VPageTable> wrapped(new AAX_VPageTable(table.Get()));
    if (!wrapped->IsSupported())
        return nullptr;
    return wrapped;
}

std::unique_ptr<AAX_IPageTable> AAX_VController::CopyPageTable(uint32_t tableType, int32_t pageSize) const
{
    if (!pageTableSource1)
        return nullptr;
    const AAX_HostPtr<IACFUnknown> table = NewHostPageTable();
    if (!table)
        return nullptr;
    return WrapFilledTable(pageTableSource1->CopyPageTable(tableType, pageSize, table.Get()), table);
}

std::unique_ptr<AAX_IPageTable> AAX_VController::CopyPageTableOfLayout(const char* layout, uint32_t tableType,
                                                                       int32_t pageSize) const
{
    if (!pageTableSource2)
        return nullptr;
    const AAX_HostPtr<IACFUnknown> table = NewHostPageTable();
    if (!table)
        return nullptr;
    return WrapFilledTable(pageTableSource2->CopyPageTableOfLayout(layout, tableType, pageSize, table.Get()), table);
}
