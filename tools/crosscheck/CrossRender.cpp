#include "tools/crosscheck/CrossRender.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/ByteFile.h"
#include "tools/render/FileOutput.h"
#include "tools/render/RenderEngine.h"
#include "tools/render/TestSignal.h"

namespace {
constexpr double kRate = 48000.0;
constexpr int kMix = 38;
constexpr int kInputGain = 32;
constexpr int kOutputGain = 33;
constexpr int kFrequency3 = 10;
constexpr double kLimit = 1e-15;

struct Case {
    const char* name;
    int preset;
    double mix;
    double inputGain;
    double outputGain;
    int block;
    bool settle;
};

// The dry/wet crossfade (mix between 0 % and 100 %) calls sin, gains other
// than 0 dB call exp and the parameter smoothing runs on an exp-derived
// coefficient: their last bit may differ between C runtimes. Settled and
// without them, the equaliser's arithmetic is the same to the bit everywhere.
const Case kCases[] = {
    {"preset3-mix100-block512", 3, 100.0, 0.0, 0.0, 512, true},
    {"preset11-mix0-block512", 11, 0.0, 0.0, 0.0, 512, true},
    {"preset17-mix100-block37", 17, 100.0, 0.0, 0.0, 37, true},
    {"preset7-mix81.7-gains-block512", 7, 81.7, -1.5, 2.25, 512, true},
    {"preset20-mix42.5-gains-block64", 20, 42.5, -6.0, 0.5, 64, true},
    {"preset3-mix100-ramps-block512", 3, 100.0, 0.0, 0.0, 512, false},
    {"preset7-mix81.7-ramps-block512", 7, 81.7, -1.5, 2.25, 512, false},
};

bool IsExact(const Case& c)
{
    return c.settle && (c.mix == 0.0 || c.mix == 100.0) && c.inputGain == 0.0 && c.outputGain == 0.0;
}

using Planar = std::vector<std::vector<double>>;

void Process(RenderEngine& engine, int block, const Planar& signal, Planar& out)
{
    const int frames = static_cast<int>(signal[0].size());
    out.assign(2, std::vector<double>(signal[0].size()));
    Planar in = signal;
    for (int start = 0; start < frames; start += block) {
        double* inputs[2] = {in[0].data() + start, in[1].data() + start};
        double* outputs[2] = {out[0].data() + start, out[1].data() + start};
        engine.Process(inputs, outputs, std::min(block, frames - start));
    }
}

bool Render(RenderEngine& engine, const Case& c, const Planar& signal, Planar& out)
{
    if (!engine.SelectPreset(c.preset) || !engine.SetParam(kMix, c.mix) || !engine.SetParam(kInputGain, c.inputGain) ||
        !engine.SetParam(kOutputGain, c.outputGain) || !engine.SetParam(kFrequency3, 2718.28) ||
        !engine.Start(kRate, c.block, 2))
        return false;
    // A second of silence first settles the parameter smoothing, so the
    // rendering shows the settled arithmetic alone.
    if (c.settle) {
        Planar silence(2, std::vector<double>(static_cast<std::size_t>(kRate))), discarded;
        Process(engine, c.block, silence, discarded);
    }
    Process(engine, c.block, signal, out);
    return true;
}

std::string CaseFile(const std::string& folder, const std::string& format, const Case& c)
{
    return folder + "/" + format + "-" + c.name + ".f64";
}

bool WriteDoubles(const std::string& path, const Planar& planar)
{
    StateChunk bytes;
    for (const auto& channel : planar)
        if (!bytes.AppendBytes(channel.data(), static_cast<int>(channel.size() * sizeof(double))))
            return false;
    return WriteWholeFile(path.c_str(), bytes);
}

bool ReadDoubles(const std::string& path, std::vector<double>& out)
{
    StateChunk bytes;
    if (!ReadWholeFile(path.c_str(), bytes) || bytes.Size() % sizeof(double) != 0)
        return false;
    out.resize(static_cast<std::size_t>(bytes.Size()) / sizeof(double));
    if (!out.empty())
        std::memcpy(out.data(), bytes.Data(), static_cast<std::size_t>(bytes.Size()));
    return true;
}

// The largest difference relative to the rendering's peak level.
double LargestRelativeDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double peak = 0.0, largest = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        peak = std::max(peak, std::fabs(a[i]));
        largest = std::max(largest, std::fabs(a[i] - b[i]));
    }
    return peak > 0.0 ? largest / peak : largest;
}

// The largest difference relative to the larger of the two samples.
double LargestSampleRelativeDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double largest = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            largest = std::max(largest, std::fabs(a[i] - b[i]) / std::max(std::fabs(a[i]), std::fabs(b[i])));
    return largest;
}
} // namespace

bool WriteSignal(const std::string& path, std::string& error)
{
    Planar signal(2);
    MakeTestSignal(kRate, signal[0], signal[1]);
    if (!WriteDoubles(path, signal)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

std::string FormatOf(const std::string& pluginPath)
{
    return EndsWith(pluginPath, ".vst3") ? "vst3" : EndsWith(pluginPath, ".clap") ? "clap" : "vst2";
}

bool RenderCases(const std::string& signalPath, const std::string& folder, const std::vector<std::string>& plugins,
                 std::string& error)
{
    std::vector<double> samples;
    if (!ReadDoubles(signalPath, samples) || samples.empty() || samples.size() % 2 != 0) {
        error = "cannot read the signal " + signalPath;
        return false;
    }
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    const Planar signal = {std::vector<double>(samples.begin(), middle), std::vector<double>(middle, samples.end())};
    for (const std::string& plugin : plugins) {
        const std::string format = FormatOf(plugin);
        for (const Case& c : kCases) {
            std::unique_ptr<RenderEngine> engine = OpenPluginEngine(plugin, error);
            Planar out;
            if (!engine)
                return false;
            if (!Render(*engine, c, signal, out) || !WriteDoubles(CaseFile(folder, format, c), out)) {
                error = "cannot render " + format + " " + c.name;
                return false;
            }
        }
    }
    return true;
}

bool CompareCases(const std::string& folderA, const std::string& folderB, const std::vector<std::string>& formats,
                  std::string& error)
{
    bool ok = !formats.empty();
    for (const std::string& format : formats) {
        for (const Case& c : kCases) {
            std::vector<double> a, b;
            if (!ReadDoubles(CaseFile(folderA, format, c), a) || !ReadDoubles(CaseFile(folderB, format, c), b) ||
                a.size() != b.size() || a.empty()) {
                error = "missing or unequal rendering of " + format + " " + c.name;
                return false;
            }
            std::size_t differing = 0;
            for (std::size_t i = 0; i < a.size(); ++i)
                differing += std::memcmp(&a[i], &b[i], sizeof(double)) != 0;
            const double largest = LargestRelativeDifference(a, b);
            const bool passed = IsExact(c) ? differing == 0 : largest < kLimit;
            std::printf("%s %-31s %s: %zu of %zu samples differ, largest difference %.3g of the peak, %.3g of "
                        "the sample\n",
                        format.c_str(), c.name, passed ? "ok" : "FAILED", differing, a.size(), largest,
                        LargestSampleRelativeDifference(a, b));
            ok = ok && passed;
        }
    }
    if (!ok)
        error = "the renderings differ beyond the limits";
    return ok;
}
