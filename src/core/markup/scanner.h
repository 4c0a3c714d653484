#pragma once
#include "ascii.h"
#include "elementrecord.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The scanner reads tags the way a browser's tokenizer does: names in any letter case,
// attribute values double-quoted, single-quoted or bare, nothing inside comments or inside
// the content of elements whose content is not markup (SCRIPT, STYLE, TEXTAREA, ...).
// It never builds a tree: the outline and re-editing only need tags and their indexes.

inline constexpr std::size_t NoTagEnd = std::string_view::npos;

struct TextRange
{
    std::size_t begin = 0;
    std::size_t end = 0;

    bool operator==(const TextRange &) const = default;
};

// One attribute as it stands in a tag; views into the scanned text.
struct TagAttribute
{
    std::string_view name;
    std::string_view value; // without its quotes, character references left as written
    std::size_t begin = 0;  // first character of the name
    std::size_t end = 0;    // one past the value (its closing quote included)
    // Where the value is written, its opening quote included; `end` when there is none.
    std::size_t valueBegin = 0;
    char quote = 0; // the value's quote, '"' or '\''; 0 for a bare value or none

    // False for an attribute written without "=" (`nowrap`).
    bool HasEqualsSign() const { return end != begin + name.size(); }
};

// A start or end tag found by the cursor.
struct TagToken
{
    std::size_t begin = 0; // the "<"
    std::size_t end = 0;   // one past the closing ">"
    std::string_view name; // as written
    bool isEndTag = false;
};

// Walks the tags of a text in order, stepping over text, comments, declarations and the
// content of raw-text elements. Start at 0 unless `from` is known to lie between tags.
class TagCursor
{
public:
    explicit TagCursor(std::string_view text, std::size_t from = 0);
    std::optional<TagToken> Next();

private:
    std::size_t SkipRawText(std::size_t from) const;

    std::string_view m_text;
    std::size_t m_pos;
    std::string_view m_rawTextName; // set after a SCRIPT, STYLE, ... start tag
};

// One past the ">" that closes the tag whose "<" is at `tagStart`: the first ">" outside a
// quoted attribute value. NoTagEnd when the text ends first (a browser drops such a tag).
std::size_t TagEnd(std::string_view text, std::size_t tagStart);

// From the "<" through the closing ">"; nullopt when `tagStart` is no "<" or the tag is open.
std::optional<TextRange> TagRange(std::string_view text, std::size_t tagStart);

// The tag name starting after "<" (or "</"), as written; empty when none starts there.
std::string_view TagName(std::string_view text, std::size_t tagStart);

// True when a start tag named `name` begins at `index` and is a tag a browser would see
// (not inside a comment, another tag or a script). Walks the text from its start.
bool StartTagAt(std::string_view text, std::size_t index, std::string_view name);

// The attributes of the tag at `tagStart`, in order, duplicates included.
std::vector<TagAttribute> TagAttributes(std::string_view text, std::size_t tagStart);

// An attribute value as the page means it: "&quot;" reads as a double quote.
std::string DecodeAttributeValue(std::string_view raw);

// The value of the attribute `name` (whole name, any case; the first one when repeated) of
// the tag at `tagStart`; empty when the tag has no such attribute.
std::string TagValue(std::string_view text, std::size_t tagStart, std::string_view name);

// The whole link element whose "<A" stands at `linkStart`, through the ">" of its "</A>".
// nullopt when no A tag starts there or the link is not closed before the next link starts.
std::optional<TextRange> LinkElementRange(std::string_view text, std::size_t linkStart);

// What the outline lists, each in document order; an index is that of the tag's "<".
// Images are listed by SRC, or by DYNSRC when an IMG has no SRC (a video clip).
struct PageElements
{
    std::vector<ElementRecord> images;
    std::vector<ElementRecord> applets;
    std::vector<ElementRecord> links;
};

// Every element the outline lists, in document order, to `visit`: for callers that need not
// keep them all (a page can hold millions).
using ElementVisitor = std::function<void(OutlineCategory, const ElementRecord &)>;
void ScanElements(std::string_view text, const ElementVisitor &visit);

// All three lists in one pass over the text.
PageElements ScanElements(std::string_view text);
// The same into lists kept from an earlier scan: a rescan that reuses their memory is
// several times faster on a large page.
void ScanElements(std::string_view text, PageElements &elements);

std::vector<ElementRecord> ScanImages(std::string_view text);
std::vector<ElementRecord> ScanApplets(std::string_view text);
std::vector<ElementRecord> ScanLinks(std::string_view text);

// The attribute an image entry was listed by: SRC, or DYNSRC for a video clip. nullopt when
// the tag at `index` is no IMG listing `value`.
enum class ImageSourceAttribute { Src, DynSrc };
std::optional<ImageSourceAttribute> ImageSourceOf(std::string_view text,
                                                  const ElementRecord &record);

} // namespace tarnel
