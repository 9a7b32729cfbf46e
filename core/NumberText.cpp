#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

bool ReadLeadingNumber(const char* text, double& value)
{
    if (!text)
        return false;
    while (*text == ' ' || *text == '\t')
        ++text;
    if (text[0] == '+' && text[1] != '-')
        ++text;
    double number = 0.0;
    const std::from_chars_result read = std::from_chars(text, text + std::strlen(text), number);
    if (read.ec != std::errc() || !std::isfinite(number))
        return false;
    value = number;
    return true;
}
