#pragma once
#include "codecolouring.h"

#include <cstdint>

namespace tarnel {

// Where a style sheet's scan stands, packed into LineState::code between lines.
struct CssState
{
    enum Place : std::uint8_t {
        Selector,  // before a rule's "{", or between rules
        Property,  // in a block of declarations, where a property name stands
        Value,     // after a declaration's ":"
        AtPrelude, // after an at-rule's name, before its "{" or ";"
    };
    bool inComment = false;
    Place place = Selector;
    bool rulesNext = false; // the at-rule being read opens a block of rules, not declarations
    std::uint8_t depth = 0; // open blocks
    // Bit i: block i + 1 holds rules (@media's), not declarations; deeper blocks hold
    // declarations.
    std::uint16_t ruleBlocks = 0;

    static constexpr CssState Declarations()
    {
        CssState state;
        state.place = Property;
        return state;
    }
    std::uint32_t Pack() const;
    static CssState Unpack(std::uint32_t code);
    bool operator==(const CssState &) const = default;
};

// Colours a stretch of CSS (see CodeStretch), from and into `state`.
CodeEnd ColourCss(const CodeStretch &stretch, CssState &state, StyleMarker &marker);

// Whether a STYLE of this TYPE holds CSS: no type, an empty one or "text/css".
bool IsCssType(std::string_view type);

} // namespace tarnel
