#include "tools/crosscheck/CrossRender.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/ByteFile.h"
#include "tools/render/RenderEngine.h"
#include "tools/render/TestSignal.h"

namespace {
constexpr double kRate = 48000.0;
constexpr int kMix = 38;
constexpr int kInputGain = 32;
constexpr int kFrequency3 = 10;
constexpr double kLimit = 1e-15;

struct Case {
    const char* name;
    int preset;
    double mix;
    int block;
};

// Mix 0 % and 100 % take no crossfade (no libm call on the audio path).
const Case kCases[] = {
    {"preset3-mix100-block512", 3, 100.0, 512},
    {"preset11-mix0-block512", 11, 0.0, 512},
    {"preset17-mix100-block37", 17, 100.0, 37},
    {"preset7-mix81.7-block512", 7, 81.7, 512},
    {"preset20-mix42.5-block64", 20, 42.5, 64},
};

using Planar = std::vector<std::vector<double>>;

bool Render(RenderEngine& engine, const Case& c, const Planar& signal, Planar& out)
{
    if (!engine.SelectPreset(c.preset) || !engine.SetParam(kMix, c.mix) || !engine.SetParam(kInputGain, -1.5) ||
        !engine.SetParam(kFrequency3, 2718.28) || !engine.Start(kRate, c.block, 2))
        return false;
    const int frames = static_cast<int>(signal[0].size());
    out.assign(2, std::vector<double>(signal[0].size()));
    std::vector<double> in[2] = {signal[0], signal[1]};
    for (int start = 0; start < frames; start += c.block) {
        double* inputs[2] = {in[0].data() + start, in[1].data() + start};
        double* outputs[2] = {out[0].data() + start, out[1].data() + start};
        engine.Process(inputs, outputs, std::min(c.block, frames - start));
    }
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

// The largest difference relative to the larger of the two samples.
double LargestRelativeDifference(const std::vector<double>& a, const std::vector<double>& b)
{
    double largest = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double scale = std::max(std::fabs(a[i]), std::fabs(b[i]));
        if (a[i] != b[i])
            largest = std::max(largest, scale > 0.0 ? std::fabs(a[i] - b[i]) / scale : HUGE_VAL);
    }
    return largest;
}
} // namespace

bool RenderCases(const std::string& folder, const std::string& vst2Path, const std::string& vst3Path,
                 std::string& error)
{
    Planar signal(2);
    MakeTestSignal(kRate, signal[0], signal[1]);
    const std::pair<std::string, std::string> formats[] = {{"vst2", vst2Path}, {"vst3", vst3Path}};
    for (const auto& format : formats) {
        for (const Case& c : kCases) {
            std::unique_ptr<RenderEngine> engine = OpenPluginEngine(format.second, error);
            Planar out;
            if (!engine)
                return false;
            if (!Render(*engine, c, signal, out) || !WriteDoubles(CaseFile(folder, format.first, c), out)) {
                error = "cannot render " + format.first + " " + c.name;
                return false;
            }
        }
    }
    return true;
}

bool CompareCases(const std::string& folderA, const std::string& folderB, std::string& error)
{
    bool ok = true;
    for (const char* format : {"vst2", "vst3"}) {
        for (const Case& c : kCases) {
            std::vector<double> a, b;
            if (!ReadDoubles(CaseFile(folderA, format, c), a) || !ReadDoubles(CaseFile(folderB, format, c), b) ||
                a.size() != b.size() || a.empty()) {
                error = std::string("missing or unequal rendering of ") + format + " " + c.name;
                return false;
            }
            std::size_t differing = 0;
            for (std::size_t i = 0; i < a.size(); ++i)
                differing += std::memcmp(&a[i], &b[i], sizeof(double)) != 0;
            const double largest = LargestRelativeDifference(a, b);
            const bool exact = c.mix == 0.0 || c.mix == 100.0;
            const bool passed = exact ? differing == 0 : largest < kLimit;
            std::printf("%s %-26s %s: %zu of %zu samples differ, largest relative difference %.3g\n", format,
                        c.name, passed ? "ok" : "FAILED", differing, a.size(), largest);
            ok = ok && passed;
        }
    }
    if (!ok)
        error = "the renderings differ beyond the limits";
    return ok;
}
