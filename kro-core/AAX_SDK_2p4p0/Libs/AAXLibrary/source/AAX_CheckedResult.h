#pragma once

// A result holder for code that reports failure by exception: storing a code that is not
// accepted traces it and throws AAX::Exception::ResultError.

#include "aaxsdk/AAX_Results.h"

#include <set>

class AAX_CheckedResult
{
public:
    // Throws AAX::Exception::ResultError for a code that is not accepted (only success at first).
    AAX_CheckedResult(AAX_Result result = AAX_SUCCESS);
    AAX_CheckedResult& operator=(AAX_Result result);

    // Codes that count as success from now on.
    void AddAcceptedResult(AAX_Result result);

    operator AAX_Result() const { return current; }
    AAX_Result LastError() const { return lastError; }

private:
    void Check();

    AAX_Result current;
    AAX_Result lastError = AAX_SUCCESS;
    std::set<AAX_Result> accepted{AAX_SUCCESS};
};
