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

// A packed version as text, "major.minor.patch", for the formats that name
// the version in text.
struct VersionText {
    char text[16] = {};
};

constexpr void AppendDecimal(VersionText& version, int& at, int number)
{
    char digits[10] = {};
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0 && count < 10);
    while (count > 0)
        version.text[at++] = digits[--count];
}

constexpr VersionText VersionTextOf(int32_t packed)
{
    VersionText version;
    int at = 0;
    AppendDecimal(version, at, (packed >> 16) & 0xFFFF);
    version.text[at++] = '.';
    AppendDecimal(version, at, (packed >> 8) & 0xFF);
    version.text[at++] = '.';
    AppendDecimal(version, at, packed & 0xFF);
    return version;
}

// The decimal form hosts and preset files use: major * 10000 + minor * 100 + patch.
constexpr int32_t DecimalVersion(int32_t packed)
{
    return ((packed >> 16) & 0xFFFF) * 10000 + ((packed >> 8) & 0xFF) * 100 + (packed & 0xFF);
}
