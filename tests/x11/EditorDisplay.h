#pragma once

#include <string>

#include "tests/desktop/XvfbServer.h"

// A virtual X server of the test's own, with a screen that holds the whole
// editor at 200 % (2560 x 1440), named in DISPLAY for the plug-in and host the test
// then opens. Stopped with the object.
class EditorDisplay {
public:
    EditorDisplay();

    // ":N", or empty when the server did not start.
    const std::string& Display() const { return server.Display(); }

private:
    XvfbServer server;
};
