#include "tools/render/RenderOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "graphics/EditorScale.h"

const char* const kRenderUsage =
    "usage: sondrel-render [--plugin PATH] [--load FILE.fxp|FILE.fxb] [--preset NAME|NUMBER]\n"
    "                      [--set PARAM=VALUE]... [--save FILE.fxp|FILE.fxb] [--block N] [--rate HZ]\n"
    "                      [--format float|double|pcm24|pcm16] [--list-presets] [--list-params]\n"
    "                      [--editor-snapshot FILE.png [--scale 100|150|200]] [INPUT] OUTPUT\n";

namespace {
bool ParseNumber(const std::string& text, double& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && *end == '\0' && std::isfinite(value);
}

bool ParseSetting(const std::string& text, RenderOptions& options, std::string& error)
{
    const auto eq = text.find('=');
    double value = 0.0;
    if (eq == std::string::npos || eq == 0 || !ParseNumber(text.substr(eq + 1), value))
        return error = "--set expects PARAM=VALUE with a number, got '" + text + "'", false;
    options.settings.emplace_back(text.substr(0, eq), value);
    return true;
}

bool ApplyOption(const std::string& flag, const std::string& value, RenderOptions& options, std::string& error)
{
    double number = 0.0;
    if (flag == "--plugin")
        options.plugin = value;
    else if (flag == "--load")
        options.load = value;
    else if (flag == "--preset")
        options.preset = value;
    else if (flag == "--save")
        options.save = value;
    else if (flag == "--editor-snapshot")
        options.editorSnapshot = value;
    else if (flag == "--set")
        return ParseSetting(value, options, error);
    else if (flag == "--block") {
        if (!ParseNumber(value, number) || number < 1 || number > 1 << 20 || number != std::floor(number))
            return error = "--block expects a whole number of frames from 1 to 1048576", false;
        options.block = static_cast<int>(number);
    } else if (flag == "--rate") {
        if (!ParseNumber(value, number) || number < 1000 || number > 1536000)
            return error = "--rate expects a sample rate in hertz from 1000 to 1536000", false;
        options.rate = number;
    } else if (flag == "--scale") {
        if (!ParseNumber(value, number) || !EditorScale::IsSupported(static_cast<int32_t>(number)) ||
            number != std::floor(number))
            return error = "--scale expects the editor's scale in percent: 100, 150 or 200", false;
        options.scale = static_cast<int32_t>(number);
    } else if (flag == "--format") {
        if (!ParseSampleFormat(value, options.format))
            return error = "--format expects float, double, pcm24 or pcm16", false;
    } else {
        return error = "unknown option " + flag, false;
    }
    return true;
}
} // namespace

bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error)
{
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--list-presets") {
            options.listPresets = true;
        } else if (arg == "--list-params") {
            options.listParams = true;
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            if (i + 1 >= argc)
                return error = arg + " needs a value", false;
            if (!ApplyOption(arg, argv[++i], options, error))
                return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() > 2)
        return error = "too many file arguments", false;
    if (positional.size() == 2) {
        options.input = positional[0];
        options.output = positional[1];
    } else if (positional.size() == 1) {
        options.output = positional[0];
    }
    const bool listing = options.listPresets || options.listParams;
    if (options.output.empty() && options.save.empty() && options.editorSnapshot.empty() && !listing)
        return error = "no OUTPUT file given", false;
    return true;
}
