#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "graphics/x11/X11Clipboard.h"
#include "tests/desktop/X11TestClient.h"
#include "tests/desktop/XvfbServer.h"

namespace {
xcb_atom_t Atom(xcb_connection_t* conn, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        conn, xcb_intern_atom(conn, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

// Another application owning CLIPBOARD: it answers requests for the types
// it offers with its text, refuses others, or (silent) never answers.
class ClipboardOwner {
public:
    ClipboardOwner(const std::string& display, std::string text, std::vector<std::string> offered)
        : client(display), text(std::move(text))
    {
        xcb_connection_t* conn = client.Conn();
        for (const std::string& type : offered)
            types.push_back(Atom(conn, type.c_str()));
        window = client.CreateWindow(0, 0, 1, 1, 0);
        xcb_set_selection_owner(conn, window, Atom(conn, "CLIPBOARD"), XCB_CURRENT_TIME);
        client.Sync();
        serving = std::thread([this] { Serve(); });
    }
    ~ClipboardOwner()
    {
        stop = true;
        serving.join();
    }

private:
    void Serve()
    {
        xcb_connection_t* conn = client.Conn();
        while (!stop) {
            xcb_generic_event_t* event = X11WaitForEvent(conn, 20);
            if (event && (event->response_type & 0x7F) == XCB_SELECTION_REQUEST)
                Answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
            std::free(event);
        }
    }

    void Answer(const xcb_selection_request_event_t& request)
    {
        if (types.empty())
            return;
        xcb_connection_t* conn = client.Conn();
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.time = request.time;
        notify.property = XCB_NONE;
        if (std::find(types.begin(), types.end(), request.target) != types.end()) {
            xcb_change_property(conn, XCB_PROP_MODE_REPLACE, request.requestor, request.property, request.target, 8,
                                static_cast<uint32_t>(text.size()), text.data());
            notify.property = request.property;
        }
        xcb_send_event(conn, 0, request.requestor, 0, reinterpret_cast<const char*>(&notify));
        xcb_flush(conn);
    }

    X11TestClient client;
    std::string text;
    std::vector<xcb_atom_t> types;
    xcb_window_t window = XCB_NONE;
    std::atomic<bool> stop{false};
    std::thread serving;
};

class X11ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(server.Display().empty()) << "Xvfb did not start";
        editor = std::make_unique<X11TestClient>(server.Display());
        ASSERT_TRUE(editor->Ok());
    }

    bool Read(std::string& out, int timeoutMs = 2000)
    {
        return ReadClipboardText(editor->Conn(), editor->Screen(), out, timeoutMs);
    }

    XvfbServer server;
    std::unique_ptr<X11TestClient> editor;
};
} // namespace

TEST_F(X11ClipboardTest, ReadsUtf8TextFromTheOwner)
{
    ClipboardOwner owner(server.Display(), "Gr\xC3\xBC\xC3\x9F" "e 12.5", {"UTF8_STRING", "STRING"});
    std::string text = "old";
    EXPECT_TRUE(Read(text));
    EXPECT_EQ(text, "Gr\xC3\xBC\xC3\x9F" "e 12.5");
}

TEST_F(X11ClipboardTest, FallsBackToLatinOneStrings)
{
    ClipboardOwner owner(server.Display(), "caf\xE9", {"STRING"});
    std::string text;
    EXPECT_TRUE(Read(text));
    EXPECT_EQ(text, "caf\xC3\xA9");
}

TEST_F(X11ClipboardTest, LongTextsArriveWhole)
{
    const std::string big(200000, 'x');
    ClipboardOwner owner(server.Display(), big, {"UTF8_STRING"});
    std::string text;
    EXPECT_TRUE(Read(text));
    EXPECT_EQ(text.size(), big.size());
}

TEST_F(X11ClipboardTest, NoOwnerOrASilentOneGivesNothingInTime)
{
    std::string text = "old";
    EXPECT_FALSE(Read(text));
    EXPECT_EQ(text, "");
    ClipboardOwner silent(server.Display(), "never", {});
    const auto start = std::chrono::steady_clock::now();
    text = "old";
    EXPECT_FALSE(Read(text, 300));
    EXPECT_EQ(text, "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
