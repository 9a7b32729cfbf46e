#pragma once

#include <cstdint>

#include "graphics/raster/PixelRect.h"

// How many window pixels the editor gives each of its points. Controls lay
// out, hit-test and draw in points; the surface, the window and its events
// are in pixels. The editor draws at 100 %, 150 % and 200 %, the scales its
// artwork is drawn for; any other factor is taken to the nearest of them.
class EditorScale {
public:
    static constexpr int32_t kSupported[] = {100, 150, 200};

    EditorScale() = default;
    // percent is one of kSupported; anything else counts as the nearest.
    explicit EditorScale(int32_t percent) : percent(Nearest(percent)) {}

    // The supported scale nearest to percent (half-way: the larger one).
    static int32_t Nearest(int32_t percent);
    // The same for a factor (1.0 = 100 %); 100 for one that is not a number
    // or not above zero.
    static int32_t NearestToFactor(double factor);
    static bool IsSupported(int32_t percent);

    int32_t Percent() const { return percent; }
    bool IsUnit() const { return percent == 100; }

    // A coordinate in points to pixels, rounded to the nearest: the edges a
    // rectangle shares with its neighbours land on the same pixel.
    int32_t ToPixels(int32_t points) const;
    // The point that holds a pixel.
    int32_t ToPoints(int32_t pixels) const;
    PixelRect ToPixels(const PixelRect& points) const;
    // The points whose pixels cover every pixel of a rectangle.
    PixelRect PointsCovering(const PixelRect& pixels) const;

    bool operator==(const EditorScale& o) const { return percent == o.percent; }
    bool operator!=(const EditorScale& o) const { return percent != o.percent; }

private:
    int32_t percent = 100;
};
