#include "CACFUnknown.h"

std::atomic<int32_t> CACFUnknown::activeObjects{0};

CACFUnknown::CACFUnknown() : controllingUnknown(&innerUnknown), innerUnknown(*this)
{
    activeObjects.fetch_add(1);
}

CACFUnknown::~CACFUnknown()
{
    activeObjects.fetch_sub(1);
}

ACFRESULT CACFUnknown::QueryOwnInterface(const acfUID& iid, void** out)
{
    if (out == nullptr)
        return ACF_E_NOINTERFACE;
    *out = nullptr;
    if (iid != IID_IACFUnknown)
        return ACF_E_NOINTERFACE;
    *out = static_cast<IACFUnknown*>(&innerUnknown);
    innerUnknown.AddRef();
    return ACF_OK;
}

uint32_t CACFUnknown::AddOwnReference()
{
    return referenceCount.fetch_add(1) + 1;
}

uint32_t CACFUnknown::ReleaseOwnReference()
{
    // Only the thread that takes the count from 1 to 0 sees 1 here, so deletion happens once. A
    // release without a reference leaves the count at 0 rather than wrapping it round.
    uint32_t before = referenceCount.load();
    do
    {
        if (before == 0)
            return 0;
    } while (!referenceCount.compare_exchange_weak(before, before - 1));
    if (before != 1)
        return before - 1;
    FinalRelease();
    DestroySelf();
    return 0;
}

int32_t CACFUnknown::GetActiveObjectCount()
{
    return activeObjects.load();
}
