#pragma once

// The built LV2 bundle loaded through our lilv test host, for the tests of
// what is LV2's own.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "adapters/lv2/Lv2Layout.h"
#include "tools/lv2host/Lv2Host.h"

class Lv2BundleTest : public ::testing::Test {
protected:
    void SetUp() override;
    // An instance of the stereo or the mono plug-in at 48 kHz, activated.
    std::unique_ptr<Lv2Instance> Open(const char* uri, int maxBlock = 512);
    // The session state chunk as the instance's state save gives it.
    std::vector<uint8_t> Chunk(Lv2Instance& instance);

    std::unique_ptr<Lv2Bundle> bundle;
    // Keeps the binary loaded between the instances a test makes (lilv
    // unloads it with its last instance).
    std::unique_ptr<Lv2Instance> keeper;
};

// Planar audio of an instance's channel count, run through it in one block
// (allocating nothing).
struct Lv2Audio {
    Lv2Audio(int channels, int frames, float value);
    void Run(Lv2Instance& instance);

    std::vector<std::vector<float>> in, out;
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
};
