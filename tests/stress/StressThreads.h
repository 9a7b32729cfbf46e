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
