#include "TypingRun.h"

#include "TarnelDoc.h"
#include "TextSurface.h"

using namespace tarnel;

CTypingRun::CTypingRun(CTarnelDoc *document, CTextSurface &surface)
    : m_surface(surface)
{
    CPageColourer &colourer = document->colourer();
    connect(&colourer, &CPageColourer::commandStarting, this, &CTypingRun::commandStarting);
    connect(&colourer, &CPageColourer::changedOutsideCommand, this, &CTypingRun::end);
    // A save point set inside the run's group would lie inside one undo step; closing the
    // group right after keeps it on the step's boundary.
    connect(document, &CTarnelDoc::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            end();
    });
}

CTypingRun::~CTypingRun()
{
    end();
}

void CTypingRun::end()
{
    if (m_keys == Keys::None)
        return;
    m_keys = Keys::None;
    m_surface.endUndoGroup();
}

void CTypingRun::commandStarting(const CTextSurface *surface, EditCommand command)
{
    // What a key calls for is part of the key's step.
    if (command == EditCommand::KeyFollowUp && surface == &m_surface)
        return;
    const Keys keys = surface == &m_surface ? keysOf(command) : Keys::None;
    if (keys != Keys::None && continues(keys))
        return;
    end();
    if (keys == Keys::None)
        return;
    m_keys = keys;
    m_surface.beginUndoGroup();
}

void CTypingRun::commandFinished(EditCommand command, const CPageColourer::Outcome &outcome)
{
    // Typing leaves the caret after what it wrote, a deletion where the bytes were.
    if (keysOf(command) != Keys::None && outcome.changed)
        m_end = outcome.change.position + outcome.change.inserted;
    if (keysOf(command) == Keys::TypingAtSeveralCarets)
        m_selections = m_surface.selections();
}

void CTypingRun::followCaret()
{
    if (m_keys != Keys::None)
        m_end = m_surface.caret();
}

CTypingRun::Keys CTypingRun::keysOf(EditCommand command)
{
    switch (command) {
    case EditCommand::TypedCharacter:
        return Keys::Typing;
    case EditCommand::BackspaceKey:
        return Keys::Backspaces;
    case EditCommand::DeleteKey:
        return Keys::Deletes;
    case EditCommand::TypedAtSeveralCarets:
        return Keys::TypingAtSeveralCarets;
    default:
        return Keys::None;
    }
}

bool CTypingRun::continues(Keys keys) const
{
    if (m_keys != keys)
        return false;
    if (keys == Keys::TypingAtSeveralCarets)
        return m_surface.selections() == m_selections;
    const std::size_t caret = m_surface.caret();
    return caret == m_surface.anchor() && caret == m_end;
}
