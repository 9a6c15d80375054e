#include "AAX_CheckedResult.h"

#include "AAX_Exception.h"
#include "AAX_HostServicesHolder.h"

AAX_CheckedResult::AAX_CheckedResult(AAX_Result result) : current(result)
{
    Check();
}

AAX_CheckedResult& AAX_CheckedResult::operator=(AAX_Result result)
{
    current = result;
    Check();
    return *this;
}

void AAX_CheckedResult::AddAcceptedResult(AAX_Result result)
{
    accepted.insert(result);
}

void AAX_CheckedResult::Check()
{
    if (accepted.count(current) != 0)
        return;
    const AAX::Exception::ResultError error(current);
    lastError = current;
    current = AAX_SUCCESS;
    AAXTrace(kTracePriorityInfo, "AAX_CheckedResult - throwing %s", error.What().c_str());
    throw error;
}
