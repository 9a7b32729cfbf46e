#include "adapters/common/ParamText.h"

#include "core/NumberText.h"
#include "core/Param.h"

bool ParseParamText(const Param& param, const char* text, UnlistedText unlisted, double* plain)
{
    int entry = 0;
    if (param.ParseValueText(text, &entry)) {
        *plain = entry;
        return true;
    }
    const bool choice = param.Type() == ParamType::Bool || param.Type() == ParamType::Enum;
    if (unlisted == UnlistedText::NumberUnlessChoice && choice)
        return false;
    return ReadLeadingNumber(text, *plain);
}
