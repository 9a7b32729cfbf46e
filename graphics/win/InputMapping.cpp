#include "graphics/win/InputMapping.h"

namespace {
constexpr unsigned kSpace = 0x20;
constexpr unsigned kLeft = 0x25;
constexpr unsigned kUp = 0x26;
constexpr unsigned kRight = 0x27;
constexpr unsigned kDown = 0x28;
constexpr int kFirstDigitKey = 5;
constexpr int kFirstLetterKey = 15;
} // namespace

int InputMapping::EditorKey(unsigned virtualKey)
{
    switch (virtualKey) {
    case kSpace:
        return 0;
    case kUp:
        return 1;
    case kDown:
        return 2;
    case kLeft:
        return 3;
    case kRight:
        return 4;
    default:
        break;
    }
    if (virtualKey >= '0' && virtualKey <= '9')
        return kFirstDigitKey + static_cast<int>(virtualKey - '0');
    // Letter keys have one code for both cases; the codes of the lower-case
    // letters belong to the numeric keypad and function keys.
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return kFirstLetterKey + static_cast<int>(virtualKey - 'A');
    return -1;
}
