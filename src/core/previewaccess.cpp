#include "previewaccess.h"

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

void PreviewAccess::Allow(const std::string &copyPath, const std::string &folder)
{
    const std::string copy = CanonicalPath(copyPath);
    if (!copy.empty())
        m_copies[copy] = CanonicalPath(folder);
}

void PreviewAccess::Forget(const std::string &copyPath)
{
    m_copies.erase(CanonicalPath(copyPath));
}

bool PreviewAccess::MayReadFile(const std::string &copyPath, const std::string &path) const
{
    const auto known = m_copies.find(CanonicalPath(copyPath));
    if (known == m_copies.end())
        return false;
    const std::string target = CanonicalPath(path);
    if (target.empty())
        return false;
    return target == known->first || IsInsideFolder(known->second, target);
}

bool PreviewAccess::MayLoad(const PreviewRequest &request) const
{
    if (request.scheme == "data" || request.scheme == "blob")
        return true;
    // A file on another machine (file://host/...) is the network in disguise.
    if (request.scheme != "file" || !request.host.empty() || request.firstPartyScheme != "file")
        return false;
    return MayReadFile(request.firstPartyPath, request.path);
}

} // namespace tarnel
