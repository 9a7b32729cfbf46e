#pragma once

#include <mutex>

// Plug-in instances are made one at a time, under one lock per deliverable:
// each module carries its own copy of this library.
std::mutex& CreationLock();

// Runs make() under the creation lock; none when making the instance fails.
// No exception reaches the host.
template <typename Make>
auto CreateSerialised(Make make) -> decltype(make())
{
    std::lock_guard<std::mutex> guard(CreationLock());
    try {
        return make();
    } catch (...) {
        return nullptr;
    }
}
