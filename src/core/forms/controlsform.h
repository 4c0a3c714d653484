#pragma once
#include "snippets_text.h"

#include <optional>
#include <string>

namespace tarnel {

// Which of the form's type-dependent inputs are shown and usable. Hiding a row never
// clears its field.
struct ControlRows
{
    bool sizeShown = false;
    bool maxLengthShown = false;
    bool lowSourceShown = false; // caption, field and browse button
    bool maxLengthEnabled = true;
    // Once set it stays for the rest of the run.
    bool maxLengthReadOnly = false;

    bool operator==(const ControlRows &) const = default;
};

// The form-controls form without its widgets: the chosen type, the rows it shows, the
// remembered ReadOnly state and the INPUT lines collected so far. The dialog hands it what
// its widgets hold at each press and shows back what it says.
class ControlsForm
{
public:
    const ControlFields &Fields() const { return m_fields; }
    const ControlRows &Rows() const { return m_rows; }
    const std::string &Result() const { return m_result; }
    bool RememberedReadOnly() const { return m_rememberedReadOnly; }

    void ChooseType(ControlType type);
    // After a click on the ReadOnly box.
    void ToggleReadOnly(bool ticked);

    // Both read the form first (remembering its ReadOnly box, even when refused), then
    // append the control's line, or return the message and append nothing.
    // AddNewControl then clears the fields and hides the type rows for the next control,
    // keeping the type.
    std::optional<std::string> AddNewControl(const ControlFields &onScreen);
    std::optional<std::string> Confirm(const ControlFields &onScreen);

private:
    std::optional<std::string> Append(const ControlFields &onScreen);

    ControlFields m_fields;
    ControlRows m_rows;
    std::string m_result;
    bool m_rememberedReadOnly = false;
};

} // namespace tarnel
