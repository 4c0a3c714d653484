#pragma once
#include "colouring.h"
#include "completion.h"

#include <cstddef>
#include <string_view>

namespace tarnel {

// What the completion list offers in CSS (STYLE content of a style sheet and quoted STYLE
// values), at the end of `before`, the text just before `caret`: a property where one can
// start (after "{", ";" or a STYLE value's quote, blanks between), a value of the declaration's
// property after its ":". Never in a comment, a string, a selector, an at-rule's prelude or
// outside CSS; kind None there. `atCaret` and `beforeCaret` say how the caret's position and
// the byte before it read.
CompletionContext CssCompletionContextAt(std::string_view before, const CaretContext &atCaret,
                                         const CaretContext &beforeCaret);

// Whether a position reads as CSS, outside its comments.
bool InCss(const CaretContext &context);

} // namespace tarnel
