#pragma once

#include <string>

// The state files that cross between platforms, written into a folder:
// VST 2.4 program and bank chunks, a VST 3 state stream, a CLAP state, a
// program file and a bank file.
//
// MakeStates writes them from plug-ins set away from their defaults.
bool MakeStates(const std::string& folder, const std::string& vst2Path, const std::string& vst3Path,
                const std::string& clapPath, std::string& error);
// ResaveStates loads each file of inFolder into a fresh plug-in and writes
// what the plug-in then saves into outFolder.
bool ResaveStates(const std::string& inFolder, const std::string& outFolder, const std::string& vst2Path,
                  const std::string& vst3Path, const std::string& clapPath, std::string& error);
