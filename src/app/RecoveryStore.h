#pragma once

#include "recoveryfile.h"

#include <QHash>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <vector>

class CTarnelDoc;
class QTimer;

namespace tarnel {
class RecoveryCopyAttempt;
}

// Crash recovery: the text of every modified document is copied to a private file a few
// seconds after its last change. Saving, closing, or undoing back to the saved text removes
// the copy, and so does a clean exit; copies left by a run that stopped unexpectedly are
// offered back at the next start. Each run locks its own copies, so a second editor running
// at the same time never offers the first one's.
//
// The timed copy never holds the window up for long on a large page: the text is written a
// slice per event-loop turn (it lives in the editor and may only be read on this thread), and
// the slow rest (syncing to disk, renaming into place) runs on a worker thread. An edit while
// a copy is half written drops that attempt; only whole copies ever take the copy's name.
class CRecoveryStore : public QObject
{
    Q_OBJECT
public:
    // `folder` is made private (0700) when missing.
    explicit CRecoveryStore(const QString &folder, QObject *parent = nullptr);
    ~CRecoveryStore() override;

    // The user's recovery folder under the application's data location.
    static QString defaultFolder();
    // Milliseconds between the last change and the copy.
    void setDelay(int milliseconds) { m_delay = milliseconds; }
    // Text bytes written per event-loop turn by the timed copy; a smaller page goes in one turn.
    void setSliceBytes(qsizetype bytes) { m_sliceBytes = qMax<qsizetype>(1, bytes); }
    void watch(CTarnelDoc *doc);
    // Writes the document's copy now and waits until it is in place (or removes it when the
    // document is not modified). Replaces any timed copy under way.
    bool writeNow(CTarnelDoc *doc);
    // For a run ended from outside (a shutdown, the session ending), where no question can
    // be answered any more: writes every modified document's copy now and from then on
    // keeps every copy, past closing documents and the store's end, for the next start to
    // offer back.
    void writeAllAndKeep();
    QString copyPathOf(CTarnelDoc *doc) const;
    // Blocks until the copies handed to the worker thread are in place (or dropped).
    void waitForWrites() { m_committer.waitForDone(); }

    // Copies left behind by runs that are no longer running.
    struct Orphan
    {
        QString file;
        tarnel::RecoveredPage page;
    };
    QList<Orphan> orphans() const;
    static void discard(const Orphan &orphan);

signals:
    // A slice of the timed copy went to disk: `written` of the text's `total` bytes.
    void sliceWritten(CTarnelDoc *doc, qsizetype written, qsizetype total);

private:
    using Attempt = std::shared_ptr<tarnel::RecoveryCopyAttempt>;
    struct Watched
    {
        QString file;
        QTimer *timer = nullptr;
        // Fires once per event-loop turn while a timed copy is being written.
        QTimer *sliceTimer = nullptr;
        Attempt writing;
        std::size_t total = 0;
        std::size_t written = 0;
        // Whole copies waiting on the worker to be synced and renamed, oldest first.
        std::vector<Attempt> committing;
    };
    void changed(CTarnelDoc *doc);
    void startCopy(CTarnelDoc *doc);
    void writeSlice(CTarnelDoc *doc);
    void cancelCopies(Watched &w);
    void removeCopy(CTarnelDoc *doc);
    void forget(CTarnelDoc *doc);
    void removeUnfinishedOfEndedRuns() const;

    QString m_folder;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    int m_delay;
    int m_nextNumber = 1;
    bool m_keeping = false;
    qsizetype m_sliceBytes;
    QHash<CTarnelDoc *, Watched> m_watched;
    // One thread, so a document's copies land in the order they were written.
    QThreadPool m_committer;
};
