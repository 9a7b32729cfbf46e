#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/raster/SysBitmap.h"
#include "tests/raster/RasterTestSupport.h"

namespace {

bool Aligned64(const void* p)
{
    return (reinterpret_cast<uintptr_t>(p) & 63) == 0;
}

TEST(MemBitmap, RowsArePaddedAndStorageAligned)
{
    MemBitmap bitmap(5, 3);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.RowSpan(), 8);
    EXPECT_FALSE(bitmap.IsFlipped());
    EXPECT_EQ(bitmap.DeviceContext(), nullptr);
    EXPECT_EQ(bitmap.Extended(1, nullptr), 0);
    ASSERT_NE(bitmap.Pixels(), nullptr);
    EXPECT_TRUE(Aligned64(bitmap.Pixels()));
    EXPECT_EQ(bitmap.AllocatedBytes(), 3 * 8 * 4);
}

TEST(MemBitmap, ResizeKeepsGrowsAndFreesStorage)
{
    MemBitmap bitmap(8, 8);
    FillAll(bitmap, 0x12345678);
    uint32_t* before = bitmap.Pixels();
    EXPECT_FALSE(bitmap.Resize(8, 8));
    EXPECT_EQ(bitmap.Pixels(), before);
    EXPECT_EQ(At(bitmap, 7, 7), 0x12345678u);

    EXPECT_TRUE(bitmap.Resize(4, 4));
    EXPECT_EQ(bitmap.Pixels(), before) << "shrinking never reallocates";
    EXPECT_EQ(bitmap.AllocatedBytes(), 8 * 8 * 4);

    EXPECT_TRUE(bitmap.Resize(16, 16));
    EXPECT_EQ(bitmap.AllocatedBytes(), 16 * 16 * 4 * 5 / 4) << "growth leaves a quarter extra";
    EXPECT_TRUE(Aligned64(bitmap.Pixels()));

    EXPECT_TRUE(bitmap.Resize(0, 0));
    EXPECT_EQ(bitmap.Pixels(), nullptr);
    EXPECT_EQ(bitmap.AllocatedBytes(), 0);
}

TEST(MemBitmap, BadSizesLeaveAnEmptyBitmap)
{
    MemBitmap negative(-3, 4);
    EXPECT_EQ(negative.Pixels(), nullptr);
    MemBitmap bitmap(2, 2);
    EXPECT_TRUE(bitmap.Resize(-1, 5));
    EXPECT_EQ(bitmap.Pixels(), nullptr);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    EXPECT_TRUE(bitmap.Resize(1 << 30, 1 << 30)) << "a size too big to store";
    EXPECT_EQ(bitmap.Pixels(), nullptr);
    EXPECT_EQ(bitmap.Width(), 0);
}

TEST(SysBitmap, KeepsLargerStorageAndReallocatesWhenOutgrown)
{
    SysBitmap bitmap(1030, 436);
    EXPECT_EQ(bitmap.Width(), 1030);
    EXPECT_EQ(bitmap.RowSpan(), 1032);
    ASSERT_NE(bitmap.Pixels(), nullptr);
    EXPECT_TRUE(Aligned64(bitmap.Pixels()));
    uint32_t* before = bitmap.Pixels();
    EXPECT_FALSE(bitmap.Resize(1030, 436));
    EXPECT_TRUE(bitmap.Resize(500, 200));
    EXPECT_EQ(bitmap.Pixels(), before);
    EXPECT_EQ(bitmap.RowSpan(), 1032);
    EXPECT_TRUE(bitmap.Resize(2000, 10));
    EXPECT_EQ(bitmap.RowSpan(), 2000);
    EXPECT_TRUE(bitmap.Resize(0, 10));
    EXPECT_EQ(bitmap.Pixels(), nullptr);
    EXPECT_EQ(bitmap.Height(), 0);
}

} // namespace
