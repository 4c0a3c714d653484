#include "tempcopy.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include <utility>

namespace tarnel {

namespace {

void SetError(std::string *error, const std::string &what)
{
    if (error)
        *error = what;
}

std::string SystemReason()
{
    return std::strerror(errno);
}

constexpr const char *kSessionPrefix = "session-";
constexpr const char *kSessionLock = "/.lock";

// Locks the session folder's lock file without waiting; -1 when another process holds it or
// it is gone.
int LockSession(const std::string &folder)
{
    const std::string lock = folder + kSessionLock;
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    // A sweeping process may have removed the folder between the open and the lock.
    struct stat held
    {
    }, named{};
    if (::fstat(fd, &held) != 0 || ::lstat(lock.c_str(), &named) != 0 ||
        held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A real folder (not a link) of ours.
bool IsOwnFolder(const std::string &dir, struct stat &st)
{
    return ::lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

std::string WithoutTrailingSlashes(std::string dir)
{
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

} // namespace

std::string MakeTempName(const std::tm &localTime, int suffix)
{
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d%02d", localTime.tm_min % 100, localTime.tm_sec % 100);
    std::string name = "QuilloTmp";
    name += stamp;
    if (suffix > 1)
        name += "-" + std::to_string(suffix);
    name += ".htm";
    return name;
}

std::optional<TempFolder> PrivateTempDir(const std::string &runtimeDir,
                                         const std::string &systemTempDir, std::string *error)
{
    if (!runtimeDir.empty()) {
        const std::string runtime = WithoutTrailingSlashes(runtimeDir);
        const std::string dir = runtime + "/tarnel";
        struct stat st
        {
        };
        // The runtime folder must be closed to others as it stands (tightening it is not
        // ours to do); our folder in it is, when it was left open.
        if (IsOwnFolder(runtime, st) && (st.st_mode & 077) == 0 &&
            (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) && IsOwnFolder(dir, st) &&
            ((st.st_mode & 077) == 0 || ::chmod(dir.c_str(), 0700) == 0))
            return TempFolder{dir, false};
    }
    const std::string base =
        WithoutTrailingSlashes(systemTempDir.empty() ? std::string("/tmp") : systemTempDir);
    // mkdtemp makes a name nobody had, with mode 0700.
    std::string fresh = base + "/tarnel-" + std::to_string(::getuid()) + "-XXXXXX";
    if (!::mkdtemp(fresh.data())) {
        SetError(error, base + ": " + SystemReason());
        return std::nullopt;
    }
    return TempFolder{fresh, true};
}

std::optional<std::string> CreateTempCopy(const std::string &dir, const std::tm &localTime,
                                          std::string *error)
{
    for (int suffix = 1; suffix < 10000; ++suffix) {
        const std::string path = dir + "/" + MakeTempName(localTime, suffix);
        const int fd =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            SetError(error, path + ": " + SystemReason());
            return std::nullopt;
        }
    }
    SetError(error, dir + ": no free name for a temporary copy");
    return std::nullopt;
}

bool WriteTempCopy(const std::string &path, const char *data, std::size_t size, std::string *error)
{
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        SetError(error, path + ": " + SystemReason());
        return false;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            SetError(error, path + ": " + SystemReason());
            ::close(fd);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) {
        SetError(error, path + ": " + SystemReason());
        return false;
    }
    return true;
}

TempSession::TempSession(std::string folder, int lockFd, std::string freshParent)
    : m_folder(std::move(folder))
    , m_lockFd(lockFd)
    , m_freshParent(std::move(freshParent))
{}

TempSession::TempSession(TempSession &&other) noexcept
    : m_folder(std::move(other.m_folder))
    , m_lockFd(std::exchange(other.m_lockFd, -1))
    , m_freshParent(std::move(other.m_freshParent))
{
    other.m_folder.clear();
    other.m_freshParent.clear();
}

TempSession::~TempSession()
{
    if (m_lockFd < 0)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    if (!m_freshParent.empty())
        ::rmdir(m_freshParent.c_str());
    ::close(m_lockFd);
}

std::optional<TempSession> TempSession::Open(const TempFolder &privateDir, std::string *error)
{
    const std::string &dir = privateDir.path;
    SetError(error, dir + ": no session folder could be held");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string pattern = dir + "/" + kSessionPrefix + "XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            SetError(error, dir + ": " + SystemReason());
            break;
        }
        const int fd = LockSession(pattern);
        if (fd >= 0)
            return TempSession(pattern, fd, privateDir.fresh ? dir : std::string());
    }
    if (privateDir.fresh)
        ::rmdir(dir.c_str());
    return std::nullopt;
}

int RemoveStaleSessions(const std::string &privateDir)
{
    int removed = 0;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(privateDir, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kSessionPrefix, 0) != 0 || !entry.is_directory(error) ||
            entry.is_symlink(error))
            continue;
        const std::string folder = entry.path().string();
        // A folder whose lock was never made is one being made right now.
        if (!std::filesystem::exists(folder + kSessionLock, error))
            continue;
        const int fd = LockSession(folder);
        if (fd < 0)
            continue;
        std::filesystem::remove_all(folder, error);
        ::close(fd);
        ++removed;
    }
    return removed;
}

} // namespace tarnel
