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

AAX_Result AAX_VController::HostOperation3(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 3, arguments);
}

AAX_Result AAX_VController::HostOperation4(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 4, arguments);
}

AAX_Result AAX_VController::HostOperation5(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 5, arguments);
}

AAX_Result AAX_VController::HostOperation6(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 6, arguments);
}

AAX_Result AAX_VController::HostOperation7(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 7, arguments);
}

AAX_Result AAX_VController::HostOperation8(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 8, arguments);
}

AAX_Result AAX_VController::HostOperation9(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 9, arguments);
}

AAX_Result AAX_VController::HostOperation13(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 13, arguments);
}

AAX_Result AAX_VController::HostOperation14(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 14, arguments);
}

AAX_Result AAX_VController::HostOperation15(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 15, arguments);
}

AAX_Result AAX_VController::HostOperation16(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 16, arguments);
}

AAX_Result AAX_VController::HostOperation17(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 17, arguments);
}

AAX_Result AAX_VController::HostOperation18(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 18, arguments);
}

AAX_Result AAX_VController::HostOperation19(void* arguments)
{
    return AAX_Forward(v1, AAX_ERROR_NULL_OBJECT, &AAX_IACFController_V1::HostOperation, 19, arguments);
}

AAX_Result AAX_VController::HostOperation20(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V2::HostOperation, 20, arguments);
}

AAX_Result AAX_VController::HostOperation22(void* arguments)
{
    return AAX_Forward(v2, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V2::HostOperation, 22, arguments);
}

AAX_Result AAX_VController::HostOperation24(void* arguments)
{
    return AAX_Forward(v3, AAX_ERROR_UNIMPLEMENTED, &AAX_IACFController_V3::HostOperation, 24, arguments);
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

template <class Source, class Fill>
std::unique_ptr<AAX_IPageTable> AAX_VController::CopyFrom(const AAX_HostPtr<Source>& source, Fill fill) const
{
    if (!source)
        return nullptr;
    const AAX_HostPtr<IACFUnknown> table = NewHostPageTable();
    if (!table)
        return nullptr;
    return WrapFilledTable(fill(*source.Get(), table.Get()), table);
}

std::unique_ptr<AAX_IPageTable> AAX_VController::CopyPageTable(uint32_t tableType, int32_t pageSize) const
{
    return CopyFrom(pageTableSource1, [&](AAX_IACFPageTableSource_V1& source, IACFUnknown* table) {
        return source.CopyPageTable(tableType, pageSize, table);
    });
}

std::unique_ptr<AAX_IPageTable> AAX_VController::CopyHostPageTable26(void* arguments) const
{
    return CopyFrom(pageTableSource1, [&](AAX_IACFPageTableSource_V1& source, IACFUnknown* table) {
        return source.CopyHostPageTable(26, arguments, table);
    });
}

std::unique_ptr<AAX_IPageTable> AAX_VController::CopyPageTableOfLayout(const char* layout, uint32_t tableType,
                                                                       int32_t pageSize) const
{
    return CopyFrom(pageTableSource2, [&](AAX_IACFPageTableSource_V2& source, IACFUnknown* table) {
        return source.CopyPageTableOfLayout(layout, tableType, pageSize, table);
    });
}

std::unique_ptr<AAX_IPageTable> AAX_VController::CopyHostPageTable28(void* arguments) const
{
    return CopyFrom(pageTableSource2, [&](AAX_IACFPageTableSource_V2& source, IACFUnknown* table) {
        return source.CopyHostPageTable(28, arguments, table);
    });
}
