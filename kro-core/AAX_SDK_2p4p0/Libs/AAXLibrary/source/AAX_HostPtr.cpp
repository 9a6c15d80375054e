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
    const ACFRESULT result = host->QueryInterface(IID_IACFComponentFactory, &out);
    AAX_HostPtr<IACFComponentFactory> factory(static_cast<IACFComponentFactory*>(out));
    if (result != ACF_OK)
        return AAX_HostPtr<IACFComponentFactory>();
    if (!factory)
        AAX_ThrowNullObject();
    return factory;
}
