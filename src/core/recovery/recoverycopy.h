#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace tarnel {

// What follows a copy's name in the name of an attempt's temporary file ("<copy>.tmp<n>").
inline constexpr std::string_view kRecoveryTemporaryMark = ".tmp";

// One attempt at writing a crash recovery copy. The bytes go into a fresh private file beside
// the copy, and only a whole file, synced to disk, ever takes the copy's name: a crash at any
// moment leaves the previous copy or the new one, never a torn one.
//
// Append runs on one thread. Commit, the slow part (syncing, renaming, closing), may then run
// on another thread while the first calls Cancel.
class RecoveryCopyAttempt
{
public:
    // Creates the temporary file beside `copyPath` exclusively, mode 0600, never through a
    // link. nullptr (and `error`) when it cannot be made.
    static std::unique_ptr<RecoveryCopyAttempt> Begin(const std::string &copyPath,
                                                      std::string *error);
    // An attempt that was never renamed into place leaves no file behind.
    ~RecoveryCopyAttempt();
    RecoveryCopyAttempt(const RecoveryCopyAttempt &) = delete;
    RecoveryCopyAttempt &operator=(const RecoveryCopyAttempt &) = delete;

    bool Append(std::string_view bytes, std::string *error);
    // Syncs the file, then gives it the copy's name unless the attempt was cancelled first
    // (false with an empty `error` then). Appending afterwards is an error.
    bool Commit(std::string *error);
    // When this returns the temporary file is gone (unless it already is the copy), and the
    // attempt never takes the copy's name afterwards, whatever Commit is doing meanwhile.
    void Cancel();

    const std::string &TemporaryPath() const { return m_temporary; }
    // Renamed into place or dropped.
    bool Finished() const;

private:
    RecoveryCopyAttempt(std::string copyPath, std::string temporary, int fd);
    // Drops the temporary file if still open; the caller holds m_mutex.
    void DropLocked();

    enum class State { Open, Renamed, Dropped };
    const std::string m_copy;
    const std::string m_temporary;
    int m_fd;
    mutable std::mutex m_mutex;
    State m_state = State::Open;
};

} // namespace tarnel
