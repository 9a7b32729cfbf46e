#include "graphics/TextEntry.h"

#include <cctype>
#include <string>

#include "core/NumberText.h"
#include "core/Param.h"
#include "graphics/Control.h"

namespace {
constexpr char kBackspace = '\b';

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The number at the start of text: an optional sign, digits and at most one
// decimal point. Anything else (exponents, "inf", "nan", hex) ends it.
double LeadingNumber(const std::string& text)
{
    std::size_t end = 0;
    if (end < text.size() && (text[end] == '-' || text[end] == '+'))
        ++end;
    bool point = false;
    bool digits = false;
    for (; end < text.size(); ++end) {
        if (IsDigit(text[end]))
            digits = true;
        else if (text[end] == '.' && !point)
            point = true;
        else
            break;
    }
    double value = 0.0;
    if (digits)
        ReadLeadingNumber(text.substr(0, end).c_str(), value);
    return value;
}
} // namespace

bool TextEntry::Accepts(const Param* param, char c)
{
    if (!param || c == kBackspace)
        return true;
    if (IsDigit(c) || c == '-' || c == '+')
        return true;
    return c == '.' && param->Type() == ParamType::Double;
}

void TextEntry::Apply(Control* control, const Param* param, const char* text)
{
    if (!control)
        return;
    const std::string typed = std::string(text ? text : "").substr(0, kMaxText);
    if (!param) {
        control->SetFromText(typed.c_str());
        return;
    }
    double plain = 0.0;
    if (param->Type() == ParamType::Enum || param->Type() == ParamType::Bool) {
        int chosen = 0;
        if (param->ParseValueText(typed.c_str(), &chosen))
            plain = chosen;
    } else {
        plain = LeadingNumber(typed);
    }
    control->SetFromUser(param->ToNormalised(plain));
}
