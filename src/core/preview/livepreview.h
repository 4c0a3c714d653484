#pragma once

#include "colourtracker.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The attribute that ties an element of the live preview to its start tag in the source. Only
// the text patched into the preview carries it, never the user's page nor the copy the
// preview loads; the preview's helpers take it off before the page's scripts can see it.
inline constexpr std::string_view kPreviewMarkAttribute = "data-tarnel-at";

// The page as the live preview is served it: every start tag a browser sees carries
// data-tarnel-at="m", where m = marks[i] for the tag whose "<" is at starts[i] in the source.
struct MarkedPage
{
    std::string text;
    std::vector<std::size_t> starts;
    std::vector<std::size_t> marks;
};
// Marks numbered in document order from 0.
MarkedPage MarkForPreview(std::string_view page);

// Marks that outlive edits: an element keeps its mark while its start tag lies outside the
// bytes that changed, so that the shown page's elements can be matched to the new text one
// by one and only what changed is touched.
class PreviewMarks
{
public:
    // Marks `page`. `since` is what changed since the last call (merged); without it every
    // element gets a new mark (a page loaded afresh).
    MarkedPage Mark(std::string_view page, const TextChange *since);
    // The mark of the element whose start tag stands at `tagStart`.
    std::optional<std::size_t> MarkOf(std::size_t tagStart) const;
    // Where the element with `mark` starts.
    std::optional<std::size_t> StartOf(std::size_t mark) const;

private:
    std::vector<std::size_t> m_starts;
    std::vector<std::size_t> m_marks;
    std::size_t m_next = 0;
};

// The part of the page a browser reads into the document's head (title, style sheets,
// scripts, BASE) and the BODY start tag's position: a change there needs the page loaded
// again, a change after it can be patched into the shown page.
std::string_view HeadPart(std::string_view page);

// Whether the page runs scripts of its own: a SCRIPT in a script language or an event handler
// attribute (ONLOAD, ONCLICK, ...). What they build or change in the shown page is not in
// the source, so such a page is loaded again rather than patched.
bool RunsScripts(std::string_view page);

// The "<" of the start tag of the innermost element that holds `caret`: open before it and
// not closed by then. nullopt outside every element.
std::optional<std::size_t> ElementHolding(std::string_view page, std::size_t caret);

} // namespace tarnel
