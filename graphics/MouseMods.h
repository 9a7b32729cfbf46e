#pragma once

// The buttons and modifier keys held at a pointer event.
struct MouseMods {
    bool left = false;
    bool right = false;
    bool shift = false;
    bool control = false;
    bool alt = false;
};
