#pragma once

// The host's component model as both sides of the plug-in boundary see it: 16-byte identifiers,
// the reference-counted base interface every host and plug-in object answers, and the component
// factory through which the plug-in asks the host for new objects. Everything here crosses the
// boundary as plain abstract classes, so both sides must agree on the operation order.

#include <cstdint>
#include <cstring>

using ACFRESULT = int32_t;
using AAX_Result = int32_t;

// A 16-byte interface or class identifier.
struct acfUID
{
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
static_assert(sizeof(acfUID) == 16, "identifiers are 16 bytes");

inline bool operator==(const acfUID& a, const acfUID& b)
{
    return std::memcmp(&a, &b, sizeof(acfUID)) == 0;
}
inline bool operator!=(const acfUID& a, const acfUID& b)
{
    return !(a == b);
}
inline bool operator<(const acfUID& a, const acfUID& b)
{
    return std::memcmp(&a, &b, sizeof(acfUID)) < 0;
}

// Component-model results, as 32-bit signed codes.
constexpr ACFRESULT ACF_OK = 0;
constexpr ACFRESULT ACF_E_NOINTERFACE = static_cast<ACFRESULT>(0x80000004u);
// A request that succeeded without handing out an object.
constexpr ACFRESULT ACF_E_NULLOBJECT = static_cast<ACFRESULT>(0x80000005u);
constexpr ACFRESULT ACF_E_UNEXPECTED = static_cast<ACFRESULT>(0x8000FFFFu);

// The base of every object that crosses the boundary. Interfaces are never deleted through a
// pointer to them: their lifetime is the reference count.
class IACFUnknown
{
public:
    // Any thread. Sets *out to null first; on success *out carries one added reference.
    virtual ACFRESULT QueryInterface(const acfUID& iid, void** out) = 0;
    // Any thread. Both return the new count.
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IACFUnknown() = default;
};

constexpr acfUID IID_IACFUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Operations of a host service that its wrapper in the library offers but nothing of the plug-in
// calls, and whose meaning is the host's, reach the service's version through one entry,
// HostOperation(slot, arguments): slot is the operation's place in the wrapper, arguments the
// caller's block, passed on unchanged.

// The plug-in's definition as the host receives it from registration.
class IACFPluginDefinition : public IACFUnknown
{
protected:
    ~IACFPluginDefinition() = default;
};

constexpr acfUID IID_IACFPluginDefinition = {
    0x00EEF015, 0x7FD0, 0x11D6, {0x84, 0x85, 0x00, 0x30, 0x65, 0x42, 0xA0, 0x24}};

// A component definition (registration of single components is not offered by this plug-in).
class IACFComponentDefinition : public IACFUnknown
{
protected:
    ~IACFComponentDefinition() = default;
};

// The host's factory for objects the plug-in creates on the host's side.
class IACFComponentFactory : public IACFUnknown
{
public:
    // Main thread. A new object of the class, seen through the wanted interface; outer is always null.
    virtual ACFRESULT CreateInstance(const acfUID& classId, IACFUnknown* outer, const acfUID& iid, void** out) = 0;

protected:
    ~IACFComponentFactory() = default;
};
