#include "sections.h"

#include <array>

namespace tarnel {

std::span<const std::string_view> SectionElements()
{
    static constexpr std::array<std::string_view, 8> elements = {
        "HEADER", "NAV", "MAIN", "ARTICLE", "SECTION", "ASIDE", "FOOTER", "FIGURE"};
    return elements;
}

WrappedSection WrapInSection(std::string_view element, std::string_view selection,
                             LineBreak lineBreak)
{
    const std::string eol(LineBreakText(lineBreak));
    const std::string open = "<" + std::string(element) + ">" + eol;
    const std::string close = "</" + std::string(element) + ">" + eol;
    const bool endsLine = selection.ends_with('\n') || selection.ends_with('\r');
    const std::string content = std::string(selection) + (endsLine ? "" : eol);
    WrappedSection wrapped;
    wrapped.text = open + content;
    if (selection.empty())
        wrapped.caret = open.size();
    if (element == "FIGURE") {
        wrapped.text += "<FIGCAPTION>";
        if (!selection.empty())
            wrapped.caret = wrapped.text.size();
        wrapped.text += "</FIGCAPTION>" + eol;
    } else if (!selection.empty()) {
        wrapped.caret = wrapped.text.size() + close.size();
    }
    wrapped.text += close;
    return wrapped;
}

} // namespace tarnel
