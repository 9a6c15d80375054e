#pragma once

#include <cstdint>

// How the host treats a parameter's values: stepped or continuous.
enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1,
};

// How the host draws a parameter's control; the plug-in only stores the value.
using AAX_EParameterOrientation = int32_t;
constexpr AAX_EParameterOrientation AAX_eParameterOrientation_Default = 0;

// Who changed a value the host reports back.
enum AAX_EUpdateSource : int32_t
{
    AAX_eUpdateSource_Unspecified = 0,
};
