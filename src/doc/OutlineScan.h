#pragma once

#include "colourtracker.h"
#include "outline.h"

#include <QObject>
#include <QTimer>

class CTarnelDoc;

// The document's outline scan: reads the text for its images, links and applets and tells
// the views only what changed since they were last told. A change to the text rescans once
// typing pauses.
class COutlineScan : public QObject
{
    Q_OBJECT
public:
    explicit COutlineScan(CTarnelDoc *document);

    void rescan(bool resendAll);

private:
    void textChanged(const tarnel::TextChange &change);

    CTarnelDoc *m_document;
    tarnel::OutlineState m_shown; // what the outlines were last told
    QTimer m_pause;
    // Every change since the last scan left the outline's entries as they are, and none is
    // still waiting for that verdict: the pause then reads nothing.
    bool m_entriesKept = true;
    bool m_changeUnjudged = false;
};
