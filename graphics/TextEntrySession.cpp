#include "graphics/TextEntrySession.h"

#include "graphics/TextEntry.h"

bool TextEntrySession::Open(Control* edited, const Param* editedParam)
{
    if (!edited || IsOpen())
        return false;
    control = edited;
    param = editedParam;
    state = kFocused;
    return true;
}

void TextEntrySession::End()
{
    control = nullptr;
    param = nullptr;
    state = kIdle;
}

void TextEntrySession::Set(State next)
{
    if (IsOpen())
        state = next;
}

void TextEntrySession::FocusGained()
{
    Set(kFocused);
}

void TextEntrySession::Apply()
{
    Set(kApply);
}

void TextEntrySession::Cancel()
{
    Set(kCancel);
}

void TextEntrySession::PressOnEditor()
{
    Set(state == kFocused ? kCancel : kApply);
}

void TextEntrySession::Redrawn()
{
    Set(kRedrawn);
}

bool TextEntrySession::Tick(const std::function<std::string()>& closeBox)
{
    if (!IsOpen())
        return true;
    switch (state) {
    case kCancel:
        closeBox();
        End();
        return true;
    case kApply: {
        Control* edited = control;
        const Param* editedParam = param;
        const std::string text = closeBox();
        End();
        TextEntry::Apply(edited, editedParam, text.c_str());
        return true;
    }
    case kFocused:
    case kRedrawn:
        state = kIdle;
        return false;
    default:
        return true;
    }
}
