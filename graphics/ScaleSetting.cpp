#include "graphics/ScaleSetting.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "graphics/EditorScale.h"

namespace {
constexpr const char* kKey = "Scale=";
constexpr const char* kAutomaticText = "Automatic";
// A settings file larger than this is not ours.
constexpr std::uintmax_t kMaximumFileSize = 64 * 1024;

bool IsScaleLine(const std::string& line)
{
    return line.rfind(kKey, 0) == 0;
}

// The file's lines, none when it is missing, unreadable or too large.
std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(std::filesystem::u8path(path), error);
    if (error || size > kMaximumFileSize)
        return lines;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

int32_t ParseScale(const std::string& value)
{
    if (value == kAutomaticText || value.empty() || value.size() > 4)
        return ScaleSetting::kAutomatic;
    int32_t percent = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            return ScaleSetting::kAutomatic;
        percent = percent * 10 + (c - '0');
    }
    return EditorScale::IsSupported(percent) ? percent : ScaleSetting::kAutomatic;
}
} // namespace

std::string ScaleSetting::FilePath(const std::string& settingsFolder, const char* maker, const char* product)
{
    if (settingsFolder.empty() || !maker || !product)
        return {};
    return (std::filesystem::u8path(settingsFolder) / maker / product / "Editor.ini").u8string();
}

int32_t ScaleSetting::Load(const std::string& path)
{
    if (path.empty())
        return kAutomatic;
    int32_t percent = kAutomatic;
    for (const std::string& line : ReadLines(path)) {
        if (IsScaleLine(line))
            percent = ParseScale(line.substr(std::char_traits<char>::length(kKey)));
    }
    return percent;
}

bool ScaleSetting::Save(const std::string& path, int32_t percent)
{
    if (path.empty() || (percent != kAutomatic && !EditorScale::IsSupported(percent)))
        return false;
    std::ostringstream text;
    for (const std::string& line : ReadLines(path)) {
        if (!IsScaleLine(line))
            text << line << '\n';
    }
    text << kKey << (percent == kAutomatic ? std::string(kAutomaticText) : std::to_string(percent)) << '\n';
    const std::filesystem::path file = std::filesystem::u8path(path);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::filesystem::path written = file;
    written += ".new";
    {
        std::ofstream out(written, std::ios::binary | std::ios::trunc);
        out << text.str();
        if (!out.flush())
            return false;
    }
    std::filesystem::rename(written, file, error);
    if (!error)
        return true;
    std::filesystem::remove(written, error);
    return false;
}
