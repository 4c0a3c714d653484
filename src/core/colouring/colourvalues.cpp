#include "colourvalues.h"

#include "ascii.h"
#include "codecolouring.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <span>

namespace tarnel {

namespace {

enum class Notation : std::uint8_t { Name, Hex, Function };

// How a colour value is written: what writing another colour in its place keeps.
struct WrittenColour
{
    Rgba colour;
    Notation notation = Notation::Name;
    bool hasAlpha = false;
    bool upperCase = false;   // a name's letters, or a hex value's digits A to F
    bool capitalised = false; // a name's first letter alone
    bool hash = true;         // a hex value's "#"
    std::size_t digits = 6;   // a hex value's
    // A function's name, the blanks after "(", between the colour's parts, before the opacity
    // (with its "," or "/") and before ")".
    std::string_view function, open, separator, alphaSeparator, close;
    bool hsl = false;
    bool percentages = false; // rgb()'s parts
    bool alphaPercentage = false;
    std::string_view hueUnit;
};

constexpr bool IsCssNameByte(char c)
{
    return IsAsciiLetter(c) || IsCodeDigit(c) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 128;
}

std::optional<WrittenColour> ReadHex(std::string_view digits, bool hash)
{
    const std::size_t n = digits.size();
    if (hash ? (n != 3 && n != 4 && n != 6 && n != 8) : n != 6)
        return std::nullopt;
    WrittenColour written;
    written.notation = Notation::Hex;
    written.hash = hash;
    written.digits = n;
    written.hasAlpha = n == 4 || n == 8;
    for (const char c : digits) {
        if (HexValue(c) < 0)
            return std::nullopt;
        written.upperCase = written.upperCase || (c >= 'A' && c <= 'F');
    }
    std::uint8_t parts[4] = {0, 0, 0, 255};
    const bool shortForm = n <= 4;
    for (std::size_t k = 0; k < (shortForm ? n : n / 2); ++k)
        parts[k] = static_cast<std::uint8_t>(shortForm ? HexValue(digits[k]) * 17
                                                       : HexValue(digits[2 * k]) * 16 +
                                                             HexValue(digits[2 * k + 1]));
    written.colour = {parts[0], parts[1], parts[2], parts[3]};
    return written;
}

std::optional<WrittenColour> ReadName(std::string_view name)
{
    const std::optional<Rgba> colour = NamedColour(name);
    if (!colour)
        return std::nullopt;
    WrittenColour written;
    written.colour = *colour;
    written.upperCase =
        std::none_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    written.capitalised = !written.upperCase && name[0] >= 'A' && name[0] <= 'Z';
    return written;
}

struct Part
{
    double value;
    std::string_view unit; // "", "%" or letters
};

// A number (an optional sign, digits, an optional fraction) and its unit.
std::optional<Part> ReadPart(std::string_view s, std::size_t &p)
{
    const std::size_t from = p;
    if (p < s.size() && (s[p] == '+' || s[p] == '-'))
        ++p;
    const std::size_t digits = p;
    while (p < s.size() && IsCodeDigit(s[p]))
        ++p;
    const bool whole = p > digits;
    if (p < s.size() && s[p] == '.') {
        const std::size_t fraction = ++p;
        while (p < s.size() && IsCodeDigit(s[p]))
            ++p;
        if (p == fraction)
            return std::nullopt;
    } else if (!whole) {
        return std::nullopt;
    }
    Part part{0.0, {}};
    const char *first = s.data() + from + (s[from] == '+' ? 1 : 0);
    const auto [end, error] = std::from_chars(first, s.data() + p, part.value);
    if (error != std::errc() || end != s.data() + p)
        return std::nullopt;
    const std::size_t unit = p;
    if (p < s.size() && s[p] == '%')
        ++p;
    else
        while (p < s.size() && IsAsciiLetter(s[p]))
            ++p;
    part.unit = s.substr(unit, p - unit);
    return part;
}

// The blanks after a part, with the one "," or "/" among them.
std::string_view ReadSeparator(std::string_view s, std::size_t &p)
{
    const std::size_t from = p;
    const auto blanks = [&] {
        while (p < s.size() && IsCodeBlank(s[p]))
            ++p;
    };
    blanks();
    if (p < s.size() && (s[p] == ',' || s[p] == '/')) {
        ++p;
        blanks();
    }
    return s.substr(from, p - from);
}

bool Holds(std::string_view s, char c)
{
    return s.find(c) != std::string_view::npos;
}

// A part of 0 to `max` as a byte.
std::uint8_t Scaled(double value, double max)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, max) * 255.0 / max));
}

Rgba FromHsl(double hue, double saturation, double lightness)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360.0;
    const double a = saturation * std::min(lightness, 1.0 - lightness);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30.0, 12.0);
        const double value = lightness - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0}));
        return Scaled(value, 1.0);
    };
    return {channel(0), channel(8), channel(4), 255};
}

// The colour's parts as rgb() or hsl() reads them, its separators as a CSS colour function's:
// all commas, or blanks with a "/" before the opacity.
bool ReadParts(WrittenColour &written, std::span<const Part> parts,
               std::span<const std::string_view> separators)
{
    const bool commas = Holds(separators[0], ',');
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string_view separator = separators[i];
        const bool beforeAlpha = i == 2;
        const bool fits =
            commas        ? Holds(separator, ',')
            : beforeAlpha ? Holds(separator, '/')
                          : !separator.empty() && !Holds(separator, '/') && !Holds(separator, ',');
        if (!fits)
            return false;
    }
    written.separator = separators[0];
    std::uint8_t alpha = 255;
    if (parts.size() == 4) {
        const Part &part = parts[3];
        if (!part.unit.empty() && part.unit != "%")
            return false;
        written.hasAlpha = true;
        written.alphaPercentage = part.unit == "%";
        written.alphaSeparator = separators[2];
        alpha = Scaled(part.value, written.alphaPercentage ? 100.0 : 1.0);
    }
    if (written.hsl) {
        if ((!parts[0].unit.empty() && !EqualsNoCase(parts[0].unit, "deg")) ||
            parts[1].unit != "%" || parts[2].unit != "%")
            return false;
        written.hueUnit = parts[0].unit;
        written.colour = FromHsl(parts[0].value, std::clamp(parts[1].value / 100.0, 0.0, 1.0),
                                 std::clamp(parts[2].value / 100.0, 0.0, 1.0));
    } else {
        written.percentages = parts[0].unit == "%";
        for (std::size_t i = 0; i < 3; ++i)
            if (parts[i].unit != parts[0].unit || (!written.percentages && !parts[i].unit.empty()))
                return false;
        const double max = written.percentages ? 100.0 : 255.0;
        written.colour = {Scaled(parts[0].value, max), Scaled(parts[1].value, max),
                          Scaled(parts[2].value, max), 255};
    }
    written.colour.alpha = alpha;
    return true;
}

bool IsColourFunction(std::string_view name)
{
    return EqualsNoCase(name, "rgb") || EqualsNoCase(name, "rgba") || EqualsNoCase(name, "hsl") ||
           EqualsNoCase(name, "hsla");
}

// "rgb(...)" and the like, whole, up to its ")".
std::optional<WrittenColour> ReadFunction(std::string_view text)
{
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')' ||
        !IsColourFunction(text.substr(0, open)))
        return std::nullopt;
    WrittenColour written;
    written.notation = Notation::Function;
    written.function = text.substr(0, open);
    written.hsl = LowerAscii(text[0]) == 'h';
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    std::size_t p = 0;
    while (p < inside.size() && IsCodeBlank(inside[p]))
        ++p;
    written.open = inside.substr(0, p);
    Part parts[4];
    std::string_view separators[4];
    std::size_t count = 0;
    while (p < inside.size()) {
        if (count == 4)
            return std::nullopt;
        const std::optional<Part> part = ReadPart(inside, p);
        if (!part)
            return std::nullopt;
        parts[count] = *part;
        separators[count++] = ReadSeparator(inside, p);
    }
    if (count < 3)
        return std::nullopt;
    written.close = separators[count - 1];
    if (Holds(written.close, ',') || Holds(written.close, '/') ||
        !ReadParts(written, std::span(parts, count), std::span(separators, count)))
        return std::nullopt;
    return written;
}

// Any form a value can take; where it stands decides which of them a browser reads.
std::optional<WrittenColour> ReadColour(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    if (text[0] == '#')
        return ReadHex(text.substr(1), true);
    if (Holds(text, '('))
        return ReadFunction(text);
    if (std::optional<WrittenColour> bare = ReadHex(text, false))
        return bare;
    return ReadName(text);
}

// A "#" right inside "url(": a fragment of an address, not a colour.
bool InUrl(std::string_view s, std::size_t hash)
{
    std::size_t p = hash;
    while (p > 0 && IsCodeBlank(s[p - 1]))
        --p;
    if (p == 0 || s[p - 1] != '(')
        return false;
    const std::size_t close = --p;
    while (p > 0 && IsAsciiLetter(s[p - 1]))
        --p;
    return EqualsNoCase(s.substr(p, close - p), "url");
}

// The colours a style sheet's scan marked: "#hex" and names marked as colours, and the colour
// functions among its value words. `styles` holds the styles of the window's bytes from `first`.
void AddCssColours(const TextWindow &text, std::size_t first, std::span<const std::uint8_t> styles,
                   std::vector<ColourValue> &found)
{
    const std::string_view s = text.bytes;
    for (std::size_t i = 0; i < styles.size();) {
        const auto style = static_cast<Style>(styles[i]);
        if (style != Style::CssColour && style != Style::CssValue) {
            ++i;
            continue;
        }
        const std::size_t at = first + i;
        std::size_t end = at + 1;
        while (end < s.size() && IsCssNameByte(s[end]))
            ++end;
        std::optional<WrittenColour> written;
        if (style == Style::CssColour) {
            if (s[at] != '#')
                written = ReadName(s.substr(at, end - at));
            else if (!InUrl(s, at))
                written = ReadHex(s.substr(at + 1, end - at - 1), true);
        } else if (end < s.size() && s[end] == '(' && IsColourFunction(s.substr(at, end - at))) {
            const std::size_t close = s.find_first_of(")\r\n\"'", end);
            if (close != std::string_view::npos && s[close] == ')') {
                end = close + 1;
                written = ReadFunction(s.substr(at, end - at));
            }
        }
        if (written)
            found.push_back({text.base + at, text.base + end, written->colour, written->hasAlpha});
        i = end - first;
    }
}

// A colour attribute's value as HTML reads it: a name, "#rgb", "#rrggbb" or six hex digits
// alone, blanks around it allowed.
void AddAttributeColour(const TextWindow &text, const TextRange &range,
                        std::vector<ColourValue> &found)
{
    const std::string_view raw =
        text.bytes.substr(range.begin - text.base, range.end - range.begin);
    const std::string_view value = TrimHtmlSpace(raw);
    if (value.empty() || Holds(value, '('))
        return;
    const std::optional<WrittenColour> written = ReadColour(value);
    if (!written || written->hasAlpha)
        return;
    const std::size_t begin = range.begin + static_cast<std::size_t>(value.data() - raw.data());
    found.push_back({begin, begin + value.size(), written->colour, false});
}

// A number with at most `places` decimals, no trailing zeros, "." as its point whatever the
// locale.
std::string Decimal(double value, int places)
{
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places).ptr;
    std::string text(buffer, end);
    if (Holds(text, '.')) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string WriteHex(const WrittenColour &form, Rgba colour)
{
    const std::uint8_t parts[4] = {colour.red, colour.green, colour.blue, colour.alpha};
    const std::size_t count = form.hasAlpha ? 4 : 3;
    const bool shortForm = form.digits <= 4 && std::all_of(parts, parts + count,
                                                           [](int part) { return part % 17 == 0; });
    const char *digits = form.upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string text = form.hash ? "#" : "";
    for (std::size_t k = 0; k < count; ++k) {
        if (shortForm) {
            text += digits[parts[k] / 17];
        } else {
            text += digits[parts[k] >> 4];
            text += digits[parts[k] & 15];
        }
    }
    return text;
}

std::string WriteName(const WrittenColour &form, std::string_view written, Rgba colour)
{
    const std::string_view name = ColourName(colour, written);
    if (name.empty()) {
        WrittenColour hex;
        hex.notation = Notation::Hex;
        return WriteHex(hex, colour);
    }
    std::string text = form.upperCase ? UpperCase(name) : std::string(name);
    if (form.capitalised)
        text[0] = UpperAscii(text[0]);
    return text;
}

struct Hsl
{
    double hue, saturation, lightness; // degrees, 0 to 1, 0 to 1
};

Hsl ToHsl(Rgba colour)
{
    const double r = colour.red / 255.0, g = colour.green / 255.0, b = colour.blue / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double lightness = (max + min) / 2.0;
    const double range = max - min;
    if (range == 0)
        return {0.0, 0.0, lightness};
    const double saturation = range / (1.0 - std::abs(2.0 * lightness - 1.0));
    double hue = max == r   ? 60.0 * std::fmod((g - b) / range, 6.0)
                 : max == g ? 60.0 * ((b - r) / range + 2.0)
                            : 60.0 * ((r - g) / range + 4.0);
    if (hue < 0)
        hue += 360.0;
    return {hue, saturation, lightness};
}

std::string WriteFunction(const WrittenColour &form, Rgba colour)
{
    std::string parts[3];
    if (form.hsl) {
        const Hsl hsl = ToHsl(colour);
        const double hue = std::round(hsl.hue);
        parts[0] = Decimal(hue >= 360.0 ? 0.0 : hue, 0) + std::string(form.hueUnit);
        parts[1] = Decimal(hsl.saturation * 100.0, 1) + "%";
        parts[2] = Decimal(hsl.lightness * 100.0, 1) + "%";
    } else {
        const std::uint8_t channels[3] = {colour.red, colour.green, colour.blue};
        for (int i = 0; i < 3; ++i)
            parts[i] = form.percentages ? Decimal(channels[i] * 100.0 / 255.0, 1) + "%"
                                        : std::to_string(channels[i]);
    }
    std::string text(form.function);
    text += '(';
    text += form.open;
    text += parts[0];
    text += form.separator;
    text += parts[1];
    text += form.separator;
    text += parts[2];
    if (form.hasAlpha) {
        text += form.alphaSeparator;
        text += form.alphaPercentage ? Decimal(colour.alpha * 100.0 / 255.0, 0) + "%"
                                     : Decimal(colour.alpha / 255.0, 2);
    }
    text += form.close;
    text += ')';
    return text;
}

} // namespace

std::vector<ColourValue> FindColourValues(const ColourEngine &engine, TextWindow text,
                                          std::size_t lineStart, LineState state, std::size_t end)
{
    end = std::min(end, text.base + text.bytes.size());
    if (end <= lineStart || lineStart < text.base)
        return {};
    std::vector<std::uint8_t> styles(end - lineStart);
    std::vector<TextRange> attributeValues;
    PassOutput out;
    out.styles = styles.data();
    out.stylesFrom = lineStart;
    out.colourAttributeValues = &attributeValues;
    engine.Pass(text, lineStart, state, end, out);

    std::vector<ColourValue> found;
    AddCssColours(text, lineStart - text.base, styles, found);
    for (const TextRange &range : attributeValues)
        AddAttributeColour(text, range, found);
    std::sort(found.begin(), found.end(),
              [](const ColourValue &a, const ColourValue &b) { return a.begin < b.begin; });
    return found;
}

std::vector<ColourValue> FindColourValues(const ColourTracker &tracker, TextSource &text,
                                          std::size_t from, std::size_t to)
{
    const std::size_t n = text.Size();
    if (n != tracker.TextSize())
        return {};
    to = std::min(to, n);
    if (from >= to)
        return {};
    const std::size_t point = tracker.PointAtOrBefore(from);
    const std::size_t start = tracker.PointStart(point);
    // Room to read whole the value that begins last; no colour is longer.
    constexpr std::size_t lookahead = 256;
    const TextWindow window(text.Bytes(start, std::min(n, to + lookahead)), start, n);
    std::vector<ColourValue> found =
        FindColourValues(tracker.Engine(), window, start, tracker.PointState(point), to);
    std::erase_if(found, [from](const ColourValue &value) { return value.end <= from; });
    return found;
}

std::string WriteColourLike(std::string_view written, Rgba colour)
{
    const std::optional<WrittenColour> form = ReadColour(written);
    if (!form)
        return std::string(written);
    if (!form->hasAlpha)
        colour.alpha = 255;
    // The colour it already has (OK pressed without a change) leaves the value as written: an
    // hsl() or a percentage would come back rounded.
    if (colour == form->colour)
        return std::string(written);
    switch (form->notation) {
    case Notation::Name:
        return WriteName(*form, written, colour);
    case Notation::Hex:
        return WriteHex(*form, colour);
    case Notation::Function:
        return WriteFunction(*form, colour);
    }
    return std::string(written);
}

} // namespace tarnel
