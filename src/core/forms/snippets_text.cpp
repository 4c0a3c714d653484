#include "snippets_text.h"

#include "attributes.h"
#include "usertext.h"

#include <cstddef>

namespace tarnel {

namespace {

struct ControlTypeInfo
{
    std::string_view caption;
    // What follows the name's closing quote, by box state: neither, Disabled only,
    // ReadOnly only, both. Their uneven blanks are the form's established output.
    std::array<std::string_view, 4> suffix;
    bool writesSize;
    bool writesMaxLength;
    bool writesLowSource;
};

constexpr ControlTypeInfo kTypeInfo[] = {
    {USER_TEXT("Button"),
     {" TYPE= BUTTON ", "  TYPE= BUTTON ", "  READONLY  TYPE= BUTTON  ",
      "  READONLY   TYPE= BUTTON "},
     false,
     false,
     false},
    {USER_TEXT("Check Box"),
     {"  TYPE= CHECKBOX  ", "  TYPE= CHECKBOX  ", "  READONLY  TYPE= CHECKBOX   ",
      "  READONLY  TYPE= CHECKBOX "},
     false,
     false,
     false},
    {USER_TEXT("File"),
     {"  TYPE= FILE  ", "  TYPE= FILE  ", "  READONLY  TYPE= FILE ", "  READONLY  TYPE= FILE "},
     true,
     false,
     false},
    {USER_TEXT("Hidden"),
     {" TYPE= HIDDEN ", " TYPE= HIDDEN   ", "  READONLY  TYPE= HIDDEN ",
      "  READONLY  TYPE= HIDDEN  "},
     true,
     false,
     false},
    {USER_TEXT("Image"),
     {" TYPE= IMAGE  ", "  TYPE= IMAGE ", "  READONLY   TYPE= IMAGE  ", "  READONLY  TYPE= IMAGE "},
     true,
     false,
     true},
    {USER_TEXT("Password"),
     {"  TYPE= PASSWORD  ", "  TYPE= PASSWORD ", "  READONLY  TYPE= PASSWORD ",
      "  READONLY  TYPE= PASSWORD "},
     true,
     true,
     false},
    {USER_TEXT("Radio"),
     {"  TYPE= RADIO  ", "  TYPE= RADIO  ", "  READONLY  TYPE= RADIO    ",
      "  READONLY  TYPE= RADIO "},
     false,
     false,
     false},
    {USER_TEXT("Reset"),
     {" TYPE= RESET ", " TYPE= RESET ", "  READONLY TYPE= RESET  ", "  READONLY  TYPE= RESET "},
     false,
     false,
     false},
    {USER_TEXT("Submit"),
     {" TYPE= SUBMIT ", "  TYPE= SUBMIT  ", "  READONLY  TYPE= SUBMIT  ",
      "  READONLY  TYPE= SUBMIT "},
     false,
     false,
     false},
    {USER_TEXT("Edit"),
     {" TYPE= TEXT ", "  TYPE= TEXT ", "  READONLY  TYPE= TEXT ", "  READONLY  TYPE= TEXT  "},
     true,
     true,
     false},
};

const ControlTypeInfo &Info(ControlType type)
{
    return kTypeInfo[static_cast<std::size_t>(type)];
}

// The Position entry "NONE(CENTER)" is not a CSS float value; it means no float.
std::string_view FloatValue(std::string_view position)
{
    return position == "NONE(CENTER)" ? std::string_view("none") : position;
}

void AppendHex(std::string &out, std::uint8_t value)
{
    constexpr char digits[] = "0123456789abcdef";
    out += digits[value >> 4];
    out += digits[value & 0xF];
}

} // namespace

std::string_view ControlTypeCaption(ControlType type)
{
    return Info(type).caption;
}

std::optional<std::string> Validate(const ControlFields &fields)
{
    if (fields.name.empty())
        return std::string(USER_TEXT("You must enter the control name!!"));
    return std::nullopt;
}

std::string BuildInputTag(const ControlFields &fields)
{
    const ControlTypeInfo &info = Info(fields.type);
    AttributeList common;
    common.Add("ACCESSKEY", fields.accessKey);
    if (!fields.position.empty())
        common.AddRaw(" STYLE=")
            .AddRaw(QuotedValue("Float:" + std::string(FloatValue(fields.position))))
            .AddRaw(" ");
    common.Add("ALT", fields.alt).Add("DYNSRC", fields.dynSrc).Add("LANGUAGE", fields.language);
    common.Add("SRC", fields.source);
    if (!fields.tabIndex.empty())
        common.AddRaw(" TABINDEX=").AddRaw(fields.tabIndex);
    common.Add("TITLE", fields.title).Add("VALUE", fields.label);

    std::string tag = "<INPUT " + common.Text();
    if (!fields.disabled)
        tag += " NAME=";
    else if (fields.type == ControlType::Button && !fields.readOnly)
        tag += " DISABLED NAME=";
    else
        tag += " DISABLED  NAME=";
    tag += QuotedValue(fields.name);
    tag += info.suffix[(fields.disabled ? 1 : 0) + (fields.readOnly ? 2 : 0)];

    if (info.writesSize && !fields.size.empty())
        tag += "SIZE=" + fields.size + " ";
    if (info.writesMaxLength && !fields.maxLength.empty())
        tag += "MAXLENGTH=" + fields.maxLength;
    if (info.writesLowSource && !fields.lowSource.empty())
        tag += "LOWSRC=" + QuotedValue(fields.lowSource);
    tag += ">\n";
    return tag;
}

std::string WrapForm(std::string_view inputLines)
{
    std::string block = "<FORM>\n";
    block += inputLines;
    block += "</FORM>\n\n";
    return block;
}

std::string FontSizeValue(int entryPosition)
{
    return entryPosition == 0 ? std::string("3") : std::to_string(entryPosition);
}

std::string ColourNotation(Rgb colour)
{
    std::string out = "#";
    AppendHex(out, colour.red);
    AppendHex(out, colour.green);
    AppendHex(out, colour.blue);
    return out;
}

std::string TextMarkup(std::string_view text)
{
    if (text.find('\n') == std::string_view::npos)
        return std::string(text);
    std::string markup;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        markup += text.substr(start, end - start);
        markup += "<BR>";
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return markup;
}

std::string BuildFormattedText(const FormattedTextFields &fields)
{
    static constexpr std::string_view kStyleOpen[] = {"", "<B>", "<I>", "<I><B>"};
    static constexpr std::string_view kStyleClose[] = {"", "</B>", "</I>", "</B></I>"};
    const std::size_t style = fields.style >= 0 && fields.style <= 3 ? fields.style : 0;

    std::string out;
    if (fields.underline)
        out += "<U>";
    out += kStyleOpen[style];
    out += "<FONT  FACE = " + QuotedValue(fields.face);
    out += " SIZE = \"" + fields.size + "\"";
    out += " COLOR = \"" + ColourNotation(fields.textColour) + "\">";
    out += " " + TextMarkup(fields.text) + " </FONT>";
    out += kStyleClose[style];
    if (fields.underline)
        out += "</U>";

    if (fields.alignment == TextAlignment::Center)
        out = "<CENTER>" + out + "</CENTER>";
    else if (fields.alignment == TextAlignment::Right)
        out = "<DIV ALIGN=\"RIGHT\">" + out + "</DIV>";

    if (fields.backgroundChosen)
        out = "<span style=\"background-color: " + ColourNotation(fields.backgroundColour) + "\">" +
              out + "</span>";
    return out;
}

} // namespace tarnel
