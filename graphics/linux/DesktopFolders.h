#pragma once

#include <string>
#include <vector>

// The user's folders the editor offers to plug-in code, each ending in '/'.
// An empty text means the folder could not be found. (The host's and the
// module's folders come from graphics/ModuleFolders.h.)
namespace DesktopFolders {

// The user's home ($HOME, else the password database).
std::string HomeFolder();

// The user's desktop and documents folders from the XDG user dirs
// ($XDG_CONFIG_HOME/user-dirs.dirs, default ~/.config/user-dirs.dirs); when
// not configured: ~/Desktop or ~/Documents when they exist, else the home.
std::string DesktopFolder();
std::string DocumentsFolder();

// Where applications keep their data: for the user $XDG_DATA_HOME (default
// ~/.local/share); for all users the first absolute folder of $XDG_DATA_DIRS
// (default /usr/local/share).
std::string AppDataFolder(bool allUsers);

// Where applications keep the user's settings: $XDG_CONFIG_HOME (default
// ~/.config).
std::string SettingsFolder();

// The doc/ folders of the XDG data folders: the user's ($XDG_DATA_HOME,
// default ~/.local/share), then every absolute folder of $XDG_DATA_DIRS
// (default /usr/local/share and /usr/share), in that order.
std::vector<std::string> DocumentationFolders();

} // namespace DesktopFolders
