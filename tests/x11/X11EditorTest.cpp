#include "tests/x11/X11EditorTest.h"

XvfbServer* X11EditorTest::server = nullptr;
