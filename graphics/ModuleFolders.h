#pragma once

#include <string>

// Folders of the running program and of the plug-in module, each with its
// trailing separator; empty when the platform cannot tell.
std::string HostProgramFolder();
std::string PluginModuleFolder();
