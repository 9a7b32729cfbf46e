#include "tests/formats/FormatDriver.h"

std::vector<Format> BuiltFormats()
{
    return {
        {"vst2", [](std::string& error) { return LoadVst2Driver(SONDREL_VST2_PATH, error); }},
        {"vst3", [](std::string& error) { return LoadVst3Driver(SONDREL_VST3_BUNDLE, error); }},
        {"clap", [](std::string& error) { return LoadClapDriver(SONDREL_CLAP_PATH, error); }},
        {"lv2", [](std::string& error) { return LoadLv2Driver(SONDREL_LV2_BUNDLE, error); }, false},
    };
}

void PrintTo(const Format& format, std::ostream* out)
{
    *out << format.name;
}

void FormatTest::SetUp()
{
    std::string error;
    format = GetParam().load(error);
    ASSERT_TRUE(format) << error;
}

std::unique_ptr<PluginDriver> FormatTest::NewInstance()
{
    std::string error;
    std::unique_ptr<PluginDriver> instance = format->NewInstance(error);
    EXPECT_TRUE(instance) << error;
    return instance;
}
