#include "graphics/FrameChoice.h"

#include <algorithm>

namespace {
constexpr double kWrapLimit = 1.001;

int RoundedShare(int extent, int part, int whole)
{
    return static_cast<int>(0.5 + static_cast<double>(extent) * part / whole);
}
} // namespace

FrameOffset ChooseFrame(const ImageStrip& image, double value)
{
    const int n = image.frameCount;
    FrameOffset offset;
    if (n < 2)
        return offset;
    offset.frame = std::clamp(1 + static_cast<int>(0.5 + value * (n - 1)), 1, n);
    if (offset.frame >= 2) {
        if (image.framesHorizontal)
            offset.srcX = RoundedShare(image.width, offset.frame - 1, n);
        else
            offset.srcY = RoundedShare(image.height, offset.frame - 1, n);
    }
    return offset;
}

double StepFrameValue(double value, int frameCount)
{
    value += frameCount >= 2 ? 1.0 / (frameCount - 1) : 1.0;
    return value > kWrapLimit ? 0.0 : value;
}
