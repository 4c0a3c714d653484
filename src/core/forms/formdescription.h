#pragma once
#include "snippets.h"

#include <span>
#include <string>
#include <string_view>

// Each Insert form described once: its rows in the order they are shown, what each row
// offers and which fields-struct member it fills. The shell builds, reads and prefills a
// form from this, so a row is named in one place only.
namespace tarnel {

enum class FieldKind {
    Text,         // a line of text
    Browse,       // a line of text with a file-chooser button beside it
    PickList,     // a drop-down the user can only pick from
    EditableList, // a drop-down the user can also type into
    MultiLine,    // a few lines of text, filling its box
    Check,        // a box to tick: a flag, or a text member holding "1" when ticked
    Custom,       // an input the form makes itself (by the row's name) and reads itself
};

template <class Fields> struct FieldSpec
{
    std::string_view label;
    // The input's object name, by which the shell and its tests find it.
    std::string_view name;
    FieldKind kind = FieldKind::Text;
    std::string Fields::*member = nullptr;
    // List entries; for a browse row the chooser's filter ("label|patterns|...||").
    std::span<const std::string_view> entries = {};
    const char *filter = nullptr;
    // What Validate says when this field alone is left empty (with the form's first choice);
    // empty for an optional field.
    // An optional pick-only list offers an empty entry, so a choice can be taken back.
    std::string_view required = {};
    // Two-column forms: 0 the left column, 1 the right one.
    int column = 0;
    // The form's section the row belongs to (an index into its sections), -1 for none.
    int section = -1;
    // A Check row's flag, in place of a member.
    bool Fields::*flag = nullptr;
};

// Rows shown and hidden together, in a titled box (or, untitled, without a frame).
struct SectionSpec
{
    std::string_view title;
    std::string_view name;
};

// A row of buttons choosing one of a few options, the first chosen as the form opens. What a
// choice does (which rows it offers, what it stands for) is the form's own.
struct ChoiceOption
{
    std::string_view caption;
    std::string_view name;
};
struct ChoiceSpec
{
    std::string_view title; // the titled box around the buttons; empty for none
    std::span<const ChoiceOption> options = {};
    std::size_t beforeRow = 0; // where it stands among the rows
    // In a column of its own right of the rows, one option under another.
    bool beside = false;
};

template <class Fields> struct FormDescription
{
    std::string_view caption;
    std::string_view group; // the titled box around the rows
    std::span<const FieldSpec<Fields>> rows;
    std::span<const SectionSpec> sections = {};
    ChoiceSpec choice = {};
};

// The image form's rows above its Video row.
const FormDescription<ImageFields> &ImageForm();
// The background form's choice: image, colour, or both (BackgroundChoice's order).
const FormDescription<BackgroundFields> &BackgroundForm();
// The link form's choice is the link kind (LinkKind's order); each kind shows its sections
// (LinkLayoutFor).
const FormDescription<LinkFields> &LinkForm();
// The controls form (one control at a time): its choice is the control type (kControlTypes' order);
// which rows a type shows is ControlsForm's.
const FormDescription<ControlFields> &ControlForm();
// The formatted-text form: its choice is the alignment (TextAlignment's order); the face,
// size and style lists count only once picked and, with the colour buttons and the sample,
// are the form's own.
const FormDescription<FormattedTextFields> &FormattedTextForm();
const FormDescription<SoundFields> &SoundForm();
const FormDescription<AppletFields> &AppletForm();
const FormDescription<MarqueeFields> &MarqueeForm();
const FormDescription<MetaFields> &MetaForm();
const FormDescription<FrameFields> &FramesForm();
const FormDescription<TableFields> &TableForm();
const FormDescription<OrderedListFields> &OrderedListForm();
const FormDescription<UnorderedListFields> &UnorderedListForm();
const FormDescription<MediaFields> &MediaForm();
const FormDescription<PictureFields> &PictureForm();
const FormDescription<AltFields> &AltForm();

} // namespace tarnel
