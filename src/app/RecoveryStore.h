#pragma once

#include "recoveryfile.h"

#include <QHash>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class CTarnelDoc;
class QTimer;

// Crash recovery: the text of every modified document is copied to a private file a few
// seconds after its last change. Saving, closing, or undoing back to the saved text removes
// the copy, and so does a clean exit; copies left by a run that stopped unexpectedly are
// offered back at the next start. Each run locks its own copies, so a second editor running
// at the same time never offers the first one's.
class CRecoveryStore : public QObject
{
    Q_OBJECT
public:
    // `folder` is made private (0700) when missing.
    explicit CRecoveryStore(const QString &folder, QObject *parent = nullptr);
    ~CRecoveryStore() override;

    // The user's recovery folder under the application's data location.
    static QString defaultFolder();
    // Milliseconds between the last change and the copy (TARNEL_RECOVERY_DELAY_MS overrides).
    static int delayFromEnvironment();

    // How the restore question is answered without asking: TARNEL_RECOVERY_ANSWER set to
    // "restore" or "discard" (for runs without a display, such as tests).
    static std::optional<bool> answerFromEnvironment();

    void setDelay(int milliseconds) { m_delay = milliseconds; }
    void watch(CTarnelDoc *doc);
    // Writes the document's copy now (or removes it when the document is not modified).
    bool writeNow(CTarnelDoc *doc);
    QString copyPathOf(CTarnelDoc *doc) const;

    // Copies left behind by runs that are no longer running.
    struct Orphan
    {
        QString file;
        tarnel::RecoveredPage page;
    };
    QList<Orphan> orphans() const;
    static void discard(const Orphan &orphan);

private:
    struct Watched
    {
        QString file;
        QTimer *timer = nullptr;
    };
    void changed(CTarnelDoc *doc);
    void removeCopy(CTarnelDoc *doc);
    void forget(CTarnelDoc *doc);

    QString m_folder;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    int m_delay;
    int m_nextNumber = 1;
    QHash<CTarnelDoc *, Watched> m_watched;
};
