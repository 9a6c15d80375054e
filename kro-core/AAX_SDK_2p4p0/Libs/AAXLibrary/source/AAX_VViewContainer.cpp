#include "AAX_VViewContainer.h"

#include "aaxsdk/AAX_HostIDs.h"
#include "aaxsdk/AAX_Results.h"

namespace {

template <class T>
T* QueryUnowned(IACFUnknown* container, const acfUID& iid)
{
    void* out = nullptr;
    if (container == nullptr || container->QueryInterface(iid, &out) != ACF_OK)
        return nullptr;
    return static_cast<T*>(out);
}

} // namespace

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* container)
    : v1(QueryUnowned<AAX_IACFViewContainer_V1>(container, IID_AAX_IACFViewContainer_V1)),
      v2(QueryUnowned<AAX_IACFViewContainer_V2>(container, IID_AAX_IACFViewContainer_V2))
{}

AAX_VViewContainer::~AAX_VViewContainer()
{
    v1 = nullptr;
    v2 = nullptr;
}

int32_t AAX_VViewContainer::GetType()
{
    return v1 != nullptr ? v1->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_VViewContainer::GetPtr()
{
    return v1 != nullptr ? v1->GetPtr() : nullptr;
}

AAX_Result AAX_VViewContainer::GetModifiers(uint32_t* modifiers)
{
    return v1 != nullptr ? v1->GetModifiers(modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::SetViewSize(AAX_Point& size)
{
    return v1 != nullptr ? v1->SetViewSize(size) : AAX_SUCCESS;
}

AAX_Result AAX_VViewContainer::HostOperation5(void* arguments)
{
    return v1 != nullptr ? v1->HostOperation(5, arguments) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HostOperation6(void* arguments)
{
    return v1 != nullptr ? v1->HostOperation(6, arguments) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HostOperation7(void* arguments)
{
    return v1 != nullptr ? v1->HostOperation(7, arguments) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::SetKeyFocus(bool wanted)
{
    return v2 != nullptr ? v2->SetKeyFocus(wanted) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HostOperation9(void* arguments)
{
    return v2 != nullptr ? v2->HostOperation(9, arguments) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HostOperation10(void* arguments)
{
    return v2 != nullptr ? v2->HostOperation(10, arguments) : AAX_ERROR_UNIMPLEMENTED;
}
