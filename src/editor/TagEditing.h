#pragma once

#include "colourscheme.h"

#include "tagpairs.h"

#include <QObject>

#include <cstddef>
#include <optional>
#include <string>

class CTarnelView;
class CTextSurface;

// Editing tags as pairs in one source view: the closing tag put in after an opening tag's
// ">", the partner renamed with its tag, the tag at the caret and its partner highlighted,
// and the selection wrapped in a new element.
class CTagEditing : public QObject
{
    Q_OBJECT
public:
    // The colour the matching tag names are highlighted in.
    void applyColours(const tarnel::EditorColours &colours);
    CTagEditing(CTarnelView *view, CTextSurface &text);

    // The tag name the caret is in and its partner, remembered before a key that may change
    // the name; none when there is no pair to keep in step.
    struct Pair
    {
        tarnel::TagNameSpan tag;
        tarnel::TagNameSpan partner;
        std::string name;
    };
    std::optional<Pair> pairAtCaret() const;
    // After the key changed `pair`'s tag: gives the partner the tag's new name, in the key's
    // undo step; true when it did. Stops at the first blank: a name typed away (emptied, or
    // no longer there) leaves the partner alone.
    bool renamePartner(const Pair &pair);
    // After a ">" was typed: puts in the closing tag of the opening tag it ended, the caret
    // staying before it, as an undo step of its own. Only where the ">" ends a tag: never in
    // a comment, a value or the content of SCRIPT, STYLE, TITLE and the like.
    void closeTag();
    // After a ">" was typed: when it ended a closing tag the user typed right before the
    // same closing tag put in for them, that one goes (in the key's undo step), so the line
    // reads exactly as typed. True when it did.
    bool typeOverClosingTag();
    // After Enter put a line break in at `breakAt`: the new line takes the indentation of the
    // one before, and one level more between a start tag and the end tag put in for it, which
    // goes on a line of its own (in the key's undo step). Never where blanks are content; the
    // blanks it put on a line left empty go again.
    void indentLineBreak(std::size_t breakAt);
    // Highlights the tag the caret is in and its partner (or nothing).
    void highlightMatch();
    // Comments the lines the selection touches out, or back in, in the language they are
    // written in, as one undo step; or says why not.
    QString toggleComment();
    // Indents the lines the selection touches (the whole page without a selection) by element
    // nesting, changing only their leading blanks, as one undo step; says what it did.
    QString reindent();
    // Puts the selection between <name> and </name>, as one undo step.
    void wrapSelection(const std::string &name);

private:
    // The text around `position`, as few bytes as a question needs.
    struct Window
    {
        std::string_view bytes;
        std::size_t base = 0;
    };
    Window around(std::size_t position, std::size_t reach) const;
    bool allMarked(int mark, std::size_t from, std::size_t to) const;
    std::optional<tarnel::TagNameSpan> tagAtCaret(Window &window) const;
    // The pair whose tag name was deleted at the caret, its partner still named as before.
    std::optional<Pair> emptiedPairAtCaret() const;
    // The "<" before a tag name is read as the start of a tag (not in a comment, a value or
    // text-only content).
    bool startsTag(const tarnel::TagNameSpan &name) const;
    void setHighlight(std::optional<std::pair<tarnel::TagNameSpan, tarnel::TagNameSpan>> names);

    CTarnelView *m_view;
    CTextSurface &m_text;
    std::optional<std::pair<tarnel::TagNameSpan, tarnel::TagNameSpan>> m_highlighted;
    std::optional<Pair> m_emptied; // a tag whose name was deleted, waiting for the new one
};
