#pragma once
#include <string_view>

namespace tarnel {

// The names the bundled Emmet knows, each list one blank apart and framed by one blank, as
// the word lists are. Snippets of markup ("link:css", "input:text", "!"):
std::string_view EmmetMarkupSnippets();
// The abbreviations of style sheet properties ("m", "bd", "ta"):
std::string_view EmmetStylesheetSnippets();
// And the properties those abbreviations stand for ("margin", "text-align"):
std::string_view EmmetStylesheetProperties();

} // namespace tarnel
