#pragma once

#include <cstdint>
#include <string>

class X11Connection;

// The scale of an X11 desktop, as the user set it: the "Xft.dpi" of the
// server's resource database (what desktops set for their scaling, and
// toolkits read), else the screen's own resolution; 96 dots per inch count as
// 100 %. 0 when the display tells neither.
namespace X11DesktopScale {
int32_t Percent(const X11Connection& connection);
// The Xft.dpi value of a resource database's text; 0 when it has none that
// is usable.
double XftDpi(const std::string& resources);
} // namespace X11DesktopScale
