#pragma once

#include <cstdint>
#include <string>

// The user's choice of the editor's scale, kept for every instance and
// session in a small settings file of its own (never in the plug-in's state
// or its program and bank files). The file holds lines "Key=Value"; the
// editor reads "Scale", which is "Automatic" (the host's or the desktop's
// scale) or a percentage the editor draws at. Lines it does not know are kept
// when the choice is written.
namespace ScaleSetting {
constexpr int32_t kAutomatic = 0;

// The settings file in a user's settings folder (empty: none).
std::string FilePath(const std::string& settingsFolder, const char* maker, const char* product);
// The choice the file holds: kAutomatic when there is no file, no such line,
// or one the editor cannot use.
int32_t Load(const std::string& path);
// Writes the choice (kAutomatic or a supported percentage), making the
// folders; the file is replaced whole, so a reader never sees half of it.
bool Save(const std::string& path, int32_t percent);
} // namespace ScaleSetting
