#pragma once
#include "colouring.h"
#include "colourtracker.h"
#include "namedcolours.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// A colour written in a page, where a browser reads it as one: in a style sheet or a STYLE
// value ("#rgb", "#rgba", "#rrggbb", "#rrggbbaa", a named colour, "rgb()", "rgba()", "hsl()",
// "hsla()"), or as the value of an HTML colour attribute (BGCOLOR, COLOR, TEXT, LINK, VLINK,
// ALINK and the BORDERCOLORs: a named colour, "#rgb", "#rrggbb" or six hex digits alone).
struct ColourValue
{
    std::size_t begin = 0; // the value's bytes as written, quotes and blanks around left out
    std::size_t end = 0;
    Rgba colour;
    bool hasAlpha = false; // its form writes an opacity
    bool operator==(const ColourValue &) const = default;
};

// The colour values read by one pass from `lineStart` (a line start or resume point read in
// `state`) up to `end`, in order. A value that begins before `end` is read whole: the window
// must hold its bytes (see ColourEngine::Pass).
std::vector<ColourValue> FindColourValues(const ColourEngine &engine, TextWindow text,
                                          std::size_t lineStart, LineState state, std::size_t end);

// The colour values that overlap [from, to), read from the tracker's point before `from`: a
// few lines of a big page cost a few lines. Nothing while the tracker has not yet seen the
// text's last change.
std::vector<ColourValue> FindColourValues(const ColourTracker &tracker, TextSource &text,
                                          std::size_t from, std::size_t to);

// `colour` in the form of `written`, a value FindColourValues found: a name stays a name when
// CSS names the colour (else it becomes "#rrggbb"), "#rgb" stays short where it can, hex digits
// keep their letter case, six digits without "#" stay so, a function keeps its name, its
// separators, its units and its opacity. A form that writes no opacity leaves `colour.alpha`
// out; the colour the value already has leaves it as written.
std::string WriteColourLike(std::string_view written, Rgba colour);

} // namespace tarnel
