#include "tests/x11/EditorScreen.h"

#include "graphics/raster/PngDecoder.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"

namespace {
// A short stereo 16-bit WAV file of silence: the renderer then leaves the
// level displays as an editor shows them before any audio has passed.
std::string SilentWav()
{
    constexpr uint32_t kFrames = 64, kRate = 44100, kChannels = 2, kBytesPerFrame = 4;
    const uint32_t dataBytes = kFrames * kBytesPerFrame;
    std::string wav;
    const auto word = [&wav](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.push_back(static_cast<char>(v >> (8 * i)));
    };
    wav += "RIFF";
    word(36 + dataBytes, 4);
    wav += "WAVEfmt ";
    word(16, 4);
    word(1, 2);
    word(kChannels, 2);
    word(kRate, 4);
    word(kRate * kBytesPerFrame, 4);
    word(kBytesPerFrame, 2);
    word(16, 2);
    wav += "data";
    word(dataBytes, 4);
    wav.append(dataBytes, '\0');
    return wav;
}
} // namespace

namespace EditorScreen {

std::unique_ptr<MemBitmap> RenderSnapshot(const std::string& arguments)
{
    TempDir dir;
    const std::string path = dir.Path("editor.png");
    WriteBytes(dir.Path("silence.wav"), SilentWav());
    const std::string command = std::string(SONDREL_RENDER) + " " + arguments + " --editor-snapshot " + path + " " +
                                dir.Path("silence.wav") + " " + dir.Path("out.wav");
    if (RunCommand(command).status != 0)
        return nullptr;
    const std::string bytes = ReadBytes(path);
    return DecodePng(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

int DifferentPixels(const std::vector<uint32_t>& screen, int width, int height, const MemBitmap& snapshot)
{
    if (width != snapshot.Width() || height != snapshot.Height() ||
        screen.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return width * height + 1;
    int different = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            different += (screen[static_cast<std::size_t>(y) * width + x] & 0xffffff) !=
                         (snapshot.Row(y)[x] & 0xffffff);
    }
    return different;
}

} // namespace EditorScreen
