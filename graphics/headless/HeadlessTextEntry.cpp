#include "graphics/headless/HeadlessTextEntry.h"

#include "graphics/TextEntry.h"

void HeadlessTextEntry::Open(const TextStyle& boxStyle, const PixelRect& boxRect, const char* initialText,
                             const Param* editedParam, int length)
{
    param = editedParam;
    maxLength = static_cast<std::size_t>(length);
    style = boxStyle;
    rect = boxRect;
    text = initialText;
    allSelected = true;
    open = true;
}

void HeadlessTextEntry::Type(const std::string& typed)
{
    if (!open)
        return;
    for (const char c : typed) {
        if (!TextEntry::Accepts(param, c))
            continue;
        if (allSelected) {
            text.clear();
            allSelected = false;
        }
        if (c == '\b') {
            if (!text.empty())
                text.pop_back();
        } else if (text.size() < maxLength) {
            text.push_back(c);
        }
    }
}

void HeadlessTextEntry::Close()
{
    param = nullptr;
    text.clear();
    allSelected = false;
    open = false;
}
