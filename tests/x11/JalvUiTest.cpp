// The LV2 UI as Debian's jalv shows it: jalv.gtk3 on the suite's X server,
// with a JACK server of the test's own on the dummy driver, the bundle found
// through LV2_PATH. The tests run where jalv and jackd are installed.
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "adapters/lv2/Lv2Layout.h"
#include "tests/support/RunCommand.h"
#include "tests/x11/X11EditorTest.h"

namespace {
constexpr const char* kJalv = "/usr/bin/jalv.gtk3";
constexpr const char* kJackd = "/usr/bin/jackd";
constexpr int kEditorWidth = 1030;
constexpr int kEditorHeight = 436;

// The folder holding the built bundle, for LV2_PATH.
std::string BundleFolder()
{
    const std::string bundle = SONDREL_LV2_BUNDLE;
    return bundle.substr(0, bundle.find_last_of('/'));
}

class JalvUiTest : public X11EditorTest {
protected:
    void SetUp() override
    {
        if (access(kJalv, X_OK) != 0 || access(kJackd, X_OK) != 0)
            GTEST_SKIP() << "jalv.gtk3 or jackd is not installed";
#if defined(SONDREL_SANITIZED_BUILD)
        GTEST_SKIP() << "a sanitized plug-in does not load into jalv";
#endif
        X11EditorTest::SetUp();
        jackName = "sondrel-test-" + std::to_string(getpid());
        jackd = Background(std::string(kJackd) + " -n " + jackName + " -d dummy -r 48000 -p 256");
        ASSERT_TRUE(WaitFor([&] { return RunCommand(JackEnvironment() + " jack_lsp").status == 0; }))
            << "the JACK server did not start";
    }

    void TearDown() override
    {
        for (const std::string& pid : {jalv, jackd})
            if (!pid.empty())
                RunCommand("kill " + pid + "; while kill -0 " + pid + " 2>/dev/null; do sleep 0.1; done");
        if (!log.empty())
            RunCommand("rm -f " + log);
    }

    // Starts jalv with the plug-in's own UI, its output kept in log.
    void StartJalv()
    {
        log = "/tmp/" + jackName + "-jalv.log";
        jalv = Background("env DISPLAY=" + server->Display() + " LV2_PATH=" + BundleFolder() + " " +
                          JackEnvironment() + " " + kJalv + " " + Lv2Layout::kStereoUri, log);
    }


    std::string JackEnvironment() const { return "JACK_DEFAULT_SERVER=" + jackName + " JACK_NO_START_SERVER=1"; }

    // A command left running; its process id.
    static std::string Background(const std::string& command, const std::string& output = "/dev/null")
    {
        std::string pid = RunCommand(command + " >" + output + " 2>&1 & echo $!").output;
        while (!pid.empty() && (pid.back() == '\n' || pid.back() == '\r'))
            pid.pop_back();
        return pid;
    }

    template <typename Condition>
    static bool WaitFor(Condition condition)
    {
        for (int tries = 0; tries < 200; ++tries) {
            if (condition())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    std::string jackName, jackd, jalv, log;
};
} // namespace

// jalv embeds the UI through its own toolkit; the editor it shows is the
// headless drawing to the pixel.
TEST_F(JalvUiTest, ShowsTheEditorAsTheSnapshot)
{
    StartJalv();
    const std::unique_ptr<MemBitmap> snapshot = EditorScreen::RenderSnapshot();
    ASSERT_TRUE(snapshot);
    xcb_window_t editor = XCB_WINDOW_NONE;
    int differing = -1;
    WaitFor([&] {
        editor = user->FindMappedWindow(kEditorWidth, kEditorHeight);
        int width = 0, height = 0;
        const std::vector<uint32_t> shown =
            editor == XCB_WINDOW_NONE ? std::vector<uint32_t>() : user->Screenshot(editor, width, height);
        differing = shown.empty() ? -1 : EditorScreen::DifferentPixels(shown, width, height, *snapshot);
        return differing == 0;
    });
    ASSERT_NE(editor, XCB_WINDOW_NONE) << "jalv showed no editor: " << RunCommand("cat " + log).output;
    EXPECT_EQ(differing, 0);
}

