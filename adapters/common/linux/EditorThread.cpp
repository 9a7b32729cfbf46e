#include "adapters/common/EditorThread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

bool EditorThread::Attach(Client& client, int periodMs, int descriptor)
{
    Detach();
    wakeDescriptor = eventfd(0, EFD_CLOEXEC);
    if (wakeDescriptor < 0)
        return false;
    stopping = false;
    watched = descriptor;
    thread = std::thread([this, &client, periodMs] { Loop(client, periodMs); });
    return true;
}

// Each wake serves one call: the timer when it is due (its call handles the
// waiting events too), else the descriptor that woke the thread.
void EditorThread::Loop(Client& client, int periodMs)
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(periodMs);
    auto nextTick = Clock::now();
    while (!stopping) {
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now());
        pollfd waits[2] = {{watched, POLLIN, 0}, {wakeDescriptor, POLLIN, 0}};
        poll(waits, 2, static_cast<int>(std::max<int64_t>(0, wait.count())));
        if (stopping)
            break;
        if (Clock::now() >= nextTick) {
            client.TimerFired();
            nextTick += period;
            if (nextTick < Clock::now())
                nextTick = Clock::now() + period;
        } else if (waits[0].revents != 0 && !client.DescriptorReady(waits[0].fd)) {
            watched = -1;
        }
    }
}

void EditorThread::Detach()
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
