#pragma once

#include "colourtracker.h"
#include "completion.h"
#include "editkind.h"

#include <QObject>

#include <cstddef>
#include <optional>

class CTarnelDoc;
class CTextSurface;

// Colours one page while it changes. Styles are kept in the shared text, so a page has one
// colourer however many windows show it: it hears every change through the document's own
// surface and hands the styles over once, in one block per edit.
//
// The view runs each editing command inside an Edit. The changes the command makes are
// coloured when it ends (Scintilla ignores changes made from inside its notifications, so
// rewrites cannot happen earlier), and, when the command allows it, names typed in another
// letter case are rewritten in the same undo step. Changes made outside any Edit (dropped
// text, an input method, a whole new text) are coloured as soon as control returns to the
// event loop, without rewrites.
//
// Scintilla merges consecutive typing into one undo step, but never with an undo group, and
// a rewrite has to be in a group to be undone with the letters that caused it. So a run of
// keys is one group, open from its first key while each key of the same kind acts where the
// last one left the caret: typing on from where it ended, Backspace after Backspace,
// Delete after Delete. Any other command, a click, a save or a change from elsewhere
// closes it.
class CPageColourer : public QObject
{
    Q_OBJECT
public:
    // The document's colourer, made (and the text coloured) on first use.
    static CPageColourer &of(CTarnelDoc *document);

    // Gives a surface showing the page the colours and weights of the styles.
    void defineStyles(CTextSurface &surface) const;

    struct Outcome
    {
        bool changed = false; // the command changed the text
        tarnel::EditKind kind = tarnel::EditKind::None;
    };

    class Edit
    {
    public:
        // `surface` is the window the command runs in: typed text joins the run of typing
        // only where that window's caret is.
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
        bool m_inRun = false;
        bool m_finished = false;
    };

    // How names typed in another letter case are rewritten (AsTyped: never), in every page.
    static void setNameCase(tarnel::NameCase nameCase);

    // Whether the character just before `caret` opens the completion list.
    bool opensCompletionList(std::size_t caret);
    // Colours any change made outside an Edit now.
    void flush();
    // Closes the undo step of the run of keys, if one is open: what comes next is a step of
    // its own.
    void endKeyRun();
    const tarnel::ColourTracker &tracker() const { return m_tracker; }

private:
    explicit CPageColourer(CTarnelDoc *document);
    void onModified(const tarnel::TextChange &change);
    // Colours the pending change; rewrites too when `rewrite`. False when nothing changed.
    bool colourPending(bool rewrite);
    void colourAll();
    void applyStyles(const tarnel::Recolouring &recolouring);
    void applyRewrites(const tarnel::Recolouring &recolouring);
    // The keys that make runs of one undo step.
    enum class KeyRun { None, Typing, Backspaces, Deletes };
    static KeyRun keyRunOf(tarnel::EditCommand command);
    // A key of `run` in `surface` goes on from where the run's last key left the caret.
    bool continuesKeyRun(KeyRun run, const CTextSurface &surface) const;
    void beginKeyRun(KeyRun run);

    CTarnelDoc *m_document;
    CTextSurface &m_surface;
    tarnel::ColourTracker m_tracker;
    std::optional<tarnel::TextChange> m_pending;
    tarnel::EditKind m_kind = tarnel::EditKind::None;
    int m_depth = 0;          // open Edits
    bool m_colouring = false; // our own rewrites are being made: their changes are known
    bool m_flushQueued = false;
    KeyRun m_keyRun = KeyRun::None; // the undo group of this run of keys is open
    std::size_t m_runEnd = 0;       // where the run's last key left the caret
};
