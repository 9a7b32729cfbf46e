#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "graphics/linux/DesktopDialogs.h"
#include "tests/desktop/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {
// A stand-in dialog program: call n records its arguments, one per line, in
// log.n, prints reply.n and exits with status.n (0 when missing).
const char* const kStandIn = R"(#!/bin/sh
dir="$(dirname "$0")/.."
n=$(cat "$dir/count" 2>/dev/null || echo 0)
n=$((n + 1))
echo $n > "$dir/count"
printf '%s\n' "$@" > "$dir/log.$n"
[ -f "$dir/hang" ] && exec sleep 30
cat "$dir/reply.$n" 2>/dev/null
exit $(cat "$dir/status.$n" 2>/dev/null || echo 0)
)";

class DesktopDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mkdir(dir.Path("bin").c_str(), 0700);
        mkdir(dir.Path("desk").c_str(), 0700);
        mkdir(dir.Path("presets").c_str(), 0700);
        env.Set("HOME", dir.Path("home"));
        env.Set("XDG_CONFIG_HOME", dir.Path("config"));
        mkdir(dir.Path("config").c_str(), 0700);
        WriteBytes(dir.Path("config/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"" + dir.Path("desk") + "\"\n");
        env.Set("PATH", dir.Path("bin") + ":/usr/bin:/bin");
    }

    // Puts the stand-in on PATH under name (zenity, kdialog, xdg-open).
    void Install(const std::string& name)
    {
        WriteBytes(dir.Path("bin/" + name), kStandIn);
        chmod(dir.Path("bin/" + name).c_str(), 0755);
    }

    // Only the stand-ins and the tools they use are on PATH: no installed
    // dialog program is found.
    void OnlyStandIns()
    {
        mkdir(dir.Path("tools").c_str(), 0700);
        for (const char* tool : {"cat", "dirname", "sleep", "setsid"})
            ASSERT_EQ(symlink(("/usr/bin/" + std::string(tool)).c_str(), dir.Path("tools/" + std::string(tool)).c_str()),
                      0);
        env.Set("PATH", dir.Path("bin") + ":" + dir.Path("tools"));
    }

    void Answer(int call, const std::string& reply, int status)
    {
        WriteBytes(dir.Path("reply." + std::to_string(call)), reply);
        WriteBytes(dir.Path("status." + std::to_string(call)), std::to_string(status));
    }

    std::string Log(int call) { return ReadBytes(dir.Path("log." + std::to_string(call))); }
    int Calls() { return std::atoi(ReadBytes(dir.Path("count")).c_str()); }

    static bool Has(const std::string& log, const std::string& line)
    {
        return ("\n" + log).find("\n" + line + "\n") != std::string::npos;
    }

    DesktopDialogs Dialogs(int timeoutMs = 10000, uint32_t parentWindow = 0)
    {
        DesktopDialogs::Settings settings;
        settings.timeoutMs = timeoutMs;
        settings.parentWindow = parentWindow;
        return DesktopDialogs(settings);
    }

    TempDir dir;
    ScopedEnv env;
};
} // namespace

TEST_F(DesktopDialogsTest, SaveAsksWithFilterAndOverwriteConfirmationAndAddsTheExtension)
{
    Install("zenity");
    Answer(1, dir.Path("presets/Bright Vocal") + "\n", 0);
    std::string path = "Bright/Vocal";
    std::string folder = dir.Path("presets") + "/";
    Dialogs().ChooseFile(path, DesktopDialogs::kSave, folder, "fxp");
    EXPECT_EQ(path, dir.Path("presets/Bright Vocal.fxp"));
    EXPECT_EQ(folder, dir.Path("presets") + "/");
    const std::string log = Log(1);
    EXPECT_TRUE(Has(log, "--file-selection"));
    EXPECT_TRUE(Has(log, "--save"));
    EXPECT_TRUE(Has(log, "--confirm-overwrite"));
    EXPECT_TRUE(Has(log, "--filename=" + dir.Path("presets/Bright-Vocal"))) << log;
    EXPECT_TRUE(Has(log, "--file-filter=*.fxp | *.fxp *.FXP")) << log;
}

TEST_F(DesktopDialogsTest, SavedNameKeepsAListedExtensionAndTheFolderFollowsTheChoice)
{
    Install("zenity");
    mkdir(dir.Path("desk/banks").c_str(), 0700);
    Answer(1, dir.Path("desk/banks/All.FXB") + "\n", 0);
    std::string path = "Sondrel Bank";
    std::string folder;
    Dialogs().ChooseFile(path, DesktopDialogs::kSave, folder, "fxp fxb");
    EXPECT_EQ(path, dir.Path("desk/banks/All.FXB"));
    EXPECT_EQ(folder, dir.Path("desk/banks") + "/");
    EXPECT_TRUE(Has(Log(1), "--filename=" + dir.Path("desk/Sondrel Bank"))) << Log(1);
    EXPECT_TRUE(Has(Log(1), "--file-filter=*.fxp;*.fxb | *.fxp *.FXP *.fxb *.FXB")) << Log(1);
}

TEST_F(DesktopDialogsTest, ReplacingAFileTheAddedExtensionHitsIsConfirmed)
{
    Install("zenity");
    WriteBytes(dir.Path("presets/Old.fxp"), "keep");
    Answer(1, dir.Path("presets/Old") + "\n", 0);
    Answer(2, "", 1);
    std::string path = "x";
    std::string folder = dir.Path("presets");
    Dialogs().ChooseFile(path, DesktopDialogs::kSave, folder, "fxp");
    EXPECT_EQ(path, "");
    EXPECT_EQ(folder, dir.Path("presets"));
    EXPECT_TRUE(Has(Log(2), "--question")) << Log(2);

    Answer(3, dir.Path("presets/Old") + "\n", 0);
    Answer(4, "", 0);
    path = "x";
    Dialogs().ChooseFile(path, DesktopDialogs::kSave, folder, "fxp");
    EXPECT_EQ(path, dir.Path("presets/Old.fxp"));
}

TEST_F(DesktopDialogsTest, CancelledOrImpossibleChoicesGiveAnEmptyPath)
{
    Install("zenity");
    Answer(1, "", 1);
    Answer(2, "relative/name.fxp\n", 0);
    Answer(3, dir.Path("presets/missing.fxp") + "\n", 0);
    Answer(4, dir.Path("nowhere/x.fxp") + "\n", 0);
    std::string folder = dir.Path("presets") + "/";
    for (int action : {DesktopDialogs::kSave, DesktopDialogs::kSave, DesktopDialogs::kOpen, DesktopDialogs::kSave}) {
        std::string path = "name";
        Dialogs().ChooseFile(path, action, folder, "fxp");
        EXPECT_EQ(path, "");
        EXPECT_EQ(folder, dir.Path("presets") + "/");
    }
    EXPECT_EQ(Calls(), 4);
    EXPECT_FALSE(Has(Log(3), "--save"));
}

TEST_F(DesktopDialogsTest, KdialogIsUsedWhenZenityIsMissing)
{
    Install("kdialog");
    OnlyStandIns();
    WriteBytes(dir.Path("presets/A.fxp"), "x");
    Answer(1, dir.Path("presets/A.fxp") + "\n", 0);
    std::string path;
    std::string folder = dir.Path("presets") + "/";
    Dialogs().ChooseFile(path, DesktopDialogs::kOpen, folder, "fxp");
    EXPECT_EQ(path, dir.Path("presets/A.fxp"));
    EXPECT_TRUE(Has(Log(1), "--getopenfilename")) << Log(1);
    EXPECT_TRUE(Has(Log(1), "*.fxp|*.fxp")) << Log(1);

    Answer(2, "", 2);
    EXPECT_EQ(Dialogs().ShowMessageBox("Go?", "Sondrel", DesktopDialogs::kYesNoCancel), DesktopDialogs::kAnswerCancel);
    EXPECT_TRUE(Has(Log(2), "--yesnocancel")) << Log(2);
    Answer(3, "#0a141e\n", 0);
    ColourARGB colour{128, 1, 2, 3};
    EXPECT_TRUE(Dialogs().ChooseColour(colour, "Pick"));
    EXPECT_EQ(colour.r, 10);
    EXPECT_EQ(colour.b, 30);
    EXPECT_TRUE(Has(Log(3), "#010203")) << Log(3);
}

TEST_F(DesktopDialogsTest, MessageBoxButtonsGiveTheirAnswers)
{
    Install("zenity");
    Answer(1, "", 0);
    Answer(2, "No\n", 1);
    Answer(3, "", 1);
    Answer(4, "", 255);
    const int type = DesktopDialogs::kYesNoCancel | DesktopDialogs::kIconWarning;
    EXPECT_EQ(Dialogs().ShowMessageBox("Save <b>changes</b>?", "Sondrel", type), DesktopDialogs::kAnswerYes);
    EXPECT_EQ(Dialogs().ShowMessageBox("Save?", "Sondrel", type), DesktopDialogs::kAnswerNo);
    EXPECT_EQ(Dialogs().ShowMessageBox("Save?", "Sondrel", type), DesktopDialogs::kAnswerCancel);
    EXPECT_EQ(Dialogs().ShowMessageBox("Save?", "Sondrel", type), DesktopDialogs::kNoAnswer);
    const std::string log = Log(1);
    for (const char* line : {"--question", "--ok-label=Yes", "--cancel-label=Cancel", "--extra-button=No", "--no-markup",
                             "--title=Sondrel", "--text=Save <b>changes</b>?"})
        EXPECT_TRUE(Has(log, line)) << line << "\n" << log;
    Answer(5, "", 1);
    EXPECT_EQ(Dialogs(10000, 0x2a00007).ShowMessageBox("Done", nullptr, DesktopDialogs::kOk | DesktopDialogs::kIconError),
              DesktopDialogs::kAnswerOk);
    EXPECT_TRUE(Has(Log(5), "--error"));
    EXPECT_TRUE(Has(Log(5), "--modal"));
    EXPECT_TRUE(Has(Log(5), "--attach=" + std::to_string(0x2a00007))) << Log(5);
}

TEST_F(DesktopDialogsTest, LongAndInvalidTextsAreCutSafely)
{
    Install("zenity");
    std::string text(200000, 'a');
    text[4095] = '\xC3';
    text[4096] = '\xA9';
    text += "\xFF\xFE";
    EXPECT_EQ(Dialogs().ShowMessageBox(text.c_str(), "\xFF", DesktopDialogs::kOk), DesktopDialogs::kAnswerOk);
    EXPECT_TRUE(Has(Log(1), "--text=" + std::string(4095, 'a'))) << Log(1).size();
}

TEST_F(DesktopDialogsTest, ColourChooserKeepsAlphaAndRefusesGarbage)
{
    Install("zenity");
    Answer(1, "rgb(250,128,0)\n", 0);
    Answer(2, "rgba(1,2,3,0.5)\n", 0);
    Answer(3, "purple\n", 0);
    Answer(4, "rgb(1,2,3)\n", 1);
    ColourARGB colour{77, 10, 20, 30};
    EXPECT_TRUE(Dialogs().ChooseColour(colour, "Meter colour"));
    EXPECT_TRUE(Has(Log(1), "--color=rgb(10,20,30)")) << Log(1);
    EXPECT_TRUE(Has(Log(1), "--title=Meter colour"));
    EXPECT_EQ(colour.a, 77);
    EXPECT_EQ(colour.r, 250);
    EXPECT_EQ(colour.g, 128);
    EXPECT_EQ(colour.b, 0);
    EXPECT_TRUE(Dialogs().ChooseColour(colour, ""));
    EXPECT_EQ(colour.r, 1);
    EXPECT_FALSE(Dialogs().ChooseColour(colour, ""));
    EXPECT_FALSE(Dialogs().ChooseColour(colour, ""));
    EXPECT_EQ(colour.r, 1);
}

TEST_F(DesktopDialogsTest, WithoutADialogProgramEverythingIsCancelled)
{
    OnlyStandIns();
    std::string path = "name";
    std::string folder = "/tmp/";
    Dialogs().ChooseFile(path, DesktopDialogs::kSave, folder, "fxp");
    EXPECT_EQ(path, "");
    EXPECT_EQ(folder, "/tmp/");
    ColourARGB colour;
    EXPECT_FALSE(Dialogs().ChooseColour(colour, "x"));
    EXPECT_EQ(Dialogs().ShowMessageBox("x", "y", DesktopDialogs::kYesNo), DesktopDialogs::kNoAnswer);
    EXPECT_FALSE(Dialogs().OpenLink("https://example.com/", "t", nullptr, "Could not open"));
}

TEST_F(DesktopDialogsTest, HangingDialogProgramIsGivenUp)
{
    Install("zenity");
    WriteBytes(dir.Path("hang"), "");
    const auto start = std::chrono::steady_clock::now();
    std::string path = "name";
    std::string folder;
    Dialogs(300).ChooseFile(path, DesktopDialogs::kOpen, folder, "fxp");
    EXPECT_EQ(Dialogs(300).ShowMessageBox("x", "y", DesktopDialogs::kYesNo), DesktopDialogs::kNoAnswer);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(path, "");
    EXPECT_LT(took, std::chrono::seconds(5));
}

TEST_F(DesktopDialogsTest, LinksAskFirstOpenWithXdgOpenAndReportFailures)
{
    Install("zenity");
    Install("xdg-open");
    Answer(1, "", 1);
    EXPECT_FALSE(Dialogs().OpenLink("https://example.com/", "Website", "Open the web site?", nullptr));
    EXPECT_EQ(Calls(), 1);
    EXPECT_TRUE(Has(Log(1), "--text=Open the web site?"));

    Answer(2, "", 0);
    EXPECT_TRUE(Dialogs().OpenLink("https://example.com/a b", "Website", "Open the web site?", nullptr));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Calls() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(Log(3), "https://example.com/a b\n");

    EXPECT_FALSE(Dialogs().OpenLink(dir.Path("missing manual.pdf").c_str(), "Manual", nullptr, "No manual"));
    EXPECT_TRUE(Has(Log(4), "--error")) << Log(4);
    EXPECT_TRUE(Has(Log(4), "--text=No manual"));
    EXPECT_FALSE(Dialogs().OpenLink("--help", nullptr, nullptr, nullptr));
    EXPECT_EQ(Calls(), 4);
}

TEST_F(DesktopDialogsTest, ChoicesSurviveAHostThatReapsChildrenItself)
{
    Install("zenity");
    WriteBytes(dir.Path("presets/A.fxp"), "x");
    Answer(1, dir.Path("presets/A.fxp") + "\n", 0);
    Answer(2, "rgb(9,8,7)\n", 0);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous {};
    sigaction(SIGCHLD, &ignore, &previous);
    std::string path;
    std::string folder = dir.Path("presets");
    Dialogs().ChooseFile(path, DesktopDialogs::kOpen, folder, "fxp");
    ColourARGB colour;
    const bool picked = Dialogs().ChooseColour(colour, "");
    sigaction(SIGCHLD, &previous, nullptr);
    EXPECT_EQ(path, dir.Path("presets/A.fxp"));
    EXPECT_TRUE(picked);
    EXPECT_EQ(colour.r, 9);
}
