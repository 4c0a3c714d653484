#pragma once

#include "colourscheme.h"

#include "foldlevels.h"

#include <QPoint>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QColor;
class QObject;
class QsciScintillaBase;

// One editor surface on a page's text, in typed calls. It is the only place that speaks to
// Scintilla in its own messages: the document's hidden surface and every source view go
// through it. Positions are byte indexes into the text.
class CTextSurface
{
public:
    explicit CTextSurface(QsciScintillaBase *editor)
        : m_editor(editor)
    {}

    // Sharing the text: this surface shows the text `owner` shows (or none).
    void showTextOf(const CTextSurface &owner);
    void detachText();

    // Reports only the changes about to be made, undo and redo included: the after-change
    // reports make Qt's accessibility bridge count characters from the start of the page
    // on every edit, which triples the time to read a big page in.
    void reportChangesBeforehand();
    struct Change
    {
        std::size_t position = 0;
        std::size_t removed = 0;
        std::size_t inserted = 0;
    };
    // Calls `heard` for every change about to be made, while `context` lives.
    void onChangeAhead(QObject *context, std::function<void(const Change &)> heard) const;
    // Also reports each change once it is made, until called with false. Each such report
    // costs QScintilla's accessibility bridge a count of the characters before the change.
    void reportChangesMade(bool report);
    // Calls `heard` after every change made while reportChangesMade is on.
    void onChangeMade(QObject *context, std::function<void()> heard) const;

    // The text.
    std::size_t length() const;
    // Bytes [start, start + count) without copying, valid until the next change; the
    // editor's gap moves only when the range spans it.
    std::string_view bytes(std::size_t start, std::size_t count) const;
    // The whole text without copying (this moves the gap to the end).
    std::string_view all() const;
    void replace(std::size_t start, std::size_t end, std::string_view bytes);
    void append(std::string_view bytes);
    void clear();
    // Room for `bytes` of text before the editor has to grow its buffer.
    void reserve(std::size_t bytes);

    // The undo history.
    void setUndoCollection(bool collect);
    void forgetUndoHistory();
    void beginUndoGroup();
    void endUndoGroup();
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    bool isModified() const;
    void setSavePoint();

    // The caret and the selection.
    std::size_t caret() const;
    std::size_t anchor() const;
    std::size_t selectionStart() const;
    std::size_t selectionEnd() const;
    void select(std::size_t anchor, std::size_t caret);
    // Several carets (Alt+Shift+arrows make a column of them, addCaret one more): what is
    // typed or pasted goes in at each.
    void allowSeveralCarets();
    std::size_t selectionCount() const;
    // Where each selection's caret and anchor are, in the order the selections were made.
    std::vector<std::pair<std::size_t, std::size_t>> selections() const;
    void addCaret(std::size_t position);
    // Caret and anchor back where they were, without scrolling.
    void restoreSelection(std::size_t anchor, std::size_t caret);
    void clearSelection();
    // Puts the caret at `position` and scrolls it into view.
    void moveCaretTo(std::size_t position);
    // The position nearest a point of the surface, and the point of a position.
    std::size_t positionAt(const QPoint &point) const;
    // The character under a point of the surface; nullopt where none is.
    std::optional<std::size_t> characterAt(const QPoint &point) const;
    QPoint pointOf(std::size_t position) const;
    // Where [start, end) shows on the screen: one line high, on the line of `start`.
    QRect screenRectOf(std::size_t start, std::size_t end) const;

    // Styles.
    void defineStyle(int style, const QColor &colour, bool bold);
    void resetStyles();
    // Gives the bytes from `start` the styles, one a byte.
    void setStyles(std::size_t start, std::span<const std::uint8_t> styles);
    std::vector<std::uint8_t> styles(std::size_t start, std::size_t count) const;
    // Calls `needed(position)` when the editor is about to show or print bytes before
    // `position` that lie past the point markStyledTo last named.
    void onStylesNeeded(QObject *context, std::function<void(std::size_t)> needed) const;
    // Tells the editor that everything before `end` is styled.
    void markStyledTo(std::size_t end);

    // Marks over ranges of the text (indicators) and beside lines (markers). What is marked
    // belongs to the text and shows in every surface on it; how it looks is each surface's.
    void defineSquiggle(int indicator, const QColor &colour);
    // Marks that are never drawn: places the editor remembers as the text moves.
    void defineHiddenMark(int indicator);
    void markRange(int indicator, std::size_t start, std::size_t length);
    void clearMarks(int indicator);
    void clearMarks(int indicator, std::size_t start, std::size_t end);
    // Marks drawn as a thick line under the text in a colour of each range's own.
    void defineColourSwatch(int indicator);
    void markColour(int indicator, std::size_t start, std::size_t length, const QColor &colour);
    // Marks drawn as a faint box behind the text.
    void defineBackdrop(int indicator, const QColor &colour);
    bool isMarked(int indicator, std::size_t position) const;
    void defineLineMarker(int marker, const QColor &colour);
    // Margin `margin` shows the markers in `markerMask`, `width` pixels wide (0 hides it).
    void showMarkersInMargin(int margin, int markerMask, int width);
    void markLine(std::size_t line, int marker); // line counted from 0
    void clearLineMarkers(int marker);
    // The markers on a line, one bit each.
    int lineMarkers(std::size_t line) const;
    std::size_t lineOf(std::size_t position) const;
    // Pointer rests longer than `ms` are reported by the editor's dwell signals.
    void reportPointerRests(int ms);

    // The completion list: the editor's own, which never takes the keyboard, so typed
    // characters go into the text and narrow the list to the entries they begin (any case).
    // It shows `entries` in the order given, the last `typedLength` bytes before the caret
    // already typed; any of `stops` typed closes it.
    void showCompletionList(std::size_t typedLength, const std::vector<std::string> &entries,
                            std::string_view stops);
    bool completionListShown() const;
    void closeCompletionList();
    // Takes the entry selected, as a double click does.
    void completeFromList();
    // Calls `chosen(entry, start)` when an entry is taken, `start` being where the typed part
    // begins; the editor inserts nothing itself.
    void onCompletionChosen(QObject *context,
                            std::function<void(const std::string &, std::size_t)> chosen);
    // Calls `highlighted(entry)` when the list shows and whenever its selection moves.
    void onCompletionHighlighted(QObject *context,
                                 std::function<void(const std::string &)> highlighted);
    // Calls `closed()` whenever the list closes, taken or not.
    void onCompletionClosed(QObject *context, std::function<void()> closed);
    // The entry selected in the list, and where the list stands on the screen (empty when it
    // is not shown).
    std::string completionListCurrent() const;
    QRect completionListRect() const;

    // Highlights: marks over ranges of the text, drawn as a box in `colour`.
    void defineHighlight(int highlight, const QColor &colour);
    void addHighlight(int highlight, std::size_t start, std::size_t end);
    void clearHighlight(int highlight, std::size_t start, std::size_t end);

    // Lines (lineOf above).
    // Tabs expanded, characters counted; on a very long line, bytes.
    std::size_t columnOf(std::size_t position) const;
    std::size_t lineStart(std::size_t line) const;
    std::size_t lineCount() const;
    void showLineNumbers(bool show);
    // Widens the line numbers' margin when the page's line count needs another digit.
    void fitLineNumbers();
    // Folding: margin `margin` shows the folds as boxes, a click on one opens or closes it.
    void showFoldMargin(int margin);
    // The folds of lines `firstLine` on, one entry a line; lines whose fold stands are not
    // touched, so a refold that changes little costs the editor little.
    void setFoldLevels(std::size_t firstLine, std::span<const tarnel::LineFold> levels);
    bool isFoldHead(std::size_t line) const;
    bool isLineShown(std::size_t line) const;
    // The paper, text, current line, caret, margins and fold boxes; every style is reset to
    // the paper and text (resetStyles), so the styles' own looks are given after.
    void applyColours(const tarnel::EditorColours &colours);

    // Layout.
    void trackScrollWidth();
    void scrollToLeftEdge();

    // The first match of `needle` in [from, to) (searching backwards when to < from), as
    // its start and end. A regular expression is ECMAScript's, as std::regex reads it.
    struct FindFlags
    {
        bool matchCase = false;
        bool wholeWord = false;
        bool regex = false;
    };
    std::optional<std::pair<std::size_t, std::size_t>>
    find(std::string_view needle, std::size_t from, std::size_t to, FindFlags flags);
    // Replaces [start, end), the match `find` found last, by `replacement` with each \0-\9
    // in it standing for what that group matched; returns the length written.
    std::size_t replaceFound(std::size_t start, std::size_t end, std::string_view replacement);
    // The position one character after `position` (the end stays the end), and before it.
    std::size_t positionAfter(std::size_t position) const;
    std::size_t positionBefore(std::size_t position) const;

private:
    QsciScintillaBase *m_editor;
    bool m_lineNumbers = false;
    int m_lineNumberDigits = 0;
};

// One undo step for everything done while it lives.
class CEditGroup
{
public:
    explicit CEditGroup(CTextSurface &surface)
        : m_surface(surface)
    {
        m_surface.beginUndoGroup();
    }
    ~CEditGroup() { m_surface.endUndoGroup(); }
    CEditGroup(const CEditGroup &) = delete;
    CEditGroup &operator=(const CEditGroup &) = delete;

private:
    CTextSurface &m_surface;
};
