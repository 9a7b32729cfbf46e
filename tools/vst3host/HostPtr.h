#pragma once

// Host-side handling of reference-counted VST 3 objects.
#include <utility>

#include "adapters/vst3/abi/Vst3Base.h"
#include "adapters/vst3/framework/RefCount.h"

namespace Vst3Host {

// Owns one reference to an object and releases it when done.
template <typename T>
class HostPtr {
public:
    HostPtr() = default;
    // Takes over a reference the caller already holds.
    explicit HostPtr(T* adopted) : object(adopted) {}
    HostPtr(const HostPtr& other) : object(other.object)
    {
        if (object)
            object->addRef();
    }
    HostPtr(HostPtr&& other) noexcept : object(std::exchange(other.object, nullptr)) {}
    HostPtr& operator=(HostPtr other) noexcept
    {
        std::swap(object, other.object);
        return *this;
    }
    ~HostPtr() { Reset(); }

    void Reset(T* adopted = nullptr)
    {
        if (object)
            object->release();
        object = adopted;
    }
    // Gives up the reference without releasing it.
    T* Detach() { return std::exchange(object, nullptr); }

    T* Get() const { return object; }
    T* operator->() const { return object; }
    explicit operator bool() const { return object != nullptr; }

private:
    T* object = nullptr;
};

// Asks from for interface T; empty when it does not answer.
template <typename T, typename From>
HostPtr<T> Query(From* from)
{
    void* obj = nullptr;
    if (!from || from->queryInterface(T::kIid.bytes, &obj) != Vst3::kResultOk || !obj)
        return HostPtr<T>();
    return HostPtr<T>(static_cast<T*>(obj));
}

// The current reference count of an object, seen from outside.
template <typename T>
Vst3::uint32 ReferenceCount(T* object)
{
    object->addRef();
    return object->release();
}

// A host object implementing one interface, with a reference count that
// starts at 1; deleted when the last reference is released.
template <typename Interface>
class HostObject : public Interface {
public:
    Vst3::tresult PLUGIN_API queryInterface(const Vst3::TUID iid, void** obj) override
    {
        if (!obj)
            return Vst3::kInvalidArgument;
        if (Vst3::OfferInterface<Interface>(iid, this, obj) ||
            Vst3::OfferInterfaceVia<Vst3::FUnknown, Interface>(iid, this, obj))
            return Vst3::kResultOk;
        *obj = nullptr;
        return Vst3::kNoInterface;
    }
    Vst3::uint32 PLUGIN_API addRef() override { return references.Add(); }
    Vst3::uint32 PLUGIN_API release() override
    {
        const Vst3::uint32 remaining = references.Drop();
        if (remaining == 0)
            delete this;
        return remaining;
    }

protected:
    HostObject() = default;
    virtual ~HostObject() = default;

private:
    Vst3::RefCount references;
};

// Makes a host object; the pointer holds its first reference.
template <typename T, typename... Args>
HostPtr<T> MakeHostObject(Args&&... args)
{
    return HostPtr<T>(new T(std::forward<Args>(args)...));
}

} // namespace Vst3Host
