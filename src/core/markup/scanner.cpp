#include "scanner.h"

#include "outlinetoday.h"

#include <array>
#include <cstring>

namespace tarnel {

namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t Find(std::string_view text, char c, std::size_t from)
{
    if (from >= text.size())
        return npos;
    const void *hit = std::memchr(text.data() + from, c, text.size() - from);
    return hit ? static_cast<std::size_t>(static_cast<const char *>(hit) - text.data()) : npos;
}

std::size_t NameEnd(std::string_view text, std::size_t from)
{
    std::size_t i = from;
    while (i < text.size() && !IsHtmlSpace(text[i]) && text[i] != '/' && text[i] != '>')
        ++i;
    return i;
}

// Reads the attributes that follow a tag name ending at `i`, calling
// `onAttribute(const TagAttribute &)` for each, and returns one past the closing ">" or npos
// when the text ends inside the tag. A quote opens a value only right after "=", as in a
// browser, so `<IMG ALT="a>b">` ends at its last ">" and `<A TITLE=x"y>` at its first.
template <class OnAttribute>
std::size_t WalkAttributes(std::string_view text, std::size_t i, OnAttribute &&onAttribute)
{
    const std::size_t n = text.size();
    for (;;) {
        while (i < n && (IsHtmlSpace(text[i]) || text[i] == '/'))
            ++i;
        if (i >= n)
            return npos;
        if (text[i] == '>')
            return i + 1;
        const std::size_t nameBegin = i++;
        while (i < n && !IsHtmlSpace(text[i]) && text[i] != '/' && text[i] != '>' && text[i] != '=')
            ++i;
        const std::string_view name = text.substr(nameBegin, i - nameBegin);
        std::size_t j = i;
        while (j < n && IsHtmlSpace(text[j]))
            ++j;
        if (j >= n || text[j] != '=') {
            onAttribute(TagAttribute{name, {}, nameBegin, i, i});
            continue;
        }
        ++j;
        while (j < n && IsHtmlSpace(text[j]))
            ++j;
        if (j >= n)
            return npos;
        if (text[j] == '"' || text[j] == '\'') {
            const std::size_t close = Find(text, text[j], j + 1);
            if (close == npos)
                return npos;
            onAttribute(TagAttribute{name, text.substr(j + 1, close - j - 1), nameBegin, close + 1,
                                     j, text[j]});
            i = close + 1;
        } else if (text[j] == '>') {
            onAttribute(TagAttribute{name, {}, nameBegin, j, j});
            return j + 1;
        } else {
            const std::size_t valueBegin = j;
            while (j < n && !IsHtmlSpace(text[j]) && text[j] != '>')
                ++j;
            onAttribute(TagAttribute{name, text.substr(valueBegin, j - valueBegin), nameBegin, j,
                                     valueBegin});
            i = j;
        }
    }
}

bool StartsTag(std::string_view text, std::size_t at)
{
    return at + 1 < text.size() && text[at] == '<' && IsAsciiLetter(text[at + 1]);
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.size() - at >= prefix.size() &&
           EqualsNoCase(text.substr(at, prefix.size()), prefix);
}

// Elements whose content a browser reads as text, so tags in it are no tags.
bool IsRawTextElement(std::string_view name)
{
    if (name.size() < 3 || name.size() > 9)
        return false;
    switch (LowerAscii(name[0])) {
    case 's':
        return EqualsNoCase(name, "script") || EqualsNoCase(name, "style");
    case 't':
        return EqualsNoCase(name, "textarea") || EqualsNoCase(name, "title");
    case 'x':
        return EqualsNoCase(name, "xmp");
    case 'i':
        return EqualsNoCase(name, "iframe");
    case 'n':
        return EqualsNoCase(name, "noembed") || EqualsNoCase(name, "noframes");
    case 'p':
        return EqualsNoCase(name, "plaintext");
    default:
        return false;
    }
}

// The comment opened by "<!--" at `at` ends at the first "-->" or "--!>"; "<!-->" and
// "<!--->" are whole (empty) comments. An unclosed comment runs to the end of the text.
std::size_t CommentEnd(std::string_view text, std::size_t at)
{
    std::size_t k = at + 4;
    if (text.substr(k, 1) == ">")
        return k + 1;
    if (text.substr(k, 2) == "->")
        return k + 2;
    for (;;) {
        const std::size_t dashes = text.find("--", k);
        if (dashes == npos)
            return text.size();
        if (text.substr(dashes + 2, 1) == ">")
            return dashes + 3;
        if (text.substr(dashes + 2, 2) == "!>")
            return dashes + 4;
        k = dashes + 1;
    }
}

// A declaration, processing instruction or other bogus comment ends at its first ">".
std::size_t BogusCommentEnd(std::string_view text, std::size_t at)
{
    const std::size_t close = Find(text, '>', at);
    return close == npos ? text.size() : close + 1;
}

} // namespace

std::string_view TagName(std::string_view text, std::size_t tagStart)
{
    std::size_t begin = tagStart + 1;
    if (begin < text.size() && text[tagStart] == '<' && text[begin] == '/')
        ++begin;
    if (tagStart >= text.size() || text[tagStart] != '<' || begin >= text.size() ||
        !IsAsciiLetter(text[begin]))
        return {};
    return text.substr(begin, NameEnd(text, begin) - begin);
}

std::size_t TagEnd(std::string_view text, std::size_t tagStart)
{
    const std::string_view name = TagName(text, tagStart);
    if (name.empty()) {
        // A declaration ends at its ">"; one the text ends in has no end to select or keep.
        if (tagStart >= text.size() || text[tagStart] != '<')
            return NoTagEnd;
        const std::size_t end = BogusCommentEnd(text, tagStart);
        return text[end - 1] == '>' ? end : NoTagEnd;
    }
    const std::size_t nameEnd = static_cast<std::size_t>(name.data() - text.data()) + name.size();
    return WalkAttributes(text, nameEnd, [](const TagAttribute &) {});
}

std::optional<TextRange> TagRange(std::string_view text, std::size_t tagStart)
{
    if (tagStart >= text.size() || text[tagStart] != '<')
        return std::nullopt;
    const std::size_t end = TagEnd(text, tagStart);
    if (end == NoTagEnd)
        return std::nullopt;
    return TextRange{tagStart, end};
}

std::vector<TagAttribute> TagAttributes(std::string_view text, std::size_t tagStart)
{
    std::vector<TagAttribute> attributes;
    const std::string_view name = TagName(text, tagStart);
    if (name.empty())
        return attributes;
    const std::size_t nameEnd = static_cast<std::size_t>(name.data() - text.data()) + name.size();
    WalkAttributes(text, nameEnd,
                   [&attributes](const TagAttribute &a) { attributes.push_back(a); });
    return attributes;
}

std::string DecodeAttributeValue(std::string_view raw)
{
    static constexpr std::string_view quot = "&quot;";
    std::string value;
    value.reserve(raw.size());
    std::size_t from = 0;
    for (std::size_t hit = raw.find(quot); hit != npos; hit = raw.find(quot, from)) {
        value.append(raw.substr(from, hit - from));
        value.push_back('"');
        from = hit + quot.size();
    }
    value.append(raw.substr(from));
    return value;
}

std::string TagValue(std::string_view text, std::size_t tagStart, std::string_view name)
{
    const std::string_view tagName = TagName(text, tagStart);
    if (tagName.empty() || text[tagStart + 1] == '/')
        return {};
    std::optional<std::string_view> raw;
    const std::size_t nameEnd =
        static_cast<std::size_t>(tagName.data() - text.data()) + tagName.size();
    const std::size_t end = WalkAttributes(text, nameEnd, [&](const TagAttribute &a) {
        if (!raw && EqualsNoCase(a.name, name))
            raw = a.value;
    });
    if (end == NoTagEnd || !raw)
        return {};
    return DecodeAttributeValue(*raw);
}

TagCursor::TagCursor(std::string_view text, std::size_t from)
    : m_text(text)
    , m_pos(from)
{}

std::size_t TagCursor::SkipRawText(std::size_t from) const
{
    if (EqualsNoCase(m_rawTextName, "plaintext"))
        return m_text.size();
    for (std::size_t i = Find(m_text, '<', from); i != npos; i = Find(m_text, '<', i + 1)) {
        if (m_text.substr(i + 1, 1) != "/" || !StartsWithNoCase(m_text, i + 2, m_rawTextName))
            continue;
        const std::size_t after = i + 2 + m_rawTextName.size();
        if (after >= m_text.size() || IsHtmlSpace(m_text[after]) || m_text[after] == '/' ||
            m_text[after] == '>')
            return i;
    }
    return m_text.size();
}

std::optional<TagToken> TagCursor::Next()
{
    const std::size_t n = m_text.size();
    while (m_pos < n) {
        if (!m_rawTextName.empty()) {
            m_pos = SkipRawText(m_pos);
            m_rawTextName = {};
            continue;
        }
        const std::size_t at = Find(m_text, '<', m_pos);
        if (at == npos || at + 1 >= n) {
            m_pos = n;
            break;
        }
        const char next = m_text[at + 1];
        const bool endTag = next == '/' && at + 2 < n && IsAsciiLetter(m_text[at + 2]);
        if (IsAsciiLetter(next) || endTag) {
            const std::size_t nameBegin = at + (endTag ? 2 : 1);
            const std::size_t nameEnd = NameEnd(m_text, nameBegin);
            const std::string_view name = m_text.substr(nameBegin, nameEnd - nameBegin);
            const std::size_t end = WalkAttributes(m_text, nameEnd, [](const TagAttribute &) {});
            if (end == NoTagEnd) {
                m_pos = n;
                break;
            }
            m_pos = end;
            if (!endTag && IsRawTextElement(name))
                m_rawTextName = name;
            return TagToken{at, end, name, endTag};
        }
        if (next == '!' && m_text.substr(at, 4) == "<!--")
            m_pos = CommentEnd(m_text, at);
        else if (next == '!' || next == '?' || next == '/')
            m_pos = BogusCommentEnd(m_text, at + 1);
        else
            m_pos = at + 1;
    }
    return std::nullopt;
}

bool StartTagAt(std::string_view text, std::size_t index, std::string_view name)
{
    if (!StartsTag(text, index) || !EqualsNoCase(TagName(text, index), name))
        return false;
    TagCursor cursor(text);
    while (const auto tag = cursor.Next()) {
        if (tag->begin >= index)
            return tag->begin == index;
    }
    return false;
}

std::optional<TextRange> LinkElementRange(std::string_view text, std::size_t linkStart)
{
    if (!StartsTag(text, linkStart) || !EqualsNoCase(TagName(text, linkStart), "a"))
        return std::nullopt;
    const std::size_t openEnd = TagEnd(text, linkStart);
    if (openEnd == NoTagEnd)
        return std::nullopt;
    // A browser closes an open link when the next one starts, so a link is whole only when
    // its own "</A>" comes first.
    TagCursor cursor(text, openEnd);
    while (const auto tag = cursor.Next()) {
        if (!EqualsNoCase(tag->name, "a"))
            continue;
        if (!tag->isEndTag)
            return std::nullopt;
        return TextRange{linkStart, tag->end};
    }
    return std::nullopt;
}

PageElements ScanElements(std::string_view text)
{
    PageElements elements;
    ScanElements(text, elements);
    return elements;
}

void ScanElements(std::string_view text, PageElements &elements)
{
    elements.images.clear();
    elements.applets.clear();
    elements.links.clear();
    ScanElements(text, [&elements](OutlineCategory category, const ElementRecord &record) {
        if (category == OutlineCategory::Images)
            elements.images.push_back(record);
        else if (category == OutlineCategory::Applets)
            elements.applets.push_back(record);
        else if (category == OutlineCategory::Hyperlinks)
            elements.links.push_back(record);
    });
}

void ScanElements(std::string_view text, const ElementVisitor &visit)
{
    // Today's categories come from the same pass; a heading's level goes before its text.
    const TodayVisitor visitToday = [&visit](TodayCategory category, const ElementRecord &found,
                                             int level) {
        if (category != TodayCategory::Headings) {
            visit(category == TodayCategory::Media ? OutlineCategory::Media
                                                   : OutlineCategory::ScriptsAndStyles,
                  found);
            return;
        }
        visit(OutlineCategory::Headings,
              {std::string(1, char('0' + level)) + found.value, found.index});
    };
    bool inMedia = false;
    ElementRecord record;
    TagCursor cursor(text);
    while (const auto tag = cursor.Next()) {
        if (tag->isEndTag) {
            if (inMedia)
                VisitTodaysTag(text, *tag, inMedia, visitToday);
            continue;
        }
        const std::string_view name = tag->name;
        const bool image = name.size() == 3 && EqualsNoCase(name, "img");
        const bool applet = name.size() == 6 && EqualsNoCase(name, "applet");
        const bool link = name.size() == 1 && LowerAscii(name[0]) == 'a';
        if (!image && !applet && !link) {
            if (MayBeTodaysTag(name))
                VisitTodaysTag(text, *tag, inMedia, visitToday);
            continue;
        }
        const std::string_view wanted = image ? "src" : applet ? "code" : "href";
        std::optional<std::string_view> value;
        std::optional<std::string_view> videoSource;
        const std::size_t nameEnd =
            static_cast<std::size_t>(name.data() - text.data()) + name.size();
        WalkAttributes(text, nameEnd, [&](const TagAttribute &a) {
            if (!value && EqualsNoCase(a.name, wanted))
                value = a.value;
            else if (image && !videoSource && EqualsNoCase(a.name, "dynsrc"))
                videoSource = a.value;
        });
        std::string_view listed = value.value_or(std::string_view{});
        if (listed.empty() && image)
            listed = videoSource.value_or(std::string_view{});
        if (listed.empty())
            continue;
        record.value = DecodeAttributeValue(listed);
        record.index = tag->begin;
        visit(image    ? OutlineCategory::Images
              : applet ? OutlineCategory::Applets
                       : OutlineCategory::Hyperlinks,
              record);
    }
}

std::vector<ElementRecord> ScanImages(std::string_view text)
{
    return ScanElements(text).images;
}

std::vector<ElementRecord> ScanApplets(std::string_view text)
{
    return ScanElements(text).applets;
}

std::vector<ElementRecord> ScanLinks(std::string_view text)
{
    return ScanElements(text).links;
}

std::optional<ImageSourceAttribute> ImageSourceOf(std::string_view text,
                                                  const ElementRecord &record)
{
    if (record.value.empty() || !StartsTag(text, record.index) ||
        !EqualsNoCase(TagName(text, record.index), "img"))
        return std::nullopt;
    const std::string source = TagValue(text, record.index, "src");
    if (!source.empty())
        return source == record.value ? std::optional(ImageSourceAttribute::Src) : std::nullopt;
    if (TagValue(text, record.index, "dynsrc") == record.value)
        return ImageSourceAttribute::DynSrc;
    return std::nullopt;
}

} // namespace tarnel
