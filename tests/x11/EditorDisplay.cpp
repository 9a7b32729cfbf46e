#include "tests/x11/EditorDisplay.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {
constexpr int kStartTimeoutMs = 10000;

// The display number Xvfb writes once it accepts connections, or "".
std::string ReadDisplayNumber(int fd)
{
    std::string number;
    pollfd readable = {fd, POLLIN, 0};
    char c = 0;
    while (poll(&readable, 1, kStartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n')
        number.push_back(c);
    return number;
}
} // namespace

EditorDisplay::EditorDisplay()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    const std::string number = pid > 0 ? ReadDisplayNumber(fds[0]) : std::string();
    close(fds[0]);
    if (number.empty())
        return;
    display = ":" + number;
    setenv("DISPLAY", display.c_str(), 1);
}

EditorDisplay::~EditorDisplay()
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}
