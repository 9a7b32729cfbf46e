// Asking the user for a parameter's value: a menu of its value texts for
// enumerations and switches with texts, a text-entry box for numbers.
#include <algorithm>
#include <cstring>

#include "core/Param.h"
#include "graphics/Graphics.h"

void Graphics::PromptForValue(Control* control, const Param* param, const PixelRect* rect)
{
    if (!control || !param || !rect)
        return;
    const bool menu = param->Type() == ParamType::Enum ||
                      (param->Type() == ParamType::Bool && param->ValueTextCount() > 0);
    if (menu) {
        PromptWithMenu(control, param, *rect);
        return;
    }
    char text[Param::kTextSize];
    param->FormatCurrentNumber(text);
    OpenTextEntry(control, control->Style(), *rect, text, param);
}

void Graphics::PromptWithMenu(Control* control, const Param* param, const PixelRect& rect)
{
    char current[Param::kTextSize];
    param->FormatValue(param->Value(), false, current, true);
    PopupMenu menu;
    const int count = param->ValueTextCount();
    for (int v = 0; v < count; ++v) {
        const char* text = "";
        for (int i = 0; i < count; ++i) {
            if (param->ValueTextAt(i)->value == v) {
                text = param->ValueTextAt(i)->text;
                break;
            }
        }
        menu.AddItem(text, std::strcmp(text, current) == 0 ? PopupMenu::kChecked : 0);
    }
    const PopupMenu* chosen = ShowPopupMenu(menu, rect);
    if (!chosen)
        return;
    const double plain = std::clamp(static_cast<double>(chosen->chosenItem), param->Min(), param->Max());
    control->SetFromUser(param->ToNormalised(plain));
}
