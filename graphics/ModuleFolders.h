#pragma once

#include <string>

// Folders of the running program and of the plug-in module, each with its
// trailing separator; empty when the platform cannot tell.
std::string HostProgramFolder();
std::string PluginModuleFolder();

// The folder part of a path, with its trailing separator ('/' or '\\').
std::string FolderOfPath(const std::string& path);
