#include "tools/claphost/ClapEditorWindow.h"

#include <algorithm>

namespace ClapHost {

namespace {
using Request = ClapHostContext::Request;
} // namespace

std::unique_ptr<ClapEditorWindow> ClapEditorWindow::Open(ClapInstance& instance, std::string& error)
{
    const clap_plugin_gui* gui = instance.Extensions().gui;
    const clap_plugin* plugin = instance.Plugin();
    if (!gui || !gui->is_api_supported(plugin, CLAP_WINDOW_API_X11, false))
        return error = "the plug-in has no editor for X11", nullptr;
    std::unique_ptr<ClapEditorWindow> opened(new ClapEditorWindow(instance));
    uint32_t width = 0, height = 0;
    if (!opened->Create(error))
        return nullptr;
    if (!gui->get_size(plugin, &width, &height))
        return error = "the editor has no size", nullptr;
    opened->window = X11HostWindow::Open(static_cast<int>(width), static_cast<int>(height), "Sondrel", error);
    if (!opened->window)
        return nullptr;
    X11HostWindow& hostWindow = *opened->window;
    instance.Host().SetResizeHandler([&hostWindow](uint32_t w, uint32_t h) {
        hostWindow.Resize(static_cast<int>(w), static_cast<int>(h));
        return true;
    });
    if (!opened->Embed(error))
        return nullptr;
    return opened;
}

bool ClapEditorWindow::SetScale(double scale)
{
    return instance.Extensions().gui->set_scale(instance.Plugin(), scale);
}

bool ClapEditorWindow::OpenEditor(std::string& error)
{
    return Create(error) && Embed(error);
}

bool ClapEditorWindow::Create(std::string& error)
{
    if (!instance.Extensions().gui->create(instance.Plugin(), CLAP_WINDOW_API_X11, false))
        return error = "the editor was not made", false;
    editorOpen = true;
    return true;
}

bool ClapEditorWindow::Embed(std::string& error)
{
    const clap_plugin_gui& gui = *instance.Extensions().gui;
    clap_window parent{};
    parent.api = CLAP_WINDOW_API_X11;
    parent.x11 = window->Id();
    if (!gui.set_parent(instance.Plugin(), &parent) || !gui.show(instance.Plugin()))
        return error = "the editor did not embed into the window", false;
    return true;
}

void ClapEditorWindow::CloseEditor()
{
    if (!editorOpen)
        return;
    const clap_plugin_gui& gui = *instance.Extensions().gui;
    gui.hide(instance.Plugin());
    gui.destroy(instance.Plugin());
    editorOpen = false;
}

ClapEditorWindow::~ClapEditorWindow()
{
    CloseEditor();
    instance.Host().SetResizeHandler(nullptr);
}

// An active instance hands its edits over with the next block instead.
void ClapEditorWindow::FlushWhenAsked()
{
    const int asked = instance.Host().Count(Request::kFlush) + instance.Host().Count(Request::kProcess);
    if (asked == flushesDone || instance.Active())
        return;
    flushesDone = asked;
    instance.Flush();
}

bool ClapEditorWindow::Run(std::chrono::milliseconds duration)
{
    constexpr std::chrono::milliseconds kSlice{10};
    const auto end = std::chrono::steady_clock::now() + duration;
    do {
        if (window->HandleEvents())
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        instance.Host().Loop().RunFor(std::clamp(left, std::chrono::milliseconds(0), kSlice));
        FlushWhenAsked();
    } while (std::chrono::steady_clock::now() < end);
    return true;
}

} // namespace ClapHost
