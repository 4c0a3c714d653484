#pragma once
#include <ctime>
#include <optional>
#include <string>

namespace tarnel {

// "QuilloTmp" + minute and second ("%M%S") + ".htm"; with a suffix n > 1 the name becomes
// "QuilloTmpMMSS-n.htm" so two documents made in the same second never share a copy.
std::string MakeTempName(const std::tm &localTime, int suffix = 1);

// The per-user private folder for temporary copies under `systemTempDir`, made with mode
// 0700 when missing. Refused (nullopt, `error` says why) when it is a link, not a folder,
// owned by someone else or open to others.
std::optional<std::string> PrivateTempDir(const std::string &systemTempDir, std::string *error);

// Creates a new, empty temporary copy in `dir`: exclusively, never following a link and
// never truncating an existing file, taking the first free suffix. Returns its full path.
// A hidden copy's name starts with "." (the copy the preview shows beside a saved page).
std::optional<std::string> CreateTempCopy(const std::string &dir, const std::tm &localTime,
                                          std::string *error, bool hidden = false);

// Replaces the copy's content. A link put in the copy's place is not followed.
bool WriteTempCopy(const std::string &path, const char *data, std::size_t size,
                   std::string *error);

} // namespace tarnel
