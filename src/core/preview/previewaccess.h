#pragma once

#include <string>

namespace tarnel {

// The scheme the preview serves pages under: "tarnel-page://<page>/<path>", where <page> names
// one preview and <path> is the page itself or a file below the page's folder.
inline constexpr const char *kPreviewScheme = "tarnel-page";

// One request of a previewed page, as its URL was taken apart: the scheme (lower case) and
// host, and those of the top-level page the request is made for.
struct PreviewRequest
{
    std::string scheme;
    std::string host;
    std::string firstPartyScheme;
    std::string firstPartyHost;
};

// Whether a previewed page may make the request: data: and blob: URLs, and its own page's
// files through the preview scheme (which files, PageFile decides). Everything else - the
// network, file: URLs, other schemes, another preview's files - is refused.
bool MayLoad(const PreviewRequest &request);

// Whether a frame inside a previewed page may show `url` (a whole URL): the same requests as
// MayLoad, and a frame's own empty or inline document.
bool MayShowInFrame(const std::string &url, const PreviewRequest &request);

// Whether the embedded browser hands a link with `scheme` (lower case) to another program
// instead of following it itself (mailto:, ftp:, any scheme it cannot show). The preview's
// profile refuses those before the page is asked about them, so nothing else reports them.
bool IsExternalLinkScheme(const std::string &scheme);

// The file a previewed page reads for the path of a preview URL ("/pics/a.png", decoded):
// a regular file in `folder` or below it, reached without a hidden name (one that starts
// with ".") on the way, compared canonically so that links and ".." cannot lead out of the
// folder or into a hidden one. Empty when the page may not read it or `folder` is empty (an
// unsaved page reads nothing local).
std::string PageFile(const std::string &folder, const std::string &urlPath);

// The canonical form of an existing path (links and ".." resolved), empty when it does not
// exist or cannot be resolved.
std::string CanonicalPath(const std::string &path);

// Whether canonical `path` is `folder` or lies below it.
bool IsInsideFolder(const std::string &folder, const std::string &path);

// Whether a name on the '/'-separated `path` starts with "." (".", ".." and hidden names).
bool HasHiddenName(const std::string &path);

} // namespace tarnel
