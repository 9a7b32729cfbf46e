#pragma once

class Control;
class Param;

// The rules of the editor's text-entry box, shared by every platform.
namespace TextEntry {
// Most characters the box hands over.
constexpr int kMaxText = 31;

// Whether the box takes a typed character: everything for a box without a
// parameter; digits and signs for switches, integers and enumerations, and a
// decimal point too for continuous parameters. Backspace always passes.
bool Accepts(const Param* param, char c);

// Applies the typed text: a value text for switches and enumerations (the
// first value when none matches), otherwise the leading decimal number (0 when
// there is none), clamped to the parameter's range and handed to the control
// as a user value. Without a parameter the text goes to the control as it is.
void Apply(Control* control, const Param* param, const char* text);
} // namespace TextEntry
