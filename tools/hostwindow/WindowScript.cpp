#include "tools/hostwindow/WindowScript.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

#include "graphics/raster/PngDecoder.h"
#include "tools/hostwindow/HostWindow.h"
#include "tools/hostwindow/ImageMatch.h"
#include "tools/hostwindow/UpdateShapes.h"

namespace {

constexpr const char* kTitle = "Sondrel Test Host";
constexpr const char* kEditorClass = "SondrelWndClass";
// Long enough for several ticks of the editor's 40 ms redraw timer.
constexpr int kSettleMs = 400;
constexpr int kCycleMs = 30;
constexpr int kPollMs = 50;
// A few timer ticks: the box opens at once and closes on the next tick.
constexpr int kEntryMs = 120;
// Colour steps allowed outside text: rounding of the same blend.
constexpr int kTolerance = 24;

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::unique_ptr<RasterBitmap> ReadPng(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.empty() ? nullptr : DecodePng(bytes.data(), bytes.size());
}

void RunCycles(EditorDriver& driver, HostWindow& window, int cycles, std::ostream& out)
{
    if (cycles <= 0)
        return;
    GuiObjects first{};
    for (int i = 0; i < cycles; ++i) {
        if (!driver.OpenEditor(window.Handle())) {
            out << "cycle-open-failed " << i << "\n";
            return;
        }
        window.Pump(kCycleMs);
        driver.CloseEditor();
        window.Pump(1);
        if (i == 0)
            first = CountGuiObjects();
    }
    const GuiObjects last = CountGuiObjects();
    out << "cycles " << cycles << "\n";
    out << "gdi-objects " << first.gdi << " " << last.gdi << "\n";
    out << "user-objects " << first.user << " " << last.user << "\n";
    out << "gdi-growth " << long(last.gdi) - long(first.gdi) << "\n";
    out << "user-growth " << long(last.user) - long(first.user) << "\n";
    out << "class-after-close " << (ClassRegistered(driver.Module(), kEditorClass) ? 1 : 0) << "\n";
}

// Opens the editor's text-entry box with a right click and cancels it with
// Escape, `cycles` times, counting the boxes that opened.
void RunEntryCycles(HostWindow& window, int cycles, POINT at, std::ostream& out)
{
    HWND editor = window.EditorWindow();
    if (cycles <= 0 || !editor)
        return;
    const LPARAM position = MAKELPARAM(at.x, at.y);
    int opened = 0;
    GuiObjects first{};
    for (int i = 0; i < cycles; ++i) {
        PostMessageA(editor, WM_RBUTTONDOWN, MK_RBUTTON, position);
        PostMessageA(editor, WM_RBUTTONUP, 0, position);
        window.Pump(kEntryMs);
        if (HWND box = FindWindowExA(editor, nullptr, "EDIT", nullptr)) {
            ++opened;
            PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        window.Pump(kEntryMs);
        if (i == 0)
            first = CountGuiObjects();
    }
    const GuiObjects last = CountGuiObjects();
    out << "entries-opened " << opened << "\n";
    out << "entry-gdi-growth " << long(last.gdi) - long(first.gdi) << "\n";
    out << "entry-user-growth " << long(last.user) - long(first.user) << "\n";
    out << "entry-left-open " << (FindWindowExA(editor, nullptr, "EDIT", nullptr) ? 1 : 0) << "\n";
}

// What the editor window shows against reference; empty when it cannot be read.
std::string Match(const HostWindow& window, const RasterBitmap& reference)
{
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
    if (!window.CaptureEditor(pixels, width, height))
        return std::string();
    return ImageMatch::Compare(pixels, width, height, reference, kTolerance).Describe();
}

void Compare(const HostWindow& window, const char* name, const RasterBitmap& reference, std::ostream& out)
{
    const std::string match = Match(window, reference);
    out << name << " " << (match.empty() ? "no-capture" : match) << "\n";
}

// Spoils each update rectangle of UpdateShapes in the editor window and has
// the window paint it again, as when something that covered it went; reports
// the first shape the window does not paint back to the reference, or all.
void RunRepaints(const HostWindow& window, const RasterBitmap& reference, std::ostream& out)
{
    HWND editor = window.EditorWindow();
    RECT client;
    if (!editor || !GetClientRect(editor, &client))
        return;
    const std::vector<PixelRect> shapes = UpdateShapes(client.right, client.bottom);
    const std::string clean = Match(window, reference);
    for (const PixelRect& shape : shapes) {
        const RECT area{shape.left, shape.top, shape.right, shape.bottom};
        HDC dc = GetDC(editor);
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ReleaseDC(editor, dc);
        InvalidateRect(editor, &area, FALSE);
        UpdateWindow(editor);
        const std::string match = Match(window, reference);
        if (match != clean) {
            out << "repaint-match " << shape.left << " " << shape.top << " " << shape.right << " " << shape.bottom
                << " " << match << "\n";
            return;
        }
    }
    out << "repaint-match all " << shapes.size() << "\n";
}

// Where the editor's window lies in the host window's client area, and the
// size of that area: the editor fills it when both are the editor's size.
void ReportPlacement(const HostWindow& window, std::ostream& out)
{
    RECT client{}, editor{};
    HWND editorWindow = window.EditorWindow();
    if (!editorWindow || !GetClientRect(window.Handle(), &client) || !GetWindowRect(editorWindow, &editor))
        return;
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&editor), 2);
    out << "host-client " << client.right << " " << client.bottom << "\n";
    out << "editor-window " << editor.left << " " << editor.top << " " << editor.right << " " << editor.bottom << "\n";
}

} // namespace

bool WindowScript::Parse(int argc, char** argv, const char* usage)
{
    if (argc < 2) {
        std::cerr << usage;
        return false;
    }
    for (int i = 2; i < argc; ++i) {
        const std::string flag = argv[i];
        const bool hasValue = i + 1 < argc;
        if (flag == "--cycles" && hasValue)
            cycles = std::atoi(argv[++i]);
        else if (flag == "--entry-cycles" && i + 3 < argc) {
            entryCycles = std::atoi(argv[++i]);
            entryAt.x = std::atoi(argv[++i]);
            entryAt.y = std::atoi(argv[++i]);
        } else if (flag == "--seconds" && hasValue)
            seconds = std::atof(argv[++i]);
        else if (flag == "--until" && hasValue)
            untilFile = argv[++i];
        else if (flag == "--reference" && hasValue)
            referencePng = argv[++i];
        else if (flag == "--reference-headless")
            compareHeadless = true;
        else if (flag == "--scale" && hasValue)
            scalePercent = std::atoi(argv[++i]);
        else if (flag == "--host-scale" && hasValue)
            hostScale = std::atof(argv[++i]);
        else
            return std::cerr << "unknown option " << flag << "\n", false;
    }
    return true;
}

int WindowScript::Run(EditorDriver& driver, const RasterBitmap* headless, std::ostream& out) const
{
    int width = 0;
    int height = 0;
    if (hostScale > 0.0)
        out << "host-scale " << (driver.SetHostScale(hostScale) ? "taken" : "none") << "\n";
    if (!driver.EditorSize(width, height))
        return out << "no-editor\n", 1;
    out << "editor-size " << width << " " << height << "\n";
    HostWindow window;
    if (!window.Create(kTitle, width, height))
        return out << "no-host-window\n", 1;
    RunCycles(driver, window, cycles, out);
    if (!driver.OpenEditor(window.Handle()))
        return out << "open-failed\n", 1;
    out << "opened " << (window.EditorWindow() ? 1 : 0) << "\n";
    ReportPlacement(window, out);
    POINT origin{0, 0};
    ClientToScreen(window.EditorWindow() ? window.EditorWindow() : window.Handle(), &origin);
    out << "editor-origin " << origin.x << " " << origin.y << "\n" << std::flush;
    window.Pump(kSettleMs);
    if (compareHeadless && headless) {
        Compare(window, "headless-match", *headless, out);
        RunRepaints(window, *headless, out);
    }
    if (!referencePng.empty()) {
        const std::unique_ptr<RasterBitmap> reference = ReadPng(referencePng);
        if (reference)
            Compare(window, "reference-match", *reference, out);
        else
            out << "reference-match unreadable\n";
    }
    RunEntryCycles(window, entryCycles, entryAt, out);
    out << "ready\n" << std::flush;
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0);
    while (GetTickCount64() < end && (untilFile.empty() || !FileExists(untilFile)))
        window.Pump(kPollMs);
    driver.CloseEditor();
    window.Pump(kPollMs);
    driver.Report(out);
    return 0;
}
