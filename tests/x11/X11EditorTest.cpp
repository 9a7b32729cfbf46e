#include "tests/x11/X11EditorTest.h"

EditorDisplay* X11EditorTest::server = nullptr;
