#pragma once

#include <chrono>
#include <string>

// The command line of a test host's window mode: [--seconds N] PATH, N
// defaulting to 10. False (with the usage printed) when it does not parse.
struct WindowOptions {
    std::string path;
    std::chrono::milliseconds duration{10000};

    bool Parse(int argc, char** argv, const char* usage);
};
