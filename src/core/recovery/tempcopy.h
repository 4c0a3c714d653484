#pragma once
#include <ctime>
#include <optional>
#include <string>

namespace tarnel {

// "QuilloTmp" + minute and second ("%M%S") + ".htm"; with a suffix n > 1 the name becomes
// "QuilloTmpMMSS-n.htm" so two documents made in the same second never share a copy.
std::string MakeTempName(const std::tm &localTime, int suffix = 1);

// Where this run keeps its temporary copies.
struct TempFolder
{
    std::string path;
    bool fresh = false; // made for this run alone: it goes with the run's session
};

// The user's private folder for temporary copies: "tarnel" in `runtimeDir` (what
// XDG_RUNTIME_DIR names) when that is a folder of ours closed to others, made with mode 0700
// when missing; else a folder made afresh for this run under `systemTempDir`. A fixed name in
// a folder everyone writes to could be taken first by anyone, leaving the editor nowhere to
// put its copies. Nullopt (`error` says why) only when neither can be had.
std::optional<TempFolder> PrivateTempDir(const std::string &runtimeDir,
                                         const std::string &systemTempDir, std::string *error);

// Creates a new, empty temporary copy in `dir`: exclusively, never following a link and
// never truncating an existing file, taking the first free suffix. Returns its full path.
std::optional<std::string> CreateTempCopy(const std::string &dir, const std::tm &localTime,
                                          std::string *error);

// Replaces the copy's content. A link put in the copy's place is not followed.
bool WriteTempCopy(const std::string &path, const char *data, std::size_t size, std::string *error);

// This run's folder for temporary copies inside the private folder: locked while the process
// lives (the lock goes with the process, however it ends) and removed when it is destroyed.
class TempSession
{
public:
    static std::optional<TempSession> Open(const TempFolder &privateDir, std::string *error);
    TempSession(TempSession &&other) noexcept;
    TempSession &operator=(TempSession &&other) = delete;
    ~TempSession();

    const std::string &folder() const { return m_folder; }

private:
    TempSession(std::string folder, int lockFd, std::string freshParent);
    std::string m_folder;
    int m_lockFd = -1;
    std::string m_freshParent; // removed with the session when it was made for this run
};

// Removes the session folders in `privateDir` that no running process holds: what an editor
// that crashed or was killed left. Returns how many were removed.
int RemoveStaleSessions(const std::string &privateDir);

} // namespace tarnel
