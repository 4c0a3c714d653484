#include "RecoveryStore.h"

#include "TarnelDoc.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int kDefaultDelayMs = 3000;
const QString kCopySuffix = QStringLiteral(".recovery");
const QString kLockSuffix = QStringLiteral(".lock");

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

CRecoveryStore::CRecoveryStore(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_delay(delayFromEnvironment())
{
    QDir().mkpath(m_folder);
    QFile::setPermissions(m_folder, kOwnerOnly | QFileDevice::ExeOwner);
    m_session = QStringLiteral("%1-%2")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QDateTime::currentMSecsSinceEpoch());
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(m_session + kLockSuffix));
    m_lock->setStaleLockTime(0);
    m_lock->tryLock(0);
}

CRecoveryStore::~CRecoveryStore()
{
    // A clean exit leaves no copy behind, whatever documents are still open.
    for (const Watched &w : std::as_const(m_watched))
        QFile::remove(w.file);
    m_lock->unlock();
}

QString CRecoveryStore::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

std::optional<bool> CRecoveryStore::answerFromEnvironment()
{
    const QByteArray answer = qgetenv("TARNEL_RECOVERY_ANSWER");
    if (answer == "restore")
        return true;
    if (answer == "discard")
        return false;
    return std::nullopt;
}

int CRecoveryStore::delayFromEnvironment()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("TARNEL_RECOVERY_DELAY_MS", &ok);
    return ok && ms >= 0 ? ms : kDefaultDelayMs;
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
    connect(w.timer, &QTimer::timeout, this, [this, doc] { writeNow(doc); });
    m_watched.insert(doc, w);
    connect(doc, &CTarnelDoc::contentChanged, this, [this, doc] { changed(doc); });
    connect(doc, &CTarnelDoc::modifiedChanged, this, [this, doc](bool modified) {
        if (!modified)
            removeCopy(doc);
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
    if (it != m_watched.end())
        it->timer->start(m_delay);
}

bool CRecoveryStore::writeNow(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end())
        return false;
    it->timer->stop();
    if (!doc->isModified()) {
        QFile::remove(it->file);
        return true;
    }
    const std::string_view text = doc->textView();
    const std::string head = tarnel::RecoveryFileHead(
        {doc->path().toStdString(), doc->title().toStdString(), {}}, text.size());
    QSaveFile file(it->file);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Cannot write the recovery copy" << it->file << file.errorString();
        return false;
    }
    file.setPermissions(kOwnerOnly);
    file.write(head.data(), static_cast<qint64>(head.size()));
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.write("\n", 1);
    if (!file.commit()) {
        qWarning().noquote() << "Cannot write the recovery copy" << it->file << file.errorString();
        return false;
    }
    return true;
}

void CRecoveryStore::removeCopy(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end())
        return;
    it->timer->stop();
    QFile::remove(it->file);
}

void CRecoveryStore::forget(CTarnelDoc *doc)
{
    const auto it = m_watched.find(doc);
    if (it == m_watched.end())
        return;
    QFile::remove(it->file);
    delete it->timer;
    m_watched.erase(it);
}

QList<CRecoveryStore::Orphan> CRecoveryStore::orphans() const
{
    QList<Orphan> found;
    const QDir dir(m_folder);
    const QStringList copies =
        dir.entryList({QLatin1Char('*') + kCopySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QString &name : copies) {
        const QString session = name.section(QLatin1Char('-'), 0, 1);
        if (session == m_session)
            continue;
        // A copy whose run still holds its lock belongs to an editor that is running.
        QLockFile owner(dir.filePath(session + kLockSuffix));
        owner.setStaleLockTime(0); // only a run that ended leaves its lock stale
        if (!owner.tryLock(0))
            continue;
        owner.unlock();
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
