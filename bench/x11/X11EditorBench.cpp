// The editor on a real X server (a virtual one of the benchmark's own): what
// presenting the whole panel costs, and what an open editor with moving
// meters costs per 40 ms timer tick, as CPU time of the thread that drives
// it. The baseline of the same run is one request round trip to the server.
#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include "graphics/x11/GraphicsX11.h"
#include "plugin/Sondrel.h"
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

// One timer tick of the plug-in's open editor while audio moves its meters:
// the host's idle call, timed as CPU time of the calling thread. core% is
// that time over the 40 ms between ticks.
void BM_IdleTickMovingMeters(benchmark::State& state)
{
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
BENCHMARK(BM_IdleTickMovingMeters)->UseManualTime()->Iterations(75)->Unit(benchmark::kMicrosecond);
} // namespace
