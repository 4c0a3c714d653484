#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// Character references read exactly as a browser reads them: "&amp;", "&lt;", "&gt;",
// "&quot;", "&apos;", "&nbsp;" and numeric ones ("&#233;", "&#xE9;") whose code point the
// browser keeps. Any other name would need the browser's whole table, and is left to the
// caller (as written, or refused).
struct Reference
{
    char32_t character = 0;
    std::size_t length = 0; // from the "&" through the ";"
};
// The reference starting at `at` (an "&"); nullopt when none read exactly starts there.
std::optional<Reference> ReferenceAt(std::string_view text, std::size_t at);

// `text` (UTF-8) with every reference read exactly replaced by its character; anything else
// stays as written.
std::string WithReferencesRead(std::string_view text);

void AppendUtf8(std::string &out, char32_t c);

} // namespace tarnel
