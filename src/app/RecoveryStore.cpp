#include "RecoveryStore.h"

#include "TarnelDoc.h"
#include "recoverycopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

constexpr int kDefaultDelayMs = 3000;
// A few milliseconds of writing on a typical disk: the window stays responsive between slices.
constexpr qsizetype kDefaultSliceBytes = 2 * 1024 * 1024;
const QString kCopySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Whether the run that wrote files named "<session>-..." has ended: only a run that ended
// leaves its lock stale (or none at all).
bool runEnded(const QDir &dir, const QString &session)
{
    QLockFile owner(dir.filePath(session + kLockSuffix));
    owner.setStaleLockTime(0);
    if (!owner.tryLock(0))
        return false;
    owner.unlock();
    return true;
}

QString sessionOf(const QString &fileName)
{
    return fileName.section(QLatin1Char('-'), 0, 1);
}

void warnNotWritten(const QString &file, const std::string &error)
{
    qWarning().noquote() << "Cannot write the recovery copy" << file
                         << QString::fromStdString(error);
}

// Appends the text from `from` on in pieces, which keeps the editor's gap where it is.
bool appendText(tarnel::RecoveryCopyAttempt &attempt, const CTarnelDoc *doc, std::size_t from,
                std::size_t to, std::size_t pieceBytes, std::string *error)
{
    while (from < to) {
        const std::size_t piece = std::min(pieceBytes, to - from);
        if (!attempt.Append(doc->textSlice(from, piece), error))
            return false;
        from += piece;
    }
    return true;
}

} // namespace

CRecoveryStore::CRecoveryStore(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_delay(kDefaultDelayMs)
    , m_sliceBytes(kDefaultSliceBytes)
{
    m_committer.setMaxThreadCount(1);
    QDir().mkpath(m_folder);
    QFile::setPermissions(m_folder, kOwnerOnly | QFileDevice::ExeOwner);
    // Stores made in one process within a millisecond (tests) still get sessions of their own.
    static qint64 lastStamp = 0;
    lastStamp = qMax(lastStamp + 1, QDateTime::currentMSecsSinceEpoch());
    m_session = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(lastStamp);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(m_session + kLockSuffix));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
    removeUnfinishedOfEndedRuns();
}

CRecoveryStore::~CRecoveryStore()
{
    // A clean exit leaves no copy behind, whatever documents are still open; nothing the
    // worker still holds may land afterwards, and the worker ends with us.
    for (Watched &w : m_watched)
        cancelCopies(w);
    m_committer.waitForDone();
    if (!m_keeping)
        for (const Watched &w : std::as_const(m_watched))
            QFile::remove(w.file);
    m_lock->unlock();
}

void CRecoveryStore::removeUnfinishedOfEndedRuns() const
{
    const QDir dir(m_folder);
    const QString pattern = QLatin1Char('*') + kCopySuffix +
                            QString::fromLatin1(tarnel::kRecoveryTemporaryMark.data(),
                                                tarnel::kRecoveryTemporaryMark.size()) +
                            QLatin1Char('*');
    for (const QString &name : dir.entryList({pattern}, QDir::Files | QDir::System)) {
        const QString session = sessionOf(name);
        if (session != m_session && runEnded(dir, session))
            QFile::remove(dir.filePath(name));
    }
}

QString CRecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

void CRecoveryStore::watch(CTarnelDoc *doc)
{
    if (m_watched.contains(doc))
        return;
    Watched w;
    w.file = QDir(m_folder).filePath(
        QStringLiteral("%1-%2%3").arg(m_session).arg(m_nextNumber++).arg(kCopySuffix));
    w.timer = new QTimer(this);
    w.timer->setSingleShot(true);
    connect(w.timer, &QTimer::timeout, this, [this, doc] { startCopy(doc); });
    w.sliceTimer = new QTimer(this);
    w.sliceTimer->setInterval(0);
    connect(w.sliceTimer, &QTimer::timeout, this, [this, doc] { writeSlice(doc); });
    m_watched.insert(doc, w);
    connect(doc, &CTarnelDoc::contentChanged, this, [this, doc] { changed(doc); });
    // A page whose file went is unsaved without a change of its text: it gets a copy too.
    connect(doc, &CTarnelDoc::modifiedChanged, this, [this, doc](bool modified) {
        if (!modified)
            removeCopy(doc);
        else if (doc->fileMissing())
            changed(doc);
    });
    connect(doc, &QObject::destroyed, this, [this, doc] { forget(doc); });
}

QString CRecoveryStore::copyPathOf(CTarnelDoc *doc) const
{
    return m_watched.value(doc).file;
}

void CRecoveryStore::changed(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end() || m_keeping)
        return;
    // A half-written copy would mix the old text with the new: start again after the delay.
    if (it->writing) {
        it->sliceTimer->stop();
        std::exchange(it->writing, nullptr)->Cancel();
    }
    it->timer->start(m_delay);
}

void CRecoveryStore::startCopy(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end())
        return;
    if (!doc->isModified()) {
        removeCopy(doc);
        return;
    }
    if (it->writing)
        std::exchange(it->writing, nullptr)->Cancel();
    std::string error;
    Attempt attempt = tarnel::RecoveryCopyAttempt::Begin(it->file.toStdString(), &error);
    const std::size_t total = doc->textLength();
    if (!attempt ||
        !attempt->Append(tarnel::RecoveryFileHead(
                             {doc->path().toStdString(), doc->title().toStdString(), {}}, total),
                         &error)) {
        warnNotWritten(it->file, error);
        return;
    }
    it->writing = std::move(attempt);
    it->total = total;
    it->written = 0;
    writeSlice(doc);
}

void CRecoveryStore::writeSlice(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end() || !it->writing) {
        if (it != m_watched.end())
            it->sliceTimer->stop();
        return;
    }
    Watched &w = *it;
    const std::size_t end = std::min(w.total, w.written + std::size_t(m_sliceBytes));
    std::string error;
    // Every change drops the attempt first; a length that moved anyway would tear the copy.
    const bool whole = doc->textLength() == w.total;
    if (!whole || !appendText(*w.writing, doc, w.written, end, end - w.written, &error) ||
        (end == w.total && !w.writing->Append("\n", &error))) {
        if (whole)
            warnNotWritten(w.file, error);
        w.sliceTimer->stop();
        std::exchange(w.writing, nullptr)->Cancel();
        return;
    }
    w.written = end;
    if (w.written < w.total) {
        w.sliceTimer->start();
    } else {
        w.sliceTimer->stop();
        Attempt attempt = std::exchange(w.writing, nullptr);
        std::erase_if(w.committing, [](const Attempt &a) { return a->Finished(); });
        w.committing.push_back(attempt);
        m_committer.start([attempt, file = w.file] {
            std::string error;
            if (!attempt->Commit(&error) && !error.empty())
                warnNotWritten(file, error);
        });
    }
    // Last: whoever listens may edit the document or close it.
    emit sliceWritten(doc, qsizetype(end), qsizetype(w.total));
}

void CRecoveryStore::cancelCopies(Watched &w)
{
    w.sliceTimer->stop();
    if (w.writing)
        std::exchange(w.writing, nullptr)->Cancel();
    for (const Attempt &attempt : w.committing)
        attempt->Cancel();
    w.committing.clear();
}

bool CRecoveryStore::writeNow(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end())
        return false;
    it->timer->stop();
    // Anything under way holds an older text.
    cancelCopies(*it);
    if (!doc->isModified()) {
        QFile::remove(it->file);
        return true;
    }
    std::string error;
    const auto attempt = tarnel::RecoveryCopyAttempt::Begin(it->file.toStdString(), &error);
    const std::size_t total = doc->textLength();
    const bool written =
        attempt &&
        attempt->Append(tarnel::RecoveryFileHead(
                            {doc->path().toStdString(), doc->title().toStdString(), {}}, total),
                        &error) &&
        appendText(*attempt, doc, 0, total, std::size_t(m_sliceBytes), &error) &&
        attempt->Append("\n", &error) && attempt->Commit(&error);
    if (!written)
        warnNotWritten(it->file, error);
    return written;
}

void CRecoveryStore::writeAllAndKeep()
{
    for (CTarnelDoc *doc : m_watched.keys())
        writeNow(doc);
    m_keeping = true;
}

void CRecoveryStore::removeCopy(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end() || m_keeping)
        return;
    it->timer->stop();
    cancelCopies(*it);
    QFile::remove(it->file);
}

void CRecoveryStore::forget(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end())
        return;
    cancelCopies(*it);
    if (!m_keeping)
        QFile::remove(it->file);
    delete it->timer;
    delete it->sliceTimer;
    m_watched.erase(it);
}

QList<CRecoveryStore::Orphan> CRecoveryStore::orphans() const
{
    QList<Orphan> found;
    const QDir dir(m_folder);
    const QStringList copies =
        dir.entryList({QLatin1Char('*') + kCopySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QString &name : copies) {
        const QString session = sessionOf(name);
        // A copy whose run still holds its lock belongs to an editor that is running.
        if (session == m_session || !runEnded(dir, session))
            continue;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        const auto page = tarnel::ParseRecoveryFile(
            std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (page)
            found.append({file.fileName(), *page});
    }
    return found;
}

void CRecoveryStore::discard(const Orphan &orphan)
{
    QFile::remove(orphan.file);
}
