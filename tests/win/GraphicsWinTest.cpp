// The Windows window host inside a host window of the test's own: the
// shared window class, reopening, the text-entry box's character filter,
// folders, clipboard and the requests that need an open window.
#include <gtest/gtest.h>

#include <string>

#include "core/Param.h"
#include "graphics/Control.h"
#include "graphics/win/GraphicsWin.h"
#include "tools/hostwindow/HostWindow.h"

namespace {

constexpr const char* kClass = "SondrelWndClass";

// A control that keeps what a text-entry box hands it.
class EntryTarget : public Control {
public:
    EntryTarget() : Control(nullptr, PixelRect{10, 10, 90, 30}, -1) {}
    bool Render(Graphics&) override { return true; }
    void SetFromUser(double v) override { userValue = v; }
    void SetFromText(const char* text) override { typed = text; }

    double userValue = -1.0;
    std::string typed;
};

class GraphicsWinTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Create("GraphicsWin test", 200, 100)); }

    bool ClassRegistered() const { return ::ClassRegistered(WinWindowHost::ModuleInstance(), kClass); }

    // Types characters into the open box as the keyboard would.
    static void Type(GraphicsWin& editor, const char* text)
    {
        for (const char* c = text; *c; ++c)
            SendMessageA(editor.TextEntryWindow(), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*c)), 0);
    }

    static void OpenEntry(GraphicsWin& editor, EntryTarget& target, const char* text, const Param* param)
    {
        editor.OpenTextEntry(&target, target.Style(), target.Rect(), text, param);
    }

    // A key pressed in the box, and the timer ticks that follow.
    void PressKey(GraphicsWin& editor, WPARAM key)
    {
        SendMessageA(editor.TextEntryWindow(), WM_KEYDOWN, key, 0);
        host.Pump(150);
    }

    static std::string BoxText(GraphicsWin& editor)
    {
        char text[64] = {};
        GetWindowTextA(editor.TextEntryWindow(), text, sizeof text);
        return text;
    }

    HostWindow host;
    GraphicsWin editor{nullptr, 100, 50, 25};
    EntryTarget target;
};

} // namespace

TEST_F(GraphicsWinTest, TheWindowClassStaysWhileAnyEditorIsOpen)
{
    GraphicsWin first(nullptr, 100, 50, 25);
    GraphicsWin second(nullptr, 100, 50, 25);
    ASSERT_NE(first.OpenWindow(host.Handle()), nullptr);
    ASSERT_NE(second.OpenWindow(host.Handle()), nullptr);
    EXPECT_TRUE(ClassRegistered());
    first.CloseWindow();
    EXPECT_FALSE(first.WindowIsOpen());
    EXPECT_TRUE(ClassRegistered());
    second.CloseWindow();
    EXPECT_FALSE(ClassRegistered());
}

TEST_F(GraphicsWinTest, ReopeningReplacesTheWindowAtItsPlace)
{
    HWND first = static_cast<HWND>(editor.OpenWindow(host.Handle()));
    ASSERT_NE(first, nullptr);
    SetWindowPos(first, nullptr, 12, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND second = static_cast<HWND>(editor.OpenWindow(host.Handle()));
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first));
    RECT r;
    GetWindowRect(second, &r);
    MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 7);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 50);
    editor.CloseWindow();
    EXPECT_FALSE(ClassRegistered());
}

TEST_F(GraphicsWinTest, TextEntryFiltersCharactersByParameterKind)
{
    ASSERT_NE(editor.OpenWindow(host.Handle()), nullptr);
    Param gain;
    gain.SetupDouble("Gain", 0.0, -18.0, 18.0, 0.01, "dB", "", 1.0);
    OpenEntry(editor, target, "0.00", &gain);
    ASSERT_NE(editor.TextEntryWindow(), nullptr);
    Type(editor, "12.5x");
    EXPECT_EQ(BoxText(editor), "12.5");
    SendMessageA(editor.TextEntryWindow(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(editor.EntrySession().CurrentState(), TextEntrySession::kApply);
    host.Pump(150);
    EXPECT_EQ(editor.TextEntryWindow(), nullptr);
    EXPECT_NEAR(target.userValue, gain.ToNormalised(12.5), 1e-12);

    Param count;
    count.SetupInt("Count", 0, -10, 10, "", "");
    OpenEntry(editor, target, "0", &count);
    ASSERT_NE(editor.TextEntryWindow(), nullptr);
    Type(editor, "-2.5");
    EXPECT_EQ(BoxText(editor), "-25");
    PressKey(editor, VK_ESCAPE);
    EXPECT_EQ(editor.TextEntryWindow(), nullptr);
    EXPECT_NEAR(target.userValue, gain.ToNormalised(12.5), 1e-12) << "a cancelled box applies nothing";
    editor.CloseWindow();
}

TEST_F(GraphicsWinTest, TextEntryWithoutParameterTakesAnyTextButNoLineBreak)
{
    ASSERT_NE(editor.OpenWindow(host.Handle()), nullptr);
    OpenEntry(editor, target, "Old", nullptr);
    ASSERT_NE(editor.TextEntryWindow(), nullptr);
    OpenEntry(editor, target, "Second", nullptr);
    EXPECT_EQ(BoxText(editor), "Old") << "one box at a time";
    Type(editor, "Mix 2\r");
    EXPECT_EQ(BoxText(editor), "Mix 2");
    PressKey(editor, VK_RETURN);
    EXPECT_EQ(target.typed, "Mix 2");
    editor.CloseWindow();
}

TEST_F(GraphicsWinTest, ClosingTheWindowDropsAnOpenBox)
{
    ASSERT_NE(editor.OpenWindow(host.Handle()), nullptr);
    OpenEntry(editor, target, "Kept", nullptr);
    HWND box = editor.TextEntryWindow();
    ASSERT_NE(box, nullptr);
    editor.CloseWindow();
    EXPECT_EQ(editor.TextEntryWindow(), nullptr);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(target.typed.empty());
}

TEST_F(GraphicsWinTest, FoldersAreThoseOfTheProgramAndTheUser)
{
    std::string host;
    std::string module;
    editor.HostFolder(host);
    editor.ModuleFolder(module);
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    ASSERT_FALSE(host.empty());
    EXPECT_EQ(host.back(), '\\');
    EXPECT_EQ(std::string(program).rfind(host, 0), 0u);
    EXPECT_EQ(module, host) << "the test links the window host into the program";

    std::string desktop, documents, roaming, common;
    editor.DesktopFolder(desktop);
    editor.DocumentsFolder(documents);
    editor.UserAppDataFolder(roaming);
    editor.AppDataFolder(common, true);
    EXPECT_FALSE(desktop.empty());
    EXPECT_FALSE(documents.empty());
    EXPECT_FALSE(roaming.empty());
    EXPECT_FALSE(common.empty());
    EXPECT_NE(roaming, common);
}

TEST_F(GraphicsWinTest, ClipboardTextArrivesAsUtf8)
{
    const wchar_t text[] = L"Gr\u00fc\u00dfe \u20ac5";
    ASSERT_TRUE(OpenClipboard(host.Handle()));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(GlobalLock(block), text, sizeof text);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    std::string out;
    EXPECT_TRUE(editor.ClipboardText(out));
    EXPECT_EQ(out, "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac" "5");

    ASSERT_TRUE(OpenClipboard(host.Handle()));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(editor.ClipboardText(out));
    EXPECT_TRUE(out.empty());
}

TEST_F(GraphicsWinTest, RequestsNeedAnOpenWindow)
{
    std::string path = "Proposed";
    std::string folder = "C:\\";
    editor.ChooseFile(path, Graphics::kFileSave, folder, "fxp");
    EXPECT_TRUE(path.empty());
    EXPECT_EQ(folder, "C:\\");
    ColourARGB colour{255, 1, 2, 3};
    EXPECT_FALSE(editor.ChooseColour(colour, "Colour"));
    PopupMenu menu;
    menu.AddItem("Only");
    EXPECT_EQ(editor.ShowPopupMenu(menu, PixelRect{0, 0, 10, 10}), nullptr);
    EXPECT_EQ(editor.WindowHandle(), nullptr);
    EXPECT_STREQ(editor.PlatformName(), "Windows GDI");
}
