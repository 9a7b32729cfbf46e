// Several editors in one process: shared image and font caches, and plug-ins
// destroyed in any order.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "graphics/BitmapControl.h"
#include "graphics/ImageCache.h"
#include "graphics/TextKnobControl.h"
#include "tests/editor/EditorFixtures.h"

namespace {
const RasterBitmap* BackdropOf(Sondrel& plugin)
{
    return static_cast<BitmapControl*>(plugin.Editor()->GetControl(0))->Image().bitmap;
}

const RasterFont* KnobFontOf(Sondrel& plugin)
{
    return plugin.Editor()->GetControl(1)->Style().cachedFont;
}
} // namespace

TEST(EditorLifetimeTest, TwoEditorsShareDecodedImagesAndFonts)
{
    auto first = std::make_unique<RecordingSondrel>();
    const int images = ImageCache::Count();
    EXPECT_EQ(images, 13);
    auto second = std::make_unique<RecordingSondrel>();
    EXPECT_EQ(ImageCache::Count(), images);
    EXPECT_EQ(BackdropOf(*first), BackdropOf(*second));

    first->Gui().TimerTick();
    second->Gui().TimerTick();
    ASSERT_NE(KnobFontOf(*first), nullptr);
    EXPECT_EQ(KnobFontOf(*first), KnobFontOf(*second));
    // Both drew the same picture from the shared images and fonts.
    const RasterBitmap& a = first->Gui().Screen();
    const RasterBitmap& b = second->Gui().Screen();
    for (int y = 0; y < a.Height(); y += 7)
        ASSERT_EQ(a.Row(y)[y % a.Width()], b.Row(y)[y % b.Width()]) << y;
}

TEST(EditorLifetimeTest, PluginsCanBeDestroyedInAnyOrder)
{
    for (const std::vector<int>& order : {std::vector<int>{0, 1, 2}, {2, 1, 0}, {1, 0, 2}}) {
        std::vector<std::unique_ptr<RecordingSondrel>> plugins;
        for (int i = 0; i < 3; ++i) {
            plugins.push_back(std::make_unique<RecordingSondrel>());
            plugins.back()->Gui().TimerTick();
        }
        for (int index : order) {
            plugins[static_cast<std::size_t>(index)].reset();
            for (auto& survivor : plugins) {
                if (survivor) {
                    Click(survivor->Gui(), 411, 17, LeftButton());
                    survivor->Gui().Redraw({0, 0, 1030, 436});
                }
            }
        }
    }
    EXPECT_EQ(ImageCache::Count(), 13);
}
