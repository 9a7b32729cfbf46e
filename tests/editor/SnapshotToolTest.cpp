// sondrel-render --editor-snapshot: the whole editor drawn to a PNG file.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/raster/PixelRect.h"
#include "graphics/raster/PngDecoder.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"

namespace {
RunResult RunRender(const std::string& args)
{
    return RunCommand(std::string(SONDREL_RENDER) + " " + args);
}

std::unique_ptr<MemBitmap> Decode(const std::string& path)
{
    const std::string bytes = ReadBytes(path);
    return DecodePng(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// Pixels in the rectangle that are nearly white: drawn text.
int WhitePixels(const MemBitmap& image, const PixelRect& r)
{
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const uint32_t p = image.Row(y)[x];
            count += ((p >> 16 & 0xFF) > 200 && (p >> 8 & 0xFF) > 200 && (p & 0xFF) > 200) ? 1 : 0;
        }
    }
    return count;
}
} // namespace

TEST(SnapshotToolTest, DrawsTheWholeEditorWithTheChosenPreset)
{
    TempDir dir;
    ASSERT_EQ(RunRender("--editor-snapshot " + dir.Path("default.png")).status, 0);
    ASSERT_EQ(RunRender("--preset Bombada --set 'Gain 8=6' --editor-snapshot " + dir.Path("bombada.png")).status, 0);
    const auto plain = Decode(dir.Path("default.png"));
    const auto bombada = Decode(dir.Path("bombada.png"));
    ASSERT_TRUE(plain && bombada);
    EXPECT_EQ(bombada->Width(), 1030);
    EXPECT_EQ(bombada->Height(), 436);
    const PixelRect presetText{436, 10, 582, 27};
    const PixelRect gain8Text{719, 128, 780, 144};
    const PixelRect inputCaption{826, 56, 866, 74};
    EXPECT_GT(WhitePixels(*bombada, presetText), 30);
    EXPECT_GT(WhitePixels(*bombada, gain8Text), 20);
    EXPECT_GT(WhitePixels(*bombada, inputCaption), 10);
    // The meters show the processed levels: green bars over the grey.
    EXPECT_EQ(bombada->Row(240)[858], 0xFF00FF00u);
    int differing = 0;
    for (int y = 0; y < 436; ++y)
        for (int x = 0; x < 1030; ++x)
            differing += plain->Row(y)[x] != bombada->Row(y)[x] ? 1 : 0;
    EXPECT_GT(differing, 1000);
}

TEST(SnapshotToolTest, RefusesPluginBinariesAndBadPaths)
{
    TempDir dir;
    const RunResult plugin = RunRender("--plugin /nonexistent.so --editor-snapshot " + dir.Path("x.png"));
    EXPECT_EQ(plugin.status, 1);
    EXPECT_NE(plugin.output.find("sondrel-render:"), std::string::npos);
    const RunResult badPath = RunRender("--editor-snapshot " + dir.Path("missing/x.png"));
    EXPECT_EQ(badPath.status, 1);
    EXPECT_NE(badPath.output.find("cannot write"), std::string::npos);
}

// At 150 % and 200 % the whole editor at that size, its text drawn at that
// size (about the square of the scale as many pixels), not enlarged.
TEST(SnapshotToolTest, DrawsTheEditorAtTheChosenScale)
{
    TempDir dir;
    const PixelRect presetText{436, 10, 582, 27};
    ASSERT_EQ(RunRender("--editor-snapshot " + dir.Path("100.png")).status, 0);
    const auto unit = Decode(dir.Path("100.png"));
    ASSERT_TRUE(unit);
    const int unitText = WhitePixels(*unit, presetText);
    for (const int percent : {150, 200}) {
        const std::string path = dir.Path(std::to_string(percent) + ".png");
        ASSERT_EQ(RunRender("--scale " + std::to_string(percent) + " --editor-snapshot " + path).status, 0);
        const auto scaled = Decode(path);
        ASSERT_TRUE(scaled);
        EXPECT_EQ(scaled->Width(), 1030 * percent / 100);
        EXPECT_EQ(scaled->Height(), 436 * percent / 100);
        const PixelRect text{presetText.left * percent / 100, presetText.top * percent / 100,
                             presetText.right * percent / 100, presetText.bottom * percent / 100};
        const double area = percent * percent / 10000.0;
        EXPECT_GT(WhitePixels(*scaled, text), unitText * area * 0.7) << percent;
        EXPECT_LT(WhitePixels(*scaled, text), unitText * area * 1.5) << percent;
    }
    const RunResult unsupported = RunRender("--scale 120 --editor-snapshot " + dir.Path("120.png"));
    EXPECT_EQ(unsupported.status, 2) << "a usage error";
    EXPECT_NE(unsupported.output.find("100, 150 or 200"), std::string::npos);
}
