#include "filepaths.h"

#include <filesystem>
#include <vector>

namespace tarnel {

namespace fs = std::filesystem;

std::string BrowsedPath(std::string_view pagePath, std::string_view chosenPath)
{
    if (pagePath.empty() || chosenPath.empty())
        return std::string(chosenPath);
    const fs::path folder = fs::path(pagePath).parent_path().lexically_normal();
    const fs::path chosen = fs::path(chosenPath).lexically_normal();
    if (folder.empty() || !chosen.is_absolute())
        return std::string(chosenPath);
    const fs::path relative = chosen.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..")
        return std::string(chosenPath);
    return relative.generic_string();
}

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool NeedsEscape(unsigned char byte)
{
    static constexpr std::string_view kRead = " \"#%&'()<>?\\`";
    return byte < 0x20 || byte == 0x7F || kRead.find(static_cast<char>(byte)) != kRead.npos;
}

} // namespace

std::string RelativeFileUrl(std::string_view pagePath, std::string_view chosenPath)
{
    const fs::path folder = fs::path(pagePath).parent_path().lexically_normal();
    const std::string relative =
        fs::path(chosenPath).lexically_normal().lexically_relative(folder).generic_string();
    std::string url;
    for (const char c : relative) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 15];
        } else {
            url += c;
        }
    }
    return url;
}

std::string WithNonAsciiEscaped(std::string_view url)
{
    std::string escaped;
    for (const char c : url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            escaped += c;
            continue;
        }
        escaped += '%';
        escaped += kHex[byte >> 4];
        escaped += kHex[byte & 15];
    }
    return escaped;
}

namespace {

std::string Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::string StripTrailingPatternList(std::string label)
{
    label = Trim(label);
    if (!label.empty() && label.back() == ')') {
        const auto open = label.rfind('(');
        if (open != std::string::npos)
            label = Trim(label.substr(0, open));
    }
    return label;
}

} // namespace

std::string ConvertFileFilter(std::string_view pairs)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : pairs) {
        if (c == '|') {
            parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);

    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty())
            break;
        std::string patterns = Trim(parts[i + 1]);
        for (char &c : patterns)
            if (c == ';')
                c = ' ';
        if (!out.empty())
            out += ";;";
        out += StripTrailingPatternList(parts[i]) + " (" + patterns + ")";
    }
    return out;
}

} // namespace tarnel
