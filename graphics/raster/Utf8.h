#pragma once

#include <cstddef>
#include <cstdint>

// Decodes one character of text (at most remaining bytes, remaining > 0) and
// returns the number of bytes it took. Valid 2- and 3-byte sequences give
// their character; a valid 4-byte sequence gives a space (characters beyond
// 16 bits are not drawn); any other byte stands for itself (so a lone 0xE9 is
// U+00E9).
size_t DecodeUtf8(const char* text, size_t remaining, uint32_t* code);
