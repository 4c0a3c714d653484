#include "reedit.h"

#include <algorithm>
#include <array>
#include <span>

namespace tarnel {

namespace {

using Names = std::span<const std::string_view>;

// The attributes each form has a field for.
constexpr std::string_view ImageFormNames[] = {"src", "align", "border", "height", "width", "alt"};
constexpr std::string_view VideoFormNames[] = {"src",    "dynsrc", "align", "border",
                                               "height", "width",  "alt"};
constexpr std::string_view AppletFormNames[] = {"code",   "align", "alt", "class",
                                                "height", "width", "name"};
constexpr std::string_view LinkFormNames[] = {"href"};
constexpr std::string_view LinkImageNames[] = {"src", "alt", "width", "height", "border", "align"};
constexpr std::string_view LinkAppletNames[] = {"code",   "align", "class",
                                                "height", "width", "name"};

bool Contains(Names names, std::string_view name)
{
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view known) { return EqualsNoCase(known, name); });
}

std::string UpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
    }
    return upper;
}

TagPrefill ReadTag(std::string_view text, std::size_t tagStart, Names formNames)
{
    TagPrefill prefill;
    for (const TagAttribute &a : TagAttributes(text, tagStart)) {
        if (Contains(formNames, a.name))
            prefill.values.try_emplace(UpperAscii(a.name), DecodeAttributeValue(a.value));
        else
            prefill.kept.push_back(KeptAttribute{
                std::string(a.name), std::string(text.substr(a.begin, a.end - a.begin))});
    }
    return prefill;
}

bool IsStartTagNamed(std::string_view text, std::size_t at, std::string_view name)
{
    return text.substr(at, 2) != "</" && EqualsNoCase(TagName(text, at), name);
}

// The tag at `tagStart` of `text` with the kept attributes written before its ">", leaving
// out any the tag already carries.
std::string WithKept(std::string_view tag, const std::vector<KeptAttribute> &kept)
{
    const std::size_t end = TagEnd(tag, 0);
    if (end == NoTagEnd || kept.empty())
        return std::string(tag);
    const auto present = TagAttributes(tag, 0);
    std::string result(tag.substr(0, end - 1));
    for (const KeptAttribute &attribute : kept) {
        const bool written =
            std::any_of(present.begin(), present.end(), [&](const TagAttribute &a) {
                return EqualsNoCase(a.name, attribute.name);
            });
        if (!written)
            result.append(" ").append(attribute.text);
    }
    result.append(tag.substr(end - 1));
    return result;
}

LinkContent ContentOf(std::string_view text, std::size_t at)
{
    if (IsStartTagNamed(text, at, "img"))
        return LinkContent::Image;
    if (IsStartTagNamed(text, at, "applet"))
        return LinkContent::Applet;
    return LinkContent::Text;
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
    target.tag =
        ReadTag(text, record.index, target.video ? Names(VideoFormNames) : Names(ImageFormNames));
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
    target.tag = ReadTag(text, record.index, AppletFormNames);
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
    target.tag = ReadTag(text, record.index, LinkFormNames);

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
    if (!inner) {
        target.linkText = text.substr(openEnd, closeBegin - openEnd);
        return target;
    }
    target.content = image ? LinkContent::Image : LinkContent::Applet;
    target.contentTag =
        ReadTag(text, inner->begin, image ? Names(LinkImageNames) : Names(LinkAppletNames));
    target.contentBefore = text.substr(openEnd, inner->begin - openEnd);
    target.contentAfter = text.substr(inner->end, closeBegin - inner->end);
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
    case LinkContent::Image:
        return !contentTag.Value("SRC").empty();
    case LinkContent::Applet:
        return !contentTag.Value("CODE").empty();
    case LinkContent::Text:
        break;
    }
    return true;
}

std::optional<ReeditTarget> LocateElement(std::string_view text, ElementKind kind,
                                          const ElementRecord &record)
{
    switch (kind) {
    case ElementKind::Image:
        return LocateImage(text, record);
    case ElementKind::Applet:
        return LocateApplet(text, record);
    case ElementKind::Link:
        break;
    }
    return LocateLink(text, record);
}

std::optional<ElementAtPosition> ElementAt(std::string_view text, std::size_t position)
{
    const PageElements elements = ScanElements(text);
    // The last entry starting at or before the position is the only one that can hold it:
    // tags do not overlap, and a browser closes a link before the next one starts.
    const auto lastUpTo = [position](const std::vector<ElementRecord> &records) {
        const auto after = std::upper_bound(
            records.begin(), records.end(), position,
            [](std::size_t at, const ElementRecord &record) { return at < record.index; });
        return after == records.begin() ? nullptr : &*(after - 1);
    };
    const std::pair<ElementKind, const std::vector<ElementRecord> *> tags[] = {
        {ElementKind::Image, &elements.images}, {ElementKind::Applet, &elements.applets}};
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

std::string ReplacementText(const ReeditTarget &target, std::string_view built)
{
    if (built.ends_with('\n'))
        built.remove_suffix(1);
    if (target.kind != ElementKind::Link)
        return WithKept(built, target.tag.kept);

    const std::size_t openEnd = TagEnd(built, 0);
    if (openEnd == NoTagEnd)
        return std::string(built);
    std::string result = WithKept(built.substr(0, openEnd), target.tag.kept);
    const std::string_view rest = built.substr(openEnd);
    const LinkContent builtContent = ContentOf(rest, 0);
    const std::size_t innerEnd = TagEnd(rest, 0);
    if (builtContent == LinkContent::Text || builtContent != target.content || innerEnd == NoTagEnd)
        return result.append(rest);
    result.append(target.contentBefore);
    result.append(WithKept(rest.substr(0, innerEnd), target.contentTag.kept));
    result.append(target.contentAfter);
    result.append(rest.substr(innerEnd));
    return result;
}

} // namespace tarnel
