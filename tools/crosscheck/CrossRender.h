#pragma once

#include <string>

// Renders the comparison cases through a VST 2.4 binary and a VST 3 bundle,
// one file of native doubles per case (planar, left then right) in folder.
bool RenderCases(const std::string& folder, const std::string& vst2Path, const std::string& vst3Path,
                 std::string& error);

// Compares two folders of rendered cases and prints one line per case. Cases
// whose dry/wet mix is 0 % or 100 % must match to the bit; the others may
// differ where the C runtimes' sin differs, by less than 1e-15 relative.
bool CompareCases(const std::string& folderA, const std::string& folderB, std::string& error);
