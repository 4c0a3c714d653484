#include "NetworkSeal.h"

#include "fileurl.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace netseal {

namespace {

constexpr std::size_t kLongestUrl = 16384;

// Runs in the launcher: one URL per message, until the editor's end closes.
[[noreturn]] void serveLauncher(int socket)
{
    ::prctl(PR_SET_NAME, "tarnel-open");
    // The programs it starts are reaped by the system.
    std::signal(SIGCHLD, SIG_IGN);
    static char message[kLongestUrl + 1];
    for (;;) {
        const ssize_t got = ::recv(socket, message, sizeof message, MSG_TRUNC);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            ::_exit(0);
        if (static_cast<std::size_t>(got) > kLongestUrl)
            continue;
        const std::string url(message, static_cast<std::size_t>(got));
        const auto path = tarnel::LocalFileOfUrl(url);
        struct stat file = {};
        if (!path || ::stat(path->c_str(), &file) != 0 || !S_ISREG(file.st_mode))
            continue;
        if (::fork() == 0) {
            // The URL starts with "file:": xdg-open cannot take it for an option.
            ::execlp("xdg-open", "xdg-open", url.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
    }
}

int startLauncher()
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ends[0]);
        serveLauncher(ends[1]);
    }
    ::close(ends[1]);
    if (pid < 0) {
        ::close(ends[0]);
        return -1;
    }
    return ends[0];
}

bool writeProcFile(const char *path, const std::string &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return written;
}

// An X display named with a host ("localhost:10", forwarded through ssh) is reached over the
// network, which the namespace would cut.
bool displayNeedsNetwork()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform &&
        (std::strncmp(platform, "offscreen", 9) == 0 || std::strncmp(platform, "minimal", 7) == 0))
        return false;
    const char *display = std::getenv("DISPLAY");
    if (!display)
        return false;
    const std::string_view name(display);
    const std::size_t colon = name.rfind(':');
    const std::string_view host = name.substr(0, colon == std::string_view::npos ? 0 : colon);
    return !host.empty() && host != "unix";
}

} // namespace

Outcome sealProcess()
{
    Outcome outcome;
    outcome.launcher = startLauncher();
    if (displayNeedsNetwork()) {
        outcome.reason = QT_TRANSLATE_NOOP("StartUp", "the display is reached over the network");
        return outcome;
    }
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (uid == 0 && ::unshare(CLONE_NEWNET) == 0) {
        outcome.sealed = true;
        return outcome;
    }
    // Without privileges (or in a container that withholds them), a user namespace of our
    // own gives the right to a network namespace; the ids map to themselves, so files and
    // the display see the same user as before.
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0) {
        outcome.error = errno;
        outcome.reason = QT_TRANSLATE_NOOP("StartUp", "no network namespace could be made");
        return outcome;
    }
    outcome.sealed = true;
    writeProcFile("/proc/self/setgroups", "deny");
    writeProcFile("/proc/self/uid_map", std::to_string(uid) + ' ' + std::to_string(uid) + " 1");
    writeProcFile("/proc/self/gid_map", std::to_string(gid) + ' ' + std::to_string(gid) + " 1");
    return outcome;
}

bool openOutside(int launcher, const std::string &url)
{
    if (launcher < 0 || url.size() > kLongestUrl || !tarnel::LocalFileOfUrl(url))
        return false;
    return ::send(launcher, url.data(), url.size(), MSG_NOSIGNAL) == ssize_t(url.size());
}

} // namespace netseal
