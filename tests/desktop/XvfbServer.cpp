#include "tests/desktop/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace {
constexpr int kStartTimeoutMs = 20000;
constexpr int kStopPolls = 50;
constexpr useconds_t kStopPollMicroseconds = 100000;
} // namespace

XvfbServer::XvfbServer(const char* screen)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::vector<std::string> args{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen,
                                  "-nolisten", "tcp", "-noreset"};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const bool started = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (!started) {
        pid = -1;
        close(fds[0]);
        return;
    }
    std::string number;
    pollfd ready{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, kStartTimeoutMs) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (!number.empty())
        display = ":" + number;
}

XvfbServer::~XvfbServer()
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < kStopPolls; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(kStopPollMicroseconds);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
