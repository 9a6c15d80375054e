#pragma once

// The reference-counting base of every object the plug-in hands to the host. A derived class
// inherits from a host interface and from this class, forwards the interface's QueryInterface,
// AddRef and Release to GetControllingUnknown(), and answers its own interface identifiers in
// QueryOwnInterface before passing the rest on here.

#include "aaxsdk/AAX_ACF.h"

#include <atomic>
#include <cstdint>

class CACFUnknown
{
public:
    CACFUnknown();
    virtual ~CACFUnknown();

    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;

    // Called by the factory after construction; nothing to do here.
    virtual ACFRESULT InternalInitialize() { return ACF_OK; }
    // Called once when the last reference goes, before the object is deleted.
    virtual void FinalRelease() {}
    virtual void DestroySelf() { delete this; }

    // Any thread. Sets *out to null first; answers only the base interface here.
    virtual ACFRESULT QueryOwnInterface(const acfUID& iid, void** out);
    // Any thread. Both return the new count; the release that takes it to 0 deletes the object.
    virtual uint32_t AddOwnReference();
    virtual uint32_t ReleaseOwnReference();

    IACFUnknown* GetControllingUnknown() const { return controllingUnknown; }

    // Live objects of this library, all classes together: 0 means the host may unload it.
    static int32_t GetActiveObjectCount();

private:
    // The base interface the object answers as itself; objects are never aggregated.
    class PrivateUnknown final : public IACFUnknown
    {
    public:
        explicit PrivateUnknown(CACFUnknown& owner) : owner(owner) {}
        virtual ~PrivateUnknown() = default;

        ACFRESULT QueryInterface(const acfUID& iid, void** out) override { return owner.QueryOwnInterface(iid, out); }
        uint32_t AddRef() override { return owner.AddOwnReference(); }
        uint32_t Release() override { return owner.ReleaseOwnReference(); }

    private:
        CACFUnknown& owner;
    };

    std::atomic<uint32_t> referenceCount{0};
    IACFUnknown* controllingUnknown;
    PrivateUnknown innerUnknown;

    static std::atomic<int32_t> activeObjects;
};
