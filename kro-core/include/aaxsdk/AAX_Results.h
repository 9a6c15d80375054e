#pragma once

// AAX result codes: 0 is success, the library's errors run from -20001 to -20046, and
// -21000 to -20600 belong to plug-ins. The list is the single place of every code and its name.

#include "aaxsdk/AAX_ACF.h"

#define AAX_RESULT_CODES(X)                                                                                            \
    X(AAX_ERROR_INVALID_PARAMETER_ID, -20001)                                                                          \
    X(AAX_ERROR_INVALID_STRING_CONVERSION, -20002)                                                                     \
    X(AAX_ERROR_INVALID_METER_INDEX, -20003)                                                                           \
    X(AAX_ERROR_NULL_OBJECT, -20004)                                                                                   \
    X(AAX_ERROR_OLDER_VERSION, -20005)                                                                                 \
    X(AAX_ERROR_INVALID_CHUNK_INDEX, -20006)                                                                           \
    X(AAX_ERROR_INVALID_CHUNK_ID, -20007)                                                                              \
    X(AAX_ERROR_INCORRECT_CHUNK_SIZE, -20008)                                                                          \
    X(AAX_ERROR_UNIMPLEMENTED, -20009)                                                                                 \
    X(AAX_ERROR_INVALID_PARAMETER_INDEX, -20010)                                                                       \
    X(AAX_ERROR_NOT_INITIALIZED, -20011)                                                                               \
    X(AAX_ERROR_ACF_ERROR, -20012)                                                                                     \
    X(AAX_ERROR_INVALID_METER_TYPE, -20013)                                                                            \
    X(AAX_ERROR_CONTEXT_ALREADY_HAS_METERS, -20014)                                                                    \
    X(AAX_ERROR_NULL_COMPONENT, -20015)                                                                                \
    X(AAX_ERROR_PORT_ID_OUT_OF_RANGE, -20016)                                                                          \
    X(AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS, -20017)                                                     \
    X(AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS, -20018)                                                                   \
    X(AAX_ERROR_FIFO_FULL, -20019)                                                                                     \
    X(AAX_ERROR_INITIALIZING_PACKET_STREAM_THREAD, -20020)                                                             \
    X(AAX_ERROR_POST_PACKET_FAILED, -20021)                                                                            \
    X(AAX_RESULT_PACKET_STREAM_NOT_EMPTY, -20022)                                                                      \
    X(AAX_RESULT_ADD_FIELD_UNSUPPORTED_FIELD_TYPE, -20023)                                                             \
    X(AAX_ERROR_MIXER_THREAD_FALLING_BEHIND, -20024)                                                                   \
    X(AAX_ERROR_INVALID_FIELD_INDEX, -20025)                                                                           \
    X(AAX_ERROR_MALFORMED_CHUNK, -20026)                                                                               \
    X(AAX_ERROR_TOD_BEHIND, -20027)                                                                                    \
    X(AAX_RESULT_NEW_PACKET_POSTED, -20028)                                                                            \
    X(AAX_ERROR_PLUGIN_NOT_AUTHORIZED, -20029)                                                                         \
    X(AAX_ERROR_PLUGIN_NULL_PARAMETER, -20030)                                                                         \
    X(AAX_ERROR_NOTIFICATION_FAILED, -20031)                                                                           \
    X(AAX_ERROR_INVALID_VIEW_SIZE, -20032)                                                                             \
    X(AAX_ERROR_SIGNED_INT_OVERFLOW, -20033)                                                                           \
    X(AAX_ERROR_NO_COMPONENTS, -20034)                                                                                 \
    X(AAX_ERROR_DUPLICATE_EFFECT_ID, -20035)                                                                           \
    X(AAX_ERROR_DUPLICATE_TYPE_ID, -20036)                                                                             \
    X(AAX_ERROR_EMPTY_EFFECT_NAME, -20037)                                                                             \
    X(AAX_ERROR_UNKNOWN_PLUGIN, -20038)                                                                                \
    X(AAX_ERROR_PROPERTY_UNDEFINED, -20039)                                                                            \
    X(AAX_ERROR_INVALID_PATH, -20040)                                                                                  \
    X(AAX_ERROR_UNKNOWN_ID, -20041)                                                                                    \
    X(AAX_ERROR_UNKNOWN_EXCEPTION, -20042)                                                                             \
    X(AAX_ERROR_INVALID_ARGUMENT, -20043)                                                                              \
    X(AAX_ERROR_NULL_ARGUMENT, -20044)                                                                                 \
    X(AAX_ERROR_INVALID_INTERNAL_DATA, -20045)                                                                         \
    X(AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, -20046)

enum AAX_EError : int32_t
{
    AAX_SUCCESS = 0,
#define AAX_RESULT_ENUMERATOR(name, code) name = code,
    AAX_RESULT_CODES(AAX_RESULT_ENUMERATOR)
#undef AAX_RESULT_ENUMERATOR
};

// The range plug-ins define their own errors in.
constexpr AAX_Result AAX_PLUGIN_ERROR_FIRST = -21000;
constexpr AAX_Result AAX_PLUGIN_ERROR_LAST = -20600;
