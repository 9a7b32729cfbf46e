#include "graphics/x11/X11DesktopScale.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "graphics/EditorScale.h"
#include "graphics/x11/X11Connection.h"

namespace {
constexpr double kUnitDpi = 96.0;
// Resolutions outside these are not believed.
constexpr double kLowestDpi = 48.0;
constexpr double kHighestDpi = 960.0;
// The resource database is small; more than this is not read.
constexpr uint32_t kMaximumResourceWords = 64 * 1024;

bool Plausible(double dpi)
{
    return std::isfinite(dpi) && dpi >= kLowestDpi && dpi <= kHighestDpi;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string ResourceDatabase(const X11Connection& connection)
{
    xcb_connection_t* c = connection.Get();
    const xcb_get_property_cookie_t cookie = xcb_get_property(c, 0, connection.Screen().root, XCB_ATOM_RESOURCE_MANAGER,
                                                              XCB_ATOM_STRING, 0, kMaximumResourceWords);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                                          &std::free);
    if (!reply || reply->type != XCB_ATOM_STRING || reply->format != 8)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

double ScreenDpi(const xcb_screen_t& screen)
{
    if (screen.width_in_millimeters == 0)
        return 0.0;
    return screen.width_in_pixels * 25.4 / screen.width_in_millimeters;
}
} // namespace

double X11DesktopScale::XftDpi(const std::string& resources)
{
    std::istringstream lines(resources);
    std::string line;
    double dpi = 0.0;
    while (std::getline(lines, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos || Trimmed(line.substr(0, colon)) != "Xft.dpi")
            continue;
        const std::string value = Trimmed(line.substr(colon + 1));
        char* end = nullptr;
        const double parsed = std::strtod(value.c_str(), &end);
        dpi = (!value.empty() && end && *end == '\0' && Plausible(parsed)) ? parsed : 0.0;
    }
    return dpi;
}

int32_t X11DesktopScale::Percent(const X11Connection& connection)
{
    if (!connection.IsOpen())
        return 0;
    double dpi = XftDpi(ResourceDatabase(connection));
    if (dpi == 0.0)
        dpi = ScreenDpi(connection.Screen());
    return Plausible(dpi) ? EditorScale::NearestToFactor(dpi / kUnitDpi) : 0;
}
