#pragma once

class Param;

// What a text that is none of a parameter's value texts means.
enum class UnlistedText {
    // A decimal number, for any parameter.
    Number,
    // A decimal number, except for a switch or a choice, which takes only
    // its value texts.
    NumberUnlessChoice,
};

// Reads a host's text for param into a plain value: one of its value texts
// ("on", "Wet", "-inf.") gives that entry, else the text is read as
// unlisted says. False when the text matches nothing.
bool ParseParamText(const Param& param, const char* text, UnlistedText unlisted, double* plain);
