#include "recoverycopy.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tarnel {

namespace {

void SetError(std::string *error, const std::string &path)
{
    if (error)
        *error = path + ": " + std::strerror(errno);
}

} // namespace

RecoveryCopyAttempt::RecoveryCopyAttempt(std::string copyPath, std::string temporary, int fd)
    : m_copy(std::move(copyPath))
    , m_temporary(std::move(temporary))
    , m_fd(fd)
{}

std::unique_ptr<RecoveryCopyAttempt> RecoveryCopyAttempt::Begin(const std::string &copyPath,
                                                                std::string *error)
{
    for (int n = 1; n < 10000; ++n) {
        std::string temporary = copyPath;
        temporary.append(kRecoveryTemporaryMark).append(std::to_string(n));
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0)
            return std::unique_ptr<RecoveryCopyAttempt>(
                new RecoveryCopyAttempt(copyPath, std::move(temporary), fd));
        if (errno != EEXIST) {
            SetError(error, temporary);
            return nullptr;
        }
    }
    if (error)
        *error = copyPath + ": no free name for a temporary file";
    return nullptr;
}

RecoveryCopyAttempt::~RecoveryCopyAttempt()
{
    {
        const std::lock_guard lock(m_mutex);
        DropLocked();
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

void RecoveryCopyAttempt::DropLocked()
{
    if (m_state != State::Open)
        return;
    // Only the attempt's own file: once dropped, a later attempt may take the same name.
    ::unlink(m_temporary.c_str());
    m_state = State::Dropped;
}

bool RecoveryCopyAttempt::Append(std::string_view bytes, std::string *error)
{
    if (m_fd < 0) {
        if (error)
            *error = m_temporary + ": already closed";
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            SetError(error, m_temporary);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool RecoveryCopyAttempt::Commit(std::string *error)
{
    if (m_fd < 0) {
        if (error)
            *error = m_temporary + ": already closed";
        return false;
    }
    // Syncing may take long; a Cancel meanwhile only has to wait for the rename.
    const bool synced = ::fsync(m_fd) == 0;
    if (!synced)
        SetError(error, m_temporary);
    bool renamed = false;
    {
        const std::lock_guard lock(m_mutex);
        if (m_state == State::Open) {
            if (synced && ::rename(m_temporary.c_str(), m_copy.c_str()) == 0) {
                m_state = State::Renamed;
                renamed = true;
            } else {
                if (synced)
                    SetError(error, m_copy);
                DropLocked();
            }
        } else if (error) {
            error->clear();
        }
    }
    ::close(m_fd);
    m_fd = -1;
    return renamed;
}

void RecoveryCopyAttempt::Cancel()
{
    const std::lock_guard lock(m_mutex);
    DropLocked();
}

bool RecoveryCopyAttempt::Finished() const
{
    const std::lock_guard lock(m_mutex);
    return m_state != State::Open;
}

} // namespace tarnel
