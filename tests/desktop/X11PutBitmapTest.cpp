#include <gtest/gtest.h>

#include "graphics/raster/FontCache.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/x11/MenuPanel.h"
#include "graphics/x11/X11PutBitmap.h"
#include "tests/desktop/X11TestClient.h"
#include "tests/desktop/XvfbServer.h"

TEST(X11PutBitmap, CopiesOnlyTheAreaToTheSamePlace)
{
    XvfbServer server;
    ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
    X11TestClient client(server.Display());
    ASSERT_TRUE(client.Ok());
    ASSERT_TRUE(X11HasThirtyTwoBitPixels(client.Conn(), client.Screen()->root_depth));
    const xcb_window_t window = client.CreateWindow(10, 20, 61, 33, XCB_EVENT_MASK_EXPOSURE);
    MemBitmap bitmap(61, 33);
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 61; ++x)
            bitmap.Pixels()[y * bitmap.RowSpan() + x] = 0xFF000000u | (static_cast<uint32_t>(x) << 16) | (y << 8) | 0x40;
    const xcb_gcontext_t gc = xcb_generate_id(client.Conn());
    xcb_create_gc(client.Conn(), gc, window, 0, nullptr);
    X11PutBitmap(client.Conn(), window, gc, client.Screen()->root_depth, bitmap, {7, 3, 45, 200});
    client.Sync();
    EXPECT_EQ(client.ScreenPixel(10 + 7, 20 + 3), (7u << 16) | (3u << 8) | 0x40);
    EXPECT_EQ(client.ScreenPixel(10 + 44, 20 + 32), (44u << 16) | (32u << 8) | 0x40);
    EXPECT_EQ(client.ScreenPixel(10 + 6, 20 + 3), 0xFFFFFFu);
    EXPECT_EQ(client.ScreenPixel(10 + 45, 20 + 10), 0xFFFFFFu);
    EXPECT_EQ(client.ScreenPixel(10 + 20, 20 + 2), 0xFFFFFFu);
}

TEST(MenuPanel, LaysOutItemsAndSeparatorsAndFindsSelectableOnes)
{
    RasterFont* font = FindOrCreateFont("Sans", 13, 0, 0, 2);
    ASSERT_NE(font, nullptr);
    PopupMenu menu;
    menu.AddItem("Save Preset...");
    menu.AddSeparator();
    menu.AddItem("Load Preset...", PopupMenu::kGreyed);
    const MenuPanel panel(menu, font, 1024, 768);
    EXPECT_EQ(panel.ItemRect(1).Height(), 7);
    EXPECT_EQ(panel.ItemRect(0).Height(), panel.ItemRect(2).Height());
    EXPECT_EQ(panel.Height(), 2 + 7 + 2 * panel.ItemRect(0).Height());
    EXPECT_EQ(panel.ItemAt(10, panel.ItemRect(0).top), 0);
    EXPECT_EQ(panel.ItemAt(10, panel.ItemRect(1).top + 3), -1);
    EXPECT_EQ(panel.ItemAt(10, panel.ItemRect(2).bottom - 1), 2);
    EXPECT_EQ(panel.ItemAt(0, panel.ItemRect(0).top), -1);
    EXPECT_FALSE(MenuPanel::Choosable(menu.items[2]));
    EXPECT_TRUE(MenuPanel::Choosable(menu.items[0]));

    PopupMenu wide;
    wide.AddItem(std::string(3000, 'M'));
    const MenuPanel clamped(wide, font, 300, 10);
    EXPECT_EQ(clamped.Width(), 300);
    EXPECT_EQ(clamped.Height(), 10);
    MemBitmap bitmap(clamped.Width(), clamped.Height());
    clamped.Paint(bitmap, 0);
    EXPECT_EQ(bitmap.Pixels()[0] & 0xFFFFFFu, 0x8C8C8Cu);
}
