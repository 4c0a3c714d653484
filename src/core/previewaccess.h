#pragma once

#include <map>
#include <string>

namespace tarnel {

// One request of a previewed page, as its URL was taken apart: the scheme (lower case), the
// host, the local file path (for file: URLs) and the local file of the top-level document
// the request is made for.
struct PreviewRequest
{
    std::string scheme;
    std::string host;
    std::string path;
    std::string firstPartyScheme;
    std::string firstPartyPath;
};

// Which requests a previewed page may make. Pages are shown from copies; each copy is allowed
// together with the folder whose files it may load (the saved page's folder) or alone (an
// unsaved page). A request is allowed when it is data: or blob:, or when it reads a local file
// for a known copy and that file is the copy or lies inside the copy's folder. Paths are
// compared canonically, so links and ".." cannot lead out of the folder. Everything else -
// the network, other schemes, files of unknown pages - is refused.
class PreviewAccess
{
public:
    // `folder` empty: the copy may load nothing local but itself.
    void Allow(const std::string &copyPath, const std::string &folder);
    void Forget(const std::string &copyPath);

    bool MayLoad(const PreviewRequest &request) const;
    // Whether the page shown from `copyPath` may read the local file `path`.
    bool MayReadFile(const std::string &copyPath, const std::string &path) const;

private:
    // Canonical copy path -> canonical folder (empty for none).
    std::map<std::string, std::string> m_copies;
};

// The canonical form of an existing path (links and ".." resolved), empty when it does not
// exist or cannot be resolved.
std::string CanonicalPath(const std::string &path);

// Whether canonical `path` is `folder` or lies below it.
bool IsInsideFolder(const std::string &folder, const std::string &path);

} // namespace tarnel
