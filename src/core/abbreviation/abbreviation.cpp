#include "abbreviation.h"

#include "ascii.h"
#include "emmetnames.h"
#include "wordlists.h"

#include <algorithm>
#include <map>
#include <vector>

namespace tarnel {

namespace {

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The characters an abbreviation is made of outside its brackets.
bool IsMarkupChar(char c)
{
    return IsAsciiLetter(c) || IsDigit(c) ||
           std::string_view("!#$*+-./:>@^_").find(c) != std::string_view::npos;
}

bool IsStylesheetChar(char c)
{
    return IsAsciiLetter(c) || IsDigit(c) ||
           std::string_view("!#$%+-.:@_").find(c) != std::string_view::npos;
}

char OpeningOf(char closing)
{
    return closing == ']' ? '[' : closing == '}' ? '{' : '(';
}

bool InList(std::string_view list, std::string_view word)
{
    return !word.empty() && list.find(" " + std::string(word) + " ") != std::string_view::npos;
}

std::string Lower(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

// An element the page's tag list names or a snippet Emmet has; a "$" numbers the element
// ("h$*3" is H1 to H3).
bool KnownMarkupName(std::string_view name)
{
    std::string numbered(name);
    std::replace(numbered.begin(), numbered.end(), '$', '1');
    const bool plain = std::all_of(numbered.begin(), numbered.end(),
                                   [](char c) { return IsAsciiLetter(c) || IsDigit(c); });
    return (plain && InList(TagNameList(), UpperCase(numbered))) ||
           InList(EmmetMarkupSnippets(), Lower(name));
}

bool KnownProperty(std::string_view part)
{
    // A vendor prefix ("-webkit-") and the value ("10", "-10", "#fff", "!") are no part of it.
    while (part.starts_with('-'))
        part.remove_prefix(1);
    std::size_t head = 0;
    while (head < part.size() && (IsAsciiLetter(part[head]) || part[head] == '-' ||
                                  part[head] == ':' || part[head] == '@'))
        ++head;
    std::string name = Lower(part.substr(0, head));
    while (!name.empty() && (name.back() == '-' || name.back() == ':'))
        name.pop_back();
    const auto known = [](std::string_view n) {
        return InList(EmmetStylesheetSnippets(), n) || InList(EmmetStylesheetProperties(), n);
    };
    return known(name) || known(name.substr(0, name.find(':')));
}

bool MarkupTabExpands(std::string_view text, bool standsAlone)
{
    if (text == "!" || KnownMarkupName(text))
        return text == "!" || standsAlone;
    if (text.find_first_of(">+*.#[{^(") == std::string_view::npos)
        return false;
    // Prose ends a sentence or an abbreviation ("e.g.", "see:"): nothing follows the operator.
    if (std::string_view(".#>+^*:(").find(text.back()) != std::string_view::npos)
        return false;
    std::size_t at = text.find_first_not_of('(');
    std::size_t end = at;
    while (end < text.size() &&
           (IsAsciiLetter(text[end]) || IsDigit(text[end]) ||
            std::string_view("_:!$-").find(text[end]) != std::string_view::npos))
        ++end;
    if (end == at)
        return end < text.size() &&
               std::string_view(".#[{").find(text[end]) != std::string_view::npos;
    return KnownMarkupName(text.substr(at, end - at));
}

bool StylesheetTabExpands(std::string_view text)
{
    bool any = false;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t plus = std::min(text.find('+', from), text.size());
        const std::string_view part = text.substr(from, plus - from);
        if (!part.empty()) {
            if (!KnownProperty(part))
                return false;
            any = true;
        }
        from = plus + 1;
    }
    return any;
}

// Where the abbreviation ending at `end` of `line` starts: back over its characters, a
// bracket's content taken whole ("[href=x y]", "{some text}"); none when a bracket is left
// open. In markup, the ">" of a tag stops it.
std::optional<std::size_t> ExtentStart(std::string_view line, std::size_t lineBase,
                                       AbbreviationSyntax syntax, const ContextOracle &contextAt)
{
    std::vector<char> open; // the closing brackets met, innermost last
    std::size_t start = line.size();
    while (start > 0) {
        const char c = line[start - 1];
        if (!open.empty() && open.back() != ')') {
            // Attribute values and text: anything up to their opening bracket.
            if (c == OpeningOf(open.back()))
                open.pop_back();
        } else if (syntax == AbbreviationSyntax::Markup && (c == ']' || c == '}' || c == ')')) {
            open.push_back(c);
        } else if (syntax == AbbreviationSyntax::Markup && c == '(') {
            if (open.empty())
                break;
            open.pop_back();
        } else if (syntax == AbbreviationSyntax::Markup && (c == '[' || c == '{')) {
            break;
        } else if (c == '>' && EndsTagAt(contextAt(lineBase + start - 1))) {
            break;
        } else if (!(syntax == AbbreviationSyntax::Markup ? IsMarkupChar(c)
                                                          : IsStylesheetChar(c))) {
            break;
        }
        --start;
    }
    if (!open.empty() || start == line.size())
        return std::nullopt;
    return start;
}

bool InStyleContent(const CaretContext &context)
{
    return context.state.context == Context::RawText && context.state.raw == RawElement::Style &&
           !context.inComment;
}

// In STYLE content, whether a property can start at `at` of `before`: right after a "{" or a
// ";" of a rule (blanks between), outside a comment.
bool PropertyCanStartAt(std::string_view before, std::size_t at, std::size_t base,
                        const ContextOracle &contextAt)
{
    const std::string_view head = before.substr(0, at);
    const std::size_t comment = head.rfind("/*");
    if (comment != std::string_view::npos &&
        (head.rfind("*/") == std::string_view::npos || head.rfind("*/") < comment) &&
        InStyleContent(contextAt(base + comment)))
        return false;
    const std::size_t last = head.find_last_not_of(" \t\r\n\f");
    if (last == std::string_view::npos || (head[last] != '{' && head[last] != ';'))
        return false;
    // The brace the property stands in: the first "{" back that no "}" closes.
    int depth = 0;
    for (std::size_t p = last + 1; p-- > 0;) {
        if (head[p] == '}') {
            ++depth;
        } else if (head[p] == '{' && depth-- == 0) {
            return InStyleContent(contextAt(base + p));
        } else if (head[p] == '>' && !InStyleContent(contextAt(base + p))) {
            return false; // the STYLE tag: the sheet's top, where selectors stand
        }
    }
    return false;
}

} // namespace

std::optional<Abbreviation> AbbreviationBefore(std::string_view before, std::size_t caret,
                                               const ContextOracle &contextAt)
{
    if (before.empty() || caret < before.size())
        return std::nullopt;
    const std::size_t base = caret - before.size();
    const CaretContext last = contextAt(caret - 1);
    AbbreviationSyntax syntax;
    if (TagCanStartAt(last))
        syntax = AbbreviationSyntax::Markup;
    else if (InStyleContent(last))
        syntax = AbbreviationSyntax::Stylesheet;
    else
        return std::nullopt;
    const std::size_t lineStart = LineStartOf(before, before.size());
    const std::string_view line = before.substr(lineStart);
    const std::optional<std::size_t> start = ExtentStart(line, base + lineStart, syntax, contextAt);
    if (!start)
        return std::nullopt;
    const std::size_t at = base + lineStart + *start;
    const CaretContext first = contextAt(at);
    if (syntax == AbbreviationSyntax::Markup ? !TagCanStartAt(first) : !InStyleContent(first))
        return std::nullopt;
    if (syntax == AbbreviationSyntax::Stylesheet &&
        !PropertyCanStartAt(before, lineStart + *start, base, contextAt))
        return std::nullopt;
    const std::string_view text = line.substr(*start);
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return std::nullopt;
    const std::size_t indent = std::min(line.find_first_not_of(" \t"), *start);
    const bool standsAlone = indent == *start || line[*start - 1] == '>';
    return Abbreviation{
        at, caret, syntax, std::string(text), std::string(line.substr(0, indent)), standsAlone};
}

bool TabExpands(const Abbreviation &abbreviation)
{
    if (abbreviation.text.empty())
        return false;
    return abbreviation.syntax == AbbreviationSyntax::Markup
               ? MarkupTabExpands(abbreviation.text, abbreviation.standsAlone)
               : StylesheetTabExpands(abbreviation.text);
}

std::string_view EmmetNameCase(NameCase nameCase)
{
    switch (nameCase) {
    case NameCase::List:
    case NameCase::Upper:
    case NameCase::AsPage:
        return "upper";
    case NameCase::Lower:
        return "lower";
    case NameCase::AsTyped:
        break;
    }
    return "";
}

Expansion PrepareExpansion(std::string_view expanded, std::string_view lineIndent,
                           LineBreak lineBreak)
{
    std::string text;
    std::optional<std::size_t> caret;
    for (const char c : expanded) {
        if (c == FieldMark) {
            if (!caret)
                caret = text.size();
            continue;
        }
        text += c;
        if (c == '\n')
            text += lineIndent;
    }
    // Line breaks after the caret move it by what they add before it.
    const std::string broken = WithLineBreaks(text, lineBreak);
    const std::size_t at = caret.value_or(text.size());
    const std::size_t grown =
        WithLineBreaks(std::string_view(text).substr(0, at), lineBreak).size() - at;
    return {broken, at + grown};
}

} // namespace tarnel
