#pragma once

// The built plug-in binaries of every format, driven through our test host of
// each format behind one interface, for the tests that hold for all of them.
// A new format joins with a driver of its own and an entry in BuiltFormats().
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One instance of the equaliser in a built binary.
class PluginDriver {
public:
    virtual ~PluginDriver() = default;

    // The factory preset and host values 0..1, in effect from the next block
    // on (formats that carry them as automation send them with that block).
    virtual void SelectPreset(int index) = 0;
    virtual void SetParameter(int index, double normalised) = 0;
    // Stereo processing at the rate, blocks of at most maxBlock, in 64-bit
    // samples or in 32-bit ones.
    virtual bool Start(double sampleRate, int maxBlock, bool doubles) = 0;
    // One block of planar stereo audio; false when the plug-in refuses it.
    virtual bool Process(double* const* inputs, double* const* outputs, int frames) = 0;
    virtual bool Process(float* const* inputs, float* const* outputs, int frames) = 0;
    // The state a host keeps in its project, and its restore: false, with
    // nothing changed, when the plug-in refuses the bytes.
    virtual std::vector<uint8_t> SaveState() = 0;
    virtual bool LoadState(const std::vector<uint8_t>& state) = 0;
    // A parameter's value as the host reads it, 0..1.
    virtual double Parameter(int index) = 0;
};

// A built binary, loaded once, making as many instances as a test needs.
class FormatDriver {
public:
    virtual ~FormatDriver() = default;
    // A new instance, opened as hosts open one; none with a message in error.
    virtual std::unique_ptr<PluginDriver> NewInstance(std::string& error) = 0;
};

std::unique_ptr<FormatDriver> LoadVst2Driver(const std::string& path, std::string& error);
std::unique_ptr<FormatDriver> LoadVst3Driver(const std::string& path, std::string& error);
std::unique_ptr<FormatDriver> LoadClapDriver(const std::string& path, std::string& error);
std::unique_ptr<FormatDriver> LoadLv2Driver(const std::string& path, std::string& error);

// A format under test: its name in the test names, how to load its binary,
// and whether it carries 64-bit samples (where it does not, its driver
// converts 64-bit blocks to 32 bits and back).
struct Format {
    std::string name;
    std::function<std::unique_ptr<FormatDriver>(std::string& error)> load;
    bool samples64 = true;
};

std::vector<Format> BuiltFormats();
// Test output names a format by its name.
void PrintTo(const Format& format, std::ostream* out);

// A test run once per format, its binary loaded.
class FormatTest : public ::testing::TestWithParam<Format> {
protected:
    void SetUp() override;
    std::unique_ptr<PluginDriver> NewInstance();

    std::unique_ptr<FormatDriver> format;
};

// Instantiates a suite of FormatTest cases for every built format.
#define SONDREL_FOR_EVERY_FORMAT(suite)                                                                     \
    INSTANTIATE_TEST_SUITE_P(Built, suite, ::testing::ValuesIn(BuiltFormats()),                            \
                             [](const ::testing::TestParamInfo<Format>& info) { return info.param.name; })
