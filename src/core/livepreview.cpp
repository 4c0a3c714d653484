#include "livepreview.h"

#include "scanner.h"

#include <algorithm>
#include <array>
#include <span>

namespace tarnel {

namespace {

bool IsOneOf(std::string_view name, std::span<const std::string_view> names)
{
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view n) { return EqualsNoCase(name, n); });
}

// What a browser keeps in the head before the first element that starts the body.
constexpr std::array<std::string_view, 11> kHeadElements = {
    "html",   "head", "title",    "meta",     "link",    "style",
    "script", "base", "noscript", "template", "basefont"};

constexpr std::array<std::string_view, 22> kVoidElements = {
    "area",  "base",   "basefont", "bgsound", "br",      "col",    "embed", "frame",
    "hr",    "image",  "img",      "input",   "isindex", "keygen", "link",  "meta",
    "param", "source", "spacer",   "track",   "wbr",     "nextid"};

} // namespace

bool IsVoidElement(std::string_view name)
{
    return IsOneOf(name, kVoidElements);
}

MarkedPage MarkForPreview(std::string_view page)
{
    MarkedPage marked;
    marked.text.reserve(page.size() + page.size() / 8);
    std::size_t copied = 0;
    TagCursor cursor(page);
    while (const auto tag = cursor.Next()) {
        if (tag->isEndTag)
            continue;
        // Right after the name is always a place for an attribute, whatever follows.
        const std::size_t at = tag->begin + 1 + tag->name.size();
        marked.text.append(page.substr(copied, at - copied));
        marked.text.append(" ");
        marked.text.append(kPreviewMarkAttribute);
        marked.text.append("=\"" + std::to_string(marked.starts.size()) + "\"");
        marked.starts.push_back(tag->begin);
        copied = at;
    }
    marked.text.append(page.substr(copied));
    return marked;
}

std::optional<std::size_t> MarkOf(const std::vector<std::size_t> &starts, std::size_t tagStart)
{
    const auto it = std::lower_bound(starts.begin(), starts.end(), tagStart);
    if (it == starts.end() || *it != tagStart)
        return std::nullopt;
    return static_cast<std::size_t>(it - starts.begin());
}

std::string_view HeadPart(std::string_view page)
{
    TagCursor cursor(page);
    while (const auto tag = cursor.Next()) {
        if (tag->isEndTag) {
            if (EqualsNoCase(tag->name, "head"))
                return page.substr(0, tag->end);
            continue;
        }
        if (!IsOneOf(tag->name, kHeadElements))
            return page.substr(0, tag->begin);
    }
    return page;
}

std::optional<std::size_t> ElementHolding(std::string_view page, std::size_t caret)
{
    struct Open
    {
        std::string_view name;
        std::size_t begin;
    };
    std::vector<Open> open;
    TagCursor cursor(page);
    while (const auto tag = cursor.Next()) {
        if (tag->begin >= caret)
            break;
        if (!tag->isEndTag) {
            if (!IsVoidElement(tag->name) || caret < tag->end)
                open.push_back({tag->name, tag->begin});
            continue;
        }
        if (caret < tag->end)
            break; // inside an end tag: its element still holds the caret
        // An end tag closes the nearest open element of its name and all opened inside it,
        // as a browser does; one with nothing to close is dropped.
        const auto match = std::find_if(open.rbegin(), open.rend(), [&](const Open &o) {
            return EqualsNoCase(o.name, tag->name);
        });
        if (match != open.rend())
            open.erase(std::prev(match.base()), open.end());
    }
    if (open.empty())
        return std::nullopt;
    return open.back().begin;
}

} // namespace tarnel
