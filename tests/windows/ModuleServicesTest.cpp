// The Windows module services behind the editor: the images found among the
// module's own resources, and the folders of program and module.
#include <gtest/gtest.h>

#include <windows.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/PathText.h"
#include "graphics/ModuleFolders.h"
#include "resources/ModuleResource.h"
#include "resources/ResourceIds.h"
#include "tests/support/TempDir.h"

namespace {
std::vector<std::pair<int, std::string>> ImageList()
{
    std::vector<std::pair<int, std::string>> list;
    std::istringstream words(SONDREL_ARTWORK_LIST);
    std::string id, name;
    while (std::getline(words, id, ';') && std::getline(words, name, ';'))
        list.emplace_back(std::stoi(id), name);
    return list;
}
} // namespace

// Every image of every set, its name relative to the images' folder.
TEST(ModuleResources, EveryImageIsAResourceWithTheFilesBytes)
{
    const auto images = ImageList();
    ASSERT_EQ(images.size(), 13u * std::size(kArtworkScales));
    for (const auto& [id, name] : images) {
        const ResourceBytes bytes = FindModuleResource(kPngResourceType, id);
        ASSERT_NE(bytes.data, nullptr) << id;
        const std::string file = ReadBytes(std::string(SONDREL_IMAGE_DIR) + "/" + name);
        ASSERT_EQ(bytes.size, file.size()) << name;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data), bytes.size), file) << name;
    }
}

TEST(ModuleResources, MissingTypesAndIdsFindNothing)
{
    for (const ArtworkScale& set : kArtworkScales)
        EXPECT_EQ(FindModuleResource(kPngResourceType, 106 + set.idOffset).data, nullptr);
    EXPECT_EQ(FindModuleResource("JPG", kImgBackdrop).data, nullptr);
    EXPECT_EQ(FindModuleResource(nullptr, kImgBackdrop).data, nullptr);
    EXPECT_EQ(FindModuleResource(kPngResourceType, kImgBackdrop + 65536).data, nullptr);
}

TEST(ModuleFolders, ProgramAndModuleFolderIsTheTestsOwn)
{
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    const std::string expected = FolderOfPath(path);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(expected.back(), '\\');
    EXPECT_EQ(HostProgramFolder(), expected);
    // Linked into the program, the module is the program itself.
    EXPECT_EQ(PluginModuleFolder(), expected);
}
