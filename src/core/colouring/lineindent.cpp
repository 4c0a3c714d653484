#include "lineindent.h"

#include "ascii.h"
#include "completion.h"
#include "scanner.h"

#include <algorithm>

namespace tarnel {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view LeadingBlanks(std::string_view line)
{
    std::size_t n = 0;
    while (n < line.size() && IsBlank(line[n]))
        ++n;
    return line.substr(0, n);
}

bool BlanksAreContent(const CaretContext &context)
{
    const RawElement raw = context.state.raw;
    return context.inQuotedValue || (context.state.context == Context::RawText &&
                                     raw != RawElement::Script && raw != RawElement::Style);
}

} // namespace

std::string IndentUnitOf(std::string_view text)
{
    text = text.substr(0, std::min<std::size_t>(text.size(), 64 * 1024));
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view blanks = LeadingBlanks(text.substr(at, end - at));
        // A line of blanks alone says nothing about the indentation.
        if (!blanks.empty() && blanks.size() < end - at) {
            if (blanks.front() == '\t')
                return "\t";
            const std::size_t spaces = std::min(blanks.find('\t'), blanks.size());
            return std::string(std::min<std::size_t>(spaces, 8), ' ');
        }
        at = end + 1;
    }
    return "\t";
}

std::size_t EndTagClosingLineEnd(std::string_view text, std::size_t lineStart, std::size_t breakAt,
                                 std::size_t at)
{
    if (breakAt == 0 || breakAt <= lineStart || text[breakAt - 1] != '>')
        return 0;
    const std::size_t open = text.rfind('<', breakAt - 1);
    if (open == std::string_view::npos || open < lineStart || TagEnd(text, open) != breakAt)
        return 0;
    const std::string_view name = TagName(text, open);
    if (name.empty() || text[open + 1] == '/' || text[breakAt - 2] == '/' || IsVoidElement(name))
        return 0;
    const std::string_view after = text.substr(at);
    if (after.size() < name.size() + 3 || !after.starts_with("</") ||
        !EqualsNoCase(after.substr(2, name.size()), name) || after[2 + name.size()] != '>')
        return 0;
    return name.size() + 3;
}

LineBreakIndent IndentAfterLineBreak(std::string_view text, std::size_t lineStart,
                                     std::size_t breakAt, const CaretContext &context,
                                     bool opensBlock, std::string_view lineBreak,
                                     std::string_view unit)
{
    if (BlanksAreContent(context))
        return {};
    const std::string indent(LeadingBlanks(text.substr(lineStart, breakAt - lineStart)));
    if (!opensBlock)
        return {indent, {}};
    return {indent + std::string(unit), std::string(lineBreak) + indent};
}

} // namespace tarnel
