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
                             LineBreak lineBreak, NameCase nameCase)
{
    const std::string eol(LineBreakText(lineBreak));
    const std::string name = SpellName(element, {}, nameCase);
    const std::string caption = SpellName("FIGCAPTION", {}, nameCase);
    const std::string open = "<" + name + ">" + eol;
    const std::string close = "</" + name + ">" + eol;
    const bool endsLine = selection.ends_with('\n') || selection.ends_with('\r');
    const std::string content = std::string(selection) + (endsLine ? "" : eol);
    WrappedSection wrapped;
    wrapped.text = open + content;
    if (selection.empty())
        wrapped.caret = open.size();
    if (element == "FIGURE") {
        wrapped.text += "<" + caption + ">";
        if (!selection.empty())
            wrapped.caret = wrapped.text.size();
        wrapped.text += "</" + caption + ">" + eol;
    } else if (!selection.empty()) {
        wrapped.caret = wrapped.text.size() + close.size();
    }
    wrapped.text += close;
    return wrapped;
}

} // namespace tarnel
