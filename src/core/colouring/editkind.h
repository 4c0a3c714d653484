#pragma once

#include "colouring.h"

#include <cstddef>
#include <string_view>

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

// Whether bytes put in or taken out of text between tags leave every tag, comment and line
// as it was: none of them is a "<", ">", "-" or a line break.
bool InertInText(std::string_view bytes);

// How far back from an edit LeavesTagsAlone reads for the "<" of a word it could extend.
inline constexpr std::size_t WordReach = 256;

// Whether an edit leaves the tags the scanner reads and the lines where they were, only moved
// along: the folds, the outline and our own checks then need no new pass over a big page.
// `before` holds the bytes before the edit, the last WordReach of them or all where there are
// fewer; `inserted` what it put in; `removedInert` says whether what it took out was
// InertInText; `context` is how the text reads where the edit is. It holds in text outside any
// tag, comment or text-only element, unless the word before the edit has a "<" that the
// edit's bytes could turn into a tag ("<" then "b").
bool LeavesTagsAlone(std::string_view before, std::string_view inserted, bool removedInert,
                     const LineState &context);

} // namespace tarnel
