#pragma once

#include <cstdint>

#include "adapters/clap/abi/ClapGui.h"
#include "adapters/common/EditorSession.h"

class ClapHostRunLoop;
class ClapPlugin;

// The "clap.gui" extension for one instance: the editor embedded in the
// host's window (X11 on Linux, Win32 on Windows; never floating), driven by
// the host's timer and descriptor support where it lends them, else by the
// editor's own thread. The child window is made and mapped in SetParent, as
// hosts expect; Show and Hide keep it.
class ClapGui {
public:
    explicit ClapGui(ClapPlugin& plugin);
    ~ClapGui() { Destroy(); }
    ClapGui(const ClapGui&) = delete;
    ClapGui& operator=(const ClapGui&) = delete;

    bool IsApiSupported(const char* api, bool floating) const;
    bool Create(const char* api, bool floating);
    void Destroy();
    bool SetScale(double scale);
    bool GetSize(uint32_t* width, uint32_t* height);
    bool SetParent(const clap_window* window);

    void OnTimer(clap_id id);
    void OnDescriptor(int fd, uint32_t flags);

private:
    void Close();

    ClapPlugin& plugin;
    EditorSession session;
    ClapHostRunLoop* hostLoop = nullptr;
    bool created = false;
    bool opened = false;
};
