// sondrel-render --editor-snapshot: the whole editor drawn to a PNG file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <memory>

#include "graphics/raster/PixelRect.h"
#include "graphics/raster/PngDecoder.h"
#include "tests/support/TempDir.h"

namespace {
int RunRender(const std::string& args, std::string* output = nullptr)
{
    const std::string command = std::string(SONDREL_RENDER) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        if (output)
            output->append(buffer, n);
    }
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    ASSERT_EQ(RunRender("--editor-snapshot " + dir.Path("default.png")), 0);
    ASSERT_EQ(RunRender("--preset Bombada --set 'Gain 8=6' --editor-snapshot " + dir.Path("bombada.png")), 0);
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
    std::string output;
    EXPECT_EQ(RunRender("--plugin /nonexistent.so --editor-snapshot " + dir.Path("x.png"), &output), 1);
    EXPECT_NE(output.find("sondrel-render:"), std::string::npos);
    output.clear();
    EXPECT_EQ(RunRender("--editor-snapshot " + dir.Path("missing/x.png"), &output), 1);
    EXPECT_NE(output.find("cannot write"), std::string::npos);
}
