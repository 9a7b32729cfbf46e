#include "tools/vst2host/Vst2EditorWindow.h"

#include <thread>

Vst2EditorWindow::Vst2EditorWindow(Vst2Host& owner, std::unique_ptr<X11HostWindow> hostWindow)
    : host(owner), window(std::move(hostWindow)), nextIdle(std::chrono::steady_clock::now())
{
}

std::unique_ptr<Vst2EditorWindow> Vst2EditorWindow::Open(Vst2Host& host, std::string& error)
{
    ERect* rect = nullptr;
    if (host.Dispatch(effEditGetRect, 0, 0, &rect) != 1 || !rect) {
        error = "the plug-in has no editor";
        return nullptr;
    }
    std::unique_ptr<X11HostWindow> window =
        X11HostWindow::Open(rect->right - rect->left, rect->bottom - rect->top, host.EffectName(), error);
    if (!window)
        return nullptr;
    X11HostWindow* resized = window.get();
    host.AnswerSizeWindow([resized](int width, int height) {
        resized->Resize(width, height);
        return true;
    });
    if (host.Dispatch(effEditOpen, 0, 0, window->Handle()) != 1) {
        error = "the plug-in did not open its editor";
        return nullptr;
    }
    return std::unique_ptr<Vst2EditorWindow>(new Vst2EditorWindow(host, std::move(window)));
}

Vst2EditorWindow::~Vst2EditorWindow()
{
    host.Dispatch(effEditClose);
    host.AnswerSizeWindow(nullptr);
}

bool Vst2EditorWindow::Run(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        if (window->HandleEvents())
            return false;
        if (idleCalls)
            host.Dispatch(effEditIdle);
        nextIdle += kIdlePeriod;
        std::this_thread::sleep_until(std::min(nextIdle, end));
    }
    return true;
}
