#pragma once

// The basic types of the VST 3 binary interface: integer widths, result codes,
// 16-byte interface ids and FUnknown, the root of every interface.
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#define PLUGIN_API __stdcall
#else
#define PLUGIN_API
#endif

// Structures of the interface are packed as the reference headers pack them:
// 8 on 32-bit Windows, 16 on 64-bit targets (natural alignment on both).
#if defined(_WIN32) && !defined(_WIN64)
#define VST3_PACK_BEGIN _Pragma("pack(push, 8)")
#else
#define VST3_PACK_BEGIN _Pragma("pack(push, 16)")
#endif
#define VST3_PACK_END _Pragma("pack(pop)")

namespace Vst3 {

using int8 = int8_t;
using uint8 = uint8_t;
using int16 = int16_t;
using uint16 = uint16_t;
using int32 = int32_t;
using uint32 = uint32_t;
using int64 = int64_t;
using uint64 = uint64_t;
using TBool = uint8_t;
using tresult = int32_t;
using char8 = char;
using char16 = char16_t; // one UTF-16 unit on every platform (wchar_t is 4 bytes on Linux)
using TChar = char16;
using String128 = TChar[128];
using FIDString = const char8*;
using TUID = char[16];

#if defined(_WIN32)
constexpr tresult kNoInterface = static_cast<tresult>(0x80004002L);
constexpr tresult kResultOk = 0;
constexpr tresult kResultTrue = kResultOk;
constexpr tresult kResultFalse = 1;
constexpr tresult kInvalidArgument = static_cast<tresult>(0x80070057L);
constexpr tresult kNotImplemented = static_cast<tresult>(0x80004001L);
constexpr tresult kInternalError = static_cast<tresult>(0x80004005L);
constexpr tresult kNotInitialized = static_cast<tresult>(0x8000FFFFL);
constexpr tresult kOutOfMemory = static_cast<tresult>(0x8007000EL);
#else
constexpr tresult kNoInterface = -1;
constexpr tresult kResultOk = 0;
constexpr tresult kResultTrue = kResultOk;
constexpr tresult kResultFalse = 1;
constexpr tresult kInvalidArgument = 2;
constexpr tresult kNotImplemented = 3;
constexpr tresult kInternalError = 4;
constexpr tresult kNotInitialized = 5;
constexpr tresult kOutOfMemory = 6;
#endif

// A 16-byte id built from the four 32-bit words it is declared with. Windows
// keeps the COM GUID layout (first word and the two halves of the second word
// little-endian); elsewhere every word is stored big-endian.
struct Uid {
    char bytes[16];

    static constexpr Uid FromWords(uint32_t l1, uint32_t l2, uint32_t l3, uint32_t l4)
    {
        Uid uid{};
#if defined(_WIN32)
        const uint8_t head[8] = {
            uint8_t(l1), uint8_t(l1 >> 8), uint8_t(l1 >> 16), uint8_t(l1 >> 24),
            uint8_t(l2 >> 16), uint8_t(l2 >> 24), uint8_t(l2), uint8_t(l2 >> 8),
        };
#else
        const uint8_t head[8] = {
            uint8_t(l1 >> 24), uint8_t(l1 >> 16), uint8_t(l1 >> 8), uint8_t(l1),
            uint8_t(l2 >> 24), uint8_t(l2 >> 16), uint8_t(l2 >> 8), uint8_t(l2),
        };
#endif
        const uint32_t tail[2] = {l3, l4};
        for (int i = 0; i < 8; ++i)
            uid.bytes[i] = static_cast<char>(head[i]);
        for (int w = 0; w < 2; ++w) {
            for (int b = 0; b < 4; ++b)
                uid.bytes[8 + 4 * w + b] = static_cast<char>(uint8_t(tail[w] >> (24 - 8 * b)));
        }
        return uid;
    }
};

inline bool SameUid(const char* a, const Uid& b)
{
    return a && std::memcmp(a, b.bytes, sizeof b.bytes) == 0;
}

// Interfaces are classes of pure virtual methods without data and without a
// virtual destructor; objects are destroyed by their own release.
class FUnknown {
public:
    virtual tresult PLUGIN_API queryInterface(const TUID iid, void** obj) = 0;
    virtual uint32 PLUGIN_API addRef() = 0;
    virtual uint32 PLUGIN_API release() = 0;

    static constexpr Uid kIid = Uid::FromWords(0x00000000, 0x00000000, 0xC0000000, 0x00000046);

protected:
    ~FUnknown() = default;
};

} // namespace Vst3
