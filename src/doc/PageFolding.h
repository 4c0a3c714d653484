#pragma once

#include <QObject>
#include <QTimer>

class CTarnelDoc;

// The folds of the document's page, worked out again once typing pauses: the whole page is
// read each time, which no keystroke should wait for. The folds belong to the text, so every
// source view on it shows them.
class CPageFolding : public QObject
{
    Q_OBJECT
public:
    explicit CPageFolding(CTarnelDoc *document);

    void refold();

private:
    CTarnelDoc *m_document;
    QTimer m_pause;
};
