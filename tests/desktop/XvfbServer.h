#pragma once

#include <sys/types.h>

#include <string>

// A private X server for one test: Xvfb picks a free display itself
// (-displayfd), so tests running at once never share or collide.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& Display() const { return display; }

private:
    pid_t pid = -1;
    std::string display;
};
