#include "tempcopy.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::optional<std::string> PrivateTempDir(const std::string &systemTempDir, std::string *error)
{
    std::string base = systemTempDir.empty() ? std::string("/tmp") : systemTempDir;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    const std::string dir = base + "/tarnel-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        SetError(error, dir + ": " + SystemReason());
        return std::nullopt;
    }
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0) {
        SetError(error, dir + ": " + SystemReason());
        return std::nullopt;
    }
    if (!S_ISDIR(st.st_mode)) {
        SetError(error, dir + ": not a private folder (a link or a file stands there)");
        return std::nullopt;
    }
    if (st.st_uid != ::getuid()) {
        SetError(error, dir + ": owned by another user");
        return std::nullopt;
    }
    if ((st.st_mode & 077) != 0 && ::chmod(dir.c_str(), 0700) != 0) {
        SetError(error, dir + ": " + SystemReason());
        return std::nullopt;
    }
    return dir;
}

std::optional<std::string> CreateTempCopy(const std::string &dir, const std::tm &localTime,
                                          std::string *error, bool hidden)
{
    for (int suffix = 1; suffix < 10000; ++suffix) {
        const std::string path = dir + (hidden ? "/." : "/") + MakeTempName(localTime, suffix);
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              0600);
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

bool WriteTempCopy(const std::string &path, const char *data, std::size_t size,
                   std::string *error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC,
                          0600);
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

} // namespace tarnel
