#pragma once
#include "namecase.h"
#include "pagetext.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// The semantic sections of a page of today, put around the selection or inserted empty.
namespace tarnel {

// HEADER, NAV, MAIN, ARTICLE, SECTION, ASIDE, FOOTER, FIGURE, in the menu's order.
std::span<const std::string_view> SectionElements();

struct WrappedSection
{
    std::string text;      // in the page's own line breaks
    std::size_t caret = 0; // where the caret goes, counted from the text's start
};

// `<ELEMENT>` on its own line, the selection, `</ELEMENT>` on its own line. Without a
// selection the caret waits on the empty line between; a FIGURE gets a FIGCAPTION after
// its content, where the caret waits when there is a selection.
// The section's own names are spelled in `nameCase`; the selection stays as it is.
WrappedSection WrapInSection(std::string_view element, std::string_view selection,
                             LineBreak lineBreak, NameCase nameCase = NameCase::List);

} // namespace tarnel
