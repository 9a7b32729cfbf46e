#pragma once

// Conversions between the plug-in's 8-bit texts and the host's UTF-16 fields.
#include "adapters/vst3/abi/Vst3Base.h"

namespace Vst3 {

// Widens each byte of src to one UTF-16 unit; at most dstUnits - 1 units are
// copied and the result is always terminated.
void WidenText(char16* dst, const char* src, int dstUnits);

// Keeps the low byte of each unit of src; at most dstSize - 1 bytes are copied
// and the result is always terminated. A missing src gives an empty text.
void NarrowText(char* dst, const char16* src, int dstSize);

// Copies src into a fixed 8-bit field of dstSize bytes, zero-filling the rest.
void CopyField(char* dst, const char* src, int dstSize);

} // namespace Vst3
