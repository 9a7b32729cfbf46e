#pragma once

#include <cstdint>

// How the window's input messages translate into the editor's events.
namespace InputMapping {
// The wheel amount of one notch.
constexpr int kWheelNotch = 120;

// The editor's key code for a virtual key (space 0, arrows up, down, left,
// right 1-4, digits 5-14, letters 15-40), or -1 for a key not offered to
// controls.
int EditorKey(unsigned virtualKey);

// Whole wheel notches in a signed wheel amount, truncated toward zero.
inline int WheelNotches(int wheelAmount)
{
    return wheelAmount / kWheelNotch;
}

// The signed 16-bit halves of a message's packed position.
inline int LowSigned(uintptr_t packed)
{
    return static_cast<int16_t>(static_cast<uint16_t>(packed & 0xFFFFu));
}
inline int HighSigned(uintptr_t packed)
{
    return static_cast<int16_t>(static_cast<uint16_t>((packed >> 16) & 0xFFFFu));
}
} // namespace InputMapping
