#pragma once

#include <sys/types.h>

#include <string>

// A virtual X server of the test's own: started with -displayfd so it picks
// a free display number (several test runs share the machine), and named in
// DISPLAY for everything the test then opens. Stopped with the object.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool IsRunning() const { return !display.empty(); }
    const std::string& Display() const { return display; }

private:
    pid_t pid = -1;
    std::string display;
};
