#pragma once

#include <atomic>

// A value one thread stores while another loads it, without a lock: stores
// release and loads acquire (plain moves on x86). Copies take the value, so a
// class holding one stays copyable. Only loads and stores are atomic: += is
// for the one thread that changes the value step by step.
template <typename T>
class SharedValue {
public:
    SharedValue(T v = T()) : value(v) {}
    SharedValue(const SharedValue& other) : value(other.Load()) {}
    SharedValue& operator=(const SharedValue& other)
    {
        Store(other.Load());
        return *this;
    }
    SharedValue& operator=(T v)
    {
        Store(v);
        return *this;
    }
    SharedValue& operator+=(T step)
    {
        Store(Load() + step);
        return *this;
    }
    operator T() const { return Load(); }

    T Load() const { return value.load(std::memory_order_acquire); }
    void Store(T v) { value.store(v, std::memory_order_release); }
    T Exchange(T v) { return value.exchange(v, std::memory_order_acq_rel); }

private:
    std::atomic<T> value;
};
