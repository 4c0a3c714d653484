#include "completion.h"

#include "ascii.h"
#include "namedcolours.h"
#include "scanner.h"
#include "webdata.h"
#include "wordlists.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>

namespace tarnel {

namespace {

constexpr std::string_view GlobalAttributes =
    "ID CLASS STYLE TITLE LANG DIR ACCESSKEY TABINDEX HIDDEN CONTENTEDITABLE DRAGGABLE"
    " SPELLCHECK TRANSLATE ONCLICK ONDBLCLICK ONMOUSEDOWN ONMOUSEUP ONMOUSEOVER ONMOUSEOUT"
    " ONKEYDOWN ONKEYUP ONKEYPRESS";

// Each element's own attributes, older ones kept on the elements that had them.
const std::map<std::string_view, std::string_view> &OwnAttributes()
{
    static const std::map<std::string_view, std::string_view> table{
        {"A", "HREF NAME TARGET REL REV DOWNLOAD TYPE REFERRERPOLICY"},
        {"APPLET", "CODE CODEBASE ARCHIVE NAME WIDTH HEIGHT ALIGN HSPACE VSPACE ALT"},
        {"AREA", "SHAPE COORDS HREF NOHREF ALT TARGET"},
        {"AUDIO", "SRC AUTOPLAY CONTROLS LOOP MUTED PRELOAD CROSSORIGIN"},
        {"BASE", "HREF TARGET"},
        {"BASEFONT", "SIZE COLOR FACE"},
        {"BGSOUND", "SRC LOOP VOLUME BALANCE"},
        {"BLOCKQUOTE", "CITE"},
        {"BODY", "BACKGROUND BGCOLOR TEXT LINK ALINK LEFTMARGIN TOPMARGIN RIGHTMARGIN"
                 " BOTTOMMARGIN BGPROPERTIES SCROLL ONLOAD ONUNLOAD"},
        {"BR", "CLEAR"},
        {"BUTTON", "TYPE NAME VALUE DISABLED AUTOFOCUS"},
        {"CAPTION", "ALIGN"},
        {"COL", "SPAN WIDTH ALIGN VALIGN"},
        {"COLGROUP", "SPAN WIDTH ALIGN VALIGN"},
        {"DEL", "CITE DATETIME"},
        {"DETAILS", "OPEN"},
        {"DIALOG", "OPEN"},
        {"DIV", "ALIGN"},
        {"EMBED", "SRC WIDTH HEIGHT TYPE HIDDEN LOOP VOLUME"},
        {"FIELDSET", "DISABLED NAME"},
        {"FONT", "SIZE COLOR FACE"},
        {"FORM", "ACTION METHOD ENCTYPE TARGET NAME ONSUBMIT ONRESET ACCEPT-CHARSET"
                 " AUTOCOMPLETE"},
        {"FRAME", "SRC NAME FRAMEBORDER MARGINWIDTH MARGINHEIGHT NORESIZE SCROLLING"},
        {"FRAMESET", "ROWS BORDER FRAMEBORDER FRAMESPACING ONLOAD ONUNLOAD"},
        {"H1", "ALIGN"},
        {"H2", "ALIGN"},
        {"H3", "ALIGN"},
        {"H4", "ALIGN"},
        {"H5", "ALIGN"},
        {"H6", "ALIGN"},
        {"HR", "ALIGN SIZE WIDTH NOSHADE COLOR"},
        {"IFRAME", "SRC NAME WIDTH HEIGHT FRAMEBORDER MARGINWIDTH MARGINHEIGHT SCROLLING ALIGN"
                   " SANDBOX ALLOWFULLSCREEN LOADING REFERRERPOLICY"},
        {"IMG", "SRC ALT WIDTH HEIGHT BORDER ALIGN HSPACE VSPACE ISMAP USEMAP LOWSRC DYNSRC LOOP"
                " NAME SRCSET SIZES LOADING DECODING CROSSORIGIN REFERRERPOLICY ONLOAD ONERROR"},
        {"INPUT", "TYPE NAME VALUE SIZE MAXLENGTH CHECKED DISABLED READONLY SRC ALT ALIGN ACCEPT"
                  " PLACEHOLDER REQUIRED AUTOFOCUS AUTOCOMPLETE PATTERN MIN MAX STEP MULTIPLE"
                  " ONFOCUS ONBLUR ONSELECT ONCHANGE ONINPUT"},
        {"INS", "CITE DATETIME"},
        {"ISINDEX", "PROMPT ACTION"},
        {"LABEL", "FOR"},
        {"LEGEND", "ALIGN"},
        {"LI", "TYPE VALUE"},
        {"LINK", "HREF REL REV TYPE CHARSET SIZES CROSSORIGIN INTEGRITY"},
        {"MAP", "NAME"},
        {"MARQUEE", "BEHAVIOR DIRECTION LOOP SCROLLAMOUNT SCROLLDELAY TRUESPEED BGCOLOR WIDTH"
                    " HEIGHT HSPACE VSPACE ALIGN"},
        {"META", "NAME CONTENT HTTP-EQUIV CHARSET"},
        {"METER", "VALUE MIN MAX"},
        {"MULTICOL", "GUTTER WIDTH"},
        {"OBJECT", "CLASSID CODEBASE CODETYPE DATA DECLARE TYPE STANDBY WIDTH HEIGHT NAME USEMAP"
                   " BORDER HSPACE VSPACE ARCHIVE SHAPES ALIGN"},
        {"OL", "TYPE START COMPACT"},
        {"OPTION", "VALUE SELECTED DISABLED"},
        {"OUTPUT", "FOR NAME"},
        {"P", "ALIGN"},
        {"PARAM", "NAME VALUE"},
        {"PRE", "WIDTH"},
        {"PROGRESS", "VALUE MAX"},
        {"Q", "CITE"},
        {"SCRIPT", "SRC TYPE LANGUAGE ASYNC DEFER INTEGRITY CROSSORIGIN CHARSET"},
        {"SELECT", "NAME SIZE MULTIPLE DISABLED REQUIRED AUTOFOCUS ONFOCUS ONBLUR ONCHANGE"},
        {"SOURCE", "SRC TYPE SRCSET SIZES"},
        {"SPACER", "TYPE SIZE WIDTH HEIGHT ALIGN"},
        {"STYLE", "TYPE"},
        {"TABLE", "BORDER CELLSPACING CELLPADDING WIDTH HEIGHT ALIGN BGCOLOR BACKGROUND"
                  " BORDERCOLOR BORDERCOLORLIGHT BORDERCOLORDARK RULES"},
        {"TBODY", "ALIGN VALIGN"},
        {"TD", "ALIGN VALIGN WIDTH HEIGHT BGCOLOR BACKGROUND COLSPAN ROWSPAN NOWRAP BORDERCOLOR"
               " BORDERCOLORLIGHT BORDERCOLORDARK HEADERS"},
        {"TEXTAREA", "NAME ROWS WRAP DISABLED READONLY PLACEHOLDER REQUIRED MAXLENGTH AUTOFOCUS"
                     " ONFOCUS ONBLUR ONSELECT ONCHANGE ONINPUT"},
        {"TFOOT", "ALIGN VALIGN"},
        {"TH", "ALIGN VALIGN WIDTH HEIGHT BGCOLOR BACKGROUND COLSPAN ROWSPAN NOWRAP BORDERCOLOR"
               " BORDERCOLORLIGHT BORDERCOLORDARK HEADERS SCOPE"},
        {"THEAD", "ALIGN VALIGN"},
        {"TIME", "DATETIME"},
        {"TR", "ALIGN VALIGN BGCOLOR BORDERCOLOR BORDERCOLORLIGHT BORDERCOLORDARK"},
        {"TRACK", "SRC"},
        {"UL", "TYPE COMPACT"},
        {"VIDEO", "SRC POSTER WIDTH HEIGHT AUTOPLAY CONTROLS LOOP MUTED PRELOAD CROSSORIGIN"},
    };
    return table;
}

using Values = std::span<const std::string_view>;

constexpr std::array<std::string_view, 4> BlockAlign{"LEFT", "CENTER", "RIGHT", "JUSTIFY"};
constexpr std::array<std::string_view, 9> ObjectAlign{
    "LEFT", "RIGHT", "TOP", "TEXTTOP", "MIDDLE", "ABSMIDDLE", "BASELINE", "BOTTOM", "ABSBOTTOM"};
constexpr std::array<std::string_view, 4> CaptionAlign{"TOP", "BOTTOM", "LEFT", "RIGHT"};
constexpr std::array<std::string_view, 4> VerticalAlign{"TOP", "MIDDLE", "BOTTOM", "BASELINE"};
constexpr std::array<std::string_view, 18> InputTypes{
    "BUTTON",   "CHECKBOX", "COLOR", "DATE",  "EMAIL",  "FILE",   "HIDDEN", "IMAGE", "NUMBER",
    "PASSWORD", "RADIO",    "RANGE", "RESET", "SEARCH", "SUBMIT", "TEL",    "TEXT",  "URL"};
constexpr std::array<std::string_view, 3> ButtonTypes{"BUTTON", "RESET", "SUBMIT"};
constexpr std::array<std::string_view, 5> NumberingTypes{"1", "A", "a", "I", "i"};
constexpr std::array<std::string_view, 3> BulletTypes{"DISC", "CIRCLE", "SQUARE"};
constexpr std::array<std::string_view, 8> ItemTypes{"DISC", "CIRCLE", "SQUARE", "1",
                                                    "A",    "a",      "I",      "i"};
constexpr std::array<std::string_view, 3> SpacerTypes{"HORIZONTAL", "VERTICAL", "BLOCK"};
constexpr std::array<std::string_view, 2> Methods{"GET", "POST"};
constexpr std::array<std::string_view, 4> Targets{"_blank", "_parent", "_self", "_top"};
constexpr std::array<std::string_view, 3> Directions{"LTR", "RTL", "AUTO"};
constexpr std::array<std::string_view, 4> Shapes{"RECT", "CIRCLE", "POLY", "DEFAULT"};
constexpr std::array<std::string_view, 3> Scrolling{"YES", "NO", "AUTO"};
constexpr std::array<std::string_view, 4> FrameBorders{"1", "0", "YES", "NO"};
constexpr std::array<std::string_view, 4> Clears{"LEFT", "RIGHT", "ALL", "NONE"};
constexpr std::array<std::string_view, 3> Behaviors{"SCROLL", "SLIDE", "ALTERNATE"};
constexpr std::array<std::string_view, 4> MarqueeDirections{"LEFT", "RIGHT", "UP", "DOWN"};
constexpr std::array<std::string_view, 2> YesNo{"YES", "NO"};
constexpr std::array<std::string_view, 3> Preloads{"none", "metadata", "auto"};
constexpr std::array<std::string_view, 2> Loadings{"lazy", "eager"};
constexpr std::array<std::string_view, 3> Decodings{"sync", "async", "auto"};
constexpr std::array<std::string_view, 3> Wraps{"OFF", "SOFT", "HARD"};
constexpr std::array<std::string_view, 3> EncodingTypes{"application/x-www-form-urlencoded",
                                                        "multipart/form-data", "text/plain"};
constexpr std::array<std::string_view, 2> CrossOrigins{"anonymous", "use-credentials"};
constexpr std::array<std::string_view, 1> BackgroundProperties{"FIXED"};
constexpr std::array<std::string_view, 4> Scopes{"row", "col", "rowgroup", "colgroup"};
constexpr std::array<std::string_view, 5> Rules{"NONE", "GROUPS", "ROWS", "COLS", "ALL"};

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

Values AlignValues(std::string_view element)
{
    if (OneOf(element, {"IMG", "APPLET", "IFRAME", "OBJECT", "EMBED", "INPUT", "SPACER"}))
        return ObjectAlign;
    if (OneOf(element, {"CAPTION", "LEGEND"}))
        return CaptionAlign;
    return BlockAlign;
}

Values TypeValues(std::string_view element)
{
    if (element == "INPUT")
        return InputTypes;
    if (element == "BUTTON")
        return ButtonTypes;
    if (element == "OL")
        return NumberingTypes;
    if (element == "UL")
        return BulletTypes;
    if (element == "LI")
        return ItemTypes;
    if (element == "SPACER")
        return SpacerTypes;
    return {};
}

// A tag read from its "<" up to the caret.
struct TagReading
{
    CompletionContext context;
    bool inTag = true; // false when the tag ended before the caret
};

// Reads the name at `p`; returns its end.
std::size_t NameEnd(std::string_view text, std::size_t p)
{
    while (p < text.size() && IsNameChar(text[p]))
        ++p;
    return p;
}

CompletionContext ValueContext(const std::string &element, const std::string &attribute,
                               std::string_view typed)
{
    CompletionContext context;
    context.element = element;
    context.attribute = attribute;
    if (NamesAFile(attribute)) {
        const std::size_t slash = typed.rfind('/');
        const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
        context.kind = CompletionKind::FileName;
        context.folder = std::string(typed.substr(0, nameStart));
        context.typedLength = typed.size() - nameStart;
    } else if (!FixedValuesOf(element, attribute).empty()) {
        context.kind = CompletionKind::AttributeValue;
        context.typedLength = typed.size();
    }
    return context;
}

// Reads the tag that starts with the "<" at `start` of `text`, which ends at the caret.
CompletionContext ReadTag(std::string_view text, std::size_t start)
{
    CompletionContext context;
    std::size_t p = start + 1;
    const bool closing = p < text.size() && text[p] == '/';
    if (closing)
        ++p;
    const std::size_t nameStart = p;
    // "<!" begins a declaration or a comment, whose names the list offers too.
    p = NameEnd(text, p < text.size() && text[p] == '!' ? p + 1 : p);
    if (p == text.size()) {
        if (nameStart < p && !(text[nameStart] >= 'A' && text[nameStart] <= 'Z') &&
            !(text[nameStart] >= 'a' && text[nameStart] <= 'z') && text[nameStart] != '!')
            return context;
        context.kind = closing ? CompletionKind::ClosingTagName : CompletionKind::TagName;
        context.typedLength = p - nameStart;
        return context;
    }
    if (closing || p == nameStart || text[nameStart] == '!')
        return context;
    const std::string element = UpperCase(text.substr(nameStart, p - nameStart));
    std::vector<std::string> present;
    while (true) {
        while (p < text.size() && (IsHtmlSpace(text[p]) || text[p] == '/'))
            ++p;
        if (p == text.size()) {
            context.kind = CompletionKind::AttributeName;
            break;
        }
        if (text[p] == '>' || text[p] == '<')
            return {};
        const std::size_t attributeStart = p;
        while (p < text.size() && !IsHtmlSpace(text[p]) && text[p] != '=' && text[p] != '>' &&
               text[p] != '/' && text[p] != '<')
            ++p;
        if (p == text.size()) {
            context.kind = CompletionKind::AttributeName;
            context.typedLength = p - attributeStart;
            break;
        }
        const std::string attribute = UpperCase(text.substr(attributeStart, p - attributeStart));
        present.push_back(attribute);
        std::size_t q = p;
        while (q < text.size() && IsHtmlSpace(text[q]))
            ++q;
        if (q == text.size() || text[q] != '=')
            continue;
        p = q + 1;
        while (p < text.size() && IsHtmlSpace(text[p]))
            ++p;
        if (p == text.size())
            return ValueContext(element, attribute, {});
        if (text[p] == '"' || text[p] == '\'') {
            const std::size_t close = text.find(text[p], p + 1);
            if (close == std::string_view::npos)
                return ValueContext(element, attribute, text.substr(p + 1));
            p = close + 1;
        } else {
            const std::size_t valueStart = p;
            while (p < text.size() && !IsHtmlSpace(text[p]) && text[p] != '>')
                ++p;
            if (p == text.size())
                return ValueContext(element, attribute, text.substr(valueStart));
        }
    }
    context.element = element;
    context.present = std::move(present);
    return context;
}

// The elements open at the end of `text`, innermost first, as the tag reader finds them:
// tags in comments, scripts and other text-only content do not count, and an end tag closes
// the nearest open element of its name with all opened inside it, as a browser does.
std::vector<std::string> OpenElements(std::string_view text)
{
    std::vector<std::string> stack;
    TagCursor cursor(text);
    while (const auto tag = cursor.Next()) {
        std::string name = UpperCase(tag->name);
        if (!tag->isEndTag) {
            const bool selfClosed = tag->end >= 2 && text[tag->end - 2] == '/';
            if (!IsVoidElement(name) && !selfClosed)
                stack.push_back(std::move(name));
            continue;
        }
        const auto match = std::find(stack.rbegin(), stack.rend(), name);
        if (match != stack.rend())
            stack.erase(std::prev(match.base()), stack.end());
    }
    std::vector<std::string> open;
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (std::find(open.begin(), open.end(), *it) == open.end())
            open.push_back(*it);
    return open;
}

} // namespace

CompletionContext CompletionContextAt(std::string_view before)
{
    if (before.size() > CompletionLookBack)
        before = before.substr(before.size() - CompletionLookBack);
    const std::size_t lt = before.rfind('<');
    if (lt == std::string_view::npos)
        return {};
    if (before.find('>', lt) != std::string_view::npos)
        return {};
    CompletionContext context = ReadTag(before, lt);
    if (context.kind == CompletionKind::ClosingTagName)
        context.open = OpenElements(before.substr(0, lt));
    return context;
}

std::vector<std::string_view> CompletionCandidates(const CompletionContext &context)
{
    std::vector<std::string_view> names;
    switch (context.kind) {
    case CompletionKind::TagName:
    case CompletionKind::ClosingTagName: {
        for (const std::string &open : context.open)
            names.push_back(open);
        std::vector<std::string_view> others;
        for (std::string_view name : Words(TagNameList())) {
            const bool element = name[0] != '/' && name.find('=') == std::string_view::npos;
            const bool closable = name[0] != '!' && !IsVoidElement(name);
            if (!element || (context.kind == CompletionKind::ClosingTagName && !closable))
                continue;
            if (std::find(context.open.begin(), context.open.end(), name) == context.open.end())
                others.push_back(name);
        }
        for (const WebElement &element : WebElements()) {
            const bool closable = !IsVoidElement(element.name);
            if ((context.kind == CompletionKind::TagName || closable) &&
                std::find(context.open.begin(), context.open.end(), element.name) ==
                    context.open.end())
                others.push_back(element.name);
        }
        std::sort(others.begin(), others.end());
        others.erase(std::unique(others.begin(), others.end()), others.end());
        names.insert(names.end(), others.begin(), others.end());
        break;
    }
    case CompletionKind::AttributeName:
        for (std::string_view name : AttributesOf(context.element))
            if (std::find(context.present.begin(), context.present.end(), name) ==
                context.present.end())
                names.push_back(name);
        break;
    case CompletionKind::AttributeValue: {
        const Values values = FixedValuesOf(context.element, context.attribute);
        names.assign(values.begin(), values.end());
        break;
    }
    case CompletionKind::CssProperty:
        for (const CssProperty &property : CssProperties())
            names.push_back(property.name);
        break;
    case CompletionKind::CssValue:
        if (const CssProperty *property = FindWebEntry(CssProperties(), context.attribute)) {
            for (const WebValue &value : property->values)
                names.push_back(value.name);
            if (property->takesColour)
                names.insert(names.end(), ColourKeywords().begin(), ColourKeywords().end());
            std::sort(names.begin(), names.end());
            names.erase(std::unique(names.begin(), names.end()), names.end());
        }
        break;
    case CompletionKind::FileName:
    case CompletionKind::None:
        break;
    }
    return names;
}

std::vector<std::string_view> AttributesOf(std::string_view element)
{
    std::vector<std::string_view> names;
    const auto &table = OwnAttributes();
    const auto own = table.find(element);
    const WebElement *known = FindWebEntry(WebElements(), element);
    if (own == table.end() && !known) {
        names = Words(AttributeNameList());
    } else {
        names = Words(GlobalAttributes);
        if (own != table.end()) {
            const std::vector<std::string_view> more = Words(own->second);
            names.insert(names.end(), more.begin(), more.end());
        }
        if (known)
            for (const WebAttribute &attribute : known->attributes)
                names.push_back(attribute.name);
    }
    for (const WebAttribute &attribute : WebGlobalAttributes())
        names.push_back(attribute.name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

namespace {

// The values of the tables above.
Values ListedValuesOf(std::string_view element, std::string_view attribute)
{
    static const std::map<std::string_view, Values> common{
        {"VALIGN", VerticalAlign},
        {"METHOD", Methods},
        {"TARGET", Targets},
        {"DIR", Directions},
        {"SHAPE", Shapes},
        {"SCROLLING", Scrolling},
        {"FRAMEBORDER", FrameBorders},
        {"CLEAR", Clears},
        {"BEHAVIOR", Behaviors},
        {"DIRECTION", MarqueeDirections},
        {"SCROLL", YesNo},
        {"PRELOAD", Preloads},
        {"LOADING", Loadings},
        {"DECODING", Decodings},
        {"WRAP", Wraps},
        {"ENCTYPE", EncodingTypes},
        {"CROSSORIGIN", CrossOrigins},
        {"BGPROPERTIES", BackgroundProperties},
        {"SCOPE", Scopes},
        {"RULES", Rules},
    };
    if (attribute == "ALIGN")
        return AlignValues(element);
    if (attribute == "TYPE")
        return TypeValues(element);
    const auto found = common.find(attribute);
    return found == common.end() ? Values() : found->second;
}

// The browsers' attribute of that name: the element's own, else a global one.
const WebAttribute *WebAttributeOf(std::string_view element, std::string_view attribute)
{
    if (const WebElement *known = FindWebEntry(WebElements(), element))
        if (const WebAttribute *own = FindWebEntry(known->attributes, attribute))
            return own;
    return FindWebEntry(WebGlobalAttributes(), attribute);
}

// Whether `listed` has `value`: in its spelling, or in another letter case unless the
// browsers' set spells that value both ways ("a" and "A" are two numberings).
bool HasValue(Values listed, std::span<const WebValue> web, std::string_view value)
{
    for (std::string_view old : listed) {
        if (old == value)
            return true;
        if (EqualsNoCase(old, value) &&
            std::none_of(web.begin(), web.end(), [&](const WebValue &v) { return v.name == old; }))
            return true;
    }
    return false;
}

// The listed values and then the browsers' others; made once for each pair of tables.
Values UnionOf(Values listed, std::span<const WebValue> web)
{
    static std::mutex guard;
    static std::map<std::pair<const void *, const void *>, std::vector<std::string_view>> made;
    const std::lock_guard lock(guard);
    auto [at, fresh] = made.try_emplace({listed.data(), web.data()});
    if (fresh) {
        at->second.assign(listed.begin(), listed.end());
        for (const WebValue &value : web)
            if (!HasValue(listed, web, value.name))
                at->second.push_back(value.name);
    }
    return at->second;
}

std::string_view DescriptionOfValue(std::span<const WebValue> values, std::string_view value)
{
    for (const WebValue &known : values)
        if (EqualsNoCase(known.name, value))
            return known.description;
    return {};
}

} // namespace

std::span<const std::string_view> FixedValuesOf(std::string_view element,
                                                std::string_view attribute)
{
    const Values listed = ListedValuesOf(element, attribute);
    const WebAttribute *web = WebAttributeOf(element, attribute);
    if (!web || web->values.empty())
        return listed;
    return UnionOf(listed, web->values);
}

std::string_view CompletionDescription(const CompletionContext &context, std::string_view entry)
{
    switch (context.kind) {
    case CompletionKind::TagName:
    case CompletionKind::ClosingTagName: {
        const WebElement *element = FindWebEntry(WebElements(), entry);
        return element ? element->description : std::string_view();
    }
    case CompletionKind::AttributeName: {
        const WebAttribute *attribute = WebAttributeOf(context.element, entry);
        return attribute ? attribute->description : std::string_view();
    }
    case CompletionKind::AttributeValue: {
        const WebAttribute *attribute = WebAttributeOf(context.element, context.attribute);
        return attribute ? DescriptionOfValue(attribute->values, entry) : std::string_view();
    }
    case CompletionKind::CssProperty: {
        const CssProperty *property = FindWebEntry(CssProperties(), entry);
        return property ? property->description : std::string_view();
    }
    case CompletionKind::CssValue: {
        const CssProperty *property = FindWebEntry(CssProperties(), context.attribute);
        return property ? DescriptionOfValue(property->values, entry) : std::string_view();
    }
    case CompletionKind::FileName:
    case CompletionKind::None:
        break;
    }
    return {};
}

bool NamesAFile(std::string_view attribute)
{
    return OneOf(attribute, {"SRC", "HREF", "BACKGROUND", "DYNSRC", "LOWSRC", "CODE", "POSTER"});
}

bool IsVoidElement(std::string_view element)
{
    static constexpr std::size_t longest = 8;
    if (element.size() > longest)
        return false;
    char upper[longest];
    std::transform(element.begin(), element.end(), upper, UpperAscii);
    return OneOf(std::string_view(upper, element.size()),
                 {"AREA",   "BASE",   "BASEFONT", "BGSOUND", "BR",     "COL",    "EMBED",   "FRAME",
                  "HR",     "IMG",    "INPUT",    "ISINDEX", "KEYGEN", "LINK",   "META",    "PARAM",
                  "SOURCE", "SPACER", "TRACK",    "WBR",     "IMAGE",  "NEXTID", "!DOCTYPE"});
}

} // namespace tarnel
