#pragma once

// Names and texts of AAX result codes, for traces and exception messages.

#include "aaxsdk/AAX_Results.h"

#include <string>

// "AAX_SUCCESS", a library error's name, "plug-in defined error" or "<unknown error code>".
const char* AAX_ResultName(AAX_Result result);

// The name, a blank and the code in parentheses: "AAX_ERROR_NULL_OBJECT (-20004)".
std::string AAX_ResultText(AAX_Result result);
