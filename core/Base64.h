#pragma once

#include <cstdint>

// Decodes standard Base64 into out, stopping at the first character outside the
// alphabet or when outSize bytes are written. Returns the number of bytes written;
// the rest of out is left as it was.
int DecodeBase64(const char* text, uint8_t* out, int outSize);
