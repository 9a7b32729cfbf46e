#pragma once

#include <string>

// Writes the built-in stereo test signal, planar native doubles. It is made
// once, on one platform, as its making calls the C runtime's maths.
bool WriteSignal(const std::string& path, std::string& error);

// Renders the comparison cases of the signal file through a VST 2.4 binary and
// a VST 3 bundle, one file of native doubles per case (planar) in folder.
bool RenderCases(const std::string& signalPath, const std::string& folder, const std::string& vst2Path,
                 const std::string& vst3Path, std::string& error);

// Compares two folders of rendered cases and prints one line per case. Cases
// without crossfade and gains must match to the bit; the others may differ
// where the C runtimes' sin and exp differ, by less than 1e-15 of the peak.
bool CompareCases(const std::string& folderA, const std::string& folderB, std::string& error);
