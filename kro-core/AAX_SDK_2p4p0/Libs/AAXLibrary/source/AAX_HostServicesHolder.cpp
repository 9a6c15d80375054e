#include "AAX_HostServicesHolder.h"

#include "AAX_VHostServices.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <memory>

namespace {

std::atomic<AAX_VHostServices*> hostServices{nullptr};

} // namespace

AAX_Result AAXStartup(IACFUnknown* host)
{
    if (host == nullptr || hostServices.load() != nullptr)
        return AAX_SUCCESS;
    std::unique_ptr<AAX_VHostServices> created(new AAX_VHostServices(host));
    AAX_VHostServices* expected = nullptr;
    if (hostServices.compare_exchange_strong(expected, created.get()))
        created.release();
    return AAX_SUCCESS;
}

AAX_Result AAXShutdown(IACFUnknown*)
{
    delete hostServices.exchange(nullptr);
    return AAX_SUCCESS;
}

AAX_Result AAXAssert(const char* file, int32_t line, const char* note, int32_t flags)
{
    const AAX_VHostServices* services = hostServices.load();
    if (services == nullptr)
        return AAX_SUCCESS;
    return services->HandleAssertFailure(file, line, note, flags);
}

AAX_Result AAXTrace(int32_t priority, const char* format, ...)
{
    const AAX_VHostServices* services = hostServices.load();
    if (services == nullptr)
        return AAX_SUCCESS;
    if (format == nullptr)
        return kTraceFormatError;
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(text, sizeof(text), format, arguments);
    va_end(arguments);
    if (written < 0)
        return kTraceFormatError;
    return services->Trace(priority, text);
}
