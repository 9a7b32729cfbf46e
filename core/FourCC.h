#pragma once

#include <cstdint>

// A 32-bit identifier written as four characters, first character in the top byte.
constexpr int32_t FourCC(char a, char b, char c, char d)
{
    return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(a)) << 24) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 16) |
                                (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 8) |
                                static_cast<uint32_t>(static_cast<uint8_t>(d)));
}

// Packed version: major in bits 31-16, minor in 15-8, patch in 7-0.
constexpr int32_t PackVersion(int major, int minor, int patch)
{
    return (major << 16) | (minor << 8) | patch;
}

// The decimal form hosts and preset files use: major * 10000 + minor * 100 + patch.
constexpr int32_t DecimalVersion(int32_t packed)
{
    return ((packed >> 16) & 0xFFFF) * 10000 + ((packed >> 8) & 0xFF) * 100 + (packed & 0xFF);
}
