#pragma once

#include "pagetext.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarnel {

// Editing an element's text where the live preview shows it. Only an element whose content in
// the source is text alone can be edited: the text the browser holds for it must map back to
// the source character by character, so that what is written is exactly what was typed and
// nothing around it moves.
//
// How the source maps to the browser's text: a character is itself; a line break (CR LF, CR
// or LF) is one LF, as the browser's parser reads it, so a run written over several lines is
// editable and keeps its line breaks where the user typed nothing; "&amp;", "&lt;", "&gt;",
// "&quot;", "&apos;", "&nbsp;" and numeric references ("&#233;", "&#xE9;") are their
// character; an "&" followed by neither a letter, a digit nor "#" is itself. Anything else
// (a tag, a comment, any other reference, whose meaning would be a guess) refuses the edit.

enum class NotEditable {
    NoText,            // a void element, or one whose content is not shown as text
    NoEndTag,          // its content ends where another tag starts, not at its own end tag
    HoldsMarkup,       // a tag or a comment in the content
    UnmappedReference, // a reference this editor does not read exactly
};

// The content of the element whose start tag's "<" is at `tagStart`, and its text as the
// browser holds it (UTF-8).
struct EditableText
{
    std::size_t tagStart = 0;
    std::size_t contentBegin = 0;
    std::size_t contentEnd = 0;
    std::string shown;
};

// `utf8Page`: the page's bytes are UTF-8; otherwise one byte is one character, read as the
// browser reads such a page (Windows-1252).
std::variant<EditableText, NotEditable> EditableTextOf(std::string_view page, std::size_t tagStart,
                                                       bool utf8Page);

struct TextReplacement
{
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string bytes;

    bool operator==(const TextReplacement &) const = default;
};

// What turns the content of `text` (as EditableTextOf found it in `page`) into `edited`, the
// browser's text after the edit (UTF-8): only the characters between the common start and
// end are written, "<", ">" and "&" as references, a character the page's encoding cannot
// hold as a numeric reference, a line feed as the page's `lineBreak`, and a no-break space as
// a plain one (the browser puts one in where a typed space would otherwise not show). A
// reference the user left whole keeps its bytes. nullopt when nothing changed.
std::optional<TextReplacement> WriteBackText(std::string_view page, const EditableText &text,
                                             std::string_view edited, bool utf8Page,
                                             LineBreak lineBreak);

} // namespace tarnel
