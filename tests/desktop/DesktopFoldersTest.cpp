#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <vector>

#include "graphics/ModuleFolders.h"
#include "graphics/linux/DesktopFolders.h"
#include "tests/desktop/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {
class DesktopFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home = dir.Path("home") + "/";
        mkdir(home.c_str(), 0700);
        mkdir((home + ".config").c_str(), 0700);
        env.Set("HOME", home);
        env.Unset("XDG_CONFIG_HOME");
        env.Unset("XDG_DATA_HOME");
        env.Unset("XDG_DATA_DIRS");
    }

    void WriteUserDirs(const std::string& folder, const std::string& text)
    {
        WriteBytes(folder + "user-dirs.dirs", text);
    }

    TempDir dir;
    ScopedEnv env;
    std::string home;
};
} // namespace

TEST_F(DesktopFoldersTest, UserDirsGiveDesktopAndDocuments)
{
    WriteUserDirs(home + ".config/",
                  "# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                  "  XDG_DOCUMENTS_DIR=\"/srv/docs \\\"quoted\\\"\"\n"
                  "XDG_MUSIC_DIR=\"$HOME/Musik\"\n");
    EXPECT_EQ(DesktopFolders::DesktopFolder(), home + "Schreibtisch/");
    EXPECT_EQ(DesktopFolders::DocumentsFolder(), "/srv/docs \"quoted\"/");
}

TEST_F(DesktopFoldersTest, ConfigHomeIsHonouredAndBadEntriesFallBack)
{
    const std::string config = dir.Path("config") + "/";
    mkdir(config.c_str(), 0700);
    env.Set("XDG_CONFIG_HOME", config);
    WriteUserDirs(config, "XDG_DESKTOP_DIR=\"relative/path\"\nXDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n");
    WriteUserDirs(home + ".config/", "XDG_DESKTOP_DIR=\"$HOME/Wrong\"\n");
    EXPECT_EQ(DesktopFolders::DesktopFolder(), home);
    mkdir((home + "Desktop").c_str(), 0700);
    mkdir((home + "Documents").c_str(), 0700);
    EXPECT_EQ(DesktopFolders::DesktopFolder(), home + "Desktop/");
    EXPECT_EQ(DesktopFolders::DocumentsFolder(), home + "Documents/");
    env.Set("XDG_CONFIG_HOME", "not/absolute");
    EXPECT_EQ(DesktopFolders::DesktopFolder(), home + "Wrong/");
}

TEST_F(DesktopFoldersTest, AppDataFollowsTheXdgDataFolders)
{
    EXPECT_EQ(DesktopFolders::AppDataFolder(false), home + ".local/share/");
    env.Set("XDG_DATA_HOME", "/data/home");
    EXPECT_EQ(DesktopFolders::AppDataFolder(false), "/data/home/");
    EXPECT_EQ(DesktopFolders::AppDataFolder(true), "/usr/local/share/");
    EXPECT_EQ(DesktopFolders::DocumentationFolders(),
              (std::vector<std::string>{"/data/home/doc/", "/usr/local/share/doc/", "/usr/share/doc/"}));
    env.Set("XDG_DATA_DIRS", "relative:/opt/share/:/usr/share");
    EXPECT_EQ(DesktopFolders::AppDataFolder(true), "/opt/share/");
    env.Unset("XDG_DATA_HOME");
    EXPECT_EQ(DesktopFolders::DocumentationFolders(),
              (std::vector<std::string>{home + ".local/share/doc/", "/opt/share/doc/", "/usr/share/doc/"}));
}

TEST(ModuleFolders, HostAndModuleFoldersAreTheProgramsFolderWithASlash)
{
    std::vector<char> exe(4096);
    const ssize_t length = readlink("/proc/self/exe", exe.data(), exe.size() - 1);
    ASSERT_GT(length, 0);
    const std::string program(exe.data(), static_cast<std::size_t>(length));
    const std::string host = HostProgramFolder();
    EXPECT_EQ(host, program.substr(0, program.rfind('/') + 1));
    EXPECT_EQ(PluginModuleFolder(), host);
}
