#pragma once

// The bookkeeping every object of the simulated AAX host shares: a reference count that tests
// compare with its baseline (0: the host's own hold is not counted), the host-wide call log, and
// the host-wide switches that leave out an interface or hand out a null object for it.

#include "aaxsdk/AAX_ACF.h"

#include <atomic>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>

class SimHost;

inline void SimPrint(std::ostream& out, const char* text)
{
    out << (text != nullptr ? text : "(null)");
}

template <class Value>
void SimPrint(std::ostream& out, const Value& value)
{
    out << value;
}

// Arguments as a call log shows them: "48000, abc"; a null text shows as "(null)".
template <class... Values>
std::string SimArguments(const Values&... values)
{
    std::ostringstream text;
    const char* separator = "";
    ((text << separator, SimPrint(text, values), separator = ", "), ...);
    return text.str();
}

class SimObject
{
public:
    SimObject(SimHost& host, std::string name);
    virtual ~SimObject() = default;

    SimObject(const SimObject&) = delete;
    SimObject& operator=(const SimObject&) = delete;

    const std::string& Name() const { return name; }
    int References() const { return references.load(); }
    // Whether the object has an interface of that identifier (switches aside).
    virtual bool Implements(const acfUID& iid) const = 0;
    // The interface as the plug-in asks for it, switches applied.
    virtual ACFRESULT QueryInterface(const acfUID& iid, void** out) = 0;

protected:
    // Logs "Name.call" and returns the result the host is set to give for "Name.Operation".
    AAX_Result Record(const std::string& operation, const std::string& arguments = std::string());
    uint32_t AddReference();
    uint32_t ReleaseReference();
    // Hands out the interface, or follows the host's switch for that identifier.
    ACFRESULT Answer(const acfUID& iid, void** out, void* interface);

    SimHost& host;

private:
    std::string name;
    std::atomic<int> references{0};
};

// The identifier each interface is asked for by; SIM_INTERFACE_ID gives it.
template <class Interface>
struct SimInterfaceID;

#define SIM_INTERFACE_ID(Interface, iid)                                                                               \
    template <>                                                                                                        \
    struct SimInterfaceID<Interface>                                                                                   \
    {                                                                                                                  \
        static const acfUID& Get() { return iid; }                                                                     \
    };

// An object of the simulated host that answers the given interfaces and the base interface.
template <class... Interfaces>
class SimComObject : public SimObject, public Interfaces...
{
public:
    using SimObject::SimObject;

    bool Implements(const acfUID& iid) const override
    {
        return iid == IID_IACFUnknown || ((iid == SimInterfaceID<Interfaces>::Get()) || ...);
    }

    ACFRESULT QueryInterface(const acfUID& iid, void** out) override
    {
        void* found = nullptr;
        ((found == nullptr && iid == SimInterfaceID<Interfaces>::Get() ? found = static_cast<Interfaces*>(this)
                                                                       : found),
         ...);
        if (found == nullptr && iid == IID_IACFUnknown)
            found = Unknown();
        return Answer(iid, out, found);
    }

    // The object's base interface, as the host hands it out.
    IACFUnknown* Unknown() { return static_cast<std::tuple_element_t<0, std::tuple<Interfaces...>>*>(this); }

    uint32_t AddRef() override { return AddReference(); }
    uint32_t Release() override { return ReleaseReference(); }
};
