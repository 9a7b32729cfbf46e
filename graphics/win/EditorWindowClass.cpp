#include "graphics/win/EditorWindowClass.h"

#include <mutex>

namespace {

struct ClassState {
    std::mutex mutex;
    int windows = 0;
    bool registered = false;
    HINSTANCE module = nullptr;

    void UnregisterWhenUnused()
    {
        if (windows == 0 && registered) {
            UnregisterClassA(EditorWindowClass::kName, module);
            registered = false;
        }
    }

    // The module is being unloaded: the class must not outlive its procedure.
    ~ClassState()
    {
        if (registered)
            UnregisterClassA(EditorWindowClass::kName, module);
    }
};

ClassState& State()
{
    static ClassState state;
    return state;
}

} // namespace

bool EditorWindowClass::Acquire(HINSTANCE module, WNDPROC procedure)
{
    ClassState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (state.registered)
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = module;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kName;
    state.registered = RegisterClassExA(&wc) != 0;
    state.module = module;
    return state.registered;
}

void EditorWindowClass::AddWindow()
{
    ClassState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    ++state.windows;
}

void EditorWindowClass::Release(bool windowCounted)
{
    ClassState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (windowCounted && state.windows > 0)
        --state.windows;
    state.UnregisterWhenUnused();
}

int EditorWindowClass::WindowCount()
{
    ClassState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.windows;
}
