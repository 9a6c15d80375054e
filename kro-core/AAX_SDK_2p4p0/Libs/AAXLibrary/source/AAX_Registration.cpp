#include "AAX_Registration.h"

#include "AAX_CheckedResult.h"
#include "AAX_Exception.h"
#include "AAX_HostServicesHolder.h"
#include "AAX_VCollection.h"
#include "CACFUnknown.h"

#include <exception>
#include <memory>

namespace {

AAX_Result RegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition)
{
    // A registration that fails leaves the host no definition, whatever it fails on.
    if (definition != nullptr)
        *definition = nullptr;
    // The collection owns every descriptor it handed out, also when the description throws.
    const std::unique_ptr<AAX_VCollection> collection(new AAX_VCollection(host));
    AAX_CheckedResult result = GetEffectDescriptions(collection.get());
    if (definition == nullptr)
        result = AAX_ERROR_NULL_ARGUMENT;
    IACFUnknown* collectionObject = collection->GetIUnknown();
    if (collectionObject == nullptr ||
        collectionObject->QueryInterface(IID_IACFPluginDefinition, reinterpret_cast<void**>(definition)) != ACF_OK ||
        *definition == nullptr)
        result = AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}

} // namespace

AAX_Result AAXRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition)
{
    static const char* const kCaught = "AAXRegisterPlugin exception caught: %s";
    try
    {
        return RegisterPlugin(host, definition);
    }
    catch (const AAX::Exception::ResultError& error)
    {
        AAXTrace(kTracePriorityError, kCaught, error.What().c_str());
        return error.Result();
    }
    catch (const AAX::Exception::Any& error)
    {
        AAXTrace(kTracePriorityError, kCaught, error.What().c_str());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    catch (const std::exception& error)
    {
        AAXTrace(kTracePriorityError, kCaught, error.what());
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
    catch (...)
    {
        AAXTrace(kTracePriorityError, kCaught, "unknown");
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}

AAX_Result AAXRegisterComponent(IACFUnknown*, const acfUID&, IACFComponentDefinition** definition)
{
    if (definition != nullptr)
        *definition = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAXGetClassFactory(IACFUnknown*, const acfUID&, const acfUID&, void** factory)
{
    if (factory != nullptr)
        *factory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAXCanUnloadNow(IACFUnknown*)
{
    return CACFUnknown::GetActiveObjectCount();
}

AAX_Result AAXGetSDKVersion(uint64_t* version)
{
    if (version == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;
    *version = kAAXSDKVersion;
    return AAX_SUCCESS;
}
