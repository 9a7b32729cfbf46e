#include "graphics/linux/DesktopFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <vector>

namespace {
std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// An environment variable holding an absolute path, else empty.
std::string AbsoluteEnv(const char* name)
{
    const char* value = std::getenv(name);
    return (value && value[0] == '/') ? std::string(value) : std::string();
}

std::string ConfigHome()
{
    const std::string configured = AbsoluteEnv("XDG_CONFIG_HOME");
    if (!configured.empty())
        return WithSlash(configured);
    const std::string home = DesktopFolders::HomeFolder();
    return home.empty() ? std::string() : home + ".config/";
}

// The value of one line of user-dirs.dirs: "$HOME/Name" or "/absolute", in
// double quotes, backslash escaping the next character.
std::string UserDirValue(const std::string& quoted)
{
    if (quoted.size() < 2 || quoted.front() != '"')
        return std::string();
    std::string value;
    for (std::size_t i = 1; i < quoted.size() && quoted[i] != '"'; ++i) {
        if (quoted[i] == '\\' && i + 1 < quoted.size())
            ++i;
        value += quoted[i];
    }
    const std::string homePrefix = "$HOME";
    if (value.compare(0, homePrefix.size(), homePrefix) == 0 &&
        (value.size() == homePrefix.size() || value[homePrefix.size()] == '/')) {
        const std::string rest = value.substr(homePrefix.size());
        return DesktopFolders::HomeFolder() + (rest.empty() ? std::string() : rest.substr(1));
    }
    return value.empty() || value[0] != '/' ? std::string() : value;
}

// The folder the XDG user dirs give for key (XDG_DESKTOP_DIR and the like).
std::string UserDir(const std::string& key)
{
    const std::string config = ConfigHome();
    if (config.empty())
        return std::string();
    std::ifstream file(config + "user-dirs.dirs");
    std::string line;
    std::string found;
    while (std::getline(file, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        if (line.compare(start, key.size() + 1, key + "=") == 0)
            found = UserDirValue(line.substr(start + key.size() + 1));
    }
    return found;
}

std::string UserFolder(const std::string& key, const char* fallbackName)
{
    const std::string configured = UserDir(key);
    if (!configured.empty())
        return WithSlash(configured);
    const std::string home = DesktopFolders::HomeFolder();
    return !home.empty() && IsFolder(home + fallbackName) ? home + fallbackName + "/" : home;
}

// The absolute folders of a colon-separated list, in order.
std::vector<std::string> AbsoluteFolders(const char* list)
{
    const std::string folders = list ? list : "";
    std::vector<std::string> absolute;
    std::size_t start = 0;
    while (start < folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        if (folders[start] == '/')
            absolute.push_back(folders.substr(start, end - start));
        start = end + 1;
    }
    return absolute;
}

std::string FirstAbsolute(const char* list)
{
    const std::vector<std::string> folders = AbsoluteFolders(list);
    return folders.empty() ? std::string() : folders.front();
}
} // namespace

std::string DesktopFolders::HomeFolder()
{
    const std::string home = AbsoluteEnv("HOME");
    if (!home.empty())
        return WithSlash(home);
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
        found->pw_dir[0] == '/')
        return WithSlash(found->pw_dir);
    return std::string();
}

std::string DesktopFolders::DesktopFolder()
{
    return UserFolder("XDG_DESKTOP_DIR", "Desktop");
}

std::string DesktopFolders::DocumentsFolder()
{
    return UserFolder("XDG_DOCUMENTS_DIR", "Documents");
}

std::string DesktopFolders::AppDataFolder(bool allUsers)
{
    if (allUsers) {
        const std::string shared = FirstAbsolute(std::getenv("XDG_DATA_DIRS"));
        return WithSlash(shared.empty() ? "/usr/local/share" : shared);
    }
    const std::string data = AbsoluteEnv("XDG_DATA_HOME");
    if (!data.empty())
        return WithSlash(data);
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + ".local/share/";
}

std::string DesktopFolders::SettingsFolder()
{
    return ConfigHome();
}

std::vector<std::string> DesktopFolders::DocumentationFolders()
{
    std::vector<std::string> folders;
    const std::string personal = AppDataFolder(false);
    if (!personal.empty())
        folders.push_back(personal + "doc/");
    std::vector<std::string> shared = AbsoluteFolders(std::getenv("XDG_DATA_DIRS"));
    if (shared.empty())
        shared = {"/usr/local/share", "/usr/share"};
    for (const std::string& folder : shared)
        folders.push_back(WithSlash(folder) + "doc/");
    return folders;
}
