#pragma once

// Every call a host makes into the plug-in runs its body through GuardEntry: whatever the body
// throws (an allocation that failed, a checked lookup of the SDK's) ends in the given failure
// result, never in the host. The guard itself neither allocates nor locks, so process uses it too.

#include <type_traits>

namespace Steinberg {
namespace Vst {

template <typename Body>
auto GuardEntry(std::invoke_result_t<Body&> failure, Body&& body) noexcept -> std::invoke_result_t<Body&>
{
    try
    {
        return body();
    }
    catch (...)
    {
        return failure;
    }
}

} // namespace Vst
} // namespace Steinberg
