#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The attribute that ties an element of the live preview to its start tag in the source. Only
// the copy the preview is served carries it, never the user's page.
inline constexpr std::string_view kPreviewMarkAttribute = "data-tarnel-at";

// The page as the live preview is served it: every start tag a browser sees carries
// data-tarnel-at="i", where starts[i] is the byte index of that tag's "<" in the source.
struct MarkedPage
{
    std::string text;
    std::vector<std::size_t> starts;
};
MarkedPage MarkForPreview(std::string_view page);

// The mark of the element whose start tag stands at `tagStart`; nullopt when none does.
std::optional<std::size_t> MarkOf(const std::vector<std::size_t> &starts, std::size_t tagStart);

// The part of the page a browser reads into the document's head (title, style sheets,
// scripts, BASE) and the BODY start tag's position: a change there needs the page loaded
// again, a change after it can be patched into the shown page.
std::string_view HeadPart(std::string_view page);

// Elements that have no content and no end tag.
bool IsVoidElement(std::string_view name);

// The "<" of the start tag of the innermost element that holds `caret`: open before it and
// not closed by then. nullopt outside every element.
std::optional<std::size_t> ElementHolding(std::string_view page, std::size_t caret);

} // namespace tarnel
