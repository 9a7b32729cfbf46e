#include "plugin/editor/ManualLocation.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace {
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
constexpr std::size_t kMaxPath = 511;

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != kSeparator)
        folder += kSeparator;
    return folder;
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}
} // namespace

std::string FindManual(const ManualPlaces& places, const std::string& maker, const std::string& effect)
{
    const std::string name = effect + " Manual.pdf";
    const std::string inDocuments =
        (WithSeparator(places.documents) + maker + kSeparator + effect + kSeparator + name).substr(0, kMaxPath);
    std::vector<std::string> candidates{inDocuments};
    for (const std::string& folder : places.documentationFolders) {
        if (!folder.empty())
            candidates.push_back(WithSeparator(folder) + LowerCase(effect) + kSeparator + name);
    }
    if (!places.moduleFolder.empty())
        candidates.push_back(WithSeparator(places.moduleFolder) + name);
    for (const std::string& candidate : candidates) {
        if (FileExists(candidate))
            return candidate;
    }
    return inDocuments;
}
