#include "tools/lv2ttl/TtlText.h"

#include <cctype>
#include <cstdio>

std::string TtlString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

std::string TtlNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(static_cast<float>(value)));
    std::string out = text;
    if (out.find_first_of(".e") == std::string::npos)
        out += ".0";
    return out;
}

std::string PortSymbol(const std::string& name)
{
    std::string symbol;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            symbol.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        else if (!symbol.empty() && symbol.back() != '_')
            symbol.push_back('_');
    }
    return symbol;
}
