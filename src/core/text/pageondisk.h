#pragma once
#include <cstdint>
#include <string>

namespace tarnel {

// What a look at a page's file found: enough to notice another program changing, removing or
// write-protecting it.
struct FileStamp
{
    bool exists = false;
    std::int64_t modifiedNs = 0; // last modification, nanoseconds since the epoch
    std::int64_t size = -1;
    bool writable = false;
};

// Looks at `path` (a link is followed). A file is writable when the user may write it and its
// mode leaves someone a write bit: a page marked read-only stays so for the administrator too,
// who could otherwise overwrite it without noticing the mark.
FileStamp LookAtFile(const std::string &path);

// What the look at a page's file on the window's activation asks of the user.
enum class DiskFinding {
    Nothing,
    Changed, // another program wrote it: reload, or keep the editor's text
    Missing, // it was deleted or moved: Save As, Close, or keep the text without a file
};

// What Save to the page's own file must settle first.
enum class SaveCheck {
    Write,
    AskOverwrite, // another program changed it since
    AskMissing,   // it went and nobody answered that yet: writing would quietly re-create it
};

// The page's file as the editor last knew it, and the user's answers about it. A removal is
// reported once, however often the window is activated, until the file comes back and goes
// again; while the file is missing the text is saved nowhere, so the page counts as modified.
class PageOnDisk
{
public:
    // The file was just read or written: this is its state.
    void Remember(const FileStamp &stamp);
    // The page has no file any more (Save As elsewhere, a new page).
    void Forget() { *this = PageOnDisk(); }

    DiskFinding Look(const FileStamp &now);
    SaveCheck BeforeSave(const FileStamp &now);

    // The user keeps the editor's text over another program's change.
    void AcceptChange(const FileStamp &now) { Remember(now); }
    // The user keeps the text of a page whose file went: the next Save writes it there again.
    void KeepWithoutFile();

    bool missing() const { return m_state == State::Gone || m_state == State::Kept; }
    bool readOnly() const { return m_state == State::Present && !m_known.writable; }

private:
    enum class State { None, Present, Gone, Kept };
    bool differs(const FileStamp &now) const;

    State m_state = State::None;
    FileStamp m_known;
};

} // namespace tarnel
