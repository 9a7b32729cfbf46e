#pragma once

#include <string>

#include "graphics/TextStyle.h"
#include "graphics/raster/PixelRect.h"
#include "graphics/raster/RasterBitmap.h"

class Param;

// The editor's one-line text-entry box, without a platform: its text (valid
// UTF-8), caret and selection, the length limit and character filter of the
// control being edited, and its drawing onto a raster bitmap. The window host
// feeds it keys and typed or pasted text, and applies or drops the text when
// a key asks for it (TextEntry::Apply does the applying).
class EditBox {
public:
    enum class Key { Left, Right, Home, End, Backspace, Delete, SelectAll, Return, Escape };
    enum class Outcome { Editing, Apply, Cancel };

    // Starts editing text for param (null: any character) with at most
    // maxLength characters (at least 1); the whole text is selected.
    void Open(const char* text, const Param* param, int maxLength);

    // A key; with extend (Shift held) the arrows, Home and End extend the
    // selection. Return asks to apply, Escape to cancel.
    Outcome PressKey(Key key, bool extend = false);

    // Typed or pasted text: replaces the selection, each character passing the
    // filter, control characters dropped, invalid bytes taken as Latin-1,
    // stopping at the length limit.
    void Insert(const char* utf8);

    const std::string& Text() const { return text; }
    // Caret and selection anchor as byte offsets into Text().
    int Caret() const { return caret; }
    int Anchor() const { return anchor; }
    bool HasSelection() const { return caret != anchor; }
    int CharacterCount() const;

    // Draws the box over rect of dest: entryBackground, the text in
    // entryForeground with style's font, size and alignment (scrolled to keep
    // the caret visible), the selection highlighted, and the caret when
    // showCaret. False when the style's font cannot be made (the box is still
    // filled).
    bool Draw(RasterBitmap* dest, const PixelRect& rect, const TextStyle& style, bool showCaret);

private:
    int NextBoundary(int at) const;
    int PreviousBoundary(int at) const;
    void MoveCaret(int to, bool extend);
    void DeleteSelection();

    std::string text;
    const Param* param = nullptr;
    int maxLength = 7;
    int caret = 0;
    int anchor = 0;
    int scrollX = 0;
};
