#pragma once

#include <sys/types.h>

#include <string>

// A private X server for one test: Xvfb picks a free display itself
// (-displayfd), so tests running at once never share or collide. Stopped
// with the object: asked to end, then killed if it has not within seconds.
class XvfbServer {
public:
    // screen: width x height x depth, as Xvfb's -screen takes it.
    explicit XvfbServer(const char* screen = "1024x768x24");
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& Display() const { return display; }

private:
    pid_t pid = -1;
    std::string display;
};
