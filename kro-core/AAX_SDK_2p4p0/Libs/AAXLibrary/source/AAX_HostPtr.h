#pragma once

// One owned reference on a host interface, released when the holder goes; and the two ways the
// wrappers obtain host interfaces: asking a host object, or creating one through the host's factory.

#include "aaxsdk/AAX_ACF.h"

#include <utility>

template <class T>
class AAX_HostPtr
{
public:
    AAX_HostPtr() = default;
    // Takes over a reference the caller already holds.
    explicit AAX_HostPtr(T* adopted) : pointer(adopted) {}
    ~AAX_HostPtr() { Reset(); }

    AAX_HostPtr(const AAX_HostPtr&) = delete;
    AAX_HostPtr& operator=(const AAX_HostPtr&) = delete;
    AAX_HostPtr(AAX_HostPtr&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}
    AAX_HostPtr& operator=(AAX_HostPtr&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            pointer = std::exchange(other.pointer, nullptr);
        }
        return *this;
    }

    T* Get() const { return pointer; }
    T* operator->() const { return pointer; }
    explicit operator bool() const { return pointer != nullptr; }

    void Reset()
    {
        if (pointer != nullptr)
            std::exchange(pointer, nullptr)->Release();
    }

private:
    T* pointer = nullptr;
};

// A new reference on a host object, held by the returned pointer.
template <class T>
AAX_HostPtr<T> AAX_KeepReference(T* host)
{
    if (host != nullptr)
        host->AddRef();
    return AAX_HostPtr<T>(host);
}

// The host object seen through the wanted interface; empty when it is absent or not offered.
template <class T>
AAX_HostPtr<T> AAX_QueryHost(IACFUnknown* host, const acfUID& iid)
{
    if (host == nullptr)
        return AAX_HostPtr<T>();
    void* out = nullptr;
    const ACFRESULT result = host->QueryInterface(iid, &out);
    // An object handed out with a failure is still a reference to give back.
    AAX_HostPtr<T> answer(static_cast<T*>(out));
    return result == ACF_OK ? std::move(answer) : AAX_HostPtr<T>();
}

// The host's component factory on a host object. Empty when the host does not offer one; throws
// AAX::Exception::ResultError(ACF_E_NULLOBJECT) when the host says yes but hands out nothing.
AAX_HostPtr<IACFComponentFactory> AAX_QueryComponentFactory(IACFUnknown* host);

// A new host object of the class through the factory, seen through the wanted interface. Empty
// when the factory is absent or refuses; throws as above when it says yes but hands out nothing.
template <class T>
AAX_HostPtr<T> AAX_CreateHostObject(IACFComponentFactory* factory, const acfUID& classId, const acfUID& iid);

void AAX_ThrowNullObject();

template <class T>
AAX_HostPtr<T> AAX_CreateHostObject(IACFComponentFactory* factory, const acfUID& classId, const acfUID& iid)
{
    if (factory == nullptr)
        return AAX_HostPtr<T>();
    void* out = nullptr;
    const ACFRESULT result = factory->CreateInstance(classId, nullptr, iid, &out);
    AAX_HostPtr<T> created(static_cast<T*>(out));
    if (result != ACF_OK)
        return AAX_HostPtr<T>();
    if (!created)
        AAX_ThrowNullObject();
    return created;
}

// A forwarding operation: the host's answer when the interface is there, else the fixed result.
template <class Host, class Method, class... Args>
AAX_Result AAX_Forward(const AAX_HostPtr<Host>& host, AAX_Result missing, Method method, Args&&... args)
{
    if (!host)
        return missing;
    return (host.Get()->*method)(std::forward<Args>(args)...);
}
