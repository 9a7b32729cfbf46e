// The editor on a real X server (a virtual one of the benchmark's own): what
// presenting the whole panel costs, and what an open editor with moving
// meters costs per 40 ms timer tick at 100 %, 150 % and 200 %, as CPU time of
// the thread that drives it; and the heap an instance holds once its editor,
// opened at each scale, is closed again. The baselines of the same run are
// one request round trip to the server and the 100 % figures.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <time.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "graphics/ScaleSetting.h"
#include "graphics/x11/GraphicsX11.h"
#include "plugin/Sondrel.h"
#include "tests/support/TempDir.h"
#include "tests/x11/EditorDisplay.h"
#include "tools/hostwindow/X11HostWindow.h"
#include "tools/vst2host/Vst2EditorWindow.h"

namespace {
constexpr int kWidth = 1030;
constexpr int kHeight = 436;
constexpr int kBlock = 512;
constexpr double kTickSeconds = 0.040;

EditorDisplay& Display()
{
    static EditorDisplay display;
    return display;
}

// The user's size choice for the editors opened from now on, in a settings
// folder of the benchmark's own.
void ChooseScale(int percent)
{
    static TempDir settings;
    setenv("XDG_CONFIG_HOME", settings.Path("").c_str(), 1);
    ScaleSetting::Save(ScaleSetting::FilePath(settings.Path(""), "Marwick Audio", "Sondrel"), percent);
}

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

void BM_ServerRoundTrip(benchmark::State& state)
{
    xcb_connection_t* c = xcb_connect(Display().Display().c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        state.SkipWithError("no X display");
        return;
    }
    for (auto _ : state)
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
}
BENCHMARK(BM_ServerRoundTrip)->Unit(benchmark::kMicrosecond);

// The whole panel from the surface to the window, waited for until the
// server has it.
void BM_PresentFullFrame(benchmark::State& state)
{
    std::string error;
    std::unique_ptr<X11HostWindow> window;
    if (!Display().Display().empty())
        window = X11HostWindow::Open(kWidth, kHeight, "bench", error);
    if (!window) {
        state.SkipWithError(("no X display: " + error).c_str());
        return;
    }
    Sondrel plugin;
    GraphicsX11 gui(&plugin, kWidth, kHeight, 25);
    gui.PrepareSurface();
    if (!gui.OpenWindow(window->Handle())) {
        state.SkipWithError("the editor window did not open");
        return;
    }
    for (auto _ : state)
        gui.PresentArea({0, 0, kWidth, kHeight});
    state.SetLabel(gui.PresentsThroughSharedMemory() ? "shared memory" : "plain image requests");
    gui.CloseWindow();
}
BENCHMARK(BM_PresentFullFrame)->Unit(benchmark::kMicrosecond);

// One timer tick of the plug-in's open editor at the scale of the argument
// while audio moves its meters: the host's idle call, timed as CPU time of the
// calling thread. core% is that time over the 40 ms between ticks.
void BM_IdleTickMovingMeters(benchmark::State& state)
{
    ChooseScale(static_cast<int>(state.range(0)));
    std::string error;
    std::unique_ptr<Vst2Host> host;
    if (!Display().Display().empty())
        host = Vst2Host::Load(SONDREL_VST2_PATH, error);
    if (!host) {
        state.SkipWithError("no X display or plug-in");
        return;
    }
    host->Open();
    host->Start(44100.0f, kBlock);
    std::unique_ptr<Vst2EditorWindow> window = Vst2EditorWindow::Open(*host, error);
    if (!window) {
        state.SkipWithError(error.c_str());
        return;
    }
    window->Run(std::chrono::milliseconds(200));
    std::vector<float> left(kBlock), right(kBlock), outLeft(kBlock), outRight(kBlock);
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    int step = 0;
    double cpu = 0.0;
    for (auto _ : state) {
        const float level = 0.3f + 0.25f * static_cast<float>(std::sin(0.3 * ++step));
        for (int i = 0; i < kBlock; ++i)
            left[i] = right[i] = level * static_cast<float>(std::sin(0.05 * i));
        host->ProcessReplacing(inputs, outputs, kBlock);
        std::this_thread::sleep_for(std::chrono::duration<double>(kTickSeconds));
        const double before = ThreadSeconds();
        host->Dispatch(effEditIdle);
        const double spent = ThreadSeconds() - before;
        cpu += spent;
        state.SetIterationTime(spent);
    }
    state.counters["core%"] = benchmark::Counter(100.0 * cpu / (kTickSeconds * static_cast<double>(state.iterations())));
}
BENCHMARK(BM_IdleTickMovingMeters)->Arg(100)->Arg(150)->Arg(200)->UseManualTime()->Iterations(150)->Unit(
    benchmark::kMicrosecond);

// The heap one more instance holds after its editor was opened at the scale
// of the argument and closed, the process's image cache already filled at
// that scale by an instance before it.
void BM_InstanceHeapWithClosedEditor(benchmark::State& state)
{
    ChooseScale(static_cast<int>(state.range(0)));
    if (Display().Display().empty()) {
        state.SkipWithError("no X display");
        return;
    }
    const auto openAndClose = [](Vst2Host& host) {
        std::string error;
        std::unique_ptr<Vst2EditorWindow> window = Vst2EditorWindow::Open(host, error);
        if (window)
            window->Run(std::chrono::milliseconds(100));
        return window != nullptr;
    };
    std::string error;
    std::unique_ptr<Vst2Host> first = Vst2Host::Load(SONDREL_VST2_PATH, error);
    if (!first || (first->Open(), !openAndClose(*first))) {
        state.SkipWithError("the editor did not open");
        return;
    }
    double bytes = 0.0;
    for (auto _ : state) {
        const auto before = static_cast<double>(mallinfo2().uordblks);
        std::unique_ptr<Vst2Host> host = Vst2Host::Load(SONDREL_VST2_PATH, error);
        host->Open();
        openAndClose(*host);
        bytes = static_cast<double>(mallinfo2().uordblks) - before;
        state.PauseTiming();
        host->Close();
        host.reset();
        state.ResumeTiming();
    }
    state.counters["MB"] = bytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_InstanceHeapWithClosedEditor)->Arg(100)->Arg(200)->Iterations(3)->Unit(benchmark::kMillisecond);
} // namespace
