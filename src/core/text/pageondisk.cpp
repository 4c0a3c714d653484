#include "pageondisk.h"

#include <sys/stat.h>
#include <unistd.h>

namespace tarnel {

FileStamp LookAtFile(const std::string &path)
{
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    FileStamp stamp;
    stamp.exists = true;
    stamp.modifiedNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.size = st.st_size;
    stamp.writable = (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
    return stamp;
}

void PageOnDisk::Remember(const FileStamp &stamp)
{
    m_state = stamp.exists ? State::Present : State::None;
    m_known = stamp;
}

bool PageOnDisk::differs(const FileStamp &now) const
{
    return now.modifiedNs != m_known.modifiedNs || now.size != m_known.size;
}

DiskFinding PageOnDisk::Look(const FileStamp &now)
{
    switch (m_state) {
    case State::None:
        return DiskFinding::Nothing;
    case State::Present:
        if (!now.exists) {
            m_state = State::Gone;
            return DiskFinding::Missing;
        }
        // A change of mode alone is no change of the text, but the title shows it.
        m_known.writable = now.writable;
        return differs(now) ? DiskFinding::Changed : DiskFinding::Nothing;
    case State::Gone:
    case State::Kept:
        if (!now.exists)
            return DiskFinding::Nothing; // asked already
        // Back again (moved back, restored): as any file, it may hold other text now.
        m_state = State::Present;
        m_known.writable = now.writable;
        return differs(now) ? DiskFinding::Changed : DiskFinding::Nothing;
    }
    return DiskFinding::Nothing;
}

SaveCheck PageOnDisk::BeforeSave(const FileStamp &now)
{
    if (!now.exists) {
        if (m_state == State::Kept || m_state == State::None)
            return SaveCheck::Write;
        m_state = State::Gone;
        return SaveCheck::AskMissing;
    }
    if (m_state == State::None)
        return SaveCheck::Write;
    return differs(now) ? SaveCheck::AskOverwrite : SaveCheck::Write;
}

void PageOnDisk::KeepWithoutFile()
{
    if (m_state == State::Gone)
        m_state = State::Kept;
}

} // namespace tarnel
