// What the plug-in plays and saves stays what it was: renders through every
// built binary hash to the recorded values (the CLAP module's and the LV2
// bundle's to the built-in class's), and the state it saves (VST 2.4
// chunks, VST 3 state, program and bank files) matches the recorded bytes.
// SONDREL_GOLDEN_WRITE=FOLDER records them anew into FOLDER instead.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "plugin/SondrelParams.h"
#include "tests/support/TempDir.h"
#include "tools/crosscheck/CrossState.h"
#include "tools/render/BuiltinEngine.h"
#include "tools/render/TestSignal.h"

using namespace SondrelParams;

namespace {
struct Setting {
    int index;
    double plain;
};

struct RenderCase {
    std::string name;
    int preset;
    std::vector<Setting> settings;
    double rate = 48000.0;
    int block = 512;
    int channels = 2;
};

// Every factory preset as it stands, then the settings and host conditions
// the sound depends on beyond the presets.
std::vector<RenderCase> Cases()
{
    std::vector<RenderCase> cases;
    for (int preset = 0; preset < 24; ++preset)
        cases.push_back({"preset" + std::to_string(preset), preset, {}});
    const int guitar = 9;
    cases.push_back({"mono", guitar, {}, 48000.0, 512, 1});
    cases.push_back({"block1", guitar, {}, 48000.0, 1});
    cases.push_back({"block37", guitar, {}, 48000.0, 37});
    cases.push_back({"block4096", guitar, {}, 48000.0, 4096});
    cases.push_back({"rate44100", guitar, {}, 44100.0});
    cases.push_back({"rate96000", guitar, {}, 96000.0});
    cases.push_back({"mix0", guitar, {{kMix, 0.0}}});
    cases.push_back({"mix37.5", guitar, {{kMix, 37.5}}});
    cases.push_back({"gains", guitar, {{kInputGain, -6.5}, {kOutputGain, 3.25}}});
    cases.push_back({"phase", guitar, {{kPhase, 1.0}}});
    cases.push_back({"bypasses", guitar, {{kBandBypass + 2, 1.0}, {kLeftBypass, 1.0}}});
    cases.push_back({"global-bypass", guitar, {{kBypass, 1.0}}});
    cases.push_back({"bands", 0, {{kGain + 1, 12.0}, {kFrequency + 1, 333.0}, {kBandwidth + 1, 1.0},
                                  {kGain + 6, -17.5}, {kFrequency + 6, 9000.0}}});
    return cases;
}

uint64_t Fnv1a(const void* data, std::size_t size, uint64_t hash)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

template <typename Sample>
uint64_t RenderHash(RenderEngine& engine, const RenderCase& c, const std::vector<double>& left,
                    const std::vector<double>& right)
{
    const int frames = static_cast<int>(left.size());
    std::vector<std::vector<Sample>> in = {{left.begin(), left.end()}, {right.begin(), right.end()}};
    std::vector<std::vector<Sample>> out(2, std::vector<Sample>(left.size()));
    for (int start = 0; start < frames; start += c.block) {
        const int n = std::min(c.block, frames - start);
        Sample* inputs[2] = {in[0].data() + start, in[1].data() + start};
        Sample* outputs[2] = {out[0].data() + start, out[1].data() + start};
        if constexpr (std::is_same_v<Sample, double>)
            engine.Process(inputs, outputs, n);
        else
            engine.ProcessFloat(inputs, outputs, n);
    }
    uint64_t hash = 14695981039346656037ull;
    for (int ch = 0; ch < c.channels; ++ch)
        hash = Fnv1a(out[static_cast<std::size_t>(ch)].data(), out[0].size() * sizeof(Sample), hash);
    return hash;
}

// What renders: the built-in class and the built binaries.
struct Engine {
    const char* name;
    const char* path; // none: the built-in class
    bool samples64 = true; // whether it renders 64-bit samples (LV2 carries 32-bit ones only)
};
const std::vector<Engine> kRecordedEngines = {
    {"builtin", nullptr}, {"vst2", SONDREL_VST2_PATH}, {"vst3", SONDREL_VST3_BUNDLE}};

std::unique_ptr<RenderEngine> Open(const Engine& engine, std::string& error)
{
    if (!engine.path)
        return std::make_unique<BuiltinEngine>();
    return OpenPluginEngine(engine.path, error);
}

// The first second of the built-in test signal at the rate, made once.
const std::vector<std::vector<double>>& SignalAt(double rate)
{
    static std::map<double, std::vector<std::vector<double>>> signals;
    auto found = signals.find(rate);
    if (found == signals.end()) {
        std::vector<double> left, right;
        MakeTestSignal(rate, left, right);
        left.resize(static_cast<std::size_t>(rate));
        right.resize(static_cast<std::size_t>(rate));
        found = signals.emplace(rate, std::vector<std::vector<double>>{left, right}).first;
    }
    return found->second;
}

std::string Hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// One line per case, engine and sample size: "case engine double|float hash".
std::map<std::string, std::string> RenderAll(const std::vector<Engine>& engines)
{
    std::map<std::string, std::string> lines;
    for (const Engine& engine : engines) {
        for (const RenderCase& c : Cases()) {
            const std::vector<std::vector<double>>& signal = SignalAt(c.rate);
            for (const bool doubles : {true, false}) {
                if (doubles && !engine.samples64)
                    continue;
                std::string error;
                std::unique_ptr<RenderEngine> plugin = Open(engine, error);
                EXPECT_TRUE(plugin) << error;
                if (!plugin)
                    return lines;
                EXPECT_TRUE(plugin->SelectPreset(c.preset));
                for (const Setting& s : c.settings)
                    EXPECT_TRUE(plugin->SetParam(s.index, s.plain)) << c.name;
                EXPECT_TRUE(plugin->Start(c.rate, c.block, c.channels));
                const uint64_t hash = doubles ? RenderHash<double>(*plugin, c, signal[0], signal[1])
                                              : RenderHash<float>(*plugin, c, signal[0], signal[1]);
                lines[c.name + " " + engine.name + (doubles ? " double" : " float")] = Hex(hash);
            }
        }
    }
    return lines;
}

std::map<std::string, std::string> ReadLines(const std::string& path)
{
    std::map<std::string, std::string> lines;
    std::ifstream file(path);
    std::string a, b, c, hash;
    while (file >> a >> b >> c >> hash)
        lines[a + " " + b + " " + c] = hash;
    return lines;
}

const char* const kStateFiles[] = {"vst2-program.chunk", "vst2-bank.chunk", "vst3.state", "clap.state",
                                   "program.fxp", "bank.fxb"};

bool MakeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

const char* WriteFolder()
{
    return std::getenv("SONDREL_GOLDEN_WRITE");
}
} // namespace

TEST(GoldenOutput, RendersHashAsRecordedInEveryFormatAndSampleSize)
{
    const std::map<std::string, std::string> rendered = RenderAll(kRecordedEngines);
    if (const char* folder = WriteFolder()) {
        std::ofstream file(std::string(folder) + "/renders.txt");
        for (const auto& [key, hash] : rendered)
            file << key << " " << hash << "\n";
        GTEST_SKIP() << "recorded " << rendered.size() << " renders into " << folder;
    }
    const std::map<std::string, std::string> recorded = ReadLines(SONDREL_GOLDEN_DIR "/renders.txt");
    ASSERT_EQ(rendered.size(), recorded.size());
    for (const auto& [key, hash] : recorded)
        EXPECT_EQ(rendered.count(key) ? rendered.at(key) : "missing", hash) << key;
}

// The CLAP module and the LV2 bundle (stereo and mono, in 32 bits), younger
// than the recording, play what the built-in class was recorded playing,
// case for case.
TEST(GoldenOutput, ClapAndLv2RenderHashAsRecordedForTheBuiltInClass)
{
    if (WriteFolder())
        GTEST_SKIP() << "the CLAP module and the LV2 bundle have no renders of their own to record";
    const std::map<std::string, std::string> recorded = ReadLines(SONDREL_GOLDEN_DIR "/renders.txt");
    for (const Engine& engine : {Engine{"clap", SONDREL_CLAP_PATH}, Engine{"lv2", SONDREL_LV2_BUNDLE, false}}) {
        const std::map<std::string, std::string> rendered = RenderAll({engine});
        ASSERT_EQ(rendered.size(), (engine.samples64 ? 2 : 1) * Cases().size()) << engine.name;
        const std::string own = std::string(" ") + engine.name + " ";
        for (const auto& [key, hash] : rendered) {
            std::string builtin = key;
            builtin.replace(builtin.find(own), own.size(), " builtin ");
            ASSERT_TRUE(recorded.count(builtin)) << builtin;
            EXPECT_EQ(hash, recorded.at(builtin)) << key;
        }
    }
}

// The files as a plug-in set away from its presets saves them ("made"), and
// as fresh plug-ins save them again after loading the made ones ("resaved").
TEST(GoldenOutput, SavedStateMatchesTheRecordedBytes)
{
    TempDir temp;
    const std::string root = WriteFolder() ? WriteFolder() : temp.Path("");
    const std::string made = root + "/made", resaved = root + "/resaved";
    ASSERT_TRUE(MakeFolder(made) && MakeFolder(resaved));
    std::string error;
    ASSERT_TRUE(MakeStates(made, SONDREL_VST2_PATH, SONDREL_VST3_BUNDLE, SONDREL_CLAP_PATH, error)) << error;
    ASSERT_TRUE(ResaveStates(made, resaved, SONDREL_VST2_PATH, SONDREL_VST3_BUNDLE, SONDREL_CLAP_PATH, error))
        << error;
    if (WriteFolder())
        GTEST_SKIP() << "recorded the state files into " << root;
    for (const char* folder : {"/made/", "/resaved/"})
        for (const char* name : kStateFiles) {
            const std::string recorded = ReadBytes(std::string(SONDREL_GOLDEN_DIR) + folder + name);
            EXPECT_FALSE(recorded.empty()) << folder << name;
            EXPECT_TRUE(ReadBytes(root + folder + name) == recorded) << folder << name << " differs";
        }
}
