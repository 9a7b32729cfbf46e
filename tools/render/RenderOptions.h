#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/render/AudioFile.h"

struct RenderOptions {
    std::string plugin;
    std::string load;
    std::string preset;
    std::vector<std::pair<std::string, double>> settings;
    std::string save;
    std::string editorSnapshot;
    int32_t scale = 100; // of the editor snapshot, in percent
    int block = 512;
    double rate = 48000.0;
    SampleFormat format = SampleFormat::Input;
    bool listPresets = false;
    bool listParams = false;
    std::string input;
    std::string output;
};

// Parses the command line; on failure returns false with one line in error.
bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);

extern const char* const kRenderUsage;
