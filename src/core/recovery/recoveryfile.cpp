#include "recoveryfile.h"

#include <charconv>

namespace tarnel {

namespace {

constexpr std::string_view kMagic = "TARNEL RECOVERY 1\n";

void AppendField(std::string &out, std::string_view name, std::string_view value)
{
    out.append(name).append(" ").append(std::to_string(value.size())).append("\n");
    out.append(value).append("\n");
}

// Reads "<name> <length>\n<bytes>\n" at `at`, moving `at` past it.
std::optional<std::string> ReadField(std::string_view bytes, std::size_t &at, std::string_view name)
{
    if (bytes.substr(at, name.size()) != name || bytes.substr(at + name.size(), 1) != " ")
        return std::nullopt;
    const std::size_t digits = at + name.size() + 1;
    const std::size_t lineEnd = bytes.find('\n', digits);
    // One way to write each length: no leading zeros.
    if (lineEnd == std::string_view::npos || lineEnd == digits ||
        (bytes[digits] == '0' && lineEnd != digits + 1))
        return std::nullopt;
    std::size_t length = 0;
    const auto [end, error] =
        std::from_chars(bytes.data() + digits, bytes.data() + lineEnd, length);
    if (error != std::errc() || end != bytes.data() + lineEnd)
        return std::nullopt;
    const std::size_t valueStart = lineEnd + 1;
    if (length > bytes.size() - valueStart || bytes.size() - valueStart - length < 1 ||
        bytes[valueStart + length] != '\n')
        return std::nullopt;
    at = valueStart + length + 1;
    return std::string(bytes.substr(valueStart, length));
}

} // namespace

std::string RecoveryFileHead(const RecoveredPage &pageWithoutText, std::size_t textSize)
{
    std::string out(kMagic);
    AppendField(out, "path", pageWithoutText.path);
    AppendField(out, "title", pageWithoutText.title);
    out.append("text ").append(std::to_string(textSize)).append("\n");
    return out;
}

std::string RecoveryFileText(const RecoveredPage &page)
{
    return RecoveryFileHead(page, page.text.size()).append(page.text).append("\n");
}

std::optional<RecoveredPage> ParseRecoveryFile(std::string_view bytes)
{
    if (!bytes.starts_with(kMagic))
        return std::nullopt;
    std::size_t at = kMagic.size();
    auto path = ReadField(bytes, at, "path");
    auto title = path ? ReadField(bytes, at, "title") : std::nullopt;
    auto text = title ? ReadField(bytes, at, "text") : std::nullopt;
    if (!text || at != bytes.size())
        return std::nullopt;
    return RecoveredPage{std::move(*path), std::move(*title), std::move(*text)};
}

} // namespace tarnel
