#pragma once
#include "codecolouring.h"

#include <cstdint>

namespace tarnel {

// Where a script's scan stands, packed into LineState::code between lines.
struct ScriptState
{
    enum Mode : std::uint8_t {
        Code,
        BlockComment,
        Template,       // in the text of the innermost open template literal
        NestedTemplate, // in a template literal nested too deep to track its "${"
        SingleQuoted,   // in a string that a backslash carried over a line break
        DoubleQuoted,
    };
    static constexpr std::uint8_t MaxTemplates = 4;

    Mode mode = Code;
    // The last significant token ends an operand, so a "/" divides; otherwise it begins a
    // regular expression.
    bool divisionNext = false;
    // The last significant token is a ".": the name after it is a property, no keyword.
    bool afterDot = false;
    std::uint8_t templates = 0; // open template literals
    // Four bits per open template literal: the braces open inside its current "${".
    std::uint16_t braces = 0;

    std::uint32_t Pack() const;
    static ScriptState Unpack(std::uint32_t code);
    bool operator==(const ScriptState &) const = default;
};

// Colours a stretch of JavaScript (see CodeStretch), from and into `state`.
CodeEnd ColourScript(const CodeStretch &stretch, ScriptState &state, StyleMarker &marker);

// Whether a SCRIPT of this TYPE runs as JavaScript: no type, an empty one, a JavaScript MIME
// type or "module". Other types (JSON, templates, import maps, ...) are data.
bool IsScriptType(std::string_view type);

} // namespace tarnel
