// The clipboard's text.
#include <string>

#include "graphics/win/WinWindowHost.h"

namespace {

std::string Utf8FromWide(const wchar_t* text, std::size_t length)
{
    if (length == 0)
        return std::string();
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), &out[0], bytes, nullptr, nullptr);
    return out;
}

// The text of a clipboard block, up to its terminator or the block's end.
std::string ClipboardBlockText(HANDLE block)
{
    const auto* text = static_cast<const wchar_t*>(GlobalLock(block));
    if (!text)
        return std::string();
    const std::size_t capacity = GlobalSize(block) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < capacity && text[length])
        ++length;
    std::string out = Utf8FromWide(text, length);
    GlobalUnlock(block);
    return out;
}

} // namespace

bool WinWindowHost::ClipboardText(std::string& out)
{
    if (!OpenClipboard(window))
        return false;
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT))
        out = ClipboardBlockText(block);
    CloseClipboard();
    return !out.empty();
}
