#include "graphics/EditBox.h"

#include <algorithm>
#include <vector>

#include "graphics/TextEntry.h"
#include "graphics/raster/FontCache.h"
#include "graphics/raster/RasterFill.h"
#include "graphics/raster/RasterFont.h"
#include "graphics/raster/Utf8.h"

namespace {
constexpr int kPadding = 2;
constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kSelectionBackground = 0xFF3399FFu;
constexpr uint32_t kSelectionText = 0xFFFFFFFFu;

// One character of text at `at`: its code and its length in bytes.
struct Character {
    uint32_t code = 0;
    int length = 0;
};

Character CharacterAt(const std::string& text, int at)
{
    Character c;
    c.length = static_cast<int>(DecodeUtf8(text.data() + at, text.size() - static_cast<std::size_t>(at), &c.code));
    return c;
}

// The character as valid UTF-8: a byte that starts no valid sequence stands
// for the Latin-1 character of that value.
std::string Encoded(const std::string& source, int at, const Character& c)
{
    if (c.length > 1 || c.code < 0x80)
        return source.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(c.length));
    return {static_cast<char>(0xC0 | (c.code >> 6)), static_cast<char>(0x80 | (c.code & 0x3F))};
}

// x offset of each byte offset that starts a character (and of the end), from
// the start of the text.
std::vector<int> CharacterOffsets(RasterFont* font, const std::string& text)
{
    std::vector<int> offsets(text.size() + 1, 0);
    for (int at = 0; at < static_cast<int>(text.size());) {
        at += CharacterAt(text, at).length;
        PixelRect measured{0, 0, 0, 0};
        font->DrawString(nullptr, text.c_str(), at, &measured, kTextCalcRect | kTextSingleLine);
        offsets[static_cast<std::size_t>(at)] = measured.right;
    }
    return offsets;
}
} // namespace

void EditBox::Open(const char* initial, const Param* forParam, int limit)
{
    param = forParam;
    maxLength = std::max(1, limit);
    text.clear();
    const std::string source = initial ? initial : "";
    for (int at = 0; at < static_cast<int>(source.size());) {
        const Character c = CharacterAt(source, at);
        text += Encoded(source, at, c);
        at += c.length;
    }
    caret = static_cast<int>(text.size());
    anchor = 0;
    scrollX = 0;
}

int EditBox::CharacterCount() const
{
    int count = 0;
    for (int at = 0; at < static_cast<int>(text.size()); at = NextBoundary(at))
        ++count;
    return count;
}

int EditBox::NextBoundary(int at) const
{
    return at >= static_cast<int>(text.size()) ? at : at + CharacterAt(text, at).length;
}

int EditBox::PreviousBoundary(int at) const
{
    int previous = 0;
    for (int i = 0; i < at; i = NextBoundary(i))
        previous = i;
    return previous;
}

void EditBox::MoveCaret(int to, bool extend)
{
    caret = to;
    if (!extend)
        anchor = caret;
}

void EditBox::DeleteSelection()
{
    const int from = std::min(caret, anchor);
    text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(std::max(caret, anchor) - from));
    caret = anchor = from;
}

EditBox::Outcome EditBox::PressKey(Key key, bool extend)
{
    switch (key) {
    case Key::Left:
        MoveCaret(HasSelection() && !extend ? std::min(caret, anchor) : PreviousBoundary(caret), extend);
        break;
    case Key::Right:
        MoveCaret(HasSelection() && !extend ? std::max(caret, anchor) : NextBoundary(caret), extend);
        break;
    case Key::Home:
        MoveCaret(0, extend);
        break;
    case Key::End:
        MoveCaret(static_cast<int>(text.size()), extend);
        break;
    case Key::Backspace:
        if (!HasSelection())
            anchor = PreviousBoundary(caret);
        DeleteSelection();
        break;
    case Key::Delete:
        if (!HasSelection())
            anchor = NextBoundary(caret);
        DeleteSelection();
        break;
    case Key::SelectAll:
        anchor = 0;
        caret = static_cast<int>(text.size());
        break;
    case Key::Return:
        return Outcome::Apply;
    case Key::Escape:
        return Outcome::Cancel;
    }
    return Outcome::Editing;
}

void EditBox::Insert(const char* typed)
{
    DeleteSelection();
    const std::string source = typed ? typed : "";
    int count = CharacterCount();
    for (int at = 0; at < static_cast<int>(source.size()) && count < maxLength;) {
        const Character c = CharacterAt(source, at);
        const bool control = c.code < 0x20 || c.code == 0x7F;
        const bool passes = c.code < 0x80 ? TextEntry::Accepts(param, static_cast<char>(c.code)) : !param;
        if (!control && passes) {
            const std::string bytes = Encoded(source, at, c);
            text.insert(static_cast<std::size_t>(caret), bytes);
            caret += static_cast<int>(bytes.size());
            ++count;
        }
        at += c.length;
    }
    anchor = caret;
}

bool EditBox::Draw(RasterBitmap* dest, const PixelRect& rect, const TextStyle& style, bool showCaret)
{
    RasterFill(dest, rect.left, rect.top, rect.Width(), rect.Height(), style.entryBackground.Packed() | kOpaque, 1.0f,
               kModeCopy);
    RasterFont* font = FindOrCreateFont(style.fontName, style.size, style.style, 0, style.quality);
    if (!font || !dest)
        return false;
    const PixelRect inner{rect.left + kPadding, rect.top, rect.right - kPadding, rect.bottom};
    const std::vector<int> offsets = CharacterOffsets(font, text);
    const int total = offsets.back();
    const int room = std::max(1, inner.Width());
    int start = inner.left;
    if (total < room) {
        scrollX = 0;
        if (style.align == TextStyle::kAlignCentre)
            start += (room - total) / 2;
        else if (style.align == TextStyle::kAlignRight)
            start += room - total;
    } else {
        const int caretX = offsets[static_cast<std::size_t>(caret)];
        scrollX = std::clamp(scrollX, caretX - room + 1, caretX);
        scrollX = std::clamp(scrollX, 0, total - room + 1);
        start -= scrollX;
    }
    const int top = rect.top + (rect.Height() - font->LineHeight()) / 2;
    const int selectFrom = std::min(caret, anchor);
    const int selectTo = std::max(caret, anchor);
    if (HasSelection()) {
        const int x0 = std::max(inner.left, start + offsets[static_cast<std::size_t>(selectFrom)]);
        const int x1 = std::min(inner.right, start + offsets[static_cast<std::size_t>(selectTo)]);
        RasterFill(dest, x0, top, x1 - x0, font->LineHeight(), kSelectionBackground, 1.0f, kModeCopy);
    }
    const uint32_t foreground = style.entryForeground.Packed() | kOpaque;
    const uint32_t previousColour = font->TextColour();
    for (int at = 0; at < static_cast<int>(text.size());) {
        const Character c = CharacterAt(text, at);
        const bool selected = at >= selectFrom && at < selectTo;
        font->SetTextColour(selected ? kSelectionText : foreground);
        font->DrawGlyph(dest, c.code, start + offsets[static_cast<std::size_t>(at)], top, inner);
        at += c.length;
    }
    font->SetTextColour(previousColour);
    if (showCaret) {
        const int x = std::clamp(start + offsets[static_cast<std::size_t>(caret)], inner.left, inner.right - 1);
        RasterFill(dest, x, top, 1, font->LineHeight(), foreground, 1.0f, kModeCopy);
    }
    return true;
}
