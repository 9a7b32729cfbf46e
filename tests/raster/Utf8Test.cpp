#include <gtest/gtest.h>

#include "graphics/raster/Utf8.h"

namespace {

struct Decoded {
    uint32_t code;
    size_t bytes;
};

Decoded Decode(const char* text, size_t length)
{
    uint32_t code = 0;
    const size_t bytes = DecodeUtf8(text, length, &code);
    return {code, bytes};
}

TEST(DecodeUtf8, ValidSequences)
{
    EXPECT_EQ(Decode("A", 1).code, 0x41u);
    const Decoded e = Decode("\xC3\xA9", 2);
    EXPECT_EQ(e.code, 0xE9u);
    EXPECT_EQ(e.bytes, 2u);
    const Decoded euro = Decode("\xE2\x82\xAC", 3);
    EXPECT_EQ(euro.code, 0x20ACu);
    EXPECT_EQ(euro.bytes, 3u);
    const Decoded emoji = Decode("\xF0\x9F\x98\x80", 4);
    EXPECT_EQ(emoji.code, 0x20u) << "beyond 16 bits: a space";
    EXPECT_EQ(emoji.bytes, 4u);
}

TEST(DecodeUtf8, InvalidBytesStandForThemselves)
{
    const Decoded lone = Decode("\xE9 ", 2);
    EXPECT_EQ(lone.code, 0xE9u);
    EXPECT_EQ(lone.bytes, 1u);
    EXPECT_EQ(Decode("\xC0\x80", 2).code, 0xC0u) << "0xC0 and 0xC1 never lead";
    EXPECT_EQ(Decode("\x80", 1).code, 0x80u);
    EXPECT_EQ(Decode("\xF5\x80\x80\x80", 4).bytes, 1u);
    // A sequence cut short by the end of the text is not read past the end.
    const Decoded cut = Decode("\xE2\x82", 2);
    EXPECT_EQ(cut.code, 0xE2u);
    EXPECT_EQ(cut.bytes, 1u);
    EXPECT_EQ(Decode("\xC3\xA9", 1).bytes, 1u);
}

} // namespace
