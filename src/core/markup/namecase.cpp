#include "namecase.h"

#include "ascii.h"
#include "completion.h"
#include "scanner.h"

#include <algorithm>

namespace tarnel {

namespace {

bool IsUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsLower(char c)
{
    return c >= 'a' && c <= 'z';
}

// The bytes [at, at + length) of `text` spelled as `spell` gives them.
void Respell(std::string &text, std::size_t at, std::size_t length, NameCase nameCase)
{
    const std::string spelled = SpellName(text.substr(at, length), {}, nameCase);
    text.replace(at, length, spelled);
}

bool CaseTellsApart(std::string_view value, std::span<const std::string_view> values)
{
    return std::count_if(values.begin(), values.end(),
                         [&](std::string_view other) { return EqualsNoCase(other, value); }) > 1;
}

bool WrittenInCapitals(std::string_view value)
{
    return std::any_of(value.begin(), value.end(), IsUpper) &&
           std::none_of(value.begin(), value.end(), IsLower);
}

} // namespace

NameCase PageNameCase(std::string_view page)
{
    TagCursor cursor(page.substr(0, std::min(page.size(), PageCaseReach)));
    std::size_t lower = 0, upper = 0;
    for (std::size_t read = 0; read < PageCaseTags; ++read) {
        const auto tag = cursor.Next();
        if (!tag)
            break;
        const bool anyUpper = std::any_of(tag->name.begin(), tag->name.end(), IsUpper);
        const bool anyLower = std::any_of(tag->name.begin(), tag->name.end(), IsLower);
        lower += anyLower && !anyUpper;
        upper += anyUpper && !anyLower;
    }
    return lower > upper ? NameCase::Lower : NameCase::List;
}

NameCase NameCaseFor(NameCase chosen, std::string_view page)
{
    return chosen == NameCase::AsPage ? PageNameCase(page) : chosen;
}

std::string SpellName(std::string_view listed, std::string_view typed, NameCase nameCase)
{
    std::string name(listed);
    switch (nameCase) {
    case NameCase::List:
    case NameCase::AsPage:
        break;
    case NameCase::Upper:
        std::transform(name.begin(), name.end(), name.begin(), UpperAscii);
        break;
    case NameCase::Lower:
        std::transform(name.begin(), name.end(), name.begin(), LowerAscii);
        break;
    case NameCase::AsTyped: {
        const std::size_t kept = std::min(typed.size(), name.size());
        const auto last = std::find_if(typed.rbegin(), typed.rend(),
                                       [](char c) { return IsUpper(c) || IsLower(c); });
        if (last != typed.rend())
            std::transform(name.begin() + std::ptrdiff_t(kept), name.end(),
                           name.begin() + std::ptrdiff_t(kept),
                           IsUpper(*last) ? UpperAscii : LowerAscii);
        name.replace(0, kept, typed.substr(0, kept));
        break;
    }
    }
    return name;
}

std::string SpellValue(std::string_view listed, std::string_view typed, NameCase nameCase,
                       std::span<const std::string_view> values)
{
    if (!WrittenInCapitals(listed) || CaseTellsApart(listed, values))
        return std::string(listed);
    return SpellName(listed, typed, nameCase);
}

std::string SpellMarkup(std::string markup, NameCase nameCase)
{
    if (nameCase != NameCase::Upper && nameCase != NameCase::Lower)
        return markup;
    // The cursor reads a copy: respelling changes no length, so its positions hold.
    const std::string built = markup;
    TagCursor cursor(built);
    while (const auto tag = cursor.Next()) {
        const std::size_t nameAt = tag->begin + (tag->isEndTag ? 2 : 1);
        Respell(markup, nameAt, tag->name.size(), nameCase);
        if (tag->isEndTag)
            continue;
        const std::string element = UpperCase(tag->name);
        for (const TagAttribute &attribute : TagAttributes(built, tag->begin)) {
            Respell(markup, attribute.begin, attribute.name.size(), nameCase);
            const auto values = FixedValuesOf(element, UpperCase(attribute.name));
            const auto member = std::find_if(values.begin(), values.end(), [&](auto value) {
                return EqualsNoCase(value, attribute.value);
            });
            if (member == values.end() || !WrittenInCapitals(attribute.value) ||
                CaseTellsApart(*member, values))
                continue;
            const std::size_t valueAt = std::size_t(attribute.value.data() - built.data());
            Respell(markup, valueAt, attribute.value.size(), nameCase);
        }
    }
    return markup;
}

} // namespace tarnel
