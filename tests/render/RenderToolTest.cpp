// End-to-end checks of the sondrel-render binary.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sndfile.h>
#include <vector>

#include "tests/support/ReferenceEqualiser.h"
#include "tests/support/RunCommand.h"
#include "tests/support/TempDir.h"
#include "tests/plugin/FactoryPresetTable.h"

namespace {
RunResult Render(const std::string& args)
{
    return RunCommand(std::string(SONDREL_RENDER) + " " + args);
}

std::vector<double> ReadAll(const std::string& path, SF_INFO& info)
{
    info = SF_INFO{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    std::vector<double> data;
    if (!f)
        return data;
    data.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_double(f, data.data(), info.frames);
    sf_close(f);
    return data;
}

void WriteAll(const std::string& path, const std::vector<double>& interleaved, int channels, int rate)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_DOUBLE;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    sf_writef_double(f, interleaved.data(), static_cast<sf_count_t>(interleaved.size() / static_cast<std::size_t>(channels)));
    sf_close(f);
}

std::vector<double> Noise(std::size_t n, double amplitude)
{
    std::vector<double> v(n);
    uint32_t state = 12345;
    for (double& x : v) {
        state = state * 1664525u + 1013904223u;
        x = amplitude * (static_cast<double>(state >> 8) / 8388608.0 - 1.0);
    }
    return v;
}
} // namespace

TEST(RenderTool, DoubleOutputIsBitExactForMonoFiles)
{
    TempDir dir;
    const std::vector<double> mono = Noise(30000, 0.7);
    WriteAll(dir.Path("in.wav"), mono, 1, 44100);
    const RunResult r = Render("--preset Guitar --block 441 --format double " + dir.Path("in.wav") + " " + dir.Path("out.wav"));
    ASSERT_EQ(r.status, 0) << r.output;
    SF_INFO info;
    const std::vector<double> out = ReadAll(dir.Path("out.wav"), info);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_DOUBLE);
    ReferenceEqualiser::Values values{};
    std::copy(std::begin(kPresetTable[9].values), std::end(kPresetTable[9].values), values.begin());
    ReferenceEqualiser ref(values, 44100);
    std::vector<double> silence(mono.size(), 0.0), wantL(mono.size()), wantR(mono.size());
    for (std::size_t at = 0; at < mono.size(); at += 441) {
        const int n = static_cast<int>(std::min<std::size_t>(441, mono.size() - at));
        ref.Process(mono.data() + at, silence.data() + at, wantL.data() + at, wantR.data() + at, n);
    }
    ASSERT_EQ(out.size(), wantL.size());
    EXPECT_EQ(std::memcmp(out.data(), wantL.data(), out.size() * sizeof(double)), 0);
    EXPECT_NE(r.output.find("meter output R 0 "), std::string::npos) << r.output;
}

TEST(RenderTool, SettingsApplyByNameAndIndex)
{
    TempDir dir;
    const RunResult r = Render("--set Mix=0 --set 32=-72 --list-params");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("Dry"), std::string::npos);
    EXPECT_NE(r.output.find("-inf."), std::string::npos);
    const RunResult presets = Render("--list-presets");
    EXPECT_NE(presets.output.find(" 0 Default"), std::string::npos);
    EXPECT_NE(presets.output.find("23 VoxAir"), std::string::npos);
    EXPECT_NE(presets.output.find("31 User Preset"), std::string::npos);
}

TEST(RenderTool, ProgramFilesRoundTripThroughTheTool)
{
    TempDir dir;
    ASSERT_EQ(Render("--preset Bombada --set Mix=42 --save " + dir.Path("p.fxp")).status, 0);
    ASSERT_EQ(Render("--preset 3 --save " + dir.Path("b.fxb")).status, 0);
    const RunResult r = Render("--load " + dir.Path("p.fxp") + " --list-params");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("42.0 %"), std::string::npos) << r.output;
    EXPECT_EQ(Render("--load " + dir.Path("b.fxb") + " --list-params").status, 0);
}

TEST(RenderTool, BadInputFailsAndWritesNothing)
{
    TempDir dir;
    WriteBytes(dir.Path("bad.fxp"), "CcnK garbage");
    WriteAll(dir.Path("quad.wav"), std::vector<double>(400, 0.1), 4, 44100);
    const std::string out = dir.Path("out.wav");
    for (const std::string& args : {"--load " + dir.Path("bad.fxp") + " " + out,
                                    "--load " + dir.Path("missing.fxb") + " " + out,
                                    "--preset Nope " + out, "--set Nope=1 " + out, "--set 0=abc " + out,
                                    "--block 0 " + out, "--format mp3 " + out, dir.Path("quad.wav") + " " + out,
                                    dir.Path("missing.wav") + " " + out, "--bogus 1 " + out}) {
        const RunResult r = Render(args);
        EXPECT_NE(r.status, 0) << args;
        EXPECT_NE(r.output.find("sondrel-render: "), std::string::npos) << args;
        EXPECT_TRUE(ReadBytes(out).empty()) << args;
    }
}
