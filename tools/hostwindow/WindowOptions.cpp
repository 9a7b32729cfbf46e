#include "tools/hostwindow/WindowOptions.h"

#include <cstdio>
#include <cstdlib>

bool WindowOptions::Parse(int argc, char** argv, const char* usage)
{
    double seconds = 10.0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else
            path = arg;
    }
    if (path.empty() || seconds <= 0.0) {
        std::fputs(usage, stderr);
        return false;
    }
    duration = std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0));
    return true;
}
