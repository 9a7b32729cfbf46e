#pragma once

struct FactoryPreset {
    const char* name;
    const char* base64;
};

constexpr int kFactoryPresetCount = 24;
extern const FactoryPreset kFactoryPresets[kFactoryPresetCount];
