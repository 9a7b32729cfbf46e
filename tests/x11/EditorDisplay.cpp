#include "tests/x11/EditorDisplay.h"

#include <cstdlib>

EditorDisplay::EditorDisplay() : server("2560x1440x24")
{
    if (!server.Display().empty())
        setenv("DISPLAY", server.Display().c_str(), 1);
}
