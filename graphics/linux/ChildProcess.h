#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Runs helper programs (dialogs, the desktop's opener) from inside a host
// process: always by argument vector, never through a shell; standard input
// and error are /dev/null; none of the host's descriptors leak into the
// child; nothing waits forever and no child is left as a zombie.
namespace ChildProcess {

struct Result {
    bool started = false;  // the program was found and started
    bool timedOut = false; // it ran past the timeout and was killed
    int exitCode = -1;     // its exit status; -1 when killed, not started or reaped by the host
    std::string output;    // what it wrote to standard output, at most maxOutput bytes

    // Ended in time with status 0, or with a status lost because the host
    // reaps children itself (SIGCHLD ignored or handled).
    bool EndedWell() const { return started && !timedOut && exitCode <= 0; }
};

struct Options {
    int timeoutMs = 10000;          // killed (SIGKILL) and reaped after this long
    std::size_t maxOutput = 65536;  // further output is read and dropped
    // Called about every 40 ms while the program runs (the editor keeps
    // answering its window); may be empty.
    std::function<void()> whileWaiting;
};

// Runs argv[0] (looked up on PATH) with argv and waits for it to end.
Result Run(const std::vector<std::string>& argv, const Options& options);

// Starts argv[0] (looked up on PATH) in a session of its own and returns at
// once; the program outlives this call and is never our child for long
// (started through setsid --fork). False when it could not be started.
bool SpawnDetached(const std::vector<std::string>& argv);

// True when name is an executable file in a folder of PATH.
bool OnPath(const std::string& name);

} // namespace ChildProcess
