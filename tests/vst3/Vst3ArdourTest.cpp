// Ardour, a real VST3 host, scans the bundle and loads it into a session.
// The tests run where Ardour 7 is installed, on the uninstrumented build:
// with the sanitizer runtime preloaded, Ardour's programs deadlock in their
// own exit handlers (glibc's locale lock), whatever bundle they loaded.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "tests/support/RunCommand.h"

namespace {
constexpr const char* kScanner = "/usr/lib/ardour7/ardour-vst3-scanner";
constexpr const char* kArdourLibraries = "/usr/lib/ardour7";
constexpr const char* kArdourLua = "/usr/bin/ardour7-lua";

// A private home for Ardour's caches and settings, with the bundle in ~/.vst3.
class ArdourVst3 : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (access(kScanner, X_OK) != 0)
            GTEST_SKIP() << "Ardour 7 is not installed";
        if (SONDREL_INSTRUMENTED)
            GTEST_SKIP() << "an instrumented bundle needs the sanitizer runtime, which hangs Ardour at exit";
        char pattern[] = "/tmp/sondrel-vst3-ardour-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        home = pattern;
        ASSERT_EQ(RunCommand("mkdir -p " + home + "/.vst3 && cp -r " + SONDREL_VST3_BUNDLE + " " + Bundle()).status, 0);
    }

    void TearDown() override
    {
        if (!home.empty())
            RunCommand("rm -rf " + home);
    }

    std::string Bundle() const { return home + "/.vst3/SondrelVst3.vst3"; }

    RunResult RunArdour(const std::string& program) const
    {
        return RunCommand("env LD_LIBRARY_PATH=" + std::string(kArdourLibraries) + " HOME=" + home +
                          " XDG_CACHE_HOME=" + home + "/cache XDG_CONFIG_HOME=" + home + "/config timeout 120 " +
                          program);
    }

    std::string home;
};

void ExpectAll(const RunResult& run, std::initializer_list<const char*> expected)
{
    for (const char* text : expected)
        EXPECT_NE(run.output.find(text), std::string::npos) << text << "\n" << run.output;
}
} // namespace

TEST_F(ArdourVst3, ScannerAcceptsTheBundle)
{
    const RunResult scan = RunArdour(std::string(kScanner) + " -v -f " + Bundle());
    ASSERT_EQ(scan.status, 0) << scan.output;
    ExpectAll(scan, {"uid=\"F2AEE70D00DE4F4E4D776B685172766E\"", "name=\"Sondrel\"", "vendor=\"Marwick Audio\"",
                     "category=\"Fx|EQ\"", "version=\"2.0.0\"", "sdk-version=\"VST 3.6.5\"", "n_inputs=\"2\"",
                     "n_outputs=\"2\"", "n_midi_inputs=\"0\""});
}

TEST_F(ArdourVst3, SessionLoadsSavesAndRestoresThePlugin)
{
    if (access(kArdourLua, X_OK) != 0)
        GTEST_SKIP() << "ardour7-lua is not installed";
    // Ardour registers a new bundle on its first start and takes its
    // description from the scanner's cache from then on.
    const std::string script = std::string(kArdourLua) + " " + SONDREL_ARDOUR_SCRIPT + " " + home;
    RunArdour(script + "/first");
    ASSERT_EQ(RunArdour(std::string(kScanner) + " -q " + Bundle()).status, 0);
    const RunResult session = RunArdour(script + "/session");
    // Ardour shows the host bypass and the 39 parameters; it keeps the
    // program-change parameter to itself. A new instance shows the values
    // it plays, those of its first preset (mix 100 %), not the declared
    // defaults (mix 50 %).
    ExpectAll(session, {"track 2: plug-in inputs 2 outputs 2", "track 1: plug-in inputs 1", "name: Sondrel",
                        "parameters: 40", "new: mix 100.0 gain 0.00", "saved: 0", "reloaded: gain 6.50 mix 80.0"});
}
