#pragma once

#include "colourtracker.h"
#include "colourvalues.h"
#include "completion.h"
#include "editkind.h"

#include <QObject>

#include <cstddef>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class CTarnelDoc;
class CTextSurface;

// Colours one page while it changes: a part of its document. Styles are kept in the shared
// text, so a page has one colourer however many windows show it: it hears every change through
// the document's own surface and hands the styles over once, in one block per edit.
//
// A window runs each editing command inside an Edit. The changes the command makes are
// coloured when it ends (Scintilla ignores changes made from inside its notifications, so
// rewrites cannot happen earlier), and, when the command allows it, names typed in another
// letter case are rewritten in the same undo step. Changes made outside any Edit (dropped
// text, an input method, a whole new text) are coloured as soon as control returns to the
// event loop, without rewrites.
class CPageColourer : public QObject
{
    Q_OBJECT
public:
    // Colours the document's text as it stands, then follows its changes.
    explicit CPageColourer(CTarnelDoc *document);
    // Waits for the colouring of a page just opened: the text must outlive it.
    ~CPageColourer() override;

    // Gives a surface showing the page the colours and weights of the styles.
    void defineStyles(CTextSurface &surface) const;

    struct Outcome
    {
        bool changed = false; // the command changed the text
        tarnel::EditKind kind = tarnel::EditKind::None;
        tarnel::TextChange change; // the command's changes, merged, when it changed the text
    };

    class Edit
    {
    public:
        // `surface` is the window the command runs in (see commandStarting).
        Edit(CPageColourer &colourer, tarnel::EditCommand command, const CTextSurface &surface);
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;
        // Colours (and rewrites) now; an Edit inside another leaves that to the outer one.
        Outcome finish();

    private:
        CPageColourer &m_colourer;
        tarnel::EditCommand m_command;
        bool m_outer;
        bool m_grouped = false;
        bool m_finished = false;
    };

    // How the names typed, chosen and built are spelled in this page: the choice, with "as the
    // page" read from the top of its text.
    tarnel::NameCase nameCase();

    // How the text reads at `position`: whether anything may be written for the user there.
    tarnel::CaretContext contextAt(std::size_t position);
    // The colour values that overlap [from, to), read from the kept line states; nullopt while
    // a command is changing the text.
    std::optional<std::vector<tarnel::ColourValue>> colourValuesIn(std::size_t from,
                                                                   std::size_t to);
    // Colours any change made outside an Edit now.
    void flush();
    const tarnel::ColourTracker &tracker()
    {
        finishOpening();
        return m_tracker;
    }

signals:
    // A command in `surface` is about to change the text. An undo step a window keeps open
    // across its keys must close now unless this command goes on with it: the command's own
    // undo step opens right after.
    void commandStarting(const CTextSurface *surface, tarnel::EditCommand command);
    // The text changed outside any command: what comes next is not part of the keys before.
    void changedOutsideCommand();
    // A big page's colouring pass from its opening is over: what waited for it can ask now.
    void openingColoured();

private:
    void onModified(const tarnel::TextChange &change);
    // Colours the pending change; rewrites too when `rewrite`. False when nothing changed.
    bool colourPending(bool rewrite, tarnel::TextChange *coloured = nullptr);
    // Styles the changes made so far; colourPending reports them.
    void colourSoFar();
    void colourAll();
    // Takes over the pass a big page's opening started, once it is done.
    void finishOpening();
    // Styles the shown lines [from, end) of a big page before its whole pass is done.
    void styleShownWhileOpening(std::size_t from, std::size_t end);
    // Hands the editor the styles of a big page up to `position` (and a little past it).
    void styleUpTo(std::size_t position);
    // Hands over the next stretch of a big page's styles, and goes on at the next turn of
    // the event loop until the page is all styled.
    void styleMore();
    void applyStyles(const tarnel::Recolouring &recolouring);
    void applyRewrites(std::span<const tarnel::Rewrite> rewrites);

    CTarnelDoc *m_document;
    CTextSurface &m_surface;
    tarnel::ColourTracker m_tracker;
    std::optional<tarnel::TextChange> m_pending;  // changes not yet styled
    std::optional<tarnel::TextChange> m_coloured; // changes styled, not yet reported
    std::vector<tarnel::Rewrite> m_rewrites;      // of the changes styled
    tarnel::EditKind m_kind = tarnel::EditKind::None;
    int m_depth = 0;          // open Edits
    bool m_colouring = false; // our own rewrites are being made: their changes are known
    bool m_flushQueued = false;
    bool m_colourAtOnce = false; // the running key's change is styled as soon as it is made
    std::size_t m_styledTo = 0;  // the editor holds the styles of the bytes before this
    std::optional<tarnel::NameCase> m_pageCase; // read from the text, until it changes there
    // A big page's whole first pass, made on another thread while it shows.
    std::unique_ptr<tarnel::ColourTracker> m_opening;
    std::future<void> m_openingDone;
    tarnel::TextRange m_shownWhileOpening; // styled by styleShownWhileOpening
};
