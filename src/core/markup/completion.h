#pragma once
#include "namecase.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// What the completion list offers at the caret, as the text just before it says.
enum class CompletionKind {
    None,
    TagName,        // after "<"
    ClosingTagName, // after "</"
    AttributeName,  // after a blank inside a tag
    AttributeValue, // in the value of an attribute with a fixed set of values
    FileName,       // in the value of an attribute naming a file (SRC, HREF, ...)
    CssProperty,    // where a declaration of a style sheet or a STYLE value can start
    CssValue,       // in a declaration's value, after its ":"
};

struct CompletionContext
{
    CompletionKind kind = CompletionKind::None;
    // The bytes of the name or value typed so far, right before the caret; for a file name,
    // the part after the last "/".
    std::size_t typedLength = 0;
    std::string element;   // upper case, for attributes and values
    std::string attribute; // upper case, for values; a CSS value's property in lower case
    // For a file name: the folder part of the value typed so far ("" or ending in "/").
    std::string folder;
    // The attribute names the tag already has (upper case).
    std::vector<std::string> present;
    // For a closing tag: the elements open at the caret, innermost first.
    std::vector<std::string> open;
};

// How far back from the caret the lookup reads: a tag whose "<" lies further back, or an
// element opened further back, is not seen, so a keystroke never reads a whole big page.
inline constexpr std::size_t CompletionLookBack = 64 * 1024;

// The context at the end of `before`, the text just before the caret (at most
// CompletionLookBack bytes of it are read).
CompletionContext CompletionContextAt(std::string_view before);

// The names or values to offer in a context (file names are the shell's to list): tag and
// attribute names sorted, the open elements first after "</", the attributes the tag has
// left out.
// The open elements' names are views into `context`, which must outlive them.
std::vector<std::string_view> CompletionCandidates(const CompletionContext &context);
std::vector<std::string_view> CompletionCandidates(CompletionContext &&context) = delete;

// The one-line description of an entry offered in a context; empty when there is none.
std::string_view CompletionDescription(const CompletionContext &context, std::string_view entry);

// The attributes an element takes: the global ones and its own (every listed attribute for
// an element not known here), sorted.
std::vector<std::string_view> AttributesOf(std::string_view element);
// The values an attribute of an element takes, when they are a fixed set; empty otherwise.
std::span<const std::string_view> FixedValuesOf(std::string_view element,
                                                std::string_view attribute);
// Whether an attribute's value names a file or folder relative to the page.
bool NamesAFile(std::string_view attribute);
// Elements without a closing tag (IMG, BR, ...), in any letter case.
bool IsVoidElement(std::string_view element);

} // namespace tarnel
