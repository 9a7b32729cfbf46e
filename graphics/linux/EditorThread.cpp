#include "graphics/EditorThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "core/EditorLink.h"

void EditorThread::Start(EditorLink& editor)
{
    Stop();
    wakeDescriptor = eventfd(0, EFD_CLOEXEC);
    if (wakeDescriptor < 0)
        return;
    stopping = false;
    thread = std::thread([this, &editor] { Loop(editor); });
}

void EditorThread::Loop(EditorLink& editor)
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(editor.FramePeriodMs());
    auto nextTick = Clock::now();
    while (!stopping) {
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now());
        pollfd waits[2] = {{editor.EventDescriptor(), POLLIN, 0}, {wakeDescriptor, POLLIN, 0}};
        poll(waits, 2, static_cast<int>(std::max<int64_t>(0, wait.count())));
        if (stopping)
            break;
        editor.HandleEvents();
        if (Clock::now() >= nextTick) {
            editor.TimerTick();
            nextTick += period;
            if (nextTick < Clock::now())
                nextTick = Clock::now() + period;
        }
    }
}

void EditorThread::Stop()
{
    if (thread.joinable()) {
        stopping = true;
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wakeDescriptor, &one, sizeof one);
        thread.join();
    }
    if (wakeDescriptor >= 0)
        close(wakeDescriptor);
    wakeDescriptor = -1;
}
