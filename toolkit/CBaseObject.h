#pragma once

#include <cstdint>

namespace VSTGUI {

using IdStringPtr = const char*;

enum CMessageResult
{
    kMessageUnknown = 0,
    kMessageNotified = 1,
};

// Reference-counted base of every toolkit object. A new object holds one reference, owned by its
// creator; forget() releases a reference and deletes the object with the last one.
class CBaseObject
{
public:
    CBaseObject() = default;
    // A copy is a new object: it starts with its own single reference.
    CBaseObject(const CBaseObject&) {}
    CBaseObject& operator=(const CBaseObject&) = delete;
    virtual ~CBaseObject() = default;

    void remember() { ++nbReference; }
    void forget()
    {
        if (--nbReference == 0)
            delete this;
    }
    int32_t getNbReference() const { return nbReference; }

    // Message from another object (timers send "timer fired").
    virtual CMessageResult notify(CBaseObject* sender, IdStringPtr message);

private:
    int32_t nbReference = 1;
};

} // namespace VSTGUI
