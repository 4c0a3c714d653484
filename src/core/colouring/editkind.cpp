#include "editkind.h"

namespace tarnel {

EditKind ClassifyEdit(EditCommand command, EditKind current)
{
    switch (command) {
    case EditCommand::TypedCharacter:
    case EditCommand::ReplaceSelection:
    case EditCommand::Snippet:
    case EditCommand::KeyFollowUp:
        return EditKind::Replace;
    case EditCommand::DeleteKey:
        return EditKind::Delete;
    case EditCommand::BackspaceKey:
        return EditKind::Backspace;
    case EditCommand::Cut:
        return EditKind::Cut;
    case EditCommand::Paste:
        return current == EditKind::Cut ? EditKind::PasteAfterCut : EditKind::Paste;
    case EditCommand::OtherKey:
    case EditCommand::TypedAtSeveralCarets:
    case EditCommand::Undo:
    case EditCommand::Redo:
    case EditCommand::Load:
        break;
    }
    return EditKind::Other;
}

bool RewritesAfter(EditCommand command)
{
    switch (command) {
    case EditCommand::TypedCharacter:
    case EditCommand::ReplaceSelection:
    case EditCommand::DeleteKey:
    case EditCommand::BackspaceKey:
        return true;
    default:
        return false;
    }
}

bool RescansOutlineAfter(EditKind kind, bool selectionEmpty)
{
    switch (kind) {
    case EditKind::Delete:
    case EditKind::Backspace:
    case EditKind::Cut:
        return true;
    case EditKind::PasteAfterCut:
        return !selectionEmpty;
    default:
        return false;
    }
}

bool InertInText(std::string_view bytes)
{
    return bytes.find_first_of("<>-\r\n") == std::string_view::npos;
}

bool LeavesTagsAlone(std::string_view before, std::string_view inserted, bool removedInert,
                     const LineState &context)
{
    if (!removedInert || context.context != Context::Text || !InertInText(inserted))
        return false;
    for (std::size_t i = before.size(); i > 0; --i) {
        const char c = before[i - 1];
        if (c == '>' || c == ' ' || c == '\t' || c == '\n' || c == '\r')
            return true;
        if (c == '<')
            return false;
    }
    // A word this long before the edit is not worth reading further back: call it touched.
    return before.size() < WordReach;
}

} // namespace tarnel
