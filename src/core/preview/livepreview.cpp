#include "livepreview.h"

#include "ascii.h"
#include "completion.h"
#include "scanner.h"
#include "scriptcolouring.h"

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

} // namespace

namespace {

std::vector<std::size_t> StartTags(std::string_view page)
{
    std::vector<std::size_t> starts;
    TagCursor cursor(page);
    while (const auto tag = cursor.Next())
        if (!tag->isEndTag)
            starts.push_back(tag->begin);
    return starts;
}

std::string WithMarks(std::string_view page, const std::vector<std::size_t> &starts,
                      const std::vector<std::size_t> &marks)
{
    std::string text;
    text.reserve(page.size() + starts.size() * (kPreviewMarkAttribute.size() + 10));
    std::size_t copied = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        // Right after the name is always a place for an attribute, whatever follows.
        const std::size_t at = starts[i] + 1 + TagName(page, starts[i]).size();
        text.append(page.substr(copied, at - copied));
        text.append(" ");
        text.append(kPreviewMarkAttribute);
        text.append("=\"" + std::to_string(marks[i]) + "\"");
        copied = at;
    }
    text.append(page.substr(copied));
    return text;
}

} // namespace

MarkedPage MarkForPreview(std::string_view page)
{
    return PreviewMarks().Mark(page, nullptr);
}

MarkedPage PreviewMarks::Mark(std::string_view page, const TextChange *since)
{
    std::vector<std::size_t> starts = StartTags(page);
    std::vector<std::size_t> marks(starts.size());
    if (!since)
        m_next = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t start = starts[i];
        std::optional<std::size_t> kept;
        if (since && start < since->position)
            kept = MarkOf(start);
        else if (since && start >= since->position + since->inserted)
            kept = MarkOf(start - since->inserted + since->removed);
        marks[i] = kept ? *kept : m_next++;
    }
    m_starts = starts;
    m_marks = marks;
    return {WithMarks(page, starts, marks), std::move(starts), std::move(marks)};
}

std::optional<std::size_t> PreviewMarks::MarkOf(std::size_t tagStart) const
{
    const auto it = std::lower_bound(m_starts.begin(), m_starts.end(), tagStart);
    if (it == m_starts.end() || *it != tagStart)
        return std::nullopt;
    return m_marks[static_cast<std::size_t>(it - m_starts.begin())];
}

std::optional<std::size_t> PreviewMarks::StartOf(std::size_t mark) const
{
    const auto it = std::find(m_marks.begin(), m_marks.end(), mark);
    if (it == m_marks.end())
        return std::nullopt;
    return m_starts[static_cast<std::size_t>(it - m_marks.begin())];
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

bool RunsScripts(std::string_view page)
{
    TagCursor cursor(page);
    while (const auto tag = cursor.Next()) {
        if (tag->isEndTag)
            continue;
        if (EqualsNoCase(tag->name, "script")) {
            if (IsScriptType(TagValue(page, tag->begin, "type")))
                return true;
            continue;
        }
        // Most tags have no name starting "on" after a blank: only those are read attribute
        // by attribute.
        const std::string_view bytes = page.substr(tag->begin, tag->end - tag->begin);
        bool mayHaveHandler = false;
        for (std::size_t i = 0; i + 2 < bytes.size() && !mayHaveHandler; ++i)
            mayHaveHandler = IsHtmlSpace(bytes[i]) && LowerAscii(bytes[i + 1]) == 'o' &&
                             LowerAscii(bytes[i + 2]) == 'n';
        if (!mayHaveHandler)
            continue;
        for (const TagAttribute &attribute : TagAttributes(page, tag->begin))
            if (attribute.name.size() > 2 && EqualsNoCase(attribute.name.substr(0, 2), "on"))
                return true;
    }
    return false;
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
        // A caret right before a start tag is on that element (a click in the preview puts
        // it there); right before an end tag it is still inside.
        if (tag->begin > caret || (tag->begin == caret && tag->isEndTag))
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
