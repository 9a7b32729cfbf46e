// Our built binaries, through their own interfaces, against LSP's Parametric
// Equalizer x16 Stereo (LV2) in the same run: stereo, 48 kHz, blocks of 512.
// Prints the usual benchmark lines, then the ratios of our throughput to the
// peer's, from the mean CPU time and from the fastest block (TSC ticks), and
// the time per block of the CLAP module against the VST 2.4 binary and of
// blocks with timed parameter events against blocks without.
#include <benchmark/benchmark.h>
#include <x86intrin.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchSubjects.h"

namespace {
constexpr int kGuitar = 9;
// Blocks run before timing: the smoothers settle and the filters fill.
constexpr int kWarmBlocks = 400;
// In the tail measurement one loud block in this many keeps the bands ringing.
constexpr int kTailPeriod = 64;

struct Scenario {
    const char* name;
    BenchSettings settings;
    bool tail;
};

const Scenario kScenarios[] = {
    {"Guitar", {kGuitar, 8, false}, false},
    {"Mix 0%", {kGuitar, 8, true}, false},
    {"Tail", {kGuitar, 8, false}, true},
    {"1 band", {kGuitar, 1, false}, false},
    {"4 bands", {kGuitar, 4, false}, false},
};

using Factory = std::function<std::unique_ptr<BenchSubject>(const BenchSettings&, std::string&)>;

struct Format {
    const char* name;
    Factory make;
};

// The binaries measured: the ones built with this benchmark, or others named
// by SONDREL_BENCH_VST2 and SONDREL_BENCH_VST3 (to compare two builds).
std::string BinaryPath(const char* variable, const char* built)
{
    const char* chosen = std::getenv(variable);
    return chosen && *chosen ? chosen : built;
}

std::unique_ptr<BenchSubject> Vst2(bool doubles, const BenchSettings& settings, std::string& error)
{
    return MakeVst2Subject(BinaryPath("SONDREL_BENCH_VST2", SONDREL_VST2_PATH), doubles, settings, error);
}

std::unique_ptr<BenchSubject> Vst3(bool doubles, const BenchSettings& settings, std::string& error)
{
    return MakeVst3Subject(BinaryPath("SONDREL_BENCH_VST3", SONDREL_VST3_BUNDLE), doubles, settings, error);
}

std::unique_ptr<BenchSubject> Clap(bool doubles, int eventsPerBlock, const BenchSettings& settings, std::string& error)
{
    return MakeClapSubject(BinaryPath("SONDREL_BENCH_CLAP", SONDREL_CLAP_PATH), doubles, settings, eventsPerBlock,
                           error);
}

// Timed parameter events split the block at their frames: a block with this
// many is measured against one without.
constexpr int kEventsPerBlock = 16;

const Format kFormats[] = {
    {"VST2 float", [](const BenchSettings& s, std::string& e) { return Vst2(false, s, e); }},
    {"VST2 double", [](const BenchSettings& s, std::string& e) { return Vst2(true, s, e); }},
    {"VST3 float", [](const BenchSettings& s, std::string& e) { return Vst3(false, s, e); }},
    {"VST3 double", [](const BenchSettings& s, std::string& e) { return Vst3(true, s, e); }},
    {"CLAP float", [](const BenchSettings& s, std::string& e) { return Clap(false, 0, s, e); }},
    {"CLAP double", [](const BenchSettings& s, std::string& e) { return Clap(true, 0, s, e); }},
    {"CLAP events", [](const BenchSettings& s, std::string& e) { return Clap(false, kEventsPerBlock, s, e); }},
};

// Costs of one path against another in the same run: the CLAP module against
// the VST 2.4 binary, and blocks with timed events against blocks without.
struct Comparison {
    const char* subject;
    const char* baseline;
};
const Comparison kComparisons[] = {
    {"CLAP float", "VST2 float"},
    {"CLAP double", "VST2 double"},
    {"CLAP events", "CLAP float"},
};

const char* const kPeer = "LSP x16";

std::string Name(const char* subject, const Scenario& scenario)
{
    return std::string(subject) + "/" + scenario.name;
}

void Measure(benchmark::State& state, const Factory& make, const Scenario& scenario)
{
    std::string error;
    std::unique_ptr<BenchSubject> subject = make(scenario.settings, error);
    if (!subject) {
        state.SkipWithError(error.c_str());
        return;
    }
    StereoBlock block;
    for (int i = 0; i < kWarmBlocks; ++i)
        subject->Process(block, false);
    uint64_t fastest = UINT64_MAX;
    int64_t blocks = 0;
    for (auto _ : state) {
        const bool silent = scenario.tail && blocks % kTailPeriod != 0;
        const uint64_t start = __rdtsc();
        subject->Process(block, silent);
        const uint64_t ticks = __rdtsc() - start;
        fastest = ticks < fastest ? ticks : fastest;
        ++blocks;
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(blocks) * StereoBlock::kFrames, benchmark::Counter::kIsRate);
    state.counters["ticks/frame"] = static_cast<double>(fastest) / StereoBlock::kFrames;
}

// Keeps each run's throughput and fastest block for the ratio tables.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const auto rate = run.counters.find("frames/s");
            const auto ticks = run.counters.find("ticks/frame");
            if (rate != run.counters.end() && ticks != run.counters.end())
                results[run.benchmark_name()] = {rate->second.value, ticks->second.value};
        }
    }

    void PrintRatios() const
    {
        Table("mean throughput", [](const Result& ours, const Result& peer) { return ours.rate / peer.rate; });
        Table("fastest block", [](const Result& ours, const Result& peer) { return peer.ticks / ours.ticks; });
        std::printf("\nTSC ticks per frame, fastest block:\n%-10s", "");
        for (const Format& format : kFormats)
            std::printf(" %12s", format.name);
        std::printf(" %12s\n", kPeer);
        for (const Scenario& scenario : kScenarios) {
            std::printf("%-10s", scenario.name);
            for (const Format& format : kFormats)
                PrintCell(Find(Name(format.name, scenario)), [](const Result& r) { return r.ticks; });
            PrintCell(Find(Name(kPeer, scenario)), [](const Result& r) { return r.ticks; });
            std::printf("\n");
        }
        PrintCosts();
    }

private:
    struct Result {
        double rate;
        double ticks;
    };

    const Result* Find(const std::string& name) const
    {
        const auto found = results.find(name);
        return found == results.end() ? nullptr : &found->second;
    }

    template <typename Value>
    static void PrintCell(const Result* result, Value value)
    {
        if (result)
            std::printf(" %12.2f", value(*result));
        else
            std::printf(" %12s", "-");
    }

    // Mean time per block of each compared path over its baseline's.
    void PrintCosts() const
    {
        std::printf("\nTime per block against a baseline (mean CPU time ratio):\n%-10s", "");
        for (const Comparison& c : kComparisons)
            std::printf(" %26s", (std::string(c.subject) + " / " + c.baseline).c_str());
        std::printf("\n");
        for (const Scenario& scenario : kScenarios) {
            std::printf("%-10s", scenario.name);
            for (const Comparison& c : kComparisons) {
                const Result* subject = Find(Name(c.subject, scenario));
                const Result* baseline = Find(Name(c.baseline, scenario));
                if (subject && baseline)
                    std::printf(" %25.3fx", baseline->rate / subject->rate);
                else
                    std::printf(" %26s", "-");
            }
            std::printf("\n");
        }
    }

    template <typename Ratio>
    void Table(const char* basis, Ratio ratio) const
    {
        std::printf("\nSpeed relative to %s with the same bells (%s):\n%-10s", kPeer, basis, "");
        for (const Format& format : kFormats)
            std::printf(" %12s", format.name);
        std::printf("\n");
        for (const Scenario& scenario : kScenarios) {
            std::printf("%-10s", scenario.name);
            const Result* peer = Find(Name(kPeer, scenario));
            for (const Format& format : kFormats) {
                const Result* ours = Find(Name(format.name, scenario));
                if (ours && peer)
                    std::printf(" %11.2fx", ratio(*ours, *peer));
                else
                    std::printf(" %12s", "-");
            }
            std::printf("\n");
        }
    }

    std::map<std::string, Result> results;
};
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const Factory peer = [](const BenchSettings& s, std::string& e) { return MakePeerSubject(s, e); };
    for (const Scenario& scenario : kScenarios) {
        benchmark::RegisterBenchmark(Name(kPeer, scenario).c_str(), Measure, peer, scenario);
        for (const Format& format : kFormats)
            benchmark::RegisterBenchmark(Name(format.name, scenario).c_str(), Measure, format.make, scenario);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
