#pragma once

#include <sys/types.h>

#include <string>

// A virtual X server of the test's own, with a screen that holds the whole
// editor (1280 x 1024): started with -displayfd so it picks a free display
// number (several test runs share the machine), and named in DISPLAY for the
// plug-in and host the test then opens. Stopped with the object.
class EditorDisplay {
public:
    EditorDisplay();
    ~EditorDisplay();
    EditorDisplay(const EditorDisplay&) = delete;
    EditorDisplay& operator=(const EditorDisplay&) = delete;

    // ":N", or empty when the server did not start.
    const std::string& Display() const { return display; }

private:
    pid_t pid = -1;
    std::string display;
};
