#include "SimHost.h"

#include "SimServices.h"

// The object the plug-in receives: it answers each service's interfaces through that service's
// own object, so each service counts its own references.
class SimHost::Context final : public SimObject, public IACFUnknown
{
public:
    Context(SimHost& host, std::vector<SimObject*> services) : SimObject(host, "Host"), services(std::move(services)) {}

    bool Implements(const acfUID& iid) const override { return iid == IID_IACFUnknown; }

    ACFRESULT QueryInterface(const acfUID& iid, void** out) override
    {
        for (SimObject* service : services)
            if (service->Implements(iid) && iid != IID_IACFUnknown)
                return service->QueryInterface(iid, out);
        // A GUI asks the host for the effect of its instance.
        if (iid == IID_AAX_IACFEffectParameters)
            return host.effectLink.QueryEffect(iid, out);
        return Answer(iid, out, iid == IID_IACFUnknown ? static_cast<IACFUnknown*>(this) : nullptr);
    }

    uint32_t AddRef() override { return AddReference(); }
    uint32_t Release() override { return ReleaseReference(); }

private:
    std::vector<SimObject*> services;
};

namespace {

template <class Key, class Value>
Value ValueOr(const std::map<Key, Value>& values, const Key& key, Value fallback)
{
    const auto found = values.find(key);
    return found != values.end() ? found->second : fallback;
}

} // namespace

bool SimWithheld(SimOffer offer, ACFRESULT* result)
{
    *result = offer == SimOffer::Absent || offer == SimOffer::RefusedWithObject ? ACF_E_NOINTERFACE : ACF_OK;
    return offer != SimOffer::Offered;
}

SimHost::SimHost()
{
    std::vector<SimObject*> services = {&Make<SimComponentFactory>(), &Make<SimController>(),
                                        &Make<SimAutomationDelegate>(), &Make<SimTransport>()};
    context = &Make<Context>(std::move(services));
    viewContainer = &Make<SimViewContainer>();
}

SimHost::~SimHost() = default;

IACFUnknown* SimHost::Unknown()
{
    return context;
}

IACFUnknown* SimHost::ViewContainer()
{
    return viewContainer->Unknown();
}

void SimHost::SetOffer(const acfUID& iid, SimOffer offer)
{
    std::lock_guard<std::mutex> lock(mutex);
    offers[iid] = offer;
}

SimOffer SimHost::OfferOf(const acfUID& iid) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return ValueOr(offers, iid, SimOffer::Offered);
}

void SimHost::SetClassOffer(const acfUID& classId, SimOffer offer)
{
    std::lock_guard<std::mutex> lock(mutex);
    classOffers[classId] = offer;
}

SimOffer SimHost::ClassOfferOf(const acfUID& classId) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return ValueOr(classOffers, classId, SimOffer::Offered);
}

void SimHost::SetResult(const std::string& call, AAX_Result result)
{
    std::lock_guard<std::mutex> lock(mutex);
    results[call] = result;
}

AAX_Result SimHost::ResultFor(const std::string& call) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return ValueOr(results, call, AAX_Result(0));
}

void SimHost::Log(const std::string& call)
{
    std::lock_guard<std::mutex> lock(mutex);
    calls.push_back(call);
}

std::vector<std::string> SimHost::Calls() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return calls;
}

std::vector<std::string> SimHost::CallsOf(const std::string& prefix) const
{
    std::vector<std::string> matching;
    for (const std::string& call : Calls())
        if (call.compare(0, prefix.size(), prefix) == 0)
            matching.push_back(call);
    return matching;
}

void SimHost::ClearCalls()
{
    std::lock_guard<std::mutex> lock(mutex);
    calls.clear();
}

std::vector<std::string> SimHost::UnbalancedObjects() const
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::string> unbalanced;
    for (const auto& object : objects)
        if (object->References() != 0)
            unbalanced.push_back(object->Name() + ": " + std::to_string(object->References()));
    return unbalanced;
}

std::vector<const SimObject*> SimHost::ObjectsNamed(const std::string& name) const
{
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<const SimObject*> named;
    for (const auto& object : objects)
        if (object->Name() == name)
            named.push_back(object.get());
    return named;
}
