#pragma once

#include <algorithm>
#include <cstdint>

// A rectangle in pixels, origin at the top-left corner. Right and bottom are
// exclusive; a rectangle whose four fields are all 0 is empty.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }

    bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }

    bool Contains(int32_t x, int32_t y) const
    {
        return !IsEmpty() && left <= x && x < right && top <= y && y < bottom;
    }

    PixelRect Intersect(const PixelRect& o) const
    {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }

    PixelRect Union(const PixelRect& o) const
    {
        if (IsEmpty())
            return o;
        if (o.IsEmpty())
            return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }

    bool operator==(const PixelRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const PixelRect& o) const { return !(*this == o); }
};
