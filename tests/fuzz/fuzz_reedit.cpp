// Re-editing over any page: an element found again lies where its outline entry says, and
// its replacement text is built without reading outside the page or the built tag.

#include "reedit.h"
#include "snippets.h"

#include "fuzzsupport.h"

using namespace tarnel;

namespace {

void Reedit(std::string_view text, ElementKind kind, const ElementRecord &record,
            std::string_view built)
{
    const auto target = LocateElement(text, kind, record);
    if (!target)
        return;
    FUZZ_CHECK(target->kind == kind);
    FUZZ_CHECK(target->range.begin == record.index);
    FUZZ_CHECK(target->range.begin < target->range.end && target->range.end <= text.size());
    FUZZ_CHECK(text[target->range.end - 1] == '>');
    target->Editable();
    const std::string replacement = ReplacementText(*target, built);
    // The built text's final line feed is dropped: a rewrite adds no line break.
    if (!built.empty() && built.back() == '\n')
        FUZZ_CHECK(replacement.empty() || replacement.back() != '\n' ||
                   built.size() >= 2 && built[built.size() - 2] == '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string built = data.ConsumeRandomLengthString(128);
    const std::size_t position = data.ConsumeIntegral<std::uint16_t>();
    const std::string text = data.ConsumeRemainingBytesAsString();

    // Every element the outline would list, reopened with an arbitrary or a form's tag.
    const PageElements elements = ScanElements(text);
    const std::string image = BuildImageTag({.imageSource = "x.gif", .comment = "a\"b"});
    for (const ElementRecord &r : elements.images) {
        Reedit(text, ElementKind::Image, r, built);
        Reedit(text, ElementKind::Image, r, image);
    }
    for (const ElementRecord &r : elements.applets)
        Reedit(text, ElementKind::Applet, r, built);
    for (const ElementRecord &r : elements.links) {
        Reedit(text, ElementKind::Link, r, built);
        Reedit(text, ElementKind::Link, r, BuildLink({.url = "u", .linkText = "t"}));
    }

    // A stale or made-up entry is refused or found, never misread.
    const ElementRecord stale{built, position};
    for (ElementKind kind : {ElementKind::Image, ElementKind::Link, ElementKind::Applet})
        Reedit(text, kind, stale, built);

    // The element a click falls in is the one its outline entry would name.
    if (const auto at = ElementAt(text, position)) {
        FUZZ_CHECK(at->record.index < text.size() && text[at->record.index] == '<');
        FUZZ_CHECK(at->record.index <= position);
        Reedit(text, at->kind, at->record, built);
    }
    for (int hint = 0; hint < 16; ++hint)
        ElementKindForHint(hint);
    return 0;
}
