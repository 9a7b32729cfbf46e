#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "graphics/linux/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace {
using Clock = std::chrono::steady_clock;

ChildProcess::Options Within(int timeoutMs)
{
    ChildProcess::Options options;
    options.timeoutMs = timeoutMs;
    return options;
}

// True when this process has no child left, running or unreaped.
bool NoChildren()
{
    int status = 0;
    return waitpid(-1, &status, WNOHANG) == -1 && errno == ECHILD;
}
} // namespace

TEST(ChildProcess, PassesArgumentsVerbatimAndCapturesOutputAndStatus)
{
    const ChildProcess::Result result = ChildProcess::Run({"printf", "%s|", "a b", "$HOME", "'; rm -rf x'"}, Within(5000));
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "a b|$HOME|'; rm -rf x'|");
    EXPECT_EQ(ChildProcess::Run({"sh", "-c", "exit 3"}, Within(5000)).exitCode, 3);
    EXPECT_TRUE(NoChildren());
}

TEST(ChildProcess, MissingProgramIsNotStarted)
{
    const ChildProcess::Result result = ChildProcess::Run({"sondrel-no-such-program"}, Within(5000));
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.exitCode, -1);
    EXPECT_FALSE(ChildProcess::Run({}, Within(5000)).started);
    EXPECT_FALSE(ChildProcess::OnPath("sondrel-no-such-program"));
    EXPECT_TRUE(ChildProcess::OnPath("sh"));
    EXPECT_TRUE(NoChildren());
}

TEST(ChildProcess, HangingProgramIsKilledAtTheTimeoutAndReaped)
{
    const Clock::time_point start = Clock::now();
    int waits = 0;
    ChildProcess::Options options = Within(300);
    options.whileWaiting = [&] { ++waits; };
    const ChildProcess::Result result = ChildProcess::Run({"sleep", "30"}, options);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(result.exitCode, -1);
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 3000);
    EXPECT_GE(waits, 3);
    EXPECT_TRUE(NoChildren());
}

TEST(ChildProcess, OutputIsBoundedAndDescriptorsDoNotLeak)
{
    const ChildProcess::Result big = ChildProcess::Run({"head", "-c", "1000000", "/dev/zero"}, Within(5000));
    EXPECT_EQ(big.exitCode, 0);
    EXPECT_EQ(big.output.size(), 65536u);

    const int open = ::open("/dev/null", O_RDONLY); // no close-on-exec, like a careless host's
    ASSERT_GE(open, 0);
    const int leaked = dup2(open, 77);
    const ChildProcess::Result fds = ChildProcess::Run({"test", "-e", "/proc/self/fd/77"}, Within(5000));
    EXPECT_EQ(fds.exitCode, 1);
    close(leaked);
    close(open);
}

TEST(ChildProcess, DetachedProgramRunsOnWithoutLeavingAChild)
{
    TempDir dir;
    const std::string mark = dir.Path("mark");
    ASSERT_TRUE(ChildProcess::SpawnDetached({"touch", mark}));
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
    while (access(mark.c_str(), F_OK) != 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(access(mark.c_str(), F_OK), 0);
    EXPECT_TRUE(NoChildren());
    EXPECT_FALSE(ChildProcess::SpawnDetached({"sondrel-no-such-program"}));
}
