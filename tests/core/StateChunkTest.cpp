#include <gtest/gtest.h>

#include <cstring>

#include "core/StateChunk.h"

TEST(StateChunk, TypedValuesRoundTrip)
{
    StateChunk c;
    c.AppendInt32(-7);
    c.AppendDouble(0.1);
    c.AppendBool(true);
    c.AppendString("Bombada");
    int32_t i = 0;
    double d = 0;
    bool b = false;
    std::string s;
    int pos = c.ReadInt32(&i, 0);
    pos = c.ReadDouble(&d, pos);
    pos = c.ReadBool(&b, pos);
    pos = c.ReadString(&s, pos);
    EXPECT_EQ(pos, c.Size());
    EXPECT_EQ(i, -7);
    EXPECT_EQ(d, 0.1);
    EXPECT_TRUE(b);
    EXPECT_EQ(s, "Bombada");
    EXPECT_EQ(c.Size(), 4 + 8 + 1 + 4 + 7);
}

TEST(StateChunk, ReadsPastTheEndFail)
{
    StateChunk c;
    c.AppendInt32(1);
    int32_t i;
    double d;
    bool b;
    EXPECT_EQ(c.ReadInt32(&i, 1), -1);
    EXPECT_EQ(c.ReadInt32(&i, -1), -1);
    EXPECT_EQ(c.ReadDouble(&d, 0), -1);
    EXPECT_EQ(c.ReadBool(&b, 4), -1);
    EXPECT_EQ(c.ReadBool(&b, -4), -1);
}

TEST(StateChunk, StringLengthsThatLieAreRefused)
{
    std::string text;
    for (int32_t n : {-5, 1000, 0x7FFFFFFF}) {
        StateChunk c;
        c.AppendInt32(n);
        c.AppendBytes("abc", 3);
        EXPECT_EQ(c.ReadString(&text, 0), -1) << n;
        EXPECT_TRUE(text.empty());
    }
    StateChunk empty;
    empty.AppendInt32(0);
    EXPECT_EQ(empty.ReadString(&text, 0), 4);
    EXPECT_EQ(text, "");
}

TEST(StateChunk, HeaderIsOptional)
{
    StateChunk c;
    WriteChunkHeader(c);
    ASSERT_EQ(c.Size(), 8);
    EXPECT_EQ(std::memcmp(c.Data(), "tffp", 4), 0);
    int pos = 0;
    EXPECT_EQ(ReadChunkHeader(c, pos), 0x10000);
    EXPECT_EQ(pos, 8);

    StateChunk plain;
    plain.AppendDouble(1.0);
    pos = 0;
    EXPECT_EQ(ReadChunkHeader(plain, pos), 0);
    EXPECT_EQ(pos, 0);

    StateChunk cut;
    cut.AppendInt32(StateChunk::kHeaderMagic);
    pos = 0;
    EXPECT_EQ(ReadChunkHeader(cut, pos), 0);
    EXPECT_EQ(pos, -1);
}
