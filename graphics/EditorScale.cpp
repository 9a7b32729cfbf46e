#include "graphics/EditorScale.h"

#include <cmath>
#include <cstdlib>

namespace {
// Floor division, for coordinates left of or above the editor.
int64_t FloorDiv(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
} // namespace

int32_t EditorScale::Nearest(int32_t percent)
{
    int32_t best = kSupported[0];
    for (const int32_t candidate : kSupported) {
        if (std::abs(candidate - percent) <= std::abs(best - percent))
            best = candidate;
    }
    return best;
}

int32_t EditorScale::NearestToFactor(double factor)
{
    if (!(factor > 0.0) || !std::isfinite(factor))
        return 100;
    return Nearest(static_cast<int32_t>(std::lround(std::fmin(factor, 100.0) * 100.0)));
}

bool EditorScale::IsSupported(int32_t percent)
{
    for (const int32_t candidate : kSupported) {
        if (candidate == percent)
            return true;
    }
    return false;
}

int32_t EditorScale::ToPixels(int32_t points) const
{
    return static_cast<int32_t>(FloorDiv(static_cast<int64_t>(points) * percent + 50, 100));
}

int32_t EditorScale::ToPoints(int32_t pixels) const
{
    // The largest point whose first pixel is not right of pixels.
    return static_cast<int32_t>(FloorDiv(static_cast<int64_t>(pixels) * 100 + 49, percent));
}

PixelRect EditorScale::ToPixels(const PixelRect& points) const
{
    if (IsUnit() || points.IsEmpty())
        return points;
    return {ToPixels(points.left), ToPixels(points.top), ToPixels(points.right), ToPixels(points.bottom)};
}

PixelRect EditorScale::PointsCovering(const PixelRect& pixels) const
{
    if (IsUnit() || pixels.IsEmpty())
        return pixels;
    return {ToPoints(pixels.left), ToPoints(pixels.top), ToPoints(pixels.right - 1) + 1,
            ToPoints(pixels.bottom - 1) + 1};
}
