#include "controlsform.h"

namespace tarnel {

void ControlsForm::ChooseType(ControlType type)
{
    m_fields.type = type;
    switch (type) {
    case ControlType::Button:
    case ControlType::CheckBox:
    case ControlType::Radio:
    case ControlType::Reset:
    case ControlType::Submit:
        // The Size row stays as the previous type left it.
        m_rows.maxLengthShown = false;
        m_rows.lowSourceShown = false;
        break;
    case ControlType::File:
    case ControlType::Hidden:
        m_rows.sizeShown = true;
        m_rows.maxLengthShown = false;
        m_rows.lowSourceShown = false;
        break;
    case ControlType::Image:
        m_rows.sizeShown = true;
        m_rows.maxLengthShown = false;
        m_rows.lowSourceShown = true;
        break;
    case ControlType::Password:
    case ControlType::Edit:
        m_rows.sizeShown = true;
        m_rows.maxLengthShown = true;
        m_rows.lowSourceShown = false;
        break;
    }
    m_rows.maxLengthEnabled = true;
    if (type == ControlType::Password && m_rememberedReadOnly)
        m_rows.maxLengthReadOnly = true;
}

void ControlsForm::ToggleReadOnly(bool ticked)
{
    m_fields.readOnly = ticked;
    m_rows.maxLengthEnabled = !(ticked && m_fields.type == ControlType::Edit);
}

std::optional<std::string> ControlsForm::Append(const ControlFields &onScreen)
{
    m_fields = onScreen;
    m_rememberedReadOnly = onScreen.readOnly;
    if (auto message = Validate(onScreen))
        return message;
    m_result += BuildInputTag(onScreen);
    return std::nullopt;
}

std::optional<std::string> ControlsForm::AddNewControl(const ControlFields &onScreen)
{
    if (auto message = Append(onScreen))
        return message;
    m_fields = ControlFields{};
    m_fields.type = onScreen.type;
    m_rows.sizeShown = false;
    m_rows.maxLengthShown = false;
    m_rows.lowSourceShown = false;
    return std::nullopt;
}

std::optional<std::string> ControlsForm::Confirm(const ControlFields &onScreen)
{
    return Append(onScreen);
}

} // namespace tarnel
