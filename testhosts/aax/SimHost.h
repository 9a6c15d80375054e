#pragma once

// A simulated AAX host for tests: the host object handed to the plug-in, which offers the host's
// services (component factory, controller, automation, transport, page-table sources) and creates
// the description objects and host services the plug-in asks its factory for. Every object counts
// its references and logs its calls in one host-wide log; switches leave out any interface version
// or hand out a null object for it, refuse or null any factory class, and set any call's result.

#include "SimEffectLink.h"
#include "SimObject.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

enum class SimOffer
{
    Offered,
    Absent,     // the interface is refused
    NullObject, // the host says yes and hands out nothing
    // The host says no and hands out a reference all the same, which the plug-in must give back.
    RefusedWithObject,
};

// Whether the host holds a request back under that switch; then *result is what it answers, and
// whether it still hands out the object is SimHandsOutAnyway's.
bool SimWithheld(SimOffer offer, ACFRESULT* result);
inline bool SimHandsOutAnyway(SimOffer offer)
{
    return offer == SimOffer::RefusedWithObject;
}

class SimController;
class SimAutomationDelegate;
class SimTransport;
class SimViewContainer;

// What the host reports when asked.
struct SimHostValues
{
    float sampleRate = 48000.0f;
    int32_t inputStemFormat = 0x00000001;
    double tempo = 120.0;
    bool playing = false;
    int32_t viewContainerType = 0;
    void* viewContainerWindow = nullptr;
};

class SimHost
{
public:
    SimHost();
    ~SimHost();

    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    // The host object the plug-in receives; its base interface is not reference counted.
    IACFUnknown* Unknown();
    // A view container of its own, as the host hands it to an editor.
    IACFUnknown* ViewContainer();

    SimHostValues values;
    // The instance the host drives: its automation answers and the packets it posted.
    SimEffectLink effectLink;

    void SetOffer(const acfUID& iid, SimOffer offer);
    SimOffer OfferOf(const acfUID& iid) const;
    // How the factory answers a request for a class: Absent refuses, NullObject says yes with nothing.
    void SetClassOffer(const acfUID& classId, SimOffer offer);
    SimOffer ClassOfferOf(const acfUID& classId) const;
    // The result "Object.Operation" gives from now on; 0 otherwise.
    void SetResult(const std::string& call, AAX_Result result);
    AAX_Result ResultFor(const std::string& call) const;

    void Log(const std::string& call);
    std::vector<std::string> Calls() const;
    // The calls that start with the prefix, such as "Controller.".
    std::vector<std::string> CallsOf(const std::string& prefix) const;
    void ClearCalls();

    // Objects whose count is not back at 0, as "Name: count"; empty when every one is.
    std::vector<std::string> UnbalancedObjects() const;
    // Objects of that name made so far.
    std::vector<const SimObject*> ObjectsNamed(const std::string& name) const;

    // A new host object, kept until the host goes.
    template <class T, class... Arguments>
    T& Make(Arguments&&... arguments)
    {
        T* object = new T(*this, std::forward<Arguments>(arguments)...);
        std::lock_guard<std::mutex> lock(mutex);
        objects.emplace_back(object);
        return *object;
    }

private:
    class Context;

    mutable std::mutex mutex;
    std::vector<std::unique_ptr<SimObject>> objects;
    std::map<acfUID, SimOffer> offers;
    std::map<acfUID, SimOffer> classOffers;
    std::map<std::string, AAX_Result> results;
    std::vector<std::string> calls;
    Context* context = nullptr;
    SimViewContainer* viewContainer = nullptr;
};
