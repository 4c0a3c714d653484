// Re-editing over any page: an element found again lies where its outline entry says, and
// a confirmed form's rewrite reads nothing outside the page.

#include "reedit.h"
#include "snippets.h"

#include "fuzzsupport.h"

using namespace tarnel;

namespace {

// The element with `change` made to its prefilled fields: only the element's own bytes are
// replaced, and an unchanged form replaces nothing.
template <class Fields, class Change>
void Confirm(std::string_view text, const ReeditTarget &target, const Fields &prefill,
             Change &&change)
{
    FUZZ_CHECK(!ReeditedElement(text, target, prefill, prefill, LineBreak::CrLf));
    Fields confirmed = prefill;
    change(confirmed);
    const auto element = ReeditedElement(text, target, prefill, confirmed, LineBreak::CrLf);
    if (element)
        FUZZ_CHECK(*element !=
                   text.substr(target.range.begin, target.range.end - target.range.begin));
}

// Each field the form writes changed in turn: a value to `value`, a tick flipped.
template <class Fields>
void ConfirmEachField(std::string_view text, const ReeditTarget &target, const Fields &prefill,
                      AttributeTable<Fields> table, const std::string &value)
{
    for (const FieldAttribute<Fields> &attribute : table) {
        if (!attribute.field)
            continue;
        Confirm(text, target, prefill, [&](Fields &f) {
            std::string &field = f.*attribute.field;
            field = !attribute.flag ? value : field.empty() ? "1" : "";
        });
    }
}

void Reedit(std::string_view text, ElementKind kind, const ElementRecord &record,
            const std::string &value)
{
    const auto target = LocateElement(text, kind, record);
    if (!target)
        return;
    // An image with a SRCSET or in a PICTURE reopens in the picture form.
    FUZZ_CHECK(target->kind == kind ||
               (kind == ElementKind::Image && target->kind == ElementKind::Picture));
    FUZZ_CHECK(target->range.begin == record.index);
    FUZZ_CHECK(target->range.begin < target->range.end && target->range.end <= text.size());
    FUZZ_CHECK(text[target->range.end - 1] == '>');
    if (!target->Editable())
        return;
    switch (target->kind) {
    case ElementKind::Picture: {
        const PictureFields prefill = PicturePrefill(*target);
        ConfirmEachField(text, *target, prefill, PictureAttributes(), value);
        // The further pictures and the tick are written through SRCSET and LOADING.
        Confirm(text, *target, prefill, [&](PictureFields &f) {
            f.width2 = value;
            f.lazy = f.lazy.empty() ? "1" : "";
        });
        break;
    }
    case ElementKind::Media:
        ConfirmEachField(text, *target, MediaPrefill(*target), MediaAttributes(), value);
        break;
    case ElementKind::Place:
        break;
    case ElementKind::Image:
        ConfirmEachField(text, *target, ImagePrefill(*target), ImageAttributes(), value);
        break;
    case ElementKind::Applet:
        ConfirmEachField(text, *target, AppletPrefill(*target), AppletAttributes(), value);
        break;
    case ElementKind::Link: {
        const LinkFields prefill = LinkPrefill(*target);
        ConfirmEachField(text, *target, prefill, LinkAttributes(), value);
        ConfirmEachField(text, *target, prefill,
                         prefill.kind == LinkKind::Applet ? LinkAppletAttributes()
                                                          : LinkImageAttributes(),
                         value);
        Confirm(text, *target, prefill, [&](LinkFields &f) { f.linkText = value; });
        Confirm(text, *target, prefill, [&](LinkFields &f) { f.kind = LinkKind::Text; });
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string value = data.ConsumeRandomLengthString(128);
    const std::size_t position = data.ConsumeIntegral<std::uint16_t>();
    const std::string text = data.ConsumeRemainingBytesAsString();

    // Every element the outline would list, reopened and confirmed with a field changed.
    const PageElements elements = ScanElements(text);
    for (const ElementRecord &r : elements.images)
        Reedit(text, ElementKind::Image, r, value);
    for (const ElementRecord &r : elements.applets)
        Reedit(text, ElementKind::Applet, r, value);
    for (const ElementRecord &r : elements.links)
        Reedit(text, ElementKind::Link, r, value);

    // A stale or made-up entry is refused or found, never misread.
    const ElementRecord stale{value, position};
    for (ElementKind kind : {ElementKind::Image, ElementKind::Link, ElementKind::Applet})
        Reedit(text, kind, stale, value);

    // The element a click falls in is the one its outline entry would name.
    if (const auto at = ElementAt(text, position)) {
        FUZZ_CHECK(at->record.index < text.size() && text[at->record.index] == '<');
        FUZZ_CHECK(at->record.index <= position);
        Reedit(text, at->kind, at->record, value);
    }
    for (int hint = 0; hint < 16; ++hint)
        ElementKindForHint(hint);
    return 0;
}
