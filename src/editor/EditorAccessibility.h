#pragma once

// QScintilla's accessibility bridge counts characters from the start of the page on every
// caret move: tens of milliseconds per keystroke in a large page. Unless a screen reader is
// active (then it gets the full interface), editing surfaces get a plain widget interface.
// Call once an editing surface exists, so that this answer comes before QScintilla's own;
// further calls do nothing.
void installEditorAccessibility();

// Takes the plain interface away again (for measuring what it saves).
void removeEditorAccessibility();
