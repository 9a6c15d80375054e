#include "SimObject.h"

#include "SimHost.h"

SimObject::SimObject(SimHost& host, std::string name) : host(host), name(std::move(name)) {}

AAX_Result SimObject::Record(const std::string& operation, const std::string& arguments)
{
    const std::string call = name + "." + operation;
    host.Log(arguments.empty() ? call : call + "(" + arguments + ")");
    return host.ResultFor(call);
}

uint32_t SimObject::AddReference()
{
    return static_cast<uint32_t>(references.fetch_add(1) + 1);
}

uint32_t SimObject::ReleaseReference()
{
    const int after = references.fetch_sub(1) - 1;
    if (after < 0)
    {
        references.fetch_add(1);
        host.Log(name + " released once too often");
        return 0;
    }
    return static_cast<uint32_t>(after);
}

ACFRESULT SimObject::Answer(const acfUID& iid, void** out, void* interface)
{
    if (out == nullptr)
        return ACF_E_NOINTERFACE;
    *out = nullptr;
    const SimOffer offer = host.OfferOf(iid);
    ACFRESULT withheld = ACF_OK;
    if (SimWithheld(offer, &withheld))
    {
        if (SimHandsOutAnyway(offer) && interface != nullptr)
        {
            AddReference();
            *out = interface;
        }
        return withheld;
    }
    if (interface == nullptr)
        return ACF_E_NOINTERFACE;
    AddReference();
    *out = interface;
    return ACF_OK;
}
