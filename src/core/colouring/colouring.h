#pragma once
#include "scanner.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// Style numbers double as the editor's style numbers (below 32, where the editor's own
// styles begin). The first six are HTML's; the rest colour the style sheets and scripts a
// page holds, and character references.
enum class Style : std::uint8_t {
    Plain,
    Keyword,
    Constant,
    Comment,
    Number,
    String,
    CssSelector,
    CssProperty,
    CssValue,
    CssColour,    // "#hex" and colour names
    CssAtRule,    // "@media" and the like
    CssImportant, // "!important"
    CodeNumber,   // a number in CSS (with its unit) or JavaScript
    CodeString,   // a quoted string in CSS or JavaScript
    CodeComment,  // a comment in CSS or JavaScript
    JsKeyword,
    JsTemplate, // a template literal's text, its quotes and its "${" and "}"
    JsRegex,
    CharReference, // "&amp;", "&#233;", "&#x20AC;"
};
inline constexpr int StyleCount = 19;

struct StyleRun
{
    std::size_t start, end;
    Style style;
    bool operator==(const StyleRun &) const = default;
};

// A listed name typed in another letter case: `text` replaces as many bytes at `position`.
struct Rewrite
{
    std::size_t position;
    std::string text;
    bool operator==(const Rewrite &) const = default;
};

struct ScanResult
{
    std::vector<StyleRun> runs;
    std::vector<Rewrite> rewrites;
};

// How a style is shown: colour as 0x00BBGGRR (red in the low byte) and weight.
struct StyleLook
{
    std::uint32_t colour;
    bool bold;
    bool operator==(const StyleLook &) const = default;
};

// Everything a scan needs to know about the text before a line to colour that line exactly
// as a pass from the top would. Quoted and unquoted values and names never span lines, so
// they need no place here.
enum class Context : std::uint8_t {
    Text,           // outside any tag
    Tag,            // inside a tag, where names stand
    AttributeValue, // after "=", before the value
    Comment,        // inside <!-- -->
    RawText,        // the content of an element a browser reads as text, where only its
                    // closing tag counts (PLAINTEXT has none: it runs to the end)
};
// The elements whose content a browser reads as text, as the tag scanner knows them.
enum class RawElement : std::uint8_t {
    None,
    Script,
    Style,
    Title,
    Textarea,
    Xmp,
    Iframe,
    Noembed,
    Noframes,
    Plaintext,
};

// The language a SCRIPT or STYLE element's content is coloured as.
enum class Language : std::uint8_t { None, Css, JavaScript };

// What a tag read so far says about the values that follow (bits of LineState::attributes).
enum TagAttributeBits : std::uint8_t {
    AtTagName = 1,        // the next name is the tag's own
    NextValueIsType = 2,  // the value that comes next is the TYPE of a SCRIPT or STYLE
    NextValueIsStyle = 4, // the value that comes next is a STYLE attribute's
    TypeRead = 8,         // the tag's TYPE was read (a browser keeps the first)
    // The value that comes next is a colour attribute's (BGCOLOR, COLOR, TEXT, ...); noted
    // only by a pass that asks for those values (PassOutput::colourAttributeValues).
    NextValueIsColour = 16,
};

struct LineState
{
    Context context = Context::Text;
    // For a tag: the raw-text element its ">" opens; for raw text: the element it belongs to.
    RawElement raw = RawElement::None;
    // For a SCRIPT or STYLE tag and its content: the language the content holds.
    Language language = Language::None;
    std::uint8_t attributes = 0; // TagAttributeBits, in a tag
    // In the content of a SCRIPT or STYLE: the state of its language's scan, packed (see
    // CssState and ScriptState); 0 where the content begins.
    std::uint32_t code = 0;
    bool operator==(const LineState &) const = default;
};

// Told the state at each line start a pass reaches; returning false ends the pass there.
// A long line also has resume points: right after a ">" that ends a tag, or a ";", "{" or
// "}" of a style sheet or a script, where a pass can start again in a line state as if a line
// began there. The pass tells the first one at or after nextResumePoint, so a long line can be
// coloured a piece at a time.
class LineObserver
{
public:
    virtual bool AtLineStart(std::size_t position, LineState state) = 0;
    virtual bool AtResumePoint(std::size_t position, LineState state)
    {
        (void)position;
        (void)state;
        return true;
    }
    std::size_t nextResumePoint = static_cast<std::size_t>(-1);

protected:
    ~LineObserver() = default;
};

// Some bytes of a text: `bytes` holds [base, base + bytes.size()) of a text of `textSize`
// bytes, so that an editor that keeps its text in pieces can hand over just the lines a pass
// reads. A whole text converts implicitly.
struct TextWindow
{
    TextWindow(std::string_view text)
        : bytes(text)
        , textSize(text.size())
    {}
    TextWindow(const std::string &text)
        : TextWindow(std::string_view(text))
    {}
    TextWindow(std::string_view bytes, std::size_t base, std::size_t textSize)
        : bytes(bytes)
        , base(base)
        , textSize(textSize)
    {}

    std::string_view bytes;
    std::size_t base = 0;
    std::size_t textSize = 0;
};

// Where a pass ended and the state there (exact when `position` is a line start).
struct PassEnd
{
    std::size_t position;
    LineState state;
};

// Outputs of a pass; each may be left out.
struct PassOutput
{
    // styles[i] receives the style of byte stylesFrom + i, for the bytes of
    // [max(lineStart, stylesFrom), pass end).
    std::uint8_t *styles = nullptr;
    std::size_t stylesFrom = 0;
    // Rewrites of the words that overlap [stylesFrom, end).
    std::vector<Rewrite> *rewrites = nullptr;
    LineObserver *lines = nullptr;
    // The values of the HTML colour attributes read, without their quotes. A value whose
    // name stands on an earlier line than the pass's start is not told.
    std::vector<TextRange> *colourAttributeValues = nullptr;
};

// What the text says about one position: for deciding whether to offer names there.
struct CaretContext
{
    LineState state;            // the state in which the character at the position is read
    bool inQuotedValue = false; // the position lies inside a quoted attribute value
    bool inComment = false;
    // In a tag: the position of its "<" when the tag began on the position's line.
    std::size_t tagStart = static_cast<std::size_t>(-1);
    // The style of the token that covers the position (Plain where none does).
    Style style = Style::Plain;
    // In a quoted STYLE value, up to its closing quote: how its declarations read at the
    // position (a CssState, packed), as state.code tells it for STYLE content.
    std::optional<std::uint32_t> styleValueCss;
};

// How the page reads at a position: the colourer's answer, for the few positions asked.
using ContextOracle = std::function<CaretContext(std::size_t position)>;

// Where a tag can start: in text, not in a comment, a value or a text-only element's content.
bool TagCanStartAt(const CaretContext &context);
// Inside a tag's markup (names, "=", values), not in a comment.
bool InTagMarkup(const CaretContext &context);
// The ">" read there ends a tag: in a tag, outside its quoted values.
bool EndsTagAt(const CaretContext &context);

// The line breaks a scan knows: "\r\n", "\n" and a "\r" alone. Returns the start of the line
// holding `position`.
std::size_t LineStartOf(std::string_view text, std::size_t position);

// Colours HTML text: tag and attribute names found in its lists (coloured and, unless case
// sensitive, rewritten in the lists' spelling), quoted attribute values, numbers, comments and
// character references; the CSS of STYLE content and quoted STYLE values, and the JavaScript of
// SCRIPT content (of no TYPE, a JavaScript one or "module"). The content of SCRIPT and STYLE,
// attribute values and text outside tags are never rewritten.
class ColourEngine
{
public:
    ColourEngine();

    // Takes effect for lists added afterwards and for every later lookup.
    void SetCaseSensitive(bool caseSensitive);
    void SetChangeCase(bool changeCase);
    // Spells the names, and rewrites names typed in another case, in lower case rather than
    // in the lists' spelling.
    void SetLowerCaseSpelling(bool lower);
    // Characters that open and close an attribute value.
    void SetStringQuotes(std::string_view quotes);
    void AddKeywords(std::string_view words);
    void AddConstants(std::string_view words);
    void SetKeywordColor(std::uint32_t colour, bool bold);
    void SetConstantColor(std::uint32_t colour, bool bold);
    void SetCommentColor(std::uint32_t colour, bool bold);
    void SetNumberColor(std::uint32_t colour, bool bold);
    void SetStringColor(std::uint32_t colour, bool bold);

    StyleLook Look(Style style) const { return m_looks[static_cast<int>(style)]; }
    std::string_view Keywords() const { return m_keywords; }
    std::string_view Constants() const { return m_constants; }

    // The list's own spelling of a word, when listed.
    std::optional<std::string_view> FindKeyword(std::string_view word) const;
    std::optional<std::string_view> FindConstant(std::string_view word) const;

    // Runs over [start, end), in order and merged, starting in the state the text before
    // `start` implies; and the rewrites of the words overlapping that range. Finds that state
    // by reading the text from its start: a caller that keeps line states uses Pass instead.
    ScanResult Scan(std::string_view text, std::size_t start, std::size_t end) const;

    // The hot path: one pass from `lineStart`, which must be a line start (or a resume point)
    // read in `state`, up
    // to `end` or to the line start where out.lines ends it. Tokens that begin before `end`
    // are read whole, but no style is written at or after `end`. A window must hold the
    // lines from `lineStart` up to `end` and one byte more (or up to the text's end): no
    // token and no look-ahead reaches past a line break but for the "\n" of a "\r\n".
    PassEnd Pass(TextWindow text, std::size_t lineStart, LineState state, std::size_t end,
                 const PassOutput &out) const;

    // The state at a line start, read from the top of the text.
    LineState StateAt(std::string_view text, std::size_t lineStart) const;

    // How the byte at `position` is read, given the state at its line's start. A window must
    // hold the whole line and one byte more.
    CaretContext ContextAt(TextWindow text, std::size_t lineStart, LineState state,
                           std::size_t position) const;

    struct Name
    {
        std::string key; // folded as it was when its list was added
        std::string keyword, constant;
    };
    // The name a word is, or null; for the scan.
    const Name *Lookup(const char *word, std::size_t length) const;

    enum CharClass : std::uint8_t {
        Other,
        Letter, // letters, "_" and bytes above 127
        Digit,
        Less,
        Greater,
        Equals,
        Quote,
        Blank, // blank, tab, form feed
        LineFeed,
        Return,
        Hyphen,
        Ampersand,
    };
    CharClass Class(unsigned char c) const { return m_class[c]; }
    const CharClass *ClassTable() const { return m_class.data(); }
    bool CaseSensitive() const { return m_caseSensitive; }
    bool ChangeCase() const { return m_changeCase; }

private:
    void RebuildNames();
    void AddNames(std::string_view list, bool fold, bool keyword);
    void Place(const std::string &key, std::size_t index);

    bool m_caseSensitive = false;
    bool m_changeCase = true;
    bool m_lowerCaseSpelling = false;
    std::string m_keywords;
    std::string m_constants;
    bool m_keywordsFolded = true;
    bool m_constantsFolded = true;
    std::vector<Name> m_names;
    struct Slot
    {
        std::uint32_t hash = 0;
        std::int32_t index = -1;
    };
    std::vector<Slot> m_slots; // open addressing over m_names
    std::size_t m_longestName = 0;
    std::array<CharClass, 256> m_class{};
    std::array<StyleLook, StyleCount> m_looks{};
};

// The engine as the source view uses it: case-insensitive, the tag names as keywords and the
// attribute names as constants, double and single quotes around values.
ColourEngine MakeHtmlColourEngine();

// Whether typing `typed` opens the completion list, given how the text reads where it was
// typed: a "<" where a tag can start; a blank inside a tag, outside a quoted value (whatever
// follows on the line).
bool OpensCompletionList(char typed, const CaretContext &context);
// The same for the character just before `caret`, reading the text from its top.
bool OpensCompletionList(const ColourEngine &engine, std::string_view text, std::size_t caret);

} // namespace tarnel
