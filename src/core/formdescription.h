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
    Check,        // a check box: its field holds "1" when ticked, nothing when not
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
    // What Validate says when this field alone is left empty; empty for an optional field.
    // An optional pick-only list offers an empty entry, so a choice can be taken back.
    std::string_view required = {};
    // Two-column forms: 0 the left column, 1 the right one.
    int column = 0;
};

template <class Fields> struct FormDescription
{
    std::string_view caption;
    std::string_view group; // the titled box around the rows
    std::span<const FieldSpec<Fields>> rows;
};

// The image form's rows above its Video row.
const FormDescription<ImageFields> &ImageForm();
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

} // namespace tarnel
