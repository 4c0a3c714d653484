#include "commenttoggle.h"

#include <algorithm>

namespace tarnel {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// [start, end) without the blanks at either end.
std::pair<std::size_t, std::size_t> Trimmed(std::string_view text, std::size_t start,
                                            std::size_t end)
{
    while (start < end && IsBlank(text[start]))
        ++start;
    while (end > start && IsBlank(text[end - 1]))
        --end;
    return {start, end};
}

// The comment's marks and the one space each keeps from the text, as toggling puts it in.
std::vector<CommentEdit> Unwrap(std::string_view text, std::size_t open, std::size_t openLength,
                                std::size_t close, std::size_t closeLength)
{
    if (open + openLength < close && text[open + openLength] == ' ')
        ++openLength;
    if (close > open + openLength && text[close - 1] == ' ') {
        --close;
        ++closeLength;
    }
    return {{open, openLength, {}}, {close, closeLength, {}}};
}

CommentToggle ToggleBlock(std::string_view text, std::size_t linesStart, std::size_t linesEnd,
                          std::string_view open, std::string_view close)
{
    const auto [start, end] = Trimmed(text, linesStart, linesEnd);
    const std::string_view lines = text.substr(start, end - start);
    if (lines.empty())
        return {};
    if (lines.size() >= open.size() + close.size() && lines.starts_with(open) &&
        lines.ends_with(close))
        return {Unwrap(text, start, open.size(), end - close.size(), close.size())};
    if (lines.find(close) != std::string_view::npos)
        return {{}, CommentRefusal::HoldsCommentEnd};
    return {{{start, 0, std::string(open) + " "}, {end, 0, " " + std::string(close)}}};
}

// The HTML comment the lines lie in, taken away whole.
CommentToggle UnwrapEnclosingComment(std::string_view text, std::size_t linesStart)
{
    const std::size_t open = text.rfind("<!--", linesStart);
    const std::size_t close = text.find("-->", linesStart);
    if (open == std::string_view::npos || close == std::string_view::npos)
        return {{}, CommentRefusal::HoldsCommentEnd};
    return {Unwrap(text, open, 4, close, 3)};
}

struct Line
{
    std::size_t start, end;
};

std::vector<Line> LinesOf(std::string_view text, std::size_t start, std::size_t end)
{
    std::vector<Line> lines;
    while (true) {
        std::size_t lineEnd = start;
        while (lineEnd < end && text[lineEnd] != '\r' && text[lineEnd] != '\n')
            ++lineEnd;
        lines.push_back({start, lineEnd});
        if (lineEnd >= end)
            return lines;
        start = lineEnd + (text.substr(lineEnd, 2) == "\r\n" ? 2 : 1);
    }
}

// "// " before every line that holds something, at the smallest indentation among them; or
// each line's "//" (and a space after it) taken away when every such line has one.
CommentToggle ToggleLineComments(std::string_view text, std::size_t linesStart,
                                 std::size_t linesEnd)
{
    std::vector<Line> lines = LinesOf(text, linesStart, linesEnd);
    std::erase_if(lines, [&](const Line &line) {
        return Trimmed(text, line.start, line.end).first == line.end;
    });
    if (lines.empty())
        return {};
    const auto textStart = [&](const Line &line) {
        return Trimmed(text, line.start, line.end).first;
    };
    const bool commented = std::all_of(lines.begin(), lines.end(), [&](const Line &line) {
        return text.substr(textStart(line), 2) == "//";
    });
    std::size_t indent = static_cast<std::size_t>(-1);
    for (const Line &line : lines)
        indent = std::min(indent, textStart(line) - line.start);
    CommentToggle toggle;
    for (const Line &line : lines) {
        const std::size_t at = textStart(line);
        if (commented)
            toggle.edits.push_back({at, text.substr(at, 3) == "// " ? 3u : 2u, {}});
        else
            toggle.edits.push_back({line.start + indent, 0, "// "});
    }
    return toggle;
}

} // namespace

CommentToggle ToggleComment(std::string_view text, std::size_t linesStart, std::size_t linesEnd,
                            const CaretContext &context)
{
    const LineState state = context.state;
    if (state.context == Context::Tag || state.context == Context::AttributeValue)
        return {{}, CommentRefusal::InsideTag};
    if (state.context == Context::RawText && state.raw == RawElement::Script)
        return ToggleLineComments(text, linesStart, linesEnd);
    if (state.context == Context::RawText && state.raw == RawElement::Style)
        return ToggleBlock(text, linesStart, linesEnd, "/*", "*/");
    if (state.context == Context::RawText)
        return {{}, CommentRefusal::TextOnlyElement};
    const std::string_view lines = text.substr(linesStart, linesEnd - linesStart);
    if ((state.context == Context::Comment || context.inComment) &&
        lines.find("<!--") == std::string_view::npos)
        return UnwrapEnclosingComment(text, linesStart);
    return ToggleBlock(text, linesStart, linesEnd, "<!--", "-->");
}

std::size_t PositionAfter(const std::vector<CommentEdit> &edits, std::size_t position)
{
    std::size_t moved = position;
    for (const CommentEdit &edit : edits) {
        if (edit.position >= position)
            break;
        const std::size_t removedBefore = std::min(edit.removed, position - edit.position);
        moved = moved - removedBefore + edit.inserted.size();
    }
    return moved;
}

} // namespace tarnel
