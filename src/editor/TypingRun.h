#pragma once

#include "PageColourer.h"
#include "editkind.h"

#include <QObject>

#include <cstddef>
#include <utility>
#include <vector>

class CTarnelDoc;
class CTextSurface;

// The run of keys typed in one window, kept as one undo step.
//
// Scintilla merges consecutive typing into one undo step, but never with an undo group, and
// a rewrite of the colourer has to be in a group to be undone with the letters that caused
// it. So a run of keys is one group, open from its first key while each key of the same kind
// acts where the last one left the caret: typing on from where it ended, Backspace after
// Backspace, Delete after Delete, characters at several carets that are all where the last
// left them. Any other command (in any window), a click, a save or a
// change from elsewhere closes it.
class CTypingRun : public QObject
{
    Q_OBJECT
public:
    CTypingRun(CTarnelDoc *document, CTextSurface &surface);
    ~CTypingRun() override;

    // Closes the undo step of the run, if one is open: what comes next is a step of its own.
    void end();
    // A command of this window is over: a key of the run remembers where it left the caret.
    void commandFinished(tarnel::EditCommand command, const CPageColourer::Outcome &outcome);
    // What a key called for moved the caret (a partner renamed before it): the run goes on
    // from there.
    void followCaret();

private:
    enum class Keys { None, Typing, Backspaces, Deletes, TypingAtSeveralCarets };
    static Keys keysOf(tarnel::EditCommand command);
    void commandStarting(const CTextSurface *surface, tarnel::EditCommand command);
    // A key of `keys` goes on from where the run's last key left the caret.
    bool continues(Keys keys) const;

    CTextSurface &m_surface;
    Keys m_keys = Keys::None; // the undo group of this run of keys is open
    std::size_t m_end = 0;    // where the run's last key left the caret
    // Where its last key left the carets, for a run typed at several.
    std::vector<std::pair<std::size_t, std::size_t>> m_selections;
};
