#include "lineindent.h"

#include "ascii.h"
#include "completion.h"
#include "scanner.h"

#include <algorithm>
#include <map>

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

std::string PageIndentUnit(std::string_view page)
{
    page = page.substr(0, std::min(page.size(), IndentUnitReach));
    std::size_t tabs = 0, blanks = 0;
    std::map<std::size_t, std::size_t> steps; // a line indented by n blanks more than the last
    std::size_t previous = 0;
    for (std::size_t at = 0; at < page.size();) {
        std::size_t end = page.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = page.size();
        const std::string_view line = page.substr(at, end - at);
        at = page.find_first_not_of("\r\n", end);
        if (at == std::string_view::npos)
            at = page.size();
        const std::size_t indent = std::min(line.find_first_not_of(' '), line.size());
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue; // a blank line says nothing
        tabs += line.starts_with('\t');
        blanks += indent > 0;
        if (indent > previous && indent - previous <= 8)
            ++steps[indent - previous];
        previous = indent;
    }
    if (blanks <= tabs || steps.empty())
        return "\t";
    const auto most = std::max_element(steps.begin(), steps.end(),
                                       [](auto a, auto b) { return a.second < b.second; });
    return std::string(most->first, ' ');
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

bool InPreformattedText(std::string_view before)
{
    std::size_t open = 0;
    TagCursor cursor(before);
    while (const auto tag = cursor.Next()) {
        if (!EqualsNoCase(tag->name, "PRE"))
            continue;
        if (!tag->isEndTag)
            ++open;
        else if (open > 0)
            --open;
    }
    return open > 0;
}

} // namespace tarnel
