#pragma once

#include <cstddef>
#include <cstdint>

// The bytes of a resource compiled into this module.
struct ResourceBytes {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// The module's own resource of that type and numeric id; empty (null data)
// when the module has none. The bytes live as long as the module.
ResourceBytes FindModuleResource(const char* type, int32_t id);
