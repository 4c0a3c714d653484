#pragma once
#include "usertext.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The ten INPUT types of the form-controls form, in the order of its radio column.
enum class ControlType {
    Button,
    CheckBox,
    File,
    Hidden,
    Image,
    Password,
    Radio,
    Reset,
    Submit,
    Edit
};

inline constexpr std::array<ControlType, 10> kControlTypes = {
    ControlType::Button, ControlType::CheckBox, ControlType::File,  ControlType::Hidden,
    ControlType::Image,  ControlType::Password, ControlType::Radio, ControlType::Reset,
    ControlType::Submit, ControlType::Edit};

// The radio caption of a type ("Check Box").
std::string_view ControlTypeCaption(ControlType type);

// What one control on the form says. The eleven text fields and the two list choices are
// copied verbatim; Position and Language are empty when nothing is chosen.
struct ControlFields
{
    ControlType type = ControlType::Button;
    std::string accessKey;
    std::string name;
    std::string label;
    std::string language;
    std::string dynSrc;
    std::string position;
    std::string alt;
    std::string tabIndex;
    std::string source;
    std::string title;
    std::string size;
    std::string maxLength;
    std::string lowSource;
    bool readOnly = false;
    bool disabled = false;

    bool operator==(const ControlFields &) const = default;
};

// The entries of the Language and Position lists.
inline constexpr std::array<std::string_view, 4> kControlLanguages = {"JAVASCRIPT", "JSCRIPT",
                                                                      "VBS", "VBSCRIPT"};
inline constexpr std::array<std::string_view, 3> kControlPositions = {"LEFT", "NONE(CENTER)",
                                                                      "RIGHT"};

// Chooser filters of the three browse buttons.
inline constexpr const char *kMediaFilesFilter =
    "Media Files(All Types)|*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.mid;*.midi;*.rmi;*.mp3;*.m3u;"
    "*.asf;*.asx;*.m1v;*.mp2;*.mpa;*.mpe;*.mov;*.qt;*.avi|"
    "Audio Files (*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff)|*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff|"
    "MIDI Files (*.mid;*.midi;*.rmi)|*.mid;*.midi;*.rmi|"
    "MIDI File (*.mid;*.rmi)|*.mid;*.rmi|"
    "MP3 Files(*.mp3;*.m3u)|*.mp3;*.m3u|"
    "Microsoft Streaming Media Files (*.asf;*.asx)|*.asf;*.asx|"
    "Movie File(MPEG) (*.m1v;*.mp2;*.mpa;*.mpe)|*.m1v;*.mp2;*.mpa;*.mpe|"
    "Quick Time Files(*.mov;*.qt)|*.mov;*.qt|"
    "Video Files(*.avi)|*.avi|"
    "All Files (*.*)|*.*||";

// The refusal message when Name is empty (blanks count as a name).
std::optional<std::string> Validate(const ControlFields &fields);

// One INPUT line, ending in a line feed. Quoted values have `"` written as &quot;; the
// unquoted TABINDEX, SIZE and MAXLENGTH values are written as typed.
std::string BuildInputTag(const ControlFields &fields);

// The collected INPUT lines in one FORM block, followed by an empty line.
std::string WrapForm(std::string_view inputLines);

// The formatted-text form.

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb &) const = default;
};

enum class TextAlignment { Left, Right, Center };

// The entries of the size list and of the style list, in their order.
inline constexpr std::array<std::string_view, 10> kFontSizeEntries = {
    USER_TEXT("Normal"), "1 ( 8 pt)", "2 (10pt)", "3 (12pt)", "4 (14pt)",
    "5 (16pt)",          "6 (24pt)",  "7 (36pt)", "8 (42pt)", "9 (72pt)"};
inline constexpr std::array<std::string_view, 4> kFontStyleEntries = {
    USER_TEXT("Normal"), USER_TEXT("Bold"), USER_TEXT("Italic"), USER_TEXT("Bold-Italic")};

// The HTML size a picked size entry stands for: its position, "Normal" (0) counting as 3.
std::string FontSizeValue(int entryPosition);

// "#rrggbb" with two lowercase hex digits per component.
std::string ColourNotation(Rgb colour);

// The markup for the text field: one line as typed; several lines each followed by <BR>.
// The lines are split at line feeds, so an empty text is one empty line and a text ending
// in a line feed has an empty last line.
std::string TextMarkup(std::string_view text);

struct FormattedTextFields
{
    std::string face; // empty until a face is picked
    std::string size; // empty until a size is picked
    int style = -1;   // -1 none picked, else the style entry's position
    Rgb textColour{0, 0, 0};
    Rgb backgroundColour{255, 255, 255};
    bool backgroundChosen = false;
    bool underline = false;
    TextAlignment alignment = TextAlignment::Left;
    std::string text;
};

// The FONT element around the text, wrapped by style, underline, alignment and background.
std::string BuildFormattedText(const FormattedTextFields &fields);
// Every formatted text can be built, even an empty one.
inline std::optional<std::string> Validate(const FormattedTextFields &)
{
    return std::nullopt;
}

} // namespace tarnel
