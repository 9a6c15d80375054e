#pragma once

#include "aaxsdk/AAX_Results.h"

// Runs the body of an operation the host calls: nothing it throws reaches the host, which gets
// AAX_ERROR_UNKNOWN_EXCEPTION instead.
template <typename Operation>
AAX_Result AAX_Guarded(Operation operation) noexcept
{
    try
    {
        return operation();
    }
    catch (...)
    {
        return AAX_ERROR_UNKNOWN_EXCEPTION;
    }
}
