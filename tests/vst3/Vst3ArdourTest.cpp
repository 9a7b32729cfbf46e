// Ardour's VST3 scanner, a real host's loader, accepts the bundle. The test
// runs where Ardour 7 is installed.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {
constexpr const char* kScanner = "/usr/lib/ardour7/ardour-vst3-scanner";
constexpr const char* kArdourLibraries = "/usr/lib/ardour7";

struct RunResult {
    int status = -1;
    std::string output;
};

RunResult RunCommand(const std::string& command)
{
    RunResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        result.output += buffer;
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}
} // namespace

TEST(ArdourVst3Scanner, AcceptsTheBundle)
{
    if (access(kScanner, X_OK) != 0)
        GTEST_SKIP() << "Ardour 7 is not installed";
    if (SONDREL_INSTRUMENTED)
        GTEST_SKIP() << "an instrumented bundle needs the sanitizer runtime, which hangs the scanner at exit";
    char pattern[] = "/tmp/sondrel-vst3-ardour-XXXXXX";
    ASSERT_TRUE(mkdtemp(pattern));
    const std::string home = pattern;
    const std::string bundle = home + "/SondrelVst3.vst3";
    ASSERT_EQ(RunCommand("cp -r " + std::string(SONDREL_VST3_BUNDLE) + " " + bundle).status, 0);

    const RunResult scan =
        RunCommand("env LD_LIBRARY_PATH=" + std::string(kArdourLibraries) + " HOME=" + home + " XDG_CACHE_HOME=" +
                   home + "/cache XDG_CONFIG_HOME=" + home + "/config timeout 120 " +
                   kScanner + " -v -f " + bundle);
    RunCommand("rm -rf " + home);
    ASSERT_EQ(scan.status, 0) << scan.output;
    for (const char* expected :
         {"uid=\"F2AEE70D00DE4F4E4D776B685172766E\"", "name=\"Sondrel\"", "vendor=\"Marwick Audio\"",
          "category=\"Fx|EQ\"", "version=\"2.0.0\"", "sdk-version=\"VST 3.6.5\"", "n_inputs=\"2\"",
          "n_outputs=\"2\"", "n_midi_inputs=\"0\""})
        EXPECT_NE(scan.output.find(expected), std::string::npos) << expected << "\n" << scan.output;
}
