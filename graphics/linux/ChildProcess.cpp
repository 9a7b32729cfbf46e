#include "graphics/linux/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>

extern char** environ;

namespace {
constexpr int kSliceMs = 40;
constexpr int kDetachTimeoutMs = 5000;

using Clock = std::chrono::steady_clock;

class Pipe {
public:
    Pipe() { ok = pipe2(fds, O_CLOEXEC) == 0; }
    ~Pipe()
    {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool Ok() const { return ok; }
    int Read() const { return fds[0]; }
    int Write() const { return fds[1]; }
    void CloseRead() { Close(fds[0]); }
    void CloseWrite() { Close(fds[1]); }

private:
    static void Close(int& fd)
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
    int fds[2] = {-1, -1};
    bool ok = false;
};

// The spawn attributes of a helper: default signal handling and an empty
// signal mask whatever the host set up, and the host's other descriptors
// closed.
class SpawnSetup {
public:
    explicit SpawnSetup(int outputFd)
    {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        if (outputFd >= 0)
            posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
        else
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    bool Spawn(const std::vector<std::string>& argv, pid_t& pid)
    {
        if (argv.empty() || argv[0].empty())
            return false;
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        return posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ) == 0;
    }

private:
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

int MsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left < 0 ? 0 : static_cast<int>(left);
}

enum class Drained { Data, Nothing, End };

// Reads what is there without blocking.
Drained Drain(int fd, std::string& output, std::size_t maxOutput)
{
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0)
        return (errno == EINTR || errno == EAGAIN) ? Drained::Nothing : Drained::End;
    if (got == 0)
        return Drained::End;
    const std::size_t room = maxOutput - std::min(maxOutput, output.size());
    output.append(buffer, std::min(room, static_cast<std::size_t>(got)));
    return Drained::Data;
}

// True once the child has ended (or was reaped by someone else); sets exitCode.
bool Reaped(pid_t pid, int options, int& exitCode)
{
    int status = 0;
    pid_t done;
    do
        done = waitpid(pid, &status, options);
    while (done < 0 && errno == EINTR);
    if (done == 0)
        return false;
    exitCode = (done > 0 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    return true;
}

// Waits up to sliceMs for output; false once the output has ended.
bool AwaitOutput(int fd, bool reading, int sliceMs, std::string& output, std::size_t maxOutput)
{
    if (!reading) {
        poll(nullptr, 0, sliceMs);
        return false;
    }
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, sliceMs) <= 0)
        return true;
    return Drain(fd, output, maxOutput) != Drained::End;
}
} // namespace

ChildProcess::Result ChildProcess::Run(const std::vector<std::string>& argv, const Options& options)
{
    Result result;
    Pipe output;
    if (!output.Ok())
        return result;
    pid_t pid = 0;
    {
        SpawnSetup setup(output.Write());
        if (!setup.Spawn(argv, pid))
            return result;
    }
    result.started = true;
    output.CloseWrite();
    fcntl(output.Read(), F_SETFL, O_NONBLOCK);

    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(0, options.timeoutMs));
    bool reading = true;
    for (;;) {
        const int sliceMs = std::min(kSliceMs, MsUntil(deadline));
        reading = AwaitOutput(output.Read(), reading, sliceMs, result.output, options.maxOutput);
        if (options.whileWaiting)
            options.whileWaiting();
        if (Reaped(pid, WNOHANG, result.exitCode)) {
            while (reading && Drain(output.Read(), result.output, options.maxOutput) == Drained::Data) {
            }
            return result;
        }
        if (Clock::now() >= deadline)
            break;
    }
    kill(pid, SIGKILL);
    Reaped(pid, 0, result.exitCode);
    result.exitCode = -1;
    result.timedOut = true;
    return result;
}

bool ChildProcess::SpawnDetached(const std::vector<std::string>& argv)
{
    if (argv.empty() || !OnPath(argv[0]))
        return false;
    std::vector<std::string> detached{"setsid", "--fork"};
    detached.insert(detached.end(), argv.begin(), argv.end());
    Options options;
    options.timeoutMs = kDetachTimeoutMs;
    const Result result = Run(detached, options);
    return result.EndedWell();
}

bool ChildProcess::OnPath(const std::string& name)
{
    if (name.empty())
        return false;
    if (name.find('/') != std::string::npos)
        return access(name.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + name;
        struct stat info;
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}
