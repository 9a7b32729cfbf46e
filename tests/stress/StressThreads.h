#pragma once

// Runs the threads of a stress test side by side for a while: each role is
// called over and over on its own thread, with its own seeded generator,
// until the time is up.
#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <thread>
#include <vector>

#include "graphics/headless/GraphicsHeadless.h"

using StressRole = std::function<void(std::mt19937&)>;

inline void RunSideBySide(std::chrono::milliseconds duration, const std::vector<StressRole>& roles)
{
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < roles.size(); ++i) {
        threads.emplace_back([&, i] {
            std::mt19937 random(static_cast<unsigned>(1000 + i));
            while (!stop.load())
                roles[i](random);
        });
    }
    std::this_thread::sleep_for(duration);
    stop = true;
    for (auto& t : threads)
        t.join();
}

// The user at the editor: a drag on a random control linked to a parameter,
// then a tick of the window's timer.
inline void EditAtRandom(GraphicsHeadless& gui, std::mt19937& random)
{
    std::uniform_int_distribution<int> pick(0, gui.ControlCount() - 1);
    const Control* control = gui.GetControl(pick(random));
    if (control->ParamIndex() >= 0) {
        const PixelRect& r = control->Rect();
        const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        std::uniform_int_distribution<int> step(-20, 20);
        gui.Press(x, y, LeftButton());
        gui.MovePointer(x + step(random), y + step(random), LeftButton());
        gui.Release(x, y, LeftButton());
    }
    gui.TimerTick();
}
