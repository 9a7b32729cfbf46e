#pragma once

// Reference counting and interface lookup shared by the objects we hand out.
#include <atomic>

#include "adapters/vst3/abi/Vst3Base.h"

namespace Vst3 {

// A reference count that starts at 1, the reference of whoever created the object.
class RefCount {
public:
    uint32 Add() { return ++count; }
    uint32 Drop() { return --count; }

private:
    std::atomic<uint32> count{1};
};

// When iid names Interface, hands out self seen as that interface with a new
// reference and returns true.
template <typename Interface, typename Object>
bool OfferInterface(const TUID iid, Object* self, void** obj)
{
    if (!SameUid(iid, Interface::kIid))
        return false;
    Interface* seen = self;
    seen->addRef();
    *obj = seen;
    return true;
}

// The same for an interface that reaches self through an intermediate base.
template <typename Interface, typename Via, typename Object>
bool OfferInterfaceVia(const TUID iid, Object* self, void** obj)
{
    if (!SameUid(iid, Interface::kIid))
        return false;
    Interface* seen = static_cast<Via*>(self);
    seen->addRef();
    *obj = seen;
    return true;
}

} // namespace Vst3
