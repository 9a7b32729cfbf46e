#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "plugin/editor/ManualLocation.h"
#include "tests/support/TempDir.h"

namespace {
// A file system with a user's documents folder, a personal and a shared
// documentation folder and a plug-in folder, the manual in none of them yet.
class ManualLookupTest : public ::testing::Test {
protected:
    ManualLookupTest()
    {
        for (const char* folder : {"home", "home/Documents", "home/Documents/Marwick Audio",
                                   "home/Documents/Marwick Audio/Sondrel", "home/.local", "home/.local/share",
                                   "home/.local/share/doc", "home/.local/share/doc/sondrel", "usr", "usr/share",
                                   "usr/share/doc", "usr/share/doc/sondrel", "home/.vst"})
            std::filesystem::create_directory(dir.Path(folder));
        places.documents = dir.Path("home/Documents/");
        places.documentationFolders = {dir.Path("home/.local/share/doc/"), dir.Path("usr/share/doc")};
        places.moduleFolder = dir.Path("home/.vst/");
    }

    std::string Install(const std::string& folder)
    {
        const std::string path = dir.Path(folder + "/Sondrel Manual.pdf");
        WriteBytes(path, "%PDF-1.4\n");
        return path;
    }

    std::string Found() const { return FindManual(places, "Marwick Audio", "Sondrel"); }

    TempDir dir;
    ManualPlaces places;
};
} // namespace

TEST_F(ManualLookupTest, TheManualInTheDocumentsFolderComesFirstThenThePackagesThenTheOneBesideThePlugin)
{
    const std::string inDocuments = dir.Path("home/Documents/Marwick Audio/Sondrel/Sondrel Manual.pdf");
    EXPECT_EQ(Found(), inDocuments);
    EXPECT_EQ(Found(), Install("home/.vst"));
    EXPECT_EQ(Found(), Install("usr/share/doc/sondrel"));
    EXPECT_EQ(Found(), Install("home/.local/share/doc/sondrel"));
    EXPECT_EQ(Found(), Install("home/Documents/Marwick Audio/Sondrel"));
}

TEST_F(ManualLookupTest, UnknownFoldersAreSkippedAndAFolderOfTheManualsNameIsNoManual)
{
    places.documents.clear();
    places.documentationFolders.insert(places.documentationFolders.begin(), "");
    places.moduleFolder.clear();
    std::filesystem::create_directory(dir.Path("home/.local/share/doc/sondrel/Sondrel Manual.pdf"));
    EXPECT_EQ(Found(), "/Marwick Audio/Sondrel/Sondrel Manual.pdf");
    EXPECT_EQ(Found(), Install("usr/share/doc/sondrel")) << "the shared one, past the empty entry and the folder";
}
