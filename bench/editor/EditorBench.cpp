// The editor's timer work: what one 40 ms tick costs an idle editor whose
// meters move, at 100 %, 150 % and 200 %, against a full redraw of the whole
// panel and a plain copy of the panel's pixels (the baselines of the same
// run).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "graphics/headless/GraphicsHeadless.h"
#include "plugin/Sondrel.h"

namespace {
constexpr int kWidth = 1030;
constexpr int kHeight = 436;
constexpr int kMeterControls = 8;
constexpr int kFirstMeterControl = 39;

GraphicsHeadless& EditorOf(Sondrel& plugin)
{
    auto& gui = *static_cast<GraphicsHeadless*>(plugin.Editor());
    gui.OpenWindow(nullptr);
    gui.TimerTick();
    gui.TimerTick();
    return gui;
}

// Levels as the audio processing reports them: a slow wobble per meter.
void MoveMeters(Graphics& gui, int step)
{
    for (int i = 0; i < kMeterControls; ++i) {
        const double level = 0.3 + 0.25 * std::sin(0.05 * step + i);
        gui.GetControl(kFirstMeterControl + i)->SetFromHost(level);
    }
}

void BM_PanelCopy(benchmark::State& state)
{
    std::vector<uint32_t> from(kWidth * kHeight, 0xFF202020u), to(kWidth * kHeight);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PanelCopy);

// Each iteration the meters move, then the editor draws at the scale of the
// argument: the whole panel, or what the 40 ms timer finds dirty.
template <bool kWholePanel>
void DrawWithMovingMeters(benchmark::State& state)
{
    Sondrel plugin;
    GraphicsHeadless& gui = EditorOf(plugin);
    gui.SetScale(static_cast<int32_t>(state.range(0)));
    gui.Redraw({0, 0, gui.Width(), gui.Height()});
    int step = 0;
    for (auto _ : state) {
        MoveMeters(gui, ++step);
        if (kWholePanel)
            gui.Redraw({0, 0, gui.Width(), gui.Height()});
        else
            gui.TimerTick();
    }
}

void BM_FullRedraw(benchmark::State& state)
{
    DrawWithMovingMeters<true>(state);
}
BENCHMARK(BM_FullRedraw)->Arg(100)->Arg(150)->Arg(200);

void BM_TimerTickMovingMeters(benchmark::State& state)
{
    DrawWithMovingMeters<false>(state);
}
BENCHMARK(BM_TimerTickMovingMeters)->Arg(100)->Arg(150)->Arg(200);

void BM_TimerTickStill(benchmark::State& state)
{
    Sondrel plugin;
    GraphicsHeadless& gui = EditorOf(plugin);
    for (auto _ : state)
        gui.TimerTick();
}
BENCHMARK(BM_TimerTickStill);
} // namespace
