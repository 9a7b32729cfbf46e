#pragma once

#include <string>

// Turtle's literals as the TTL files write them.

// A string literal, quoted and escaped.
std::string TtlString(const std::string& text);
// A number as the float a host's port holds, written so that reading it back
// gives that float exactly: always with a decimal point or an exponent.
std::string TtlNumber(double value);
// A parameter's name as an lv2:symbol: lower case, words joined by '_'.
std::string PortSymbol(const std::string& name);
