#pragma once

#include <string>

// The folders the editor offers to plug-in code, each ending in '/'. An empty
// text means the folder could not be found.
namespace DesktopFolders {

// The folder of the host program (from /proc/self/exe).
std::string HostFolder();

// The folder of the shared object that holds addressInModule (a function or
// variable of the plug-in); the host's folder for an address in the program.
std::string ModuleFolder(const void* addressInModule);

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

} // namespace DesktopFolders
