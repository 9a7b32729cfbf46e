#pragma once

struct FactoryPreset {
    const char* name;
    const char* base64;
};

// The preset list: the factory presets, then the slots left to the user,
// each a "User Preset" at first.
constexpr int kFactoryPresetCount = 24;
constexpr int kUserPresetCount = 8;
constexpr int kPresetCount = kFactoryPresetCount + kUserPresetCount;
extern const FactoryPreset kFactoryPresets[kFactoryPresetCount];
