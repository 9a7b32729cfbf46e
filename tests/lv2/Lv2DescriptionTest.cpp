// The bundle's TTL as LV2's own tools read it: sord_validate with the LV2
// vocabularies finds nothing wrong, and lv2ls and lv2info list both plug-ins
// with every port.
#include <dirent.h>

#include <gtest/gtest.h>

#include <string>

#include "adapters/lv2/Lv2Layout.h"
#include "tests/support/RunCommand.h"

namespace {
constexpr const char* kVocabularies = "/usr/lib/lv2";

// Every TTL file of the vocabularies' bundles: those without a binary.
std::string VocabularyFiles()
{
    std::string files;
    DIR* top = opendir(kVocabularies);
    for (dirent* entry = top ? readdir(top) : nullptr; entry; entry = readdir(top)) {
        const std::string bundle = std::string(kVocabularies) + "/" + entry->d_name;
        DIR* dir = opendir(bundle.c_str());
        std::string ttl;
        bool binary = false;
        for (dirent* file = dir ? readdir(dir) : nullptr; file; file = readdir(dir)) {
            const std::string name = file->d_name;
            binary = binary || name.find(".so") != std::string::npos;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ttl") == 0)
                ttl += " '" + bundle + "/" + name + "'";
        }
        if (dir)
            closedir(dir);
        if (!binary)
            files += ttl;
    }
    if (top)
        closedir(top);
    return files;
}

std::string BundleFiles()
{
    const std::string bundle = SONDREL_LV2_BUNDLE;
    return " '" + bundle + "/manifest.ttl' '" + bundle + "/Sondrel.ttl' '" + bundle + "/SondrelUi.ttl' '" + bundle +
           "/presets.ttl'";
}

std::string WithBundlePath(const std::string& command)
{
    return "LV2_PATH='" + std::string(SONDREL_LV2_BUNDLE) + "/..' " + command;
}

int Count(const std::string& text, const std::string& what)
{
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}
} // namespace

TEST(Lv2Description, ValidatesWithNoErrorAndNoWarning)
{
    const std::string vocabularies = VocabularyFiles();
    ASSERT_NE(vocabularies.find("lv2core.ttl"), std::string::npos);
    const RunResult result = RunCommand("sord_validate" + vocabularies + BundleFiles());
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Found 0 errors"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("warning"), std::string::npos) << result.output;
}

TEST(Lv2Description, Lv2lsAndLv2infoListBothPluginsWithEveryPort)
{
    const RunResult listed = RunCommand(WithBundlePath("lv2ls"));
    ASSERT_EQ(listed.status, 0) << listed.output;
    EXPECT_EQ(listed.output, std::string(Lv2Layout::kStereoUri) + "\n" + Lv2Layout::kMonoUri + "\n");
    for (int channels : {2, 1}) {
        const char* uri = channels == 2 ? Lv2Layout::kStereoUri : Lv2Layout::kMonoUri;
        const RunResult info = RunCommand(WithBundlePath("lv2info ") + uri);
        ASSERT_EQ(info.status, 0) << info.output;
        const int ports = Lv2Layout::PortCount(channels);
        EXPECT_EQ(Count(info.output, "\tPort "), ports) << info.output;
        EXPECT_NE(info.output.find("Port " + std::to_string(ports - 1) + ":"), std::string::npos);
        EXPECT_EQ(Count(info.output, "lv2core#AudioPort"), 2 * channels);
        EXPECT_EQ(Count(info.output, "Symbol:      gain_"), 8);
        EXPECT_NE(info.output.find("Designation: http://lv2plug.in/ns/lv2core#enabled"), std::string::npos);
        EXPECT_NE(info.output.find("hardRTCapable"), std::string::npos);
    }
}
