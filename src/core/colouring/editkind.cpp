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

} // namespace tarnel
