#include "graphics/headless/HeadlessTextEntry.h"

#include "graphics/Control.h"
#include "graphics/TextEntry.h"

bool HeadlessTextEntry::Open(Control* editedControl, const TextStyle& boxStyle, const PixelRect& boxRect,
                             const char* initialText, const Param* editedParam)
{
    if (!editedControl || IsOpen())
        return false;
    control = editedControl;
    param = editedParam;
    style = boxStyle;
    rect = boxRect;
    text = initialText ? initialText : "";
    allSelected = true;
    state = kFocused;
    return true;
}

void HeadlessTextEntry::Type(const std::string& typed)
{
    if (!IsOpen())
        return;
    const std::size_t limit = static_cast<std::size_t>(control->TextEntryLength());
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
        } else if (text.size() < limit) {
            text.push_back(c);
        }
    }
}

bool HeadlessTextEntry::Tick()
{
    if (!IsOpen())
        return true;
    switch (state) {
    case kCancel:
        Close();
        return true;
    case kApply: {
        Control* edited = control;
        const Param* editedParam = param;
        const std::string typed = text;
        Close();
        TextEntry::Apply(edited, editedParam, typed.c_str());
        return true;
    }
    case kFocused:
    case kRedrawn:
        state = kIdle;
        return false;
    default:
        state = kRedrawn;
        return true;
    }
}

void HeadlessTextEntry::Close()
{
    control = nullptr;
    param = nullptr;
    text.clear();
    allSelected = false;
    state = kIdle;
}
