#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The text a new page starts with: nine lines separated by single line feeds.
std::string StartingPageText();

enum class LineBreak { CrLf, Lf, Cr };

// The text a new HTML5 page starts with, in lower case, its HTML element in `language` (a
// language tag such as "de-CH"; "en" when that is empty or no tag). Line feeds throughout,
// one after the last line; the body holds an empty line for the caret.
std::string Html5PageText(std::string_view language);

// The line break of text files on the platform the program was built for.
LineBreak NativeLineBreak();

// The line break a page mostly uses; `fallback` when it has none.
LineBreak PrevailingLineBreak(std::string_view text, LineBreak fallback = LineBreak::CrLf);

std::string_view LineBreakText(LineBreak lineBreak);

// A snippet's line feeds rewritten as the document's own line break.
std::string WithLineBreaks(std::string_view snippet, LineBreak lineBreak);

// Index of the first "</BODY", compared without regard to case.
std::optional<std::size_t> FindBodyEnd(std::string_view text);

// Where an insertion "before the body's end" goes: before the line break that the first
// "</BODY" follows, else right before its "<" (never inside a tag); 0 when there is none.
std::size_t BeforeBodyEndPosition(std::string_view text);

// True when the bytes are well-formed UTF-8 (shown as UTF-8; anything else one byte a
// character so that every byte survives a load and save).
bool IsValidUtf8(std::string_view text);

// Text for a page read one byte a character: a code point up to U+00FF is that byte, any other
// a numeric character reference ("&#8364;"), so no byte of another encoding enters the page.
std::string OneBytePerCharacter(std::u32string_view text);

} // namespace tarnel
