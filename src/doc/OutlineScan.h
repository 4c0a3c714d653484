#pragma once

#include "colourtracker.h"
#include "outline.h"

#include <QObject>
#include <QTimer>

#include <future>
#include <memory>
#include <mutex>
#include <vector>

class CTarnelDoc;

// The document's outline scan: reads the text for its images, links and applets and tells
// the views only what changed since they were last told. A change to the text rescans once
// typing pauses. A big page is read on a second thread then, and when its outlines first
// fill, so that it shows and takes keys meanwhile.
class COutlineScan : public QObject
{
    Q_OBJECT
public:
    explicit COutlineScan(CTarnelDoc *document);
    // Waits for a reading on the second thread: the document deletes this before its text.
    ~COutlineScan() override;

    // Brings the outlines in line with the text now.
    void rescan(bool resendAll);
    // The same, for a big page from a second thread: the outlines are told as it is read.
    void rescanSoon(bool resendAll);
    // Waits for a reading on the second thread and tells its news: before the text changes,
    // as it reads the editor's text in place.
    void finishReading();

private:
    // What the second thread found and the window's thread has not told yet: a few thousand
    // entries at a time, so that a page's million entries are never all held twice.
    struct Reading
    {
        std::mutex lock;
        std::vector<tarnel::OutlineNotification> news;
        bool tellQueued = false;
        bool done = false;          // all it found is in `news`
        tarnel::OutlineState known; // what the outlines know once told it all
    };

    void textChanged(const tarnel::TextChange &change);
    void tellNews();
    void tell(tarnel::Hint hint, const tarnel::ElementRecord *record);

    CTarnelDoc *m_document;
    tarnel::OutlineState m_shown; // what the outlines were last told
    QTimer m_pause;
    // Every change since the last scan left the outline's entries as they are, and none is
    // still waiting for that verdict: the pause then reads nothing.
    bool m_entriesKept = true;
    bool m_changeUnjudged = false;
    std::shared_ptr<Reading> m_news;
    std::future<void> m_reading; // valid while a reading on the second thread is not all told
    bool m_toldAny = false;      // entries of this reading went out
};
