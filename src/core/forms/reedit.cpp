#include "reedit.h"

#include "ascii.h"
#include "attributes.h"
#include "formdescription.h"

#include <algorithm>
#include <span>
#include <vector>

namespace tarnel {

namespace {

// The SRC of the first SOURCE of a VIDEO or AUDIO that has none of its own: the media form's
// Source then stands for it.
constexpr FieldAttribute<MediaFields> MediaSourceAttribute[] = {{"SRC", &MediaFields::source}};

template <class Fields>
void Fill(Fields &fields, AttributeTable<Fields> table, const TagPrefill &tag)
{
    for (const FieldAttribute<Fields> &attribute : table) {
        if (attribute.computed)
            continue;
        const std::string name(attribute.name);
        fields.*attribute.field =
            attribute.flag ? (tag.values.contains(name) ? "1" : "") : tag.Value(name);
    }
}

TagPrefill ReadTag(std::string_view text, std::size_t tagStart)
{
    TagPrefill prefill;
    for (const TagAttribute &a : TagAttributes(text, tagStart))
        prefill.values.try_emplace(UpperCase(a.name), DecodeAttributeValue(a.value));
    return prefill;
}

// ---- Rewriting only what changed ----

// Bytes of the page from `begin` to `end` to be replaced by `text`.
struct Splice
{
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string text;
};

// A value a browser reads whole without quotes.
bool FitsBare(std::string_view value)
{
    return !value.empty() && std::none_of(value.begin(), value.end(), [](char c) {
        return IsHtmlSpace(c) || c == '"' || c == '\'' || c == '=' || c == '<' || c == '>' ||
               c == '`';
    });
}

// The new value of an attribute in the attribute's own quoting when the value allows it,
// else in double quotes; a double quote is escaped as the form's builders do.
std::string ValueText(const TagAttribute &attribute, std::string_view value)
{
    if (!attribute.HasEqualsSign())
        return "=" + QuotedValue(value);
    if (attribute.quote == '\'' && value.find('\'') == std::string_view::npos) {
        const std::string quoted = QuotedValue(value);
        return "'" + quoted.substr(1, quoted.size() - 2) + "'";
    }
    if (attribute.quote == 0 && FitsBare(value))
        return std::string(value);
    return QuotedValue(value);
}

// The attribute from the blanks before it through its value.
Splice Removal(std::string_view text, const TagAttribute &attribute)
{
    std::size_t begin = attribute.begin;
    while (begin > 0 && IsHtmlSpace(text[begin - 1]))
        --begin;
    return {begin, attribute.end, {}};
}

// Where an attribute the tag lacks is added: after its last one.
std::size_t AppendPosition(std::string_view text, std::size_t tagStart,
                           const std::vector<TagAttribute> &attributes)
{
    return attributes.empty() ? tagStart + 1 + TagName(text, tagStart).size()
                              : attributes.back().end;
}

// Writes `value` for the attribute `name` of a tag whose attributes are `attributes`.
void SetAttribute(std::string_view text, const std::vector<TagAttribute> &attributes,
                  std::size_t appendAt, std::string_view name, std::string_view value,
                  std::vector<Splice> &splices)
{
    const auto named = [name](const TagAttribute &a) { return EqualsNoCase(a.name, name); };
    if (value.empty()) {
        // Every copy goes: a browser would read a later one once the first is gone.
        for (const TagAttribute &a : attributes)
            if (named(a))
                splices.push_back(Removal(text, a));
        return;
    }
    const auto found = std::find_if(attributes.begin(), attributes.end(), named);
    if (found == attributes.end())
        splices.push_back({appendAt, appendAt, " " + std::string(name) + "=" + QuotedValue(value)});
    else
        splices.push_back({found->valueBegin, found->end, ValueText(*found, value)});
}

// A boolean attribute: written bare when ticked, every copy removed when not.
void SetFlag(std::string_view text, const std::vector<TagAttribute> &attributes,
             std::size_t appendAt, std::string_view name, bool on, std::vector<Splice> &splices)
{
    const auto named = [name](const TagAttribute &a) { return EqualsNoCase(a.name, name); };
    const bool present = std::any_of(attributes.begin(), attributes.end(), named);
    if (on && !present)
        splices.push_back({appendAt, appendAt, " " + std::string(name)});
    if (!on)
        for (const TagAttribute &a : attributes)
            if (named(a))
                splices.push_back(Removal(text, a));
}

// Rewrites the attributes of the tag at `tagStart` whose fields changed; `kept` is an
// attribute left as it stands whatever its fields say.
template <class Fields>
void EditTag(std::string_view text, std::size_t tagStart, AttributeTable<Fields> table,
             const Fields &shown, const Fields &confirmed, std::vector<Splice> &splices,
             std::string_view kept = {})
{
    const std::vector<TagAttribute> attributes = TagAttributes(text, tagStart);
    const std::size_t appendAt = AppendPosition(text, tagStart, attributes);
    for (const FieldAttribute<Fields> &attribute : table) {
        if (attribute.name == kept)
            continue;
        const std::string value = attribute.ValueIn(confirmed);
        if (attribute.ValueIn(shown) == value)
            continue;
        if (attribute.flag)
            SetFlag(text, attributes, appendAt, attribute.name, !value.empty(), splices);
        else
            SetAttribute(text, attributes, appendAt, attribute.name, value, splices);
    }
}

// The element with the splices made; nullopt when it comes out as it was.
std::optional<std::string> Spliced(std::string_view text, TextRange range,
                                   std::vector<Splice> splices)
{
    std::stable_sort(splices.begin(), splices.end(),
                     [](const Splice &a, const Splice &b) { return a.begin < b.begin; });
    std::string result;
    std::size_t from = range.begin;
    for (const Splice &splice : splices) {
        result.append(text.substr(from, splice.begin - from));
        result.append(splice.text);
        from = splice.end;
    }
    result.append(text.substr(from, range.end - from));
    if (result == text.substr(range.begin, range.end - range.begin))
        return std::nullopt;
    return result;
}

// One file of a SRCSET: its address and its descriptor ("480w", "2x" or none).
struct SrcsetCandidate
{
    std::string_view url;
    std::string_view descriptor;
};

// Split at commas; an address holding a comma comes out as an odd candidate, which then
// does not fit the form.
std::vector<SrcsetCandidate> SrcsetCandidates(std::string_view srcset)
{
    std::vector<SrcsetCandidate> candidates;
    while (!TrimHtmlSpace(srcset).empty()) {
        const std::size_t comma = std::min(srcset.find(','), srcset.size());
        const std::string_view entry = TrimHtmlSpace(srcset.substr(0, comma));
        srcset.remove_prefix(std::min(comma + 1, srcset.size()));
        const std::size_t blank = std::min(entry.find_first_of(" \t\r\n\f"), entry.size());
        candidates.push_back({entry.substr(0, blank), TrimHtmlSpace(entry.substr(blank))});
    }
    return candidates;
}

// The width a descriptor gives ("480w": "480"), or nullopt for any other descriptor.
std::optional<std::string> DescribedWidth(std::string_view descriptor)
{
    if (descriptor.empty())
        return std::string();
    if (descriptor.size() < 2 || descriptor.back() != 'w')
        return std::nullopt;
    descriptor.remove_suffix(1);
    if (!std::all_of(descriptor.begin(), descriptor.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::string(descriptor);
}

// The further pictures of the IMG's SRCSET, when it is one the picture form writes.
std::optional<PictureFields> SrcsetPictures(const TagPrefill &tag)
{
    const std::string srcset = tag.Value("SRCSET");
    const std::vector<SrcsetCandidate> candidates = SrcsetCandidates(srcset);
    if (candidates.empty())
        return PictureFields{};
    if (candidates.size() > 3 || candidates.front().url != tag.Value("SRC") ||
        DescribedWidth(candidates.front().descriptor) != tag.Value("WIDTH"))
        return std::nullopt;
    PictureFields fields;
    const std::pair<std::string PictureFields::*, std::string PictureFields::*> further[] = {
        {&PictureFields::source2, &PictureFields::width2},
        {&PictureFields::source3, &PictureFields::width3}};
    for (std::size_t i = 1; i < candidates.size(); ++i) {
        const auto width = DescribedWidth(candidates[i].descriptor);
        if (!width || candidates[i].url.empty())
            return std::nullopt;
        fields.*further[i - 1].first = candidates[i].url;
        fields.*further[i - 1].second = *width;
    }
    return fields;
}

// Whether the IMG at `imgStart` stands in a PICTURE: only blanks and SOURCE entries come
// between the PICTURE's start tag and it.
bool InPicture(std::string_view text, std::size_t imgStart)
{
    std::size_t next = imgStart;
    while (next > 0) {
        const std::size_t open = text.rfind('<', next - 1);
        if (open == std::string_view::npos || text[open + 1] == '/')
            return false;
        const auto range = TagRange(text, open);
        if (!range || !TrimHtmlSpace(text.substr(range->end, next - range->end)).empty())
            return false;
        const std::string_view name = TagName(text, open);
        if (EqualsNoCase(name, "picture"))
            return StartTagAt(text, open, "picture");
        if (!EqualsNoCase(name, "source"))
            return false;
        next = open;
    }
    return false;
}

std::optional<ReeditTarget> LocateImage(std::string_view text, const ElementRecord &record)
{
    if (!StartTagAt(text, record.index, "img"))
        return std::nullopt;
    const auto source = ImageSourceOf(text, record);
    const auto range = TagRange(text, record.index);
    if (!source || !range)
        return std::nullopt;
    ReeditTarget target;
    target.kind = ElementKind::Image;
    target.range = *range;
    target.video = *source == ImageSourceAttribute::DynSrc;
    target.tag = ReadTag(text, record.index);
    if (!target.video && (target.tag.values.contains("SRCSET") || InPicture(text, record.index))) {
        target.kind = ElementKind::Picture;
        target.srcsetReopened = SrcsetPictures(target.tag).has_value();
    }
    return target;
}

std::optional<ReeditTarget> LocatePlace(std::string_view text, const ElementRecord &record);

// A VIDEO or AUDIO start tag; any other media entry (a SOURCE, an EMBED) is only gone to.
std::optional<ReeditTarget> LocateMedia(std::string_view text, const ElementRecord &record)
{
    const bool video = StartTagAt(text, record.index, "video");
    if (!video && !StartTagAt(text, record.index, "audio"))
        return LocatePlace(text, record);
    ReeditTarget target;
    target.kind = ElementKind::Media;
    target.range = *TagRange(text, record.index);
    target.video = video;
    target.tag = ReadTag(text, record.index);
    if (target.tag.values.contains("SRC"))
        return target;
    TagCursor cursor(text, target.range.end);
    while (const auto tag = cursor.Next()) {
        if (EqualsNoCase(tag->name, "source") && !tag->isEndTag) {
            target.contentTag = ReadTag(text, tag->begin);
            target.contentTagStart = tag->begin;
            target.range.end = tag->end; // what the form changes reaches through it
            break;
        }
        if (EqualsNoCase(tag->name, video ? "video" : "audio"))
            break;
    }
    return target;
}

std::optional<ReeditTarget> LocateApplet(std::string_view text, const ElementRecord &record)
{
    if (record.value.empty() || !StartTagAt(text, record.index, "applet") ||
        TagValue(text, record.index, "code") != record.value)
        return std::nullopt;
    ReeditTarget target;
    target.kind = ElementKind::Applet;
    target.range = *TagRange(text, record.index);
    target.tag = ReadTag(text, record.index);
    return target;
}

std::optional<ReeditTarget> LocateLink(std::string_view text, const ElementRecord &record)
{
    if (record.value.empty() || !StartTagAt(text, record.index, "a") ||
        TagValue(text, record.index, "href") != record.value)
        return std::nullopt;
    const auto range = LinkElementRange(text, record.index);
    if (!range)
        return std::nullopt;
    ReeditTarget target;
    target.kind = ElementKind::Link;
    target.range = *range;
    target.tag = ReadTag(text, record.index);

    const std::size_t openEnd = TagEnd(text, record.index);
    std::size_t closeBegin = openEnd;
    std::optional<TagToken> image;
    std::optional<TagToken> applet;
    TagCursor cursor(text, openEnd);
    while (const auto tag = cursor.Next()) {
        if (EqualsNoCase(tag->name, "a")) {
            closeBegin = tag->begin;
            break;
        }
        if (tag->isEndTag)
            continue;
        if (!image && EqualsNoCase(tag->name, "img"))
            image = tag;
        else if (!applet && EqualsNoCase(tag->name, "applet"))
            applet = tag;
    }
    // An image inside the link wins over an applet, wherever each stands.
    const std::optional<TagToken> &inner = image ? image : applet;
    target.linkContent = {openEnd, closeBegin};
    if (!inner) {
        target.linkText = text.substr(openEnd, closeBegin - openEnd);
        return target;
    }
    target.content = image ? LinkKind::Image : LinkKind::Applet;
    target.contentTag = ReadTag(text, inner->begin);
    target.contentTagStart = inner->begin;
    return target;
}

} // namespace

std::optional<ElementKind> ElementKindForHint(int hint)
{
    switch (hint) {
    case HintEditImage:
        return ElementKind::Image;
    case HintEditLink:
        return ElementKind::Link;
    case HintEditApplet:
        return ElementKind::Applet;
    case HintEditMedia:
        return ElementKind::Media;
    default:
        return std::nullopt;
    }
}

std::string TagPrefill::Value(const std::string &name) const
{
    const auto found = values.find(name);
    return found == values.end() ? std::string() : found->second;
}

bool ReeditTarget::Editable() const
{
    if (kind != ElementKind::Link)
        return true;
    switch (content) {
    case LinkKind::Image:
        return !contentTag.Value("SRC").empty();
    case LinkKind::Applet:
        return !contentTag.Value("CODE").empty();
    case LinkKind::Text:
        break;
    }
    return true;
}

namespace {

// A listed tag is still there when a tag starts at its index; its value is not compared, as a
// heading's is the text after it.
std::optional<ReeditTarget> LocatePlace(std::string_view text, const ElementRecord &record)
{
    const std::optional<TextRange> range = TagRange(text, record.index);
    if (!range)
        return std::nullopt;
    ReeditTarget target;
    target.kind = ElementKind::Place;
    target.range = *range;
    return target;
}

} // namespace

std::optional<ReeditTarget> LocateElement(std::string_view text, ElementKind kind,
                                          const ElementRecord &record)
{
    switch (kind) {
    case ElementKind::Image:
    case ElementKind::Picture:
        return LocateImage(text, record);
    case ElementKind::Applet:
        return LocateApplet(text, record);
    case ElementKind::Media:
        return LocateMedia(text, record);
    case ElementKind::Place:
        return LocatePlace(text, record);
    case ElementKind::Link:
        break;
    }
    return LocateLink(text, record);
}

std::optional<ElementAtPosition> ElementAt(std::string_view text, std::size_t position)
{
    PageElements elements;
    std::vector<ElementRecord> media; // VIDEO and AUDIO tags: their SOURCE entries have no form
    ScanElements(text, [&](OutlineCategory category, const ElementRecord &record) {
        switch (category) {
        case OutlineCategory::Images:
            elements.images.push_back(record);
            break;
        case OutlineCategory::Applets:
            elements.applets.push_back(record);
            break;
        case OutlineCategory::Hyperlinks:
            elements.links.push_back(record);
            break;
        case OutlineCategory::Media:
            if (const std::string_view name = TagName(text, record.index);
                EqualsNoCase(name, "video") || EqualsNoCase(name, "audio"))
                media.push_back(record);
            break;
        default:
            break;
        }
    });
    // The last entry starting at or before the position is the only one that can hold it:
    // tags do not overlap, and a browser closes a link before the next one starts.
    const auto lastUpTo = [position](const std::vector<ElementRecord> &records) {
        const auto after = std::upper_bound(
            records.begin(), records.end(), position,
            [](std::size_t at, const ElementRecord &record) { return at < record.index; });
        return after == records.begin() ? nullptr : &*(after - 1);
    };
    const std::pair<ElementKind, const std::vector<ElementRecord> *> tags[] = {
        {ElementKind::Image, &elements.images},
        {ElementKind::Applet, &elements.applets},
        {ElementKind::Media, &media}};
    for (const auto &[kind, records] : tags) {
        const ElementRecord *record = lastUpTo(*records);
        if (record && position < TagEnd(text, record->index))
            return ElementAtPosition{kind, *record};
    }
    if (const ElementRecord *link = lastUpTo(elements.links)) {
        const auto range = LinkElementRange(text, link->index);
        if (range && position < range->end)
            return ElementAtPosition{ElementKind::Link, *link};
    }
    return std::nullopt;
}

namespace {

// The form's input for the field the tag's `attribute` is written from.
template <class Fields>
std::string_view InputWriting(std::string_view attribute, AttributeTable<Fields> table,
                              const FormDescription<Fields> &form)
{
    for (const FieldAttribute<Fields> &written : table) {
        if (!written.field || !EqualsNoCase(written.name, attribute))
            continue;
        for (const FieldSpec<Fields> &row : form.rows)
            if (row.member == written.field)
                return row.name;
    }
    return {};
}

} // namespace

std::string_view AltFieldName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Image:
        return InputWriting("ALT", ImageAttributes(), ImageForm());
    case ElementKind::Picture:
        return InputWriting("ALT", PictureAttributes(), PictureForm());
    default:
        return {};
    }
}

std::optional<TextInsertion> AltInsertion(std::string_view text, std::size_t tagStart,
                                          const AltFields &fields)
{
    const std::string_view name = TagName(text, tagStart);
    if (name.empty() || text[tagStart + 1] == '/' || !TagRange(text, tagStart))
        return std::nullopt;
    const std::vector<TagAttribute> attributes = TagAttributes(text, tagStart);
    if (std::any_of(attributes.begin(), attributes.end(),
                    [](const TagAttribute &a) { return EqualsNoCase(a.name, "alt"); }))
        return std::nullopt;
    const std::size_t nameEnd = static_cast<std::size_t>(name.data() - text.data()) + name.size();
    const bool lowerCase =
        std::none_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    return TextInsertion{attributes.empty() ? nameEnd : attributes.back().end,
                         AttributeList().Add(lowerCase ? "alt" : "ALT", fields.alt).Text()};
}

ImageFields ImagePrefill(const ReeditTarget &target)
{
    ImageFields fields;
    Fill<ImageFields>(fields, ImageAttributes(), target.tag);
    fields.video = target.video;
    return WithWrittenSource(fields);
}

AppletFields AppletPrefill(const ReeditTarget &target)
{
    AppletFields fields;
    Fill<AppletFields>(fields, AppletAttributes(), target.tag);
    return fields;
}

LinkFields LinkPrefill(const ReeditTarget &target)
{
    LinkFields fields;
    Fill<LinkFields>(fields, LinkAttributes(), target.tag);
    switch (target.content) {
    case LinkKind::Image:
        Fill<LinkFields>(fields, LinkImageAttributes(), target.contentTag);
        fields.kind = LinkKind::Image;
        break;
    case LinkKind::Applet:
        Fill<LinkFields>(fields, LinkAppletAttributes(), target.contentTag);
        fields.kind = LinkKind::Applet;
        break;
    case LinkKind::Text:
        fields.linkText = target.linkText;
        fields.kind = LinkKind::Text;
        break;
    }
    return fields;
}

MediaFields MediaPrefill(const ReeditTarget &target)
{
    MediaFields fields;
    Fill<MediaFields>(fields, MediaAttributes(), target.tag);
    fields.element = target.video ? "VIDEO" : "AUDIO";
    if (target.contentTagStart != 0)
        Fill<MediaFields>(fields, MediaSourceAttribute, target.contentTag);
    return fields;
}

std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const MediaFields &shown, const MediaFields &confirmed,
                                           LineBreak)
{
    std::vector<Splice> splices;
    const std::size_t tagStart = target.range.begin;
    const bool sourceInside = target.contentTagStart != 0;
    MediaFields tagShown = shown, tagConfirmed = confirmed;
    if (sourceInside)
        tagConfirmed.source = tagShown.source;
    EditTag<MediaFields>(text, tagStart, MediaAttributes(), tagShown, tagConfirmed, splices);
    if (sourceInside)
        EditTag<MediaFields>(text, target.contentTagStart, MediaSourceAttribute, shown, confirmed,
                             splices);
    return Spliced(text, target.range, std::move(splices));
}

PictureFields PicturePrefill(const ReeditTarget &target)
{
    PictureFields fields = SrcsetPictures(target.tag).value_or(PictureFields{});
    Fill<PictureFields>(fields, PictureAttributes(), target.tag);
    fields.lazy = EqualsNoCase(target.tag.Value("LOADING"), "lazy") ? "1" : "";
    return fields;
}

std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const PictureFields &shown,
                                           const PictureFields &confirmed, LineBreak)
{
    std::vector<Splice> splices;
    // A SRCSET the form did not write is kept as it stands.
    EditTag<PictureFields>(text, target.range.begin, PictureAttributes(), shown, confirmed, splices,
                           target.srcsetReopened ? "" : "SRCSET");
    return Spliced(text, target.range, std::move(splices));
}

std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const ImageFields &shown, const ImageFields &confirmed,
                                           LineBreak)
{
    std::vector<Splice> splices;
    EditTag<ImageFields>(text, target.range.begin, ImageAttributes(), WithWrittenSource(shown),
                         WithWrittenSource(confirmed), splices);
    return Spliced(text, target.range, std::move(splices));
}

std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const AppletFields &shown, const AppletFields &confirmed,
                                           LineBreak)
{
    std::vector<Splice> splices;
    EditTag<AppletFields>(text, target.range.begin, AppletAttributes(), shown, confirmed, splices);
    return Spliced(text, target.range, std::move(splices));
}

std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const LinkFields &shown, const LinkFields &confirmed,
                                           LineBreak lineBreak)
{
    std::vector<Splice> splices;
    EditTag<LinkFields>(text, target.range.begin, LinkAttributes(), shown, confirmed, splices);
    const TextRange content = target.linkContent;
    const bool kindSwitched = shown.kind != confirmed.kind;
    if (kindSwitched ||
        (confirmed.kind == LinkKind::Text && shown.linkText != confirmed.linkText)) {
        splices.push_back(
            {content.begin, content.end, WithLineBreaks(BuildLinkContent(confirmed), lineBreak)});
    } else if (confirmed.kind == LinkKind::Image) {
        EditTag<LinkFields>(text, target.contentTagStart, LinkImageAttributes(), shown, confirmed,
                            splices);
    } else if (confirmed.kind == LinkKind::Applet) {
        EditTag<LinkFields>(text, target.contentTagStart, LinkAppletAttributes(), shown, confirmed,
                            splices);
    }
    return Spliced(text, target.range, std::move(splices));
}

} // namespace tarnel
