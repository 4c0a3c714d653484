#pragma once
#include "colouring.h"
#include "lineindent.h"
#include "namecase.h"
#include "pagetext.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// Emmet reads an abbreviation in one of two syntaxes: elements where a tag can start, and
// style sheet properties in the content of a STYLE element.
enum class AbbreviationSyntax : std::uint8_t { Markup, Stylesheet };

// An abbreviation typed before the caret: the page's bytes [start, end), end being the caret.
struct Abbreviation
{
    std::size_t start = 0, end = 0;
    AbbreviationSyntax syntax = AbbreviationSyntax::Markup;
    std::string text;
    std::string lineIndent; // the blanks its line starts with
    // Nothing but blanks or a tag's ">" before it on its line: not a word of the text.
    bool standsAlone = false;
    bool operator==(const Abbreviation &) const = default;
};

// How many bytes before the caret AbbreviationBefore needs: the caret's line and, in a style
// sheet, the rule the caret stands in.
inline constexpr std::size_t AbbreviationLookBack = 16 * 1024;

// The abbreviation that ends at the caret, when the place takes one: markup where a tag can
// start (in text; never in a tag, a value, a comment or a text-only element's content), a
// property where one can start in STYLE content (inside a rule's braces, right after its "{"
// or a ";", outside a comment). `before` holds the bytes [caret - before.size(), caret). The
// abbreviation runs back from the caret over the characters abbreviations are made of, on the
// caret's line; a ">" that ends a tag stops it.
std::optional<Abbreviation> AbbreviationBefore(std::string_view before, std::size_t caret,
                                               const ContextOracle &contextAt);

// Whether Tab expands the abbreviation without being asked, so that Tab after prose still
// types a tab. Markup: "!", the name of an element or an Emmet snippet ("img", "link:css")
// standing alone (many are words too: "time", "data", "a"), or
// text with an operator or attribute syntax (">+*.#[{^(") that begins with such a name (or
// with none: ".box", "{text}") and does not end waiting for more (".", "#", ">"). A style
// sheet: every property of it ("m10+p5") begins with an abbreviation or a property Emmet has.
bool TabExpands(const Abbreviation &abbreviation);

// How Emmet is told to spell tag and attribute names for a page: "upper" for the lists'
// spelling and upper case, "lower", or "" to keep the names as the abbreviation writes them.
std::string_view EmmetNameCase(NameCase nameCase);

// The character Emmet is told to mark each field with; it never stays in the page.
inline constexpr char FieldMark = '\x01';

// An expansion as it goes into the page: Emmet's text without its field marks, every line
// after the first starting with `lineIndent`, its line feeds the page's line break; `caret`,
// the offset of the first field in it (its end when there is none).
struct Expansion
{
    std::string text;
    std::size_t caret = 0;
    bool operator==(const Expansion &) const = default;
};
Expansion PrepareExpansion(std::string_view expanded, std::string_view lineIndent,
                           LineBreak lineBreak);

} // namespace tarnel
