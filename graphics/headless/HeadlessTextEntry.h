#pragma once

#include <string>

#include "graphics/TextStyle.h"
#include "graphics/raster/PixelRect.h"

class Param;

// The text-entry box of the headless editor. It opens with its whole text
// selected; typed characters pass the box's character filter and length
// limit. Whether it applies or cancels is the editor's TextEntrySession.
class HeadlessTextEntry {
public:
    void Open(const TextStyle& style, const PixelRect& rect, const char* text, const Param* param, int maxLength);
    void Type(const std::string& typed);
    void Close();

    bool IsOpen() const { return open; }
    const std::string& Text() const { return text; }
    const PixelRect& Rect() const { return rect; }
    const TextStyle& Style() const { return style; }

private:
    const Param* param = nullptr;
    std::size_t maxLength = 0;
    TextStyle style;
    PixelRect rect;
    std::string text;
    bool allSelected = false;
    bool open = false;
};
