#include "tools/hostwindow/ImageMatch.h"

#include <algorithm>
#include <cstdlib>

namespace {

int ChannelDistance(uint32_t a, uint32_t b)
{
    int largest = 0;
    for (int shift = 0; shift < 24; shift += 8)
        largest = std::max(largest, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return largest;
}

} // namespace

ImageMatch ImageMatch::Compare(const std::vector<uint32_t>& picture, int width, int height,
                               const RasterBitmap& reference, int tolerance)
{
    ImageMatch match;
    match.sameSize = width == reference.Width() && height == reference.Height() &&
                     picture.size() == size_t(width) * size_t(height) && reference.Pixels();
    if (!match.sameSize)
        return match;
    match.total = static_cast<long long>(width) * height;
    PixelRect area{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = reference.Row(y);
        for (int x = 0; x < width; ++x) {
            if (ChannelDistance(picture[size_t(y) * width + x], row[x]) <= tolerance)
                continue;
            ++match.differing;
            area = {std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1),
                    std::max(area.bottom, y + 1)};
        }
    }
    if (match.differing > 0)
        match.differingArea = area;
    return match;
}

std::string ImageMatch::Describe() const
{
    if (!sameSize)
        return "size-differs";
    return "differing " + std::to_string(differing) + " of " + std::to_string(total) + " area " +
           std::to_string(differingArea.left) + " " + std::to_string(differingArea.top) + " " +
           std::to_string(differingArea.right) + " " + std::to_string(differingArea.bottom);
}
