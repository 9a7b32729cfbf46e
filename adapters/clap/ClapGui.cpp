#include "adapters/clap/ClapGui.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "adapters/clap/ClapExtensions.h"
#include "adapters/clap/ClapHostRunLoop.h"
#include "adapters/clap/ClapPlugin.h"

namespace {
#if defined(_WIN32)
constexpr const char* kOwnApi = CLAP_WINDOW_API_WIN32;

void* ParentOf(const clap_window& window)
{
    return window.win32;
}
#else
constexpr const char* kOwnApi = CLAP_WINDOW_API_X11;

void* ParentOf(const clap_window& window)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(window.x11));
}
#endif

ClapGui& GuiOf(const clap_plugin* plugin)
{
    return ClapPlugin::Of(plugin).Gui();
}

bool CLAP_ABI IsApiSupported(const clap_plugin* plugin, const char* api, bool floating)
{
    return GuiOf(plugin).IsApiSupported(api, floating);
}

bool CLAP_ABI PreferredApi(const clap_plugin*, const char** api, bool* floating)
{
    if (!api || !floating)
        return false;
    *api = kOwnApi;
    *floating = false;
    return true;
}

bool CLAP_ABI Create(const clap_plugin* plugin, const char* api, bool floating)
{
    return GuiOf(plugin).Create(api, floating);
}

void CLAP_ABI Destroy(const clap_plugin* plugin)
{
    GuiOf(plugin).Destroy();
}

bool CLAP_ABI SetScale(const clap_plugin* plugin, double scale)
{
    return GuiOf(plugin).SetScale(scale);
}

bool CLAP_ABI GetSize(const clap_plugin* plugin, uint32_t* width, uint32_t* height)
{
    return GuiOf(plugin).GetSize(width, height);
}

bool CLAP_ABI CanResize(const clap_plugin*)
{
    return false;
}

bool CLAP_ABI ResizeHints(const clap_plugin*, clap_gui_resize_hints*)
{
    return false;
}

// The editor has one size: a proposal is answered with it.
bool CLAP_ABI AdjustSize(const clap_plugin* plugin, uint32_t* width, uint32_t* height)
{
    return GuiOf(plugin).GetSize(width, height);
}

bool CLAP_ABI SetSize(const clap_plugin* plugin, uint32_t width, uint32_t height)
{
    uint32_t ownWidth = 0;
    uint32_t ownHeight = 0;
    return GuiOf(plugin).GetSize(&ownWidth, &ownHeight) && width == ownWidth && height == ownHeight;
}

bool CLAP_ABI SetParent(const clap_plugin* plugin, const clap_window* window)
{
    return GuiOf(plugin).SetParent(window);
}

bool CLAP_ABI SetTransient(const clap_plugin*, const clap_window*)
{
    return false;
}

void CLAP_ABI SuggestTitle(const clap_plugin*, const char*) {}

bool CLAP_ABI ShowOrHide(const clap_plugin*)
{
    return true;
}

void CLAP_ABI OnTimer(const clap_plugin* plugin, clap_id id)
{
    GuiOf(plugin).OnTimer(id);
}

void CLAP_ABI OnDescriptor(const clap_plugin* plugin, int fd, uint32_t flags)
{
    GuiOf(plugin).OnDescriptor(fd, flags);
}

const clap_plugin_gui kGui = {IsApiSupported, PreferredApi, Create,     Destroy,      SetScale,
                              GetSize,        CanResize,    ResizeHints, AdjustSize,   SetSize,
                              SetParent,      SetTransient, SuggestTitle, ShowOrHide,  ShowOrHide};
const clap_plugin_timer_support kTimers = {OnTimer};
const clap_plugin_posix_fd_support kDescriptors = {OnDescriptor};
} // namespace

const clap_plugin_gui& GuiExtension()
{
    return kGui;
}

const clap_plugin_timer_support& TimerExtension()
{
    return kTimers;
}

const clap_plugin_posix_fd_support& DescriptorExtension()
{
    return kDescriptors;
}

ClapGui::ClapGui(ClapPlugin& plugin) : plugin(plugin), session(plugin) {}

bool ClapGui::IsApiSupported(const char* api, bool floating) const
{
    return EditorOffered(plugin) && !floating && api && std::strcmp(api, kOwnApi) == 0;
}

bool ClapGui::Create(const char* api, bool floating)
{
    if (created || !IsApiSupported(api, floating))
        return false;
    created = true;
    return true;
}

void ClapGui::Destroy()
{
    Close();
    created = false;
}

// The host's scale overrides the desktop's (sizes here are window pixels).
bool ClapGui::SetScale(double factor)
{
    if (!created || !(factor > 0.0) || !std::isfinite(factor))
        return false;
    session.SetHostScale(factor);
    return true;
}

bool ClapGui::GetSize(uint32_t* width, uint32_t* height)
{
    if (!created || !width || !height)
        return false;
    session.ChooseScale();
    if (session.Width() <= 0 || session.Height() <= 0)
        return false;
    *width = static_cast<uint32_t>(session.Width());
    *height = static_cast<uint32_t>(session.Height());
    return true;
}

bool ClapGui::SetParent(const clap_window* window)
{
    if (!created || !window || !window->api || std::strcmp(window->api, kOwnApi) != 0)
        return false;
    Close();
    std::unique_ptr<ClapHostRunLoop> loop;
#if !defined(_WIN32)
    if (ClapHostRunLoop::Offered(plugin.Host()))
        loop = std::make_unique<ClapHostRunLoop>(plugin.Host(), hostLoop);
#endif
    if (!session.Open(ParentOf(*window), std::move(loop)))
        return false;
    opened = true;
    plugin.EditorOpened();
    return true;
}

void ClapGui::Close()
{
    if (!opened)
        return;
    plugin.EditorClosing();
    session.Close();
    opened = false;
}

void ClapGui::OnTimer(clap_id id)
{
    if (hostLoop)
        hostLoop->Timer(id);
}

void ClapGui::OnDescriptor(int fd, uint32_t flags)
{
    if (hostLoop)
        hostLoop->Descriptor(fd, flags);
}
