#include "AAX_HostPtr.h"

#include "AAX_Exception.h"
#include "aaxsdk/AAX_HostIDs.h"

void AAX_ThrowNullObject()
{
    throw AAX::Exception::ResultError(ACF_E_NULLOBJECT);
}

AAX_HostPtr<IACFComponentFactory> AAX_QueryComponentFactory(IACFUnknown* host)
{
    if (host == nullptr)
        return AAX_HostPtr<IACFComponentFactory>();
    void* out = nullptr;
    if (host->QueryInterface(IID_IACFComponentFactory, &out) != ACF_OK)
        return AAX_HostPtr<IACFComponentFactory>();
    if (out == nullptr)
        AAX_ThrowNullObject();
    return AAX_HostPtr<IACFComponentFactory>(static_cast<IACFComponentFactory*>(out));
}
