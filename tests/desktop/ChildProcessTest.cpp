#include <gtest/gtest.h>

#include "graphics/linux/ChildProcess.h"

TEST(ChildProcess, CapturesOutputAndExitCode)
{
    ChildProcess::Options options;
    const ChildProcess::Result result = ChildProcess::Run({"printf", "%s|", "a b", "c"}, options);
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "a b|c|");
}
