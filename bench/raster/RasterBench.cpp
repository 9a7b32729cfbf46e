// Image decoding and editor redraw costs. Figures are read as ratios against
// the baseline in the same run: a plain copy of one editor-sized surface.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "graphics/raster/PlatformImage.h"
#include "graphics/raster/RasterBlit.h"
#include "graphics/raster/SysBitmap.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int32_t kWidth = 1030;
constexpr int32_t kHeight = 436;

const int32_t kImageIds[] = {kImgBackdrop,    kImgAbout,       kImgArrowRight,      kImgArrowLeft, kImgPresetSave,
                             kImgPresetUndo,  kImgBandwidthSwitch, kImgSwitch,      kImgKnobGain,  kImgKnobFrequency,
                             kImgFaderHandle, kImgKnobLevel,   kImgBandBypassSwitch};

// A control's image and place: frameCount stacked frames drawn at (x, y).
struct Placed {
    int32_t id;
    int32_t frameCount;
    int32_t x;
    int32_t y;
};

// The editor's 55 image-sized draws: knobs, switches, fader, buttons, and the
// level controls drawn at a knob's size.
std::vector<Placed> EditorDraws()
{
    std::vector<Placed> draws;
    for (int32_t k = 0; k < 8; ++k) {
        const int32_t d = 95 * k;
        draws.push_back({kImgKnobGain, 201, 60 + d, 73});
        draws.push_back({kImgKnobFrequency, 201, 49 + d, 173});
        draws.push_back({kImgBandwidthSwitch, 2, 42 + d, 283});
        draws.push_back({kImgBandBypassSwitch, 2, 42 + d, 323});
    }
    for (int32_t x : {98, 240, 342, 696})
        draws.push_back({kImgSwitch, 2, x, 386});
    draws.push_back({kImgKnobLevel, 201, 845, 278});
    draws.push_back({kImgKnobLevel, 201, 941, 278});
    draws.push_back({kImgFaderHandle, 1, 897, 379});
    draws.push_back({kImgArrowLeft, 2, 390, 11});
    draws.push_back({kImgArrowRight, 2, 405, 11});
    draws.push_back({kImgPresetSave, 2, 630, 10});
    draws.push_back({kImgPresetUndo, 2, 658, 10});
    while (draws.size() < 55)
        draws.push_back({kImgKnobLevel, 201, 848 + 22 * int32_t(draws.size() % 4), 73});
    return draws;
}

void BM_SurfaceCopyBaseline(benchmark::State& state)
{
    SysBitmap a(kWidth, kHeight);
    SysBitmap b(kWidth, kHeight);
    std::memset(a.Pixels(), 0x40, size_t(a.RowSpan()) * kHeight * 4);
    for (auto _ : state) {
        std::memcpy(b.Pixels(), a.Pixels(), size_t(a.RowSpan()) * kHeight * 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SurfaceCopyBaseline)->Unit(benchmark::kMicrosecond);

void BM_DecodeAllImages(benchmark::State& state)
{
    for (auto _ : state)
        for (int32_t id : kImageIds) {
            std::unique_ptr<RasterBitmap> image = LoadPlatformImage(id, "image.png");
            benchmark::DoNotOptimize(image.get());
        }
}
BENCHMARK(BM_DecodeAllImages)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State& state)
{
    std::vector<std::unique_ptr<RasterBitmap>> images;
    for (int32_t id : kImageIds)
        images.push_back(LoadPlatformImage(id, "image.png"));
    auto image = [&images](int32_t id) {
        for (size_t i = 0; i < std::size(kImageIds); ++i)
            if (kImageIds[i] == id)
                return images[i].get();
        return static_cast<RasterBitmap*>(nullptr);
    };
    const std::vector<Placed> draws = EditorDraws();
    SysBitmap surface(kWidth, kHeight);
    int32_t frame = 0;
    for (auto _ : state) {
        RasterBlit(&surface, image(kImgBackdrop), 0, 0, nullptr, 1.0f, kModeCopy);
        for (const Placed& d : draws) {
            RasterBitmap* strip = image(d.id);
            const int32_t h = strip->Height() / d.frameCount;
            const int32_t top = h * (frame % d.frameCount);
            const PixelRect source{0, top, strip->Width(), top + h};
            RasterBlit(&surface, strip, d.x, d.y, &source, 1.0f, kModeAlphaBlend);
        }
        frame += 37;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
