#pragma once

namespace tarnel {

// What the source view is about to do to its text, as it reports it before the change.
enum class EditCommand {
    TypedCharacter,
    ReplaceSelection, // replacing the selection with typed or found text
    Snippet,          // a form's snippet or a chosen completion, put in as it was built
    KeyFollowUp,      // what the key just typed calls for (its tag's partner renamed, a closing
                      // tag typed over): part of the key's undo step, never rewritten
    DeleteKey,
    BackspaceKey,
    OtherKey,
    TypedAtSeveralCarets, // a character typed at each of several carets, never rewritten
    Cut,
    Paste,
    Undo,
    Redo,
    Load,
};

enum class EditKind { None, Other, Replace, Delete, Backspace, Cut, Paste, PasteAfterCut };

// The kind an edit gets from its command; a paste right after a cut is told apart.
EditKind ClassifyEdit(EditCommand command, EditKind current);

// Only what the user types is rewritten in the list's letter case: pasted, dropped, indented
// and undone text, snippets and whatever else a command puts in stay exactly as they come.
bool RewritesAfter(EditCommand command);

// The outline is rebuilt after Delete, Backspace, a cut, and a paste over a cut that left a
// selection; a plain paste or typing leaves it to the ">" handler.
bool RescansOutlineAfter(EditKind kind, bool selectionEmpty);

} // namespace tarnel
