#pragma once

// Runs a shell command for the tests that drive external programs (real hosts).
#include <sys/wait.h>

#include <cstdio>
#include <string>

struct RunResult {
    int status = -1;      // exit status, -1 when the command did not exit normally
    std::string output;   // standard output and standard error together
};

inline RunResult RunCommand(const std::string& command)
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
