// Writes one PNG that shows the editor's images as the module holds them: the
// editor composed with its controls and text, the about page, every image's
// frames (knob strips at frames 1, 101 and 201) and the three value text
// styles, so the artwork can be judged by eye.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "graphics/raster/FontCache.h"
#include "graphics/raster/MemBitmap.h"
#include "graphics/raster/PlatformImage.h"
#include "graphics/raster/RasterBlit.h"
#include "graphics/raster/RasterFill.h"
#include "resources/ResourceIds.h"
#include "tools/artwork/PngWriter.h"

namespace {

constexpr int32_t kSheetWidth = 1050;
constexpr int32_t kSheetHeight = 1150;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kSheetColour = 0xFF101113u;

struct Images {
    std::vector<std::unique_ptr<RasterBitmap>> owned;

    RasterBitmap* Get(int32_t id)
    {
        owned.push_back(LoadPlatformImage(id, "image.png"));
        if (!owned.back()) {
            std::fprintf(stderr, "image %d does not load\n", id);
            std::exit(1);
        }
        return owned.back().get();
    }
};

// Blits frame (1-based) of a strip of frameCount stacked frames.
void Frame(RasterBitmap* sheet, RasterBitmap* strip, int32_t frameCount, int32_t frame, int32_t x, int32_t y)
{
    const int32_t h = strip->Height() / frameCount;
    const PixelRect source{0, h * (frame - 1), strip->Width(), h * frame};
    RasterBlit(sheet, strip, x, y, &source, 1.0f, kModeAlphaBlend);
}

// Frame for a value 0..1, chosen as the editor's controls choose it.
int32_t FrameFor(double value, int32_t frameCount)
{
    return 1 + int32_t(0.5 + value * (frameCount - 1));
}

void Text(RasterBitmap* sheet, const char* text, PixelRect rect, int32_t align, uint32_t colour = kWhite,
          const char* font = "Exo", int32_t size = 14, int32_t style = 0, int32_t quality = 2)
{
    RasterFont* f = FindOrCreateFont(font, size, style, 0, quality);
    if (!f)
        return;
    f->SetTextColour(colour);
    int32_t flags = kTextNoClip | (align == 1 ? kTextCentre : align == 2 ? kTextRight : 0);
    if ((colour >> 24) != 255)
        flags |= kTextUseAlpha;
    f->DrawString(sheet, text, -1, &rect, flags);
}

void Bands(RasterBitmap* sheet, Images& img, int32_t top)
{
    RasterBitmap* gain = img.Get(kImgKnobGain);
    RasterBitmap* freq = img.Get(kImgKnobFrequency);
    RasterBitmap* wide = img.Get(kImgBandwidthSwitch);
    RasterBitmap* bypass = img.Get(kImgBandBypassSwitch);
    const double gains[] = {0.5, 0.75, 0.3, 0.5, 1.0, 0.0, 0.6, 0.45};
    const char* gainTexts[] = {"0.00 dB", "9.00 dB", "-7.20 dB", "0.00 dB", "18.00 dB", "-18.00 dB", "3.60 dB", "-1.80 dB"};
    const double freqs[] = {0.0, 0.12, 0.27, 0.4, 0.55, 0.74, 0.9, 1.0};
    const char* freqTexts[] = {"20 Hz", "152 Hz", "1001 Hz", "2427 Hz", "5086 Hz", "9996 Hz", "15716 Hz", "20000 Hz"};
    for (int32_t k = 0; k < 8; ++k) {
        const int32_t d = 95 * k;
        Frame(sheet, gain, 201, FrameFor(gains[k], 201), 60 + d, top + 73);
        Text(sheet, gainTexts[k], {54 + d, top + 128, 115 + d, top + 144}, 1);
        Frame(sheet, freq, 201, FrameFor(freqs[k], 201), 49 + d, top + 173);
        Text(sheet, freqTexts[k], {51 + d, top + 251, 118 + d, top + 267}, 1);
        Frame(sheet, wide, 2, 1 + (k % 2), 42 + d, top + 283);
        Frame(sheet, bypass, 2, 1 + (k == 5), 42 + d, top + 323);
    }
}

void Levels(RasterBitmap* sheet, Images& img, int32_t top)
{
    RasterBitmap* level = img.Get(kImgKnobLevel);
    Frame(sheet, level, 201, FrameFor(0.499, 201), 845, top + 278);
    Text(sheet, "0.00 dB", {839, top + 333, 900, top + 349}, 1);
    Frame(sheet, level, 201, FrameFor(0.344, 201), 941, top + 278);
    Text(sheet, "-3.00 dB", {935, top + 333, 996, top + 349}, 1);
    const int32_t meters[] = {848, 870, 944, 966};
    const int32_t levels[] = {120, 131, 104, 110};
    for (int32_t i = 0; i < 4; ++i) {
        RasterFill(sheet, meters[i], top + 73, 20, 168, 0xFF00FF00u, 1.0f, kModeCopy);
        RasterFill(sheet, meters[i], top + 73, 20, 168 - levels[i], 0xFF7F7F7Fu, 1.0f, kModeCopy);
    }
    Text(sheet, "-6.21", {826, top + 56, 866, top + 74}, 1);
    Text(sheet, "-5.87", {872, top + 56, 912, top + 74}, 1);
    Text(sheet, "-8.90", {922, top + 56, 962, top + 74}, 1);
    Text(sheet, "-0.12", {968, top + 56, 1007, top + 74}, 1, 0xFFFFFF00u);
}

void BottomAndBar(RasterBitmap* sheet, Images& img, int32_t top)
{
    RasterBitmap* sw = img.Get(kImgSwitch);
    const int32_t xs[] = {98, 240, 342, 696};
    for (int32_t i = 0; i < 4; ++i)
        Frame(sheet, sw, 2, i == 3 ? 2 : 1, xs[i], top + 386);
    Frame(sheet, img.Get(kImgFaderHandle), 1, 1, 820 + 77, top + 379);
    Text(sheet, "50.0 %", {768, top + 399, 818, top + 415}, 0);
    Frame(sheet, img.Get(kImgArrowLeft), 2, 1, 390, top + 11);
    Frame(sheet, img.Get(kImgArrowRight), 2, 2, 405, top + 11);
    Frame(sheet, img.Get(kImgPresetSave), 2, 1, 630, top + 10);
    Frame(sheet, img.Get(kImgPresetUndo), 2, 1, 658, top + 10);
    Text(sheet, "01 Default", {436, top + 10, 582, top + 27}, 0, kWhite, "Arial", 16, 1, 0);
}

void Editor(RasterBitmap* sheet, Images& img, int32_t top)
{
    RasterBlit(sheet, img.Get(kImgBackdrop), 0, top, nullptr, 1.0f, kModeCopy);
    Bands(sheet, img, top);
    Levels(sheet, img, top);
    BottomAndBar(sheet, img, top);
}

// Every image's frames side by side, on the panel's colour.
void Strips(RasterBitmap* sheet, Images& img, int32_t top)
{
    RasterFill(sheet, 0, top, kSheetWidth, 100, 0xFF24282Eu, 1.0f, kModeCopy);
    int32_t x = 10;
    for (int32_t id : {kImgKnobGain, kImgKnobFrequency, kImgKnobLevel}) {
        RasterBitmap* strip = img.Get(id);
        for (int32_t frame : {1, 101, 201}) {
            Frame(sheet, strip, 201, frame, x, top + 10);
            x += strip->Width() + 6;
        }
        x += 10;
    }
    for (int32_t id : {kImgBandwidthSwitch, kImgBandBypassSwitch}) {
        RasterBitmap* strip = img.Get(id);
        Frame(sheet, strip, 2, 1, x, top + 10);
        Frame(sheet, strip, 2, 2, x, top + 40);
        x += 94;
    }
    for (int32_t id : {kImgSwitch, kImgArrowLeft, kImgArrowRight, kImgPresetSave, kImgPresetUndo}) {
        RasterBitmap* strip = img.Get(id);
        Frame(sheet, strip, 2, 1, x, top + 10);
        Frame(sheet, strip, 2, 2, x, top + 50);
        x += strip->Width() + 10;
    }
    Frame(sheet, img.Get(kImgFaderHandle), 1, 1, x, top + 10);
}

void TextStyles(RasterBitmap* sheet, int32_t top)
{
    RasterFill(sheet, 0, top, kSheetWidth, 60, 0xFF1C1F24u, 1.0f, kModeCopy);
    const char* names[] = {"ValueStyleLeft", "ValueStyleCentre", "ValueStyleRight"};
    for (int32_t align = 0; align < 3; ++align) {
        const int32_t left = 10 + 340 * align;
        RasterFill(sheet, left, top + 8, 320, 20, 0xFF2B2F36u, 1.0f, kModeCopy);
        Text(sheet, names[align], {left, top + 10, left + 320, top + 26}, align);
        Text(sheet, "Exo 14: -18.00 dB 20000 Hz caf\xC3\xA9 \xE9", {left, top + 34, left + 320, top + 50}, align,
             0x80FFFFFFu);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    MemBitmap sheet(kSheetWidth, kSheetHeight);
    RasterFill(&sheet, 0, 0, kSheetWidth, kSheetHeight, kSheetColour, 1.0f, kModeCopy);
    Images images;
    Editor(&sheet, images, 0);
    RasterBlit(&sheet, images.Get(kImgAbout), 0, 446, nullptr, 1.0f, kModeCopy);
    Strips(&sheet, images, 892);
    TextStyles(&sheet, 1002);
    if (!WritePngFile(argv[1], ImageFromBitmap(sheet, false))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
