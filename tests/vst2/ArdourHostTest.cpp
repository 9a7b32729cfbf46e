// Ardour, a real VST 2.4 host, scans the plug-in and loads it into a session.
// The tests run where Ardour 7 is installed.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/support/RunCommand.h"

namespace {
constexpr const char* kScanner = "/usr/lib/ardour7/ardour-vst-scanner";
constexpr const char* kArdourLibraries = "/usr/lib/ardour7";
constexpr const char* kArdourLua = "/usr/bin/ardour7-lua";

// A private home for Ardour's caches and settings, holding a copy of the plug-in.
class ArdourHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (access(kScanner, X_OK) != 0)
            GTEST_SKIP() << "Ardour 7 is not installed";
#if defined(SONDREL_SANITIZED_BUILD)
        GTEST_SKIP() << "a sanitized plug-in does not load into Ardour";
#endif
        char pattern[] = "/tmp/sondrel-ardour-XXXXXX";
        ASSERT_TRUE(mkdtemp(pattern));
        home = pattern;
        ASSERT_EQ(RunCommand("mkdir -p " + home + "/vst && cp " + SONDREL_VST2_PATH + " " + Plugin()).status, 0);
    }

    void TearDown() override
    {
        if (!home.empty())
            RunCommand("rm -rf " + home);
    }

    std::string Plugin() const { return home + "/vst/SondrelVst2.so"; }

    // Runs an Ardour program with its libraries, our home and the plug-in folder.
    RunResult RunArdour(const std::string& program) const
    {
        return RunCommand("env LD_LIBRARY_PATH=" + std::string(kArdourLibraries) + " HOME=" + home +
                   " XDG_CACHE_HOME=" + home + "/cache XDG_CONFIG_HOME=" + home + "/config VST_PATH=" + home +
                   "/vst LXVST_PATH=" + home + "/vst timeout 120 " + program);
    }

    std::string home;
};
} // namespace

TEST_F(ArdourHost, ScannerAcceptsThePlugin)
{
    const RunResult scan = RunArdour(std::string(kScanner) + " -v -f " + Plugin());
    ASSERT_EQ(scan.status, 0) << scan.output;
    for (const char* expected :
         {"name=\"Sondrel\"", "creator=\"Marwick Audio\"", "category=\"Effect\"", "n_inputs=\"2\"",
          "n_outputs=\"2\"", "n_midi_inputs=\"0\"", "is_instrument=\"0\"", "can_process_replace=\"1\"",
          "has_editor=\"1\"", "id=\"1366455918\""})
        EXPECT_NE(scan.output.find(expected), std::string::npos) << expected << "\n" << scan.output;
}

TEST_F(ArdourHost, SessionLoadsThePluginOnMonoAndStereoTracks)
{
    if (access(kArdourLua, X_OK) != 0)
        GTEST_SKIP() << "ardour7-lua is not installed";
    // Ardour registers a new plug-in file on its first start and takes the
    // plug-in's description from its scanner's cache from then on.
    const std::string script = std::string(kArdourLua) + " " + SONDREL_ARDOUR_SCRIPT + " " + home;
    RunArdour(script + "/first");
    ASSERT_EQ(RunArdour(std::string(kScanner) + " -q " + Plugin()).status, 0);
    const RunResult session = RunArdour(script + "/session");
    for (const char* expected :
         {"track 2: plug-in inputs 2 outputs 2", "track 1: plug-in inputs 1", "name: Sondrel", "parameters: 39",
          "new: mix 1.00 gain 0.50", "programs: 32"})
        EXPECT_NE(session.output.find(expected), std::string::npos) << expected << "\n" << session.output;
}
