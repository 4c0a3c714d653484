#include "pagefile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnel {

namespace {

PageFileRefusal RefusalFor(const struct stat &st)
{
    if (S_ISDIR(st.st_mode))
        return PageFileRefusal::Folder;
    return S_ISREG(st.st_mode) ? PageFileRefusal::None : PageFileRefusal::NotRegularFile;
}

OpenedPageFile Failed(int error)
{
    return {-1, PageFileRefusal::SystemError, error};
}

} // namespace

OpenedPageFile OpenPageFile(const std::string &path)
{
    // Opening a device can do something by itself: look first.
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) == 0 && RefusalFor(st) != PageFileRefusal::None)
        return {-1, RefusalFor(st), 0};
    // Without waiting for a writer, in case a pipe was put there since.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failed(errno);
    OpenedPageFile opened{-1, PageFileRefusal::None, 0};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0)
        opened = Failed(errno);
    else if (RefusalFor(st) != PageFileRefusal::None)
        opened.refusal = RefusalFor(st);
    else if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        opened = Failed(errno);
    if (opened.refusal != PageFileRefusal::None) {
        ::close(fd);
        return opened;
    }
    opened.fd = fd;
    return opened;
}

} // namespace tarnel
