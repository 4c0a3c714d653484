#include "pagecheck.h"

#include "ascii.h"
#include "references.h"
#include "scanner.h"
#include "usertext.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_set>

namespace tarnel {

namespace {

constexpr const char *kMissingFile = USER_TEXT("missing file %1");
constexpr const char *kWrongCase =
    USER_TEXT("%1 is written %2 on disk; a web server tells letter case apart");
constexpr const char *kWithoutAlt =
    USER_TEXT("%1 without ALT: give a text alternative (ALT=\"\" for decoration)");
constexpr const char *kNameUsed = USER_TEXT("%1 %2 is already used on line %3");
constexpr const char *kNoTarget = USER_TEXT("no element has the ID or NAME %1");

constexpr std::size_t npos = std::string_view::npos;

bool IsUrlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && IsUrlSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsUrlSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

bool StartsWithScheme(std::string_view url)
{
    if (url.empty() || !((url[0] >= 'a' && url[0] <= 'z') || (url[0] >= 'A' && url[0] <= 'Z')))
        return false;
    for (const char c : url.substr(1)) {
        if (c == ':')
            return true;
        const bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!schemeChar)
            return false;
    }
    return false;
}

// Where a piece of a value lies: its byte offset in the value and its length.
struct Piece
{
    std::size_t offset;
    std::size_t length;
};

// The URLs of a SRCSET value ("a.jpg 1x, b.jpg 2x"): each candidate's URL runs to the next
// blank, a comma ending it belongs to the list; its descriptors run to the next comma.
std::vector<Piece> SrcsetUrls(std::string_view value)
{
    std::vector<Piece> urls;
    std::size_t at = 0;
    while (at < value.size()) {
        while (at < value.size() && (IsUrlSpace(value[at]) || value[at] == ','))
            ++at;
        const std::size_t start = at;
        while (at < value.size() && !IsUrlSpace(value[at]))
            ++at;
        std::size_t end = at;
        while (end > start && value[end - 1] == ',')
            --end;
        if (end > start)
            urls.push_back({start, end - start});
        if (end < at)
            continue; // the comma ended the candidate
        while (at < value.size() && value[at] != ',')
            ++at;
    }
    return urls;
}

bool IsCssNameChar(char c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// The files a style sheet names: `url(...)` with or without quotes, and `@import "..."`.
// Comments are skipped; strings are looked into only after @import.
std::vector<Piece> StyleSheetUrls(std::string_view css)
{
    std::vector<Piece> urls;
    const auto quoted = [&](std::size_t at) {
        const char quote = css[at];
        const std::size_t close = css.find(quote, at + 1);
        return close == npos ? css.size() : close;
    };
    for (std::size_t at = 0; at < css.size(); ++at) {
        const char c = css[at];
        if (c == '/' && at + 1 < css.size() && css[at + 1] == '*') {
            const std::size_t close = css.find("*/", at + 2);
            at = close == npos ? css.size() : close + 1;
        } else if (c == '"' || c == '\'') {
            at = quoted(at);
        } else if ((c == 'u' || c == 'U') && EqualsNoCase(css.substr(at, 4), "url(") &&
                   (at == 0 || !IsCssNameChar(css[at - 1]))) {
            std::size_t start = at + 4;
            while (start < css.size() && IsUrlSpace(css[start]))
                ++start;
            std::size_t end = 0;
            if (start < css.size() && (css[start] == '"' || css[start] == '\'')) {
                end = quoted(start);
                ++start;
            } else {
                end = std::min(css.find(')', start), css.size());
                while (end > start && IsUrlSpace(css[end - 1]))
                    --end;
            }
            urls.push_back({start, end - start});
            at = end;
        } else if (c == '@' && EqualsNoCase(css.substr(at, 7), "@import")) {
            std::size_t start = at + 7;
            while (start < css.size() && IsUrlSpace(css[start]))
                ++start;
            if (start < css.size() && (css[start] == '"' || css[start] == '\'')) {
                const std::size_t end = quoted(start);
                urls.push_back({start + 1, end - start - 1});
                at = end;
            }
        }
    }
    return urls;
}

std::string PercentDecoded(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 && HexValue(s[i + 2]) >= 0) {
            out.push_back(static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2])));
            i += 2;
        } else {
            out.push_back(s[i] == '\\' ? '/' : s[i]);
        }
    }
    return out;
}

std::string Latin1ToUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

// The bytes `unit` (of a written URL: one byte or a "%XX" escape) means, in UTF-8
// as FileLookup compares names.
std::string UnitMeaning(std::string_view unit, bool utf8)
{
    if (unit.size() == 3)
        return std::string(1, static_cast<char>(HexValue(unit[1]) * 16 + HexValue(unit[2])));
    return utf8 ? std::string(unit) : Latin1ToUtf8(unit);
}

// One name of a written path spelled as `onDisk` spells it, unit by unit: only the letters
// whose case differs change, escapes and other characters stay as written. nullopt when the
// two are not the same name.
std::optional<std::string> RespelledName(std::string_view written, std::string_view onDisk,
                                         bool utf8)
{
    std::string out;
    std::size_t disk = 0;
    for (std::size_t at = 0; at < written.size();) {
        const bool escape = written[at] == '%' && at + 2 < written.size() &&
                            HexValue(written[at + 1]) >= 0 && HexValue(written[at + 2]) >= 0;
        const std::string_view unit = written.substr(at, escape ? 3 : 1);
        at += unit.size();
        const std::string meaning = UnitMeaning(unit, utf8);
        if (onDisk.substr(disk, meaning.size()) == meaning) {
            out += unit;
        } else if (meaning.size() == 1 && IsAsciiLetter(meaning[0]) && disk < onDisk.size() &&
                   LowerAscii(onDisk[disk]) == LowerAscii(meaning[0])) {
            out += onDisk[disk];
        } else {
            return std::nullopt;
        }
        disk += meaning.size();
    }
    if (disk != onDisk.size())
        return std::nullopt;
    return out;
}

// `written`, a URL as the page writes it, with its path spelled as `onDisk` (FileLookup's
// answer) spells it; its blanks, escapes, query and fragment as they were. nullopt where the
// written path does not map name for name onto the disk's (a character reference in it, an
// escaped slash).
std::optional<std::string> RespelledPath(std::string_view written, std::string_view onDisk,
                                         bool utf8)
{
    std::size_t begin = 0;
    while (begin < written.size() && IsUrlSpace(written[begin]))
        ++begin;
    std::size_t end = std::min(written.find_first_of("?#", begin), written.size());
    while (end > begin && IsUrlSpace(written[end - 1]))
        --end;
    const std::string_view path = written.substr(begin, end - begin);
    if (path.find('&') != npos)
        return std::nullopt;
    std::string out(written.substr(0, begin));
    std::size_t disk = 0;
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t cut = std::min(path.find_first_of("/\\", at), path.size());
        const std::string_view name = path.substr(at, cut - at);
        if (!name.empty() && name != ".") {
            if (disk > onDisk.size())
                return std::nullopt;
            const std::size_t diskCut = std::min(onDisk.find('/', disk), onDisk.size());
            const auto respelled = RespelledName(name, onDisk.substr(disk, diskCut - disk), utf8);
            if (!respelled)
                return std::nullopt;
            out += *respelled;
            disk = diskCut + 1;
        } else {
            out += name;
        }
        if (cut < path.size())
            out += path[cut];
        at = cut + 1;
    }
    if (disk < onDisk.size())
        return std::nullopt;
    out += written.substr(end);
    return out;
}

std::string LowerAsciiCopy(std::string_view s)
{
    std::string lower(s);
    for (char &c : lower)
        c = LowerAscii(c);
    return lower;
}

std::string Quoted(std::string_view s)
{
    return "\"" + std::string(s) + "\"";
}

// The code point of the well-formed UTF-8 sequence at the start of `s` and its length; a
// length of 0 when none starts there.
std::pair<char32_t, std::size_t> Utf8At(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, code = lead & 0x1F, least = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, code = lead & 0x0F, least = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, code = lead & 0x07, least = 0x10000;
    if (length == 0 || s.size() < length)
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0, 0};
    return {code, length};
}

// Controls move the terminal's cursor or start escape sequences; line and paragraph
// separators break lines; the reordering marks make a name read as another.
bool Prints(char32_t code)
{
    return code >= 0x20 && code != 0x7F && !(code >= 0x80 && code <= 0x9F) && code != 0x200E &&
           code != 0x200F && code != 0x2028 && code != 0x2029 &&
           !(code >= 0x202A && code <= 0x202E) && !(code >= 0x2066 && code <= 0x2069);
}

void AppendEscaped(std::string &out, unsigned char byte)
{
    static constexpr std::string_view named = "\\a\\b\\t\\n\\v\\f\\r";
    if (byte >= '\a' && byte <= '\r') {
        out += named.substr(std::size_t(byte - '\a') * 2, 2);
        return;
    }
    // Three octal digits always: a digit after the escape cannot be read as part of it.
    const char octal[] = {'\\', char('0' + (byte >> 6)), char('0' + ((byte >> 3) & 7)),
                          char('0' + (byte & 7))};
    out.append(octal, sizeof octal);
}

// `text` with each byte of a character that does not print escaped, and with quotes and
// backslashes escaped too when `quoting`; nullopt when nothing needed escaping.
std::optional<std::string> Escaped(std::string_view text, bool quoting)
{
    std::string out;
    bool escaped = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto [code, length] = Utf8At(text.substr(i));
        if (length > 0 && Prints(code)) {
            if (quoting && (code == '"' || code == '\\'))
                out += '\\';
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        escaped = true;
        for (std::size_t end = i + std::max<std::size_t>(length, 1); i < end; ++i)
            AppendEscaped(out, static_cast<unsigned char>(text[i]));
    }
    if (!escaped)
        return std::nullopt;
    return out;
}

} // namespace

std::string PrintableFileName(std::string_view name)
{
    if (const auto escaped = Escaped(name, true))
        return '"' + *escaped + '"';
    return std::string(name);
}

std::string_view SeverityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

std::string FillIn(std::string_view text, const std::vector<std::string> &arguments)
{
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t number = at + 1 < text.size() ? std::size_t(text[at + 1] - '0') : 0;
        if (text[at] == '%' && number >= 1 && number <= 9 && number <= arguments.size()) {
            out += arguments[number - 1];
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

std::string FormatFinding(std::string_view file, const Finding &finding)
{
    std::string line = PrintableFileName(file);
    if (!line.empty())
        line += ':';
    line += std::to_string(finding.line) + ':' + std::to_string(finding.column) + ": ";
    line += SeverityName(finding.severity);
    line += ": ";
    line += Escaped(finding.message, false).value_or(finding.message);
    return line;
}

LineIndex::LineIndex(std::string_view text)
    : m_text(text)
{
    m_starts.push_back(0);
    const char *begin = text.data();
    const char *end = begin + text.size();
    // Line breaks are rare among the bytes: jump from one candidate to the next. Each kind
    // is searched again only once passed, or a page without CR would be read once per line.
    const auto next = [end](const char *from, char c) {
        const void *hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return hit ? static_cast<const char *>(hit) : end;
    };
    const char *lf = next(begin, '\n');
    const char *cr = next(begin, '\r');
    while (lf < end || cr < end) {
        const char *at = std::min(lf, cr);
        if (*at == '\r' && at + 1 < end && at[1] == '\n')
            ++at;
        m_starts.push_back(static_cast<std::size_t>(at + 1 - begin));
        if (lf <= at)
            lf = next(at + 1, '\n');
        if (cr <= at)
            cr = next(at + 1, '\r');
    }
}

std::pair<std::size_t, std::size_t> LineIndex::LineColumnOf(std::size_t offset) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    const auto line = static_cast<std::size_t>(after - m_starts.begin());
    return {line, offset - m_starts[line - 1] + 1};
}

std::size_t LineIndex::LineStart(std::size_t line) const
{
    if (line == 0)
        return 0;
    return line <= m_starts.size() ? m_starts[line - 1] : m_text.size();
}

std::size_t LineIndex::LineEnd(std::size_t line) const
{
    std::size_t end = LineStart(line + 1);
    if (line >= m_starts.size())
        return m_text.size();
    while (end > LineStart(line) && (m_text[end - 1] == '\n' || m_text[end - 1] == '\r'))
        --end;
    return end;
}

void PlaceFindings(std::vector<Finding> &findings, const LineIndex &lines)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.offset < b.offset; });
    for (Finding &finding : findings)
        std::tie(finding.line, finding.column) = lines.LineColumnOf(finding.offset);
}

bool MoveFindingsPast(std::vector<Finding> &findings, std::size_t position, std::size_t removed,
                      std::size_t inserted, std::size_t line)
{
    const std::size_t editEnd = position + removed;
    const auto touched = [&](const Finding &finding) {
        return finding.offset < editEnd && finding.offset + finding.length > position;
    };
    if (std::any_of(findings.begin(), findings.end(), touched))
        return false;
    const auto moved = [&](std::size_t offset) { return offset - removed + inserted; };
    for (Finding &finding : findings) {
        if (finding.fix.kind == FixKind::GiveAlt && finding.fix.tagStart >= editEnd)
            finding.fix.tagStart = moved(finding.fix.tagStart);
        if (finding.offset < editEnd)
            continue;
        finding.offset = moved(finding.offset);
        if (finding.line == line)
            finding.column = moved(finding.column);
    }
    return true;
}

const FileLookup::Listing &FileLookup::ListingOf(const std::string &folder)
{
    const auto [slot, added] = m_listings.try_emplace(folder);
    Listing &listing = slot->second;
    if (!added)
        return listing;
    std::error_code error;
    std::filesystem::directory_iterator entries(
        std::filesystem::path(folder.empty() ? "/" : folder), error);
    if (error)
        return listing;
    listing.readable = true;
    for (; entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (error)
            break;
        const std::string name = entries->path().filename().string();
        // Keyed by the exact name and by its lower case; an exact key wins over a lower-case
        // one, so of two names differing only in case each is found as itself.
        listing.byName.try_emplace(LowerAsciiCopy(name), name);
        listing.byName[name] = name;
    }
    return listing;
}

FileLookup::Answer FileLookup::Find(const std::filesystem::path &folder, std::string_view relative)
{
    if (folder != m_folder) {
        m_folder = folder;
        std::error_code error;
        // Without a trailing separator, so that ".." takes off the last name.
        m_folderText = std::filesystem::absolute(folder, error).lexically_normal().string();
        while (!m_folderText.empty() && m_folderText.back() == '/')
            m_folderText.pop_back();
    }
    std::string current = m_folderText;
    std::string onDisk;
    bool wrongCase = false;
    std::size_t from = 0;
    while (from <= relative.size()) {
        std::size_t slash = relative.find('/', from);
        if (slash == npos)
            slash = relative.size();
        const std::string_view part = relative.substr(from, slash - from);
        from = slash + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            current.erase(std::min(current.size(), current.rfind('/')));
            onDisk += "../";
            continue;
        }
        const Listing &listing = ListingOf(current);
        auto found = listing.byName.find(part);
        if (found == listing.byName.end())
            found = listing.byName.find(LowerAsciiCopy(part));
        if (found == listing.byName.end())
            return {Result::Missing, {}};
        wrongCase = wrongCase || found->second != part;
        if (!onDisk.empty() && onDisk.back() != '/')
            onDisk += '/';
        onDisk += found->second;
        current += '/';
        current += found->second;
    }
    return {wrongCase ? Result::WrongCase : Result::Found, onDisk};
}

std::string RelativeFilePart(std::string_view url)
{
    url = Trimmed(url);
    if (url.empty() || url[0] == '#' || url[0] == '/' || url[0] == '\\' || StartsWithScheme(url))
        return {};
    const std::size_t cut = url.find_first_of("?#");
    return PercentDecoded(url.substr(0, cut));
}

namespace {

// One pass over the page's tags collecting what the checks compare.
class PageChecker
{
public:
    PageChecker(std::string_view text, const CheckContext &context, FileLookup &files,
                std::size_t keep)
        : m_text(text)
        , m_context(context)
        , m_files(files)
        , m_lines(text)
        , m_keep(keep)
    {}

    // Instead of looking files up, lists them in `used`.
    void CollectFilesIn(std::vector<std::string> *used) { m_used = used; }

    std::vector<Finding> Run()
    {
        m_checkFiles = (m_used || !m_context.pageFolder.empty()) && !HasBaseHref();
        TagCursor cursor(m_text);
        std::size_t styleContent = npos; // where a STYLE element's content starts
        while (const auto tag = cursor.Next()) {
            if (styleContent != npos) {
                CheckStyleSheet(styleContent,
                                m_text.substr(styleContent, tag->begin - styleContent));
                styleContent = npos;
            }
            if (EqualsNoCase(tag->name, "template")) {
                // A template's content is a document of its own: its IDs are apart.
                if (!tag->isEndTag)
                    m_anchorScopes.emplace_back();
                else if (m_anchorScopes.size() > 1)
                    m_anchorScopes.pop_back();
            }
            if (tag->isEndTag)
                continue;
            CheckTag(*tag);
            if (EqualsNoCase(tag->name, "style"))
                styleContent = tag->end;
        }
        if (styleContent != npos)
            CheckStyleSheet(styleContent, m_text.substr(styleContent));
        CheckFragmentLinks();
        KeepFirst();
        PlaceFindings(m_findings, m_lines);
        return std::move(m_findings);
    }
    FindingCounts Counts() const { return m_counts; }

private:
    struct Span
    {
        std::size_t offset;
        std::size_t length;
    };

    // A BASE HREF makes relative URLs resolve elsewhere than the page's folder.
    bool HasBaseHref() const
    {
        TagCursor cursor(m_text);
        while (const auto tag = cursor.Next()) {
            if (!tag->isEndTag && EqualsNoCase(tag->name, "base") &&
                !TagValue(m_text, tag->begin, "href").empty())
                return true;
        }
        return false;
    }

    static Span ValueSpan(const TagAttribute &a)
    {
        const std::size_t begin = a.valueBegin + (a.quote ? 1 : 0);
        if (a.value.empty())
            return {a.begin, a.name.size()};
        return {begin, a.value.size()};
    }

    void Add(Severity severity, Span span, std::string_view text,
             std::vector<std::string> arguments, Fix fix = {})
    {
        ++m_counts.found;
        m_counts.errors += severity == Severity::Error;
        m_findings.push_back(Finding{severity, span.offset, 1, 1,
                                     std::max<std::size_t>(span.length, 1), FillIn(text, arguments),
                                     false, std::move(fix), text, std::move(arguments)});
        if (m_findings.size() / 2 >= m_keep)
            KeepFirst();
    }

    // Drops all but the first `m_keep` findings in text order.
    void KeepFirst()
    {
        if (m_findings.size() <= m_keep)
            return;
        std::stable_sort(m_findings.begin(), m_findings.end(),
                         [](const Finding &a, const Finding &b) { return a.offset < b.offset; });
        m_findings.resize(m_keep);
    }

    static const TagAttribute *Attribute(const std::vector<TagAttribute> &attributes,
                                         std::string_view name)
    {
        for (const TagAttribute &a : attributes)
            if (EqualsNoCase(a.name, name))
                return &a;
        return nullptr;
    }

    void CheckTag(const TagToken &tag)
    {
        const std::vector<TagAttribute> attributes = TagAttributes(m_text, tag.begin);
        const std::string_view name = tag.name;
        const bool link = EqualsNoCase(name, "a") || EqualsNoCase(name, "area");
        const bool applet = EqualsNoCase(name, "applet");
        const TagAttribute *codeBase = applet ? Attribute(attributes, "codebase") : nullptr;
        for (const TagAttribute &a : attributes) {
            if (EqualsNoCase(a.name, "id"))
                NoteAnchor(a, tag.begin, "ID");
            else if (EqualsNoCase(a.name, "name") && EqualsNoCase(name, "a"))
                NoteAnchor(a, tag.begin, "NAME");
            if (link && EqualsNoCase(a.name, "href") && Trimmed(a.value).starts_with('#'))
                m_fragmentLinks.push_back(a);
            if (!m_checkFiles)
                continue;
            if (EqualsNoCase(a.name, "src") || EqualsNoCase(a.name, "background") ||
                EqualsNoCase(a.name, "dynsrc") || EqualsNoCase(a.name, "lowsrc") ||
                EqualsNoCase(a.name, "poster") ||
                (EqualsNoCase(a.name, "data") && EqualsNoCase(name, "object")) ||
                (EqualsNoCase(a.name, "href") && !EqualsNoCase(name, "base")))
                CheckFile(a, {});
            else if (applet && EqualsNoCase(a.name, "code"))
                CheckFile(a, codeBase ? std::string_view(codeBase->value) : std::string_view());
            else if (EqualsNoCase(a.name, "srcset"))
                CheckPieces(a, SrcsetUrls(a.value));
            else if (EqualsNoCase(a.name, "style"))
                CheckPieces(a, StyleSheetUrls(a.value));
        }
        CheckAlt(tag, attributes);
    }

    // Files named by parts of a value (a SRCSET's candidates, a style's url()s).
    void CheckPieces(const TagAttribute &a, const std::vector<Piece> &pieces)
    {
        const std::size_t valueStart = ValueSpan(a).offset;
        for (const Piece &piece : pieces)
            CheckFileNamed(ValueAsRead(a.value.substr(piece.offset, piece.length)),
                           {valueStart + piece.offset, piece.length}, true);
    }

    void CheckStyleSheet(std::size_t start, std::string_view css)
    {
        if (!m_checkFiles)
            return;
        for (const Piece &piece : StyleSheetUrls(css))
            CheckFileNamed(Shown(css.substr(piece.offset, piece.length)),
                           {start + piece.offset, piece.length}, true, true);
    }

    void CheckFile(const TagAttribute &a, std::string_view base)
    {
        std::string value = ValueAsRead(a.value);
        if (!base.empty()) {
            const std::string baseFolder = RelativeFilePart(ValueAsRead(base));
            if (baseFolder.empty())
                return; // an applet from elsewhere
            value = baseFolder + (baseFolder.ends_with('/') ? "" : "/") + value;
        }
        // A CODE below its CODEBASE names only part of the path: no fix writes it whole.
        CheckFileNamed(std::move(value), ValueSpan(a), base.empty());
    }

    // `value`: a URL as the browser reads it (ValueAsRead); it stands as written in `span`,
    // and `fixable` when it names the whole path; `inStyleSheet` when no references are read
    // there.
    void CheckFileNamed(std::string value, Span span, bool fixable, bool inStyleSheet = false)
    {
        std::string relative = RelativeFilePart(value);
        if (relative.empty())
            return;
        if (m_used) {
            if (std::find(m_used->begin(), m_used->end(), relative) == m_used->end())
                m_used->push_back(std::move(relative));
            return;
        }
        const FileLookup::Answer answer = m_files.Find(m_context.pageFolder, relative);
        if (answer.result == FileLookup::Result::Missing) {
            Add(Severity::Error, span, kMissingFile, {Quoted(relative)},
                {fixable ? FixKind::ChooseFile : FixKind::None, 0, {}, inStyleSheet});
        } else if (answer.result == FileLookup::Result::WrongCase) {
            Fix fix;
            if (const auto respelled = RespelledPath(m_text.substr(span.offset, span.length),
                                                     answer.onDisk, m_context.utf8);
                respelled && fixable)
                fix = {FixKind::UseNameOnDisk, 0, *respelled};
            Add(Severity::Error, span, kWrongCase, {Quoted(relative), Quoted(answer.onDisk)},
                std::move(fix));
        }
    }

    void CheckAlt(const TagToken &tag, const std::vector<TagAttribute> &attributes)
    {
        const std::string_view name = tag.name;
        bool needsAlt = EqualsNoCase(name, "img") || EqualsNoCase(name, "area");
        if (EqualsNoCase(name, "input")) {
            const TagAttribute *type = Attribute(attributes, "type");
            needsAlt = type && EqualsNoCase(Trimmed(type->value), "image");
        }
        if (!needsAlt || Attribute(attributes, "alt"))
            return;
        std::string upper(name);
        for (char &c : upper)
            c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        Add(Severity::Warning, {tag.begin + 1, name.size()}, kWithoutAlt, {upper},
            {FixKind::GiveAlt, tag.begin});
    }

    // Messages are UTF-8 whatever the page's encoding.
    std::string Shown(std::string_view value) const
    {
        return m_context.utf8 ? std::string(value) : Latin1ToUtf8(value);
    }

    // An attribute's value as the browser reads it, in UTF-8: its references read too, so
    // that "R&amp;D.htm" names the file R&D.htm and "a&#233;" the anchor "aé".
    std::string ValueAsRead(std::string_view written) const
    {
        return WithReferencesRead(Shown(written));
    }

    // IDs and A NAMEs name the places a "#name" link goes to: one name, one element. An A
    // with both may give the same name twice.
    void NoteAnchor(const TagAttribute &a, std::size_t tagBegin, std::string_view kind)
    {
        std::string anchor = ValueAsRead(a.value);
        m_anchors.insert(anchor);
        const std::size_t offset = ValueSpan(a).offset;
        const auto [first, added] =
            m_anchorScopes.back().try_emplace(std::move(anchor), AnchorUse{offset, tagBegin});
        if (added || first->second.tagBegin == tagBegin)
            return;
        Add(Severity::Error, ValueSpan(a), kNameUsed,
            {std::string(kind), Quoted(first->first),
             std::to_string(m_lines.LineColumnOf(first->second.offset).first)});
    }

    void CheckFragmentLinks()
    {
        for (const TagAttribute &a : m_fragmentLinks) {
            const std::string target = ValueAsRead(Trimmed(a.value).substr(1));
            // "#" and "#top" lead to the page's top without any element.
            if (target.empty() || EqualsNoCase(target, "top"))
                continue;
            if (m_anchors.contains(target) || m_anchors.contains(PercentDecoded(target)))
                continue;
            Add(Severity::Error, ValueSpan(a), kNoTarget, {Quoted(target)});
        }
    }

    std::string_view m_text;
    const CheckContext &m_context;
    FileLookup &m_files;
    LineIndex m_lines;
    bool m_checkFiles = false;
    std::vector<std::string> *m_used = nullptr;
    struct AnchorUse
    {
        std::size_t offset;   // of the value
        std::size_t tagBegin; // of the element's tag
    };
    // The IDs and A NAMEs of the page, then of each TEMPLATE open at this point.
    std::vector<std::unordered_map<std::string, AnchorUse>> m_anchorScopes{1};
    std::unordered_set<std::string> m_anchors; // every one, for the links
    std::vector<TagAttribute> m_fragmentLinks;
    std::vector<Finding> m_findings;
    std::size_t m_keep;
    FindingCounts m_counts;
};

} // namespace

std::vector<Finding> CheckPage(std::string_view text, const CheckContext &context,
                               FileLookup &files, std::size_t keep, FindingCounts *counts)
{
    PageChecker checker(text, context, files, keep);
    std::vector<Finding> findings = checker.Run();
    if (counts)
        *counts = checker.Counts();
    return findings;
}

std::vector<std::string> FilesUsedBy(std::string_view text, bool utf8)
{
    CheckContext context;
    context.utf8 = utf8;
    FileLookup files;
    std::vector<std::string> used;
    PageChecker checker(text, context, files, 0);
    checker.CollectFilesIn(&used);
    checker.Run();
    return used;
}

std::vector<Finding> CheckPage(std::string_view text, const CheckContext &context)
{
    FileLookup files;
    return CheckPage(text, context, files);
}

} // namespace tarnel
