#pragma once
#include "ascii.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace tarnel {

// What browsers know of HTML and CSS, with a one-line description of each name: the tables
// scripts/update-web-data writes from @vscode/web-custom-data (webdata-README.md). Element
// and attribute names are in capitals, as the word lists spell them; CSS names and all values
// as the package writes them. Every table is sorted by name.
struct WebValue
{
    std::string_view name;
    std::string_view description;
};

struct WebAttribute
{
    std::string_view name;
    std::span<const WebValue> values; // empty where the value is free
    std::string_view description;
};

struct WebElement
{
    std::string_view name;
    std::string_view description;
    std::span<const WebAttribute> attributes; // its own, the global ones left out
};

struct CssProperty
{
    std::string_view name;
    std::string_view description;
    std::span<const WebValue> values; // its keywords
    bool takesColour;                 // a colour is one of its values
};

std::span<const WebElement> WebElements();
std::span<const WebAttribute> WebGlobalAttributes();
std::span<const CssProperty> CssProperties();

// The entry of a sorted table named `name` (any letter case), or null.
template <typename Entry>
const Entry *FindWebEntry(std::span<const Entry> table, std::string_view name)
{
    const auto less = [](std::string_view a, std::string_view b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return UpperAscii(x) < UpperAscii(y); });
    };
    const auto found = std::lower_bound(
        table.begin(), table.end(), name,
        [&less](const Entry &entry, std::string_view key) { return less(entry.name, key); });
    return found != table.end() && EqualsNoCase(found->name, name) ? &*found : nullptr;
}

} // namespace tarnel
