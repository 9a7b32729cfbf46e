#pragma once

#include <string>
#include <vector>

// Writes the built-in stereo test signal, planar native doubles. It is made
// once, on one platform, as its making calls the C runtime's maths.
bool WriteSignal(const std::string& path, std::string& error);

// The name a plug-in binary's renderings go by: "vst2", "vst3" or "clap".
std::string FormatOf(const std::string& pluginPath);

// Renders the comparison cases of the signal file through each plug-in
// binary, one file of native doubles per format and case (planar) in folder.
bool RenderCases(const std::string& signalPath, const std::string& folder, const std::vector<std::string>& plugins,
                 std::string& error);

// Compares the formats' renderings in two folders and prints one line per case. Cases
// without crossfade and gains must match to the bit; the others may differ
// where the C runtimes' sin and exp differ, by less than 1e-15 of the peak.
bool CompareCases(const std::string& folderA, const std::string& folderB, const std::vector<std::string>& formats,
                  std::string& error);
