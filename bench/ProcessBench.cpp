// Stereo processing throughput at 48 kHz in blocks of 512 frames, against the
// plain sample-by-sample model as the baseline; each processing kernel
// (argument: 0 SSE2, 1 AVX2, 2 AVX-512) on its own, with the TSC ticks per
// frame of the fastest block.
#include <benchmark/benchmark.h>

#include <x86intrin.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "plugin/Sondrel.h"
#include "tests/support/ReferenceEqualiser.h"

namespace {
constexpr int kBlock = 512;
constexpr double kRate = 48000.0;
constexpr int kGuitar = 9;

enum Scenario { kAllBands, kDry, kTail, kOneBand, kFourBands };

struct Buffers {
    std::vector<double> inL, inR, outL, outR;
    explicit Buffers(bool silent) : inL(kBlock), inR(kBlock), outL(kBlock), outR(kBlock)
    {
        for (int i = 0; i < kBlock; ++i) {
            inL[i] = silent ? 0.0 : 0.5 * std::sin(i * 0.05);
            inR[i] = silent ? 0.0 : 0.5 * std::sin(i * 0.031);
        }
    }
};

void Configure(Sondrel& s, Scenario scenario)
{
    s.RecallPreset(kGuitar);
    if (scenario == kDry) {
        s.GetParam(38)->SetClamped(0.0);
        s.ParamChanged(38);
    }
    const int active = scenario == kOneBand ? 1 : scenario == kFourBands ? 4 : 8;
    for (int k = active; k < 8; ++k) {
        s.GetParam(24 + k)->SetClamped(1.0);
        s.ParamChanged(24 + k);
    }
    s.SetSampleRate(kRate);
    s.SetBlockSize(kBlock);
    s.ResetDsp();
}

void RunPlugin(benchmark::State& state, Scenario scenario)
{
    Sondrel s;
    const SimdPath path = static_cast<SimdPath>(state.range(0));
    if (!s.UseSimdPath(path)) {
        state.SkipWithError("not supported here");
        return;
    }
    state.SetLabel(SimdPathName(path));
    Configure(s, scenario);
    Buffers loud(false), quiet(true);
    double* ins[] = {loud.inL.data(), loud.inR.data()};
    double* outs[] = {loud.outL.data(), loud.outR.data()};
    // Settle the smoothers; the tail case then lets the filters ring out into silence.
    for (int i = 0; i < 200; ++i)
        s.ProcessDouble(ins, outs, kBlock);
    Buffers& in = scenario == kTail ? quiet : loud;
    double* runIns[] = {in.inL.data(), in.inR.data()};
    uint64_t fastest = UINT64_MAX;
    for (auto _ : state) {
        const uint64_t start = __rdtsc();
        s.ProcessDouble(runIns, outs, kBlock);
        const uint64_t ticks = __rdtsc() - start;
        fastest = ticks < fastest ? ticks : fastest;
        benchmark::DoNotOptimize(outs[0][0]);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBlock, benchmark::Counter::kIsRate);
    state.counters["ticks/frame"] = static_cast<double>(fastest) / kBlock;
}

void RunBaseline(benchmark::State& state)
{
    Sondrel s;
    Configure(s, kAllBands);
    ReferenceEqualiser::Values values{};
    for (int i = 0; i < 39; ++i)
        values[static_cast<std::size_t>(i)] = s.GetParam(i)->Value();
    ReferenceEqualiser ref(values, kRate);
    Buffers b(false);
    for (auto _ : state) {
        ref.Process(b.inL.data(), b.inR.data(), b.outL.data(), b.outR.data(), kBlock);
        benchmark::DoNotOptimize(b.outL[0]);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBlock, benchmark::Counter::kIsRate);
}
} // namespace

BENCHMARK(RunBaseline)->Name("Baseline/Guitar");
BENCHMARK_CAPTURE(RunPlugin, Guitar, kAllBands)->DenseRange(0, 2);
BENCHMARK_CAPTURE(RunPlugin, GuitarDry, kDry)->DenseRange(0, 2);
BENCHMARK_CAPTURE(RunPlugin, SilentTail, kTail)->DenseRange(0, 2);
BENCHMARK_CAPTURE(RunPlugin, OneBand, kOneBand)->DenseRange(0, 2);
BENCHMARK_CAPTURE(RunPlugin, FourBands, kFourBands)->DenseRange(0, 2);
