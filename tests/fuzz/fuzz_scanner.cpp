// The tag scanner over any bytes: every listed index points at the "<" of a tag a browser
// sees, holding the listed value; tag walks stay in order and inside the text; link ranges
// start at their link.

#include "outline.h"
#include "scanner.h"

#include "fuzzsupport.h"

using namespace tarnel;

namespace {

void CheckListed(std::string_view text, const std::vector<ElementRecord> &records,
                 std::string_view tag, std::string_view attribute)
{
    std::size_t previous = 0;
    for (const ElementRecord &record : records) {
        FUZZ_CHECK(record.index < text.size() && text[record.index] == '<');
        FUZZ_CHECK(record.index >= previous);
        previous = record.index;
        FUZZ_CHECK(EqualsNoCase(TagName(text, record.index), tag));
        FUZZ_CHECK(TagEnd(text, record.index) != NoTagEnd);
        FUZZ_CHECK(StartTagAt(text, record.index, tag));
        if (attribute.empty()) {
            // An image: by SRC, or by DYNSRC when it has no SRC.
            const auto by = ImageSourceOf(text, record);
            FUZZ_CHECK(by.has_value());
            FUZZ_CHECK(
                TagValue(text, record.index, *by == ImageSourceAttribute::Src ? "SRC" : "DYNSRC") ==
                record.value);
        } else {
            FUZZ_CHECK(TagValue(text, record.index, attribute) == record.value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(bytes), size);

    const PageElements elements = ScanElements(text);
    CheckListed(text, elements.images, "IMG", {});
    CheckListed(text, elements.applets, "APPLET", "CODE");
    CheckListed(text, elements.links, "A", "HREF");
    FUZZ_CHECK(ScanImages(text) == elements.images);
    FUZZ_CHECK(ScanApplets(text) == elements.applets);
    FUZZ_CHECK(ScanLinks(text) == elements.links);

    // A rescan into kept lists finds the same, and an outline told the diff shows it.
    PageElements kept = ScanElements("<IMG SRC=a><A HREF=b></A><APPLET CODE=c>");
    ScanElements(text, kept);
    FUZZ_CHECK(kept.images == elements.images && kept.links == elements.links &&
               kept.applets == elements.applets);
    // A rescan tells an empty outline exactly the scanned lists, and a second one nothing.
    OutlineState outline;
    PageElements told;
    RescanOutline(text, outline, false, [&](Hint hint, const ElementRecord *record) {
        FUZZ_CHECK(outline.Apply(hint, record));
        // (The media, headings and scripts categories have checks of their own.)
        if (record && hint == HintAddImage)
            told.images.push_back(*record);
        else if (record && hint == HintAddLink)
            told.links.push_back(*record);
        else if (record && hint == HintAddApplet)
            told.applets.push_back(*record);
    });
    FUZZ_CHECK(told.images == elements.images && told.links == elements.links &&
               told.applets == elements.applets);
    bool again = false;
    RescanOutline(text, outline, false, [&](Hint, const ElementRecord *) { again = true; });
    FUZZ_CHECK(!again);

    for (const ElementRecord &link : elements.links) {
        if (const auto range = LinkElementRange(text, link.index)) {
            FUZZ_CHECK(range->begin == link.index);
            FUZZ_CHECK(range->begin < range->end && range->end <= text.size());
            FUZZ_CHECK(text[range->end - 1] == '>');
        }
    }

    // The cursor's tags: in order, each from a "<" through a ">".
    TagCursor cursor(text);
    std::size_t after = 0;
    while (const auto token = cursor.Next()) {
        FUZZ_CHECK(token->begin >= after && token->begin < token->end);
        FUZZ_CHECK(token->end <= text.size());
        FUZZ_CHECK(text[token->begin] == '<' && text[token->end - 1] == '>');
        after = token->end;
    }

    // Tag helpers at every "<" (bounded, so long inputs stay fast).
    int asked = 0;
    for (std::size_t i = text.find('<'); i != std::string_view::npos && asked < 64;
         i = text.find('<', i + 1), ++asked) {
        const std::size_t end = TagEnd(text, i);
        const auto range = TagRange(text, i);
        FUZZ_CHECK(range.has_value() == (end != NoTagEnd));
        if (range) {
            FUZZ_CHECK(range->begin == i && range->end == end && end <= text.size());
            FUZZ_CHECK(text[end - 1] == '>');
        }
        for (const TagAttribute &attribute : TagAttributes(text, i)) {
            FUZZ_CHECK(attribute.begin > i && attribute.begin <= attribute.end);
            FUZZ_CHECK(attribute.end <= text.size());
            FUZZ_CHECK(end == NoTagEnd || attribute.end < end);
        }
        DecodeAttributeValue(TagValue(text, i, "SRC"));
    }
    return 0;
}
