#pragma once

#include <string>

class Sondrel;

// Clicks the headless editor at (x, y), takes the popup menu it opens and
// writes a picture of the part of the editor around that menu, drawn open
// below the click's control as the X11 editor shows it. False when no menu
// opened or the file cannot be written.
bool WriteMenuPicture(Sondrel& plugin, int x, int y, const std::string& path);
