#include "AAX_ResultText.h"

#include <cstdio>

const char* AAX_ResultName(AAX_Result result)
{
    switch (result)
    {
    case AAX_SUCCESS:
        return "AAX_SUCCESS";
#define AAX_RESULT_NAME_CASE(name, code)                                                                               \
    case code:                                                                                                         \
        return #name;
        AAX_RESULT_CODES(AAX_RESULT_NAME_CASE)
#undef AAX_RESULT_NAME_CASE
    default:
        break;
    }
    if (result >= AAX_PLUGIN_ERROR_FIRST && result <= AAX_PLUGIN_ERROR_LAST)
        return "plug-in defined error";
    return "<unknown error code>";
}

std::string AAX_ResultText(AAX_Result result)
{
    char code[16];
    std::snprintf(code, sizeof(code), "%ld", static_cast<long>(result));
    return std::string(AAX_ResultName(result)) + " (" + code + ")";
}
