#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tarnel {

// How the names the editor writes are spelled: as in the word lists, upper case, lower case,
// as the user typed them (never rewritten), or as the page itself writes its tags.
enum class NameCase { List, Upper, Lower, AsTyped, AsPage };

// How far into a page its own letter case is read: the top of a page shows its author's habit.
inline constexpr std::size_t PageCaseReach = 64 * 1024;

// The letter case a page writes its tag names in: Lower when more of them (its first
// PageCaseTags tags, in its first PageCaseReach bytes) are all lower case than all upper
// case, else List. A few hundred tags tell, and reading them costs a key next to nothing.
inline constexpr std::size_t PageCaseTags = 256;
NameCase PageNameCase(std::string_view page);
// The choice as it applies to `page`: "as the page" becomes the page's own case.
NameCase NameCaseFor(NameCase chosen, std::string_view page);

// A name in the chosen letter case: "list" keeps the list's spelling, "upper" and "lower"
// fold it, "typed" keeps the letters the user typed and spells the rest in the case of the
// last letter typed. Resolve "as the page" with NameCaseFor first.
std::string SpellName(std::string_view listed, std::string_view typed, NameCase nameCase);
// A value of a fixed set, the same way; only a value written in capitals, which the set does
// not tell apart from another of its values by case alone ("A" and "a" are two numberings).
std::string SpellValue(std::string_view listed, std::string_view typed, NameCase nameCase,
                       std::span<const std::string_view> values);

// Markup a command built, its tag and attribute names and its fixed values spelled in the
// chosen case; "list" and "typed" leave it as built. Text, other values and the content of
// comments and text-only elements never change, nor does the length.
std::string SpellMarkup(std::string markup, NameCase nameCase);

} // namespace tarnel
