#include "foldlevels.h"

#include "completion.h"
#include "scanner.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tarnel {

namespace {

std::size_t CountLineBreaks(std::string_view text, std::size_t from, std::size_t to)
{
    std::size_t breaks = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (text[i] == '\n')
            ++breaks;
        else if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            ++breaks;
    }
    return breaks;
}

// The line of each position asked for, positions asked in ascending order.
class LineCounter
{
public:
    explicit LineCounter(std::string_view text)
        : m_text(text)
    {}
    std::size_t LineOf(std::size_t position)
    {
        m_line += CountLineBreaks(m_text, m_counted, position);
        m_counted = position;
        return m_line;
    }

private:
    std::string_view m_text;
    std::size_t m_counted = 0;
    std::size_t m_line = 0;
};

bool SelfClosed(std::string_view text, const TagToken &tag)
{
    return tag.end >= 2 && text[tag.end - 2] == '/';
}

struct OpenElement
{
    std::string_view name;
    std::size_t line = 0;
};

// Per line: folds whose inside begins or ends there, and those ending on it.
struct FoldCounts
{
    explicit FoldCounts(std::size_t lines)
        : change(lines + 1, 0)
        , endingOn(lines, 0)
        , heads(lines, false)
    {}
    void Add(std::size_t first, std::size_t last)
    {
        ++change[first + 1];
        --change[last + 1];
        ++endingOn[last];
        heads[first] = true;
    }
    std::vector<std::int32_t> change;
    std::vector<std::uint32_t> endingOn;
    std::vector<bool> heads;
};

// Pops the element `endTag` closes, with the unclosed ones opened inside it; the line of
// the element's start tag, or none when no open element in reach has that name.
std::optional<std::size_t> Close(std::vector<OpenElement> &open, std::string_view endTag)
{
    const std::size_t reach = std::min(open.size(), FoldReach);
    for (std::size_t i = 1; i <= reach; ++i) {
        const OpenElement &element = open[open.size() - i];
        if (!EqualsNoCase(element.name, endTag))
            continue;
        const std::size_t line = element.line;
        open.resize(open.size() - i);
        return line;
    }
    return std::nullopt;
}

} // namespace

std::vector<LineFold> FoldLevels(std::string_view text)
{
    const std::size_t lines = CountLineBreaks(text, 0, text.size()) + 1;
    FoldCounts counts(lines);
    LineCounter counter(text);
    std::vector<OpenElement> open;
    TagCursor cursor(text);
    while (const std::optional<TagToken> tag = cursor.Next()) {
        const std::size_t line = counter.LineOf(tag->begin);
        if (!tag->isEndTag) {
            if (!IsVoidElement(tag->name) && !SelfClosed(text, *tag))
                open.push_back({tag->name, line});
            continue;
        }
        const std::optional<std::size_t> startLine = Close(open, tag->name);
        if (startLine && *startLine < line)
            counts.Add(*startLine, line);
    }
    std::vector<LineFold> levels(lines);
    std::int64_t depth = 0;
    for (std::size_t line = 0; line < lines; ++line) {
        depth += counts.change[line];
        const bool head = counts.heads[line];
        levels[line].depth =
            static_cast<std::uint32_t>(head ? depth - counts.endingOn[line] : depth);
        levels[line].header = head;
    }
    return levels;
}

} // namespace tarnel
