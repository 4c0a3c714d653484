#include "csscompletion.h"

#include "ascii.h"
#include "csscolouring.h"

#include <algorithm>
#include <optional>

namespace tarnel {

namespace {

constexpr std::string_view CssBlanks = " \t\r\n\f";

constexpr bool IsCssNameByte(char c)
{
    return IsAsciiLetter(c) || IsCodeDigit(c) || c == '-' || c == '_';
}

std::optional<CssState> CssStateAt(const CaretContext &context)
{
    if (context.styleValueCss)
        return CssState::Unpack(*context.styleValueCss);
    const LineState &state = context.state;
    if (state.context == Context::RawText && state.raw == RawElement::Style &&
        state.language == Language::Css && !context.inComment)
        return CssState::Unpack(state.code);
    return std::nullopt;
}

bool InCommentOrString(const CaretContext &context)
{
    return context.style == Style::CodeComment || context.style == Style::CodeString;
}

// The start of the name that ends `text`.
std::size_t NameStart(std::string_view text)
{
    std::size_t start = text.size();
    while (start > 0 && IsCssNameByte(text[start - 1]))
        --start;
    return start;
}

// The property of the declaration whose value ends `text`: the name before the first ":"
// after the declaration's start ("{", ";", or a STYLE value's quote).
std::string PropertyOfValue(std::string_view text, bool inStyleValue)
{
    const std::size_t start = text.find_last_of(inStyleValue ? "{};\"'" : "{};");
    const std::string_view declaration =
        start == std::string_view::npos ? text : text.substr(start + 1);
    const std::size_t colon = declaration.find(':');
    if (colon == std::string_view::npos)
        return {};
    const std::string_view head = declaration.substr(0, colon);
    const std::size_t end = head.find_last_not_of(CssBlanks) + 1; // npos + 1 is 0
    const std::size_t nameStart = NameStart(head.substr(0, end));
    std::string property(head.substr(nameStart, end - nameStart));
    std::transform(property.begin(), property.end(), property.begin(), LowerAscii);
    return property;
}

} // namespace

bool InCss(const CaretContext &context)
{
    const std::optional<CssState> css = CssStateAt(context);
    return css && !css->inComment && !InCommentOrString(context);
}

CompletionContext CssCompletionContextAt(std::string_view before, const CaretContext &atCaret,
                                         const CaretContext &beforeCaret)
{
    const std::optional<CssState> css = CssStateAt(atCaret);
    // A comment or string the caret stands in covers the caret or, at its line's end, the
    // byte before it.
    if (!css || css->inComment || InCommentOrString(atCaret) ||
        (!before.empty() && InCommentOrString(beforeCaret)))
        return {};
    if (before.size() > CompletionLookBack)
        before = before.substr(before.size() - CompletionLookBack);
    const std::size_t nameStart = NameStart(before);
    const bool inStyleValue = atCaret.styleValueCss.has_value();
    CompletionContext context;
    context.typedLength = before.size() - nameStart;
    if (css->place == CssState::Value) {
        context.attribute = PropertyOfValue(before.substr(0, nameStart), inStyleValue);
        if (!context.attribute.empty())
            context.kind = CompletionKind::CssValue;
        return context;
    }
    if (css->place != CssState::Property)
        return {};
    const std::size_t last = before.substr(0, nameStart).find_last_not_of(CssBlanks);
    const char after = last == std::string_view::npos ? '\0' : before[last];
    if (after == '{' || after == ';' || (inStyleValue && (after == '"' || after == '\'')))
        context.kind = CompletionKind::CssProperty;
    return context;
}

} // namespace tarnel
