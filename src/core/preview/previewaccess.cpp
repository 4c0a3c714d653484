#include "previewaccess.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace tarnel {

std::string CanonicalPath(const std::string &path)
{
    if (path.empty())
        return {};
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::canonical(path, error);
    return error ? std::string() : canonical.string();
}

bool IsInsideFolder(const std::string &folder, const std::string &path)
{
    if (folder.empty() || path.empty() || path.compare(0, folder.size(), folder) != 0)
        return false;
    if (path.size() == folder.size())
        return true;
    return folder.back() == '/' || path[folder.size()] == '/';
}

bool HasHiddenName(const std::string &path)
{
    for (std::size_t start = 0; start < path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (end > start && path[start] == '.')
            return true;
        start = end + 1;
    }
    return false;
}

bool MayLoad(const PreviewRequest &request)
{
    if (request.scheme == "data" || request.scheme == "blob")
        return true;
    // Each preview reads only its own page's folder, never another preview's.
    return request.scheme == kPreviewScheme && request.firstPartyScheme == kPreviewScheme &&
           !request.host.empty() && request.host == request.firstPartyHost;
}

bool MayShowInFrame(const std::string &url, const PreviewRequest &request)
{
    return url == "about:blank" || url == "about:srcdoc" || MayLoad(request);
}

bool IsExternalLinkScheme(const std::string &scheme)
{
    // javascript: links run in the page and open nothing.
    static constexpr std::array kShownByBrowser = {"http", "https",  "file",        "data",
                                                   "blob", "about",  "filesystem",  "javascript",
                                                   "qrc",  "chrome", "view-source", kPreviewScheme};
    return !scheme.empty() && std::find(kShownByBrowser.begin(), kShownByBrowser.end(), scheme) ==
                                  kShownByBrowser.end();
}

std::string PageFile(const std::string &folder, const std::string &urlPath)
{
    if (HasHiddenName(urlPath))
        return {};
    const std::string root = CanonicalPath(folder);
    if (root.empty())
        return {};
    const std::string target = CanonicalPath(root + "/" + urlPath);
    if (target.size() <= root.size() || !IsInsideFolder(root, target) ||
        HasHiddenName(target.substr(root.size())))
        return {};
    // A pipe or a device would hold the preview's reader forever.
    std::error_code error;
    return std::filesystem::is_regular_file(target, error) ? target : std::string();
}

} // namespace tarnel
