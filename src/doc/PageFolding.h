#pragma once

#include "colourtracker.h"
#include "foldlevels.h"

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <vector>

class CTarnelDoc;

// The folds of the document's page, worked out again once typing pauses: the whole page is
// read each time, on a worker thread, and the levels go to the editor a slice at a time, so
// neither a keystroke nor the opening of a big page waits for them. The folds belong to the
// text, so every source view on it shows them.
class CPageFolding : public QObject
{
    Q_OBJECT
public:
    explicit CPageFolding(CTarnelDoc *document);

    void refold();

private:
    void textChanged(const tarnel::TextChange &change);
    void applySlice();

    CTarnelDoc *m_document;
    class CPausedJob *m_job;
    std::uint64_t m_generation = 0;         // counts the texts; slices of an older one stop
    std::vector<tarnel::LineFold> m_levels; // worked out, not all handed to the editor yet
    std::size_t m_applied = 0;
};
