// The VST 2.4 plug-in's editor on a real X display, embedded by the window
// mode of our test host and used through XTest, as a user meets it.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <thread>

#include "plugin/FactoryPresets.h"
#include "plugin/SondrelParams.h"
#include "tests/support/HeapGrowth.h"
#include "tests/support/TempDir.h"
#include "tools/hostwindow/UpdateShapes.h"
#include "tests/x11/X11EditorTest.h"
#include "tools/vst2host/Vst2EditorWindow.h"

namespace {
using std::chrono::milliseconds;

constexpr int kGain1 = 0;
constexpr int kMix = SondrelParams::kMix;
// The preset file menu's hot spot and the first gain knob's value text, in
// editor pixels.
constexpr int kFileMenuX = 367, kFileMenuY = 18;
constexpr int kGainTextX = 84, kGainTextY = 136;
// Rows of the preset file menu: Save Preset, Save Bank, a separator, Load
// Preset, Load Bank.
constexpr int kFileMenuRows = 4;

class Vst2WindowTest : public X11EditorTest {
protected:
    void SetUp() override
    {
        X11EditorTest::SetUp();
        host = Load();
    }

    static std::unique_ptr<Vst2Host> Load()
    {
        std::string error;
        std::unique_ptr<Vst2Host> loaded = Vst2Host::Load(SONDREL_VST2_PATH, error);
        EXPECT_TRUE(loaded) << error;
        if (loaded)
            loaded->Open();
        return loaded;
    }

    static std::unique_ptr<Vst2EditorWindow> OpenEditor(Vst2Host& plugin, bool idleCalls = true)
    {
        std::string error;
        std::unique_ptr<Vst2EditorWindow> window = Vst2EditorWindow::Open(plugin, error);
        EXPECT_TRUE(window) << error;
        if (!window)
            return window;
        window->SendIdleCalls(idleCalls);
        window->Run(milliseconds(200));
        return window;
    }

    // Clicks at (x, y) of the editor and, while the host's loop runs the menu
    // that opens, clicks the given row of it (rows of equal height, counting
    // selectable items only, with separatorsAbove separators above the row
    // and separators in all).
    void ChooseFromMenu(Vst2EditorWindow& window, int x, int y, int rows, int row, int separators = 0,
                        int separatorsAbove = 0)
    {
        Click(window, x, y);
        std::thread chooser([&] {
            const std::vector<PixelRect> menus = user->WaitForMenus(1);
            if (menus.size() != 1)
                return;
            PointAtMenuRow(menus.front(), rows, row, separators, separatorsAbove);
            user->Press(kLeftButton);
            user->Release(kLeftButton);
        });
        window.Run(milliseconds(1500));
        chooser.join();
        window.Run(milliseconds(100));
    }

    // Drags the first gain knob upwards: the parameter rises and the host
    // hears one begin and one end around its automation calls.
    void ExpectBalancedDrag(Vst2EditorWindow& window);

    std::unique_ptr<Vst2Host> host;
};

// Threads of this process.
int ThreadCount()
{
    int count = 0;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks))
            count += entry->d_name[0] != '.' ? 1 : 0;
        closedir(tasks);
    }
    return count;
}

int Count(const std::vector<Vst2Host::Call>& calls, VstInt32 opcode, int index)
{
    int n = 0;
    for (const Vst2Host::Call& call : calls)
        n += call.opcode == opcode && call.index == index ? 1 : 0;
    return n;
}
} // namespace

TEST_F(Vst2WindowTest, EditorShowsTheSnapshotPixelForPixel)
{
    ERect* rect = nullptr;
    ASSERT_EQ(host->Dispatch(effEditGetRect, 0, 0, &rect), 1) << "the size is known before the editor opens";
    EXPECT_EQ(rect->right - rect->left, 1030);
    EXPECT_EQ(rect->bottom - rect->top, 436);
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    const xcb_window_t editor = EditorOf(*window);
    ASSERT_NE(editor, static_cast<xcb_window_t>(XCB_WINDOW_NONE)) << "the editor is a child of the host's window";
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
}

void Vst2WindowTest::ExpectBalancedDrag(Vst2EditorWindow& window)
{
    const float before = host->GetParameter(kGain1);
    host->ClearCalls();
    DragKnob(window, -40);
    EXPECT_GT(host->GetParameter(kGain1), before);
    const std::vector<Vst2Host::Call> calls = host->Calls();
    EXPECT_EQ(Count(calls, audioMasterBeginEdit, kGain1), 1);
    EXPECT_GE(Count(calls, audioMasterAutomate, kGain1), 1);
    EXPECT_EQ(Count(calls, audioMasterEndEdit, kGain1), 1);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls.back().opcode, audioMasterEndEdit);
}

TEST_F(Vst2WindowTest, DraggingAKnobMovesItsParameterAndTellsTheHost)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    ExpectBalancedDrag(*window);
}

// Hosts that never send idle calls: the editor's own thread keeps it painted
// and answering until the host's first idle call, which takes over.
TEST_F(Vst2WindowTest, WithoutIdleCallsTheEditorStillPaintsAndTakesADrag)
{
    const int threads = ThreadCount();
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host, false);
    ASSERT_TRUE(window);
    EXPECT_EQ(ThreadCount(), threads + 1) << "the editor runs a thread of its own";
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0);
    ExpectBalancedDrag(*window);
}

TEST_F(Vst2WindowTest, IdleCallsArrivingLateTakeOverFromTheEditorsThread)
{
    const int threads = ThreadCount();
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host, false);
    ASSERT_TRUE(window);
    ExpectBalancedDrag(*window);
    window->SendIdleCalls(true);
    window->Run(milliseconds(100));
    EXPECT_EQ(ThreadCount(), threads) << "the first idle call ends the editor's thread";
    ExpectBalancedDrag(*window);
    host->SetParameter(kGain1, Load()->GetParameter(kGain1));
    window->Run(milliseconds(200));
    EXPECT_EQ(DifferenceFromSnapshot(*window), 0) << "the idle calls paint the knob back";
}

TEST_F(Vst2WindowTest, OpenAndCloseWithoutIdleCallsLeaveNoThreadBehind)
{
    const int threads = ThreadCount();
    std::string error;
    std::unique_ptr<X11HostWindow> window = X11HostWindow::Open(1030, 436, "host", error);
    ASSERT_TRUE(window) << error;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(host->Dispatch(effEditOpen, 0, 0, window->Handle()), 1) << "opening " << i;
        std::this_thread::sleep_for(milliseconds(i % 4 * 20));
        ASSERT_EQ(host->Dispatch(effEditClose), 1);
    }
    EXPECT_EQ(ThreadCount(), threads);
    EXPECT_EQ(user->ChildOf(window->Id()), static_cast<xcb_window_t>(XCB_WINDOW_NONE)) << "no window left behind";
    ASSERT_EQ(host->Dispatch(effEditOpen, 0, 0, window->Handle()), 1);
    host.reset();
    EXPECT_EQ(ThreadCount(), threads) << "closing the plug-in with its editor open ends the thread";
}

// The timer draws only what changed, area by area: meters that moved there
// for a while and then hold still look exactly as a freshly opened editor
// draws the same levels whole.
TEST_F(Vst2WindowTest, MetersDrawnAreaByAreaMatchTheWholeEditorDrawnAtOnce)
{
    constexpr int kBlock = 512;
    host->Start(44100.0f, kBlock);
    std::vector<float> left(kBlock), right(kBlock), outLeft(kBlock), outRight(kBlock);
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    // Each tick one block at the given level, the window's loop run between.
    auto play = [&](Vst2EditorWindow& window, float level, int ticks) {
        for (int tick = 0; tick < ticks; ++tick) {
            for (int i = 0; i < kBlock; ++i)
                left[i] = right[i] = level * static_cast<float>(std::sin(0.05 * i));
            host->ProcessReplacing(inputs, outputs, kBlock);
            window.Run(Vst2EditorWindow::kIdlePeriod);
        }
    };
    std::string error;
    std::unique_ptr<Vst2EditorWindow> moving = Vst2EditorWindow::Open(*host, error);
    ASSERT_TRUE(moving) << error;
    for (int step = 1; step <= 10; ++step)
        play(*moving, 0.05f * static_cast<float>(step), 2);
    play(*moving, 0.5f, 40);
    const std::vector<uint32_t> drawnByArea = Shown(*moving);
    moving.reset();

    std::unique_ptr<Vst2EditorWindow> fresh = Vst2EditorWindow::Open(*host, error);
    ASSERT_TRUE(fresh) << error;
    play(*fresh, 0.5f, 40);
    const std::vector<uint32_t> drawnWhole = Shown(*fresh);
    ASSERT_EQ(drawnByArea.size(), drawnWhole.size());
    ASSERT_FALSE(drawnWhole.empty());
    EXPECT_TRUE(drawnByArea == drawnWhole);
}

// The value box left of the track follows the handle as it moves, as a
// freshly opened editor draws the fader at the same value.
TEST_F(Vst2WindowTest, MixReadoutFollowsTheFaderAsTheWholeEditorDrawsIt)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    const float before = host->GetParameter(kMix);
    DragMixFader(*window, -90);
    ASSERT_LT(host->GetParameter(kMix), before);
    const std::vector<uint32_t> dragged = Shown(*window);
    window.reset();
    window = OpenEditor(*host);
    ASSERT_TRUE(window);
    const std::vector<uint32_t> fresh = Shown(*window);
    ASSERT_FALSE(fresh.empty());
    EXPECT_TRUE(dragged == fresh);
}

// A window that covered part of the editor goes: the uncovered area is
// painted again to its last row and column, whatever its shape.
TEST_F(Vst2WindowTest, EveryUncoveredAreaIsPaintedAgainToItsLastRowAndColumn)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    const std::vector<uint32_t> whole = Shown(*window);
    ASSERT_FALSE(whole.empty());
    for (const PixelRect& area : UpdateShapes(1030, 436)) {
        user->Uncover(EditorOf(*window), area);
        window->Run(milliseconds(60));
        EXPECT_TRUE(Shown(*window) == whole)
            << "uncovered " << area.left << ", " << area.top << " to " << area.right << ", " << area.bottom;
    }
}

TEST_F(Vst2WindowTest, TwoEditorsOpenAtOnceCloseInEitherOrder)
{
    std::unique_ptr<Vst2Host> second = Load();
    ASSERT_TRUE(second);
    for (const bool firstClosesFirst : {true, false}) {
        std::unique_ptr<Vst2EditorWindow> a = OpenEditor(*host);
        std::unique_ptr<Vst2EditorWindow> b = OpenEditor(*second);
        ASSERT_TRUE(a && b);
        std::unique_ptr<Vst2EditorWindow>& closed = firstClosesFirst ? a : b;
        std::unique_ptr<Vst2EditorWindow>& kept = firstClosesFirst ? b : a;
        Vst2Host& keptHost = firstClosesFirst ? *second : *host;
        closed.reset();
        kept->Run(milliseconds(100));
        const float before = keptHost.GetParameter(kGain1);
        DragKnob(*kept, -30);
        EXPECT_GT(keptHost.GetParameter(kGain1), before);
        EXPECT_EQ(DifferenceFromSnapshot(*kept) > 0, true) << "the moved knob shows";
    }
}

// The heap is measured over the cycles, as for the headless editor.
TEST_F(Vst2WindowTest, OpensAndClosesAThousandTimesWithoutGrowth)
{
    std::string error;
    std::unique_ptr<X11HostWindow> window = X11HostWindow::Open(1030, 436, "host", error);
    ASSERT_TRUE(window) << error;
    HeapGrowth::ExpectNone("VST 2.4 editor in a window: open, idle, close", [&] {
        ASSERT_EQ(host->Dispatch(effEditOpen, 0, 0, window->Handle()), 1);
        host->Dispatch(effEditIdle);
        ASSERT_EQ(host->Dispatch(effEditClose), 1);
    });
    EXPECT_EQ(user->ChildOf(window->Id()), static_cast<xcb_window_t>(XCB_WINDOW_NONE)) << "no window left behind";
    std::unique_ptr<Vst2EditorWindow> last = OpenEditor(*host);
    ASSERT_TRUE(last);
    EXPECT_EQ(DifferenceFromSnapshot(*last), 0);
}

TEST_F(Vst2WindowTest, HostWindowDestroyedBeforeCloseLeavesTheEditorClosed)
{
    std::string error;
    std::unique_ptr<X11HostWindow> window = X11HostWindow::Open(1030, 436, "host", error);
    ASSERT_TRUE(window) << error;
    ASSERT_EQ(host->Dispatch(effEditOpen, 0, 0, window->Handle()), 1);
    host->Dispatch(effEditIdle);
    window.reset();
    for (int i = 0; i < 5; ++i)
        host->Dispatch(effEditIdle);
    host->Dispatch(effEditClose);
    EXPECT_EQ(host->Dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(uintptr_t{0x7fffff})), 0)
        << "a window id that does not exist is refused";
    std::unique_ptr<Vst2EditorWindow> reopened = OpenEditor(*host);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(DifferenceFromSnapshot(*reopened), 0);
}

// Keys the editor does not use reach the host's own window, where its
// shortcuts live: a key without meaning to the editor, and a letter over the
// backdrop, which no control takes.
TEST_F(Vst2WindowTest, UnusedKeysGoOnToTheHostsWindow)
{
    constexpr xcb_keysym_t kF5 = 0xffc2;
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    Click(*window, kBackdropX, kBackdropY);
    window->Run(milliseconds(100));
    user->Key(kF5);
    window->Run(milliseconds(100));
    EXPECT_EQ(window->Window().KeyPresses(), 1);
    user->Key('q');
    window->Run(milliseconds(100));
    EXPECT_EQ(window->Window().KeyPresses(), 2);
}

TEST_F(Vst2WindowTest, TheEditorHasTheKeyboardOnlyWhileATextBoxIsOpen)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    ExpectKeyboardWithTheEditorOnlyWhileABoxIsOpen(*window);
}

// The X server going away under an open editor: the host's idle calls go on
// without a crash or a wait, the editor counts as closed, and it opens again
// on a display that works.
TEST_F(Vst2WindowTest, LostDisplayLeavesTheEditorClosedAndReopenable)
{
    auto lost = std::make_unique<EditorDisplay>();
    ASSERT_FALSE(lost->Display().empty());
    std::string error;
    std::unique_ptr<X11HostWindow> window = X11HostWindow::Open(1030, 436, "host", error);
    ASSERT_TRUE(window) << error;
    ASSERT_EQ(host->Dispatch(effEditOpen, 0, 0, window->Handle()), 1);
    host->Dispatch(effEditIdle);
    lost.reset();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i) {
        host->Dispatch(effEditIdle);
        std::this_thread::sleep_for(milliseconds(40));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(1000));
    EXPECT_EQ(host->Dispatch(effEditClose), 1);
    window.reset();
    setenv("DISPLAY", server->Display().c_str(), 1);
    std::unique_ptr<Vst2EditorWindow> reopened = OpenEditor(*host);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(DifferenceFromSnapshot(*reopened), 0);
}

TEST_F(Vst2WindowTest, ChoosingFromThePresetMenuRecallsThePreset)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    ASSERT_EQ(host->Program(), 0);
    host->ClearCalls();
    ChooseFromMenu(*window, kPresetBoxX, kPresetBoxY, kPresetCount, 5);
    EXPECT_EQ(host->Program(), 5);
    EXPECT_GE(host->CountCalls(audioMasterUpdateDisplay), 1) << "the host hears of the new program";
}

TEST_F(Vst2WindowTest, RightClickOnThePresetBoxRenamesThePreset)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    Click(*window, kPresetBoxX, kPresetBoxY, kRightButton);
    window->Run(milliseconds(100));
    user->Type("warm vocal");
    user->Key(kReturnKey);
    window->Run(milliseconds(200));
    EXPECT_EQ(host->ProgramName(), "warm vocal");
}

TEST_F(Vst2WindowTest, TypedGainKeepsTheNumberAndDropsTheLetter)
{
    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    Click(*window, kGainTextX, kGainTextY);
    window->Run(milliseconds(100));
    user->Type("12.5x");
    user->Key(kReturnKey);
    window->Run(milliseconds(200));
    std::unique_ptr<Vst2Host> reference = Load();
    ASSERT_TRUE(reference->StringToParameter(kGain1, "12.5"));
    EXPECT_EQ(host->GetParameter(kGain1), reference->GetParameter(kGain1));
    EXPECT_EQ(host->ParamDisplay(kGain1), reference->ParamDisplay(kGain1));
}

// The file dialogs are a stand-in dialog program named zenity, first on PATH,
// that answers with the path the test chose.
TEST_F(Vst2WindowTest, PresetFileMenuSavesAndLoadsAProgramFile)
{
    TempDir dir;
    mkdir(dir.Path("bin").c_str(), 0700);
    WriteBytes(dir.Path("bin/zenity"), "#!/bin/sh\ncat \"$(dirname \"$0\")/answer\"\n");
    chmod(dir.Path("bin/zenity").c_str(), 0755);
    WriteBytes(dir.Path("bin/answer"), dir.Path("mine.fxp") + "\n");
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (dir.Path("bin") + ":" + path).c_str(), 1);

    std::unique_ptr<Vst2EditorWindow> window = OpenEditor(*host);
    ASSERT_TRUE(window);
    const float saved = host->GetParameter(kGain1);
    ChooseFromMenu(*window, kFileMenuX, kFileMenuY, kFileMenuRows, 0, 1, 0);
    EXPECT_EQ(ReadBytes(dir.Path("mine.fxp")).substr(0, 4), "CcnK") << "a program file was saved";
    host->SetParameter(kGain1, 0.9f);
    ChooseFromMenu(*window, kFileMenuX, kFileMenuY, kFileMenuRows, 2, 1, 1);
    EXPECT_EQ(host->GetParameter(kGain1), saved) << "loading it brings the saved value back";
    setenv("PATH", path.c_str(), 1);
}
