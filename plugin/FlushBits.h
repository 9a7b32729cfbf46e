#pragma once

#include <cstdint>

// The flush test on the upper 32 bits h of a result (sign, exponent and the
// top of the mantissa): ((h + kFlushCarry) & kExponentBits) < kFlushLimit
// means the result is written as 0. Adding one to the exponent field wraps an
// infinity or NaN to exponent 0; below the limit lie magnitudes under 2^-54,
// subnormals and zeros.
namespace FlushBits {
constexpr int32_t kFlushCarry = 0x100000;    // one in the lowest exponent bit
constexpr int32_t kExponentBits = 0x7FF00000;
constexpr int32_t kFlushLimit = 0x3CA00000;  // exponent of 2^-54, plus the carry
} // namespace FlushBits
