#pragma once

#include <string>
#include <vector>

// Where the user manual may be installed, each folder with or without its
// trailing separator (empty when unknown).
struct ManualPlaces {
    // The user's documents folder.
    std::string documents;
    // Folders with one subfolder per installed package.
    std::vector<std::string> documentationFolders;
    // The folder of the plug-in binary.
    std::string moduleFolder;
};

// The manual "<effect> Manual.pdf" to open, the first that exists of:
// <documents>/<maker>/<effect>/, then <package>/ below each documentation
// folder (the package is the effect name in lower case), then the plug-in's
// own folder. When none exists, the path in the documents folder.
std::string FindManual(const ManualPlaces& places, const std::string& maker, const std::string& effect);
