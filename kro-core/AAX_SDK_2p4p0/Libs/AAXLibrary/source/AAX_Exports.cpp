// The module's seven entry points: each calls one library operation and turns anything that
// escapes it into ACF_E_UNEXPECTED. They are the only names a module built on this library shows.

#include "AAX_HostServicesHolder.h"
#include "AAX_Registration.h"
#include "aaxsdk/AAX_EntryPoints.h"

#include <type_traits>

#define AAX_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

template <class Operation>
ACFRESULT Guarded(Operation&& operation)
{
    try
    {
        return operation();
    }
    catch (...)
    {
        return ACF_E_UNEXPECTED;
    }
}

} // namespace

AAX_EXPORT ACFRESULT ACFRegisterPlugin(IACFUnknown* host, IACFPluginDefinition** definition)
{
    return Guarded([&] { return AAXRegisterPlugin(host, definition); });
}

AAX_EXPORT ACFRESULT ACFRegisterComponent(IACFUnknown* host, const acfUID& componentId,
                                          IACFComponentDefinition** definition)
{
    return Guarded([&] { return AAXRegisterComponent(host, componentId, definition); });
}

AAX_EXPORT ACFRESULT ACFGetClassFactory(IACFUnknown* host, const acfUID& classId, const acfUID& iid, void** factory)
{
    return Guarded([&] { return AAXGetClassFactory(host, classId, iid, factory); });
}

AAX_EXPORT ACFRESULT ACFCanUnloadNow(IACFUnknown* host)
{
    return Guarded([&] { return AAXCanUnloadNow(host); });
}

AAX_EXPORT ACFRESULT ACFStartup(IACFUnknown* host)
{
    return Guarded([&] { return AAXStartup(host); });
}

AAX_EXPORT ACFRESULT ACFShutdown(IACFUnknown* host)
{
    return Guarded([&] { return AAXShutdown(host); });
}

AAX_EXPORT ACFRESULT ACFGetSDKVersion(uint64_t* version)
{
    return Guarded([&] { return AAXGetSDKVersion(version); });
}

static_assert(std::is_same<decltype(&ACFRegisterPlugin), ACFRegisterPluginProc>::value &&
                  std::is_same<decltype(&ACFRegisterComponent), ACFRegisterComponentProc>::value &&
                  std::is_same<decltype(&ACFGetClassFactory), ACFGetClassFactoryProc>::value &&
                  std::is_same<decltype(&ACFCanUnloadNow), ACFCanUnloadNowProc>::value &&
                  std::is_same<decltype(&ACFStartup), ACFStartupProc>::value &&
                  std::is_same<decltype(&ACFShutdown), ACFShutdownProc>::value &&
                  std::is_same<decltype(&ACFGetSDKVersion), ACFGetSDKVersionProc>::value,
              "the exports have the signatures hosts call");
