#include "TarnelDoc.h"

#include "OutlineScan.h"
#include "PageColourer.h"
#include "PageFile.h"
#include "PageFolding.h"
#include "View.h"
#include "basehref.h"
#include "editkind.h"
#include "tempcopy.h"

#include <Qsci/qsciscintilla.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <algorithm>
#include <ctime>
#include <optional>

namespace {

// The most bytes a change may insert or remove and still be read for whether it left every
// tag and line alone: typing, a word pasted or deleted.
constexpr std::size_t inertReach = 4096;

// This run's folder for temporary copies, made at the first need (tried again at the next
// when it could not be made): copies that an editor which crashed or was killed left are
// removed first. It goes when the editor exits.
const tarnel::TempSession *tempSession(std::string *error)
{
    static std::optional<tarnel::TempSession> session;
    if (session)
        return &*session;
    const auto dir =
        tarnel::PrivateTempDir(qgetenv("XDG_RUNTIME_DIR").toStdString(),
                               QFile::encodeName(QDir::tempPath()).toStdString(), error);
    if (!dir)
        return nullptr;
    if (!dir->fresh)
        tarnel::RemoveStaleSessions(dir->path);
    if (auto opened = tarnel::TempSession::Open(*dir, error))
        session.emplace(std::move(*opened));
    return session ? &*session : nullptr;
}

tarnel::FileStamp lookAt(const QString &path)
{
    return tarnel::LookAtFile(QFile::encodeName(path).toStdString());
}

} // namespace

CTarnelDoc::CTarnelDoc(QObject *parent)
    : QObject(parent)
    , m_surface(std::make_unique<QsciScintilla>())
    , m_text(m_surface.get())
{
    m_surface->setAttribute(Qt::WA_DontShowOnScreen);
    configureSurface(m_surface.get());
    m_text.reportChangesBeforehand();
    // A page whose file went stays modified whatever the undo history says.
    connect(m_surface.get(), &QsciScintilla::modificationChanged, this,
            [this] { emit modifiedChanged(isModified()); });
    m_text.onChangeAhead(this, [this](const CTextSurface::Change &change) {
        noteChangeAhead(change);
        emit aboutToChange({change.position, change.removed, change.inserted});
        emit contentChanged();
    });
    m_outline = new COutlineScan(this);
    m_folding = new CPageFolding(this);
}

CTarnelDoc::~CTarnelDoc()
{
    // Before the editor's text goes: the colourer and the outline may still be reading it.
    delete m_colourer;
    m_colourer = nullptr;
    delete m_outline;
    m_outline = nullptr;
    OnCloseDocument();
}

QString CTarnelDoc::title() const
{
    if (!m_path.isEmpty())
        return QFileInfo(m_path).fileName();
    return m_untitledNumber <= 1 ? tr("Untitled") : tr("Untitled %1").arg(m_untitledNumber);
}

bool CTarnelDoc::prepareTempCopy()
{
    std::string error;
    const tarnel::TempSession *session = tempSession(&error);
    if (!session) {
        m_error = tr("Cannot make the folder for temporary copies: %1")
                      .arg(QString::fromStdString(error));
        return false;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto copy = tarnel::CreateTempCopy(session->folder(), local, &error);
    if (!copy) {
        m_error = tr("Cannot make the temporary copy: %1").arg(QString::fromStdString(error));
        return false;
    }
    m_strTempPath = QString::fromStdString(*copy);
    return true;
}

bool CTarnelDoc::OnNewDocument(std::string startingText, tarnel::LineBreak lineBreak)
{
    // Only the browser needs the copy: without one the page is edited all the same, and Open
    // in Browser says why it cannot show it.
    prepareTempCopy();
    m_path.clear();
    m_disk.Forget();
    m_bOpenedFromFile = false;
    m_startingText = std::move(startingText);
    m_codec = CPageCodec(true);
    m_lineBreak = lineBreak;
    setInitialText({});
    emit titleChanged();
    return true;
}

void CTarnelDoc::nameNewPage(const QString &path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    emit titleChanged();
}

bool CTarnelDoc::openForReading(const QString &path, QFile &file)
{
    QString reason;
    if (!openPageFile(path, file, &reason)) {
        m_error = tr("Cannot open %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    return true;
}

bool CTarnelDoc::readFile(const QString &path, QByteArray *bytes)
{
    QFile file;
    if (!openForReading(path, file))
        return false;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = tr("Cannot read %1:\n%2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

bool CTarnelDoc::loadFile(const QString &path)
{
    QFile file;
    if (!openForReading(path, file))
        return false;
    // Straight into the editor a piece at a time: a whole copy of a big page in between
    // would add its size to the peak memory of opening it.
    setInitialText({});
    m_text.setUndoCollection(false);
    // Room to type in from the start: the editor's first growth of a full buffer would
    // briefly hold the page twice over.
    const qint64 room = file.size() + file.size() / 8 + 4096;
    m_text.reserve(static_cast<std::size_t>(room));
    constexpr qint64 pieceSize = 4 << 20;
    std::unique_ptr<char[]> piece(new char[pieceSize + 1]);
    qint64 held = 0; // a "\r" kept back so that a "\r\n" arrives whole
    for (;;) {
        const qint64 read = file.read(piece.get() + held, pieceSize);
        if (read < 0) {
            m_error =
                tr("Cannot read %1:\n%2").arg(QDir::toNativeSeparators(path), file.errorString());
            setInitialText({});
            return false;
        }
        qint64 ready = held + read;
        held = read > 0 && piece[ready - 1] == '\r' ? 1 : 0;
        ready -= held;
        m_text.append({piece.get(), static_cast<std::size_t>(ready)});
        if (held)
            piece[0] = '\r';
        if (read == 0)
            break;
    }
    if (held)
        m_text.append("\r");
    adoptEncodingOf(textView(), tarnel::LineBreak::CrLf);
    m_text.setUndoCollection(true);
    m_text.forgetUndoHistory();
    m_text.setSavePoint();
    return true;
}

bool CTarnelDoc::OnOpenDocument(const QString &path)
{
    if (!loadFile(path))
        return false;
    prepareTempCopy();
    m_path = QFileInfo(path).absoluteFilePath();
    m_bOpenedFromFile = true;
    m_startingText.clear();
    rememberDiskState();
    m_folding->refold();
    emit titleChanged();
    return true;
}

bool CTarnelDoc::OnSaveDocument(const QString &path)
{
    // The administrator could write over it: a page marked read-only is kept all the same.
    const tarnel::FileStamp target = lookAt(path);
    if (target.exists && !target.writable)
        return failSaving(path, tr("The file is read-only."));
    const std::string_view text = textView();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failSaving(path, file.errorString());
    // A write cut short (a full disk, a size limit) returns what it wrote without a reason;
    // writing the rest brings the reason out.
    qint64 written = 0;
    while (written < qint64(text.size())) {
        const qint64 n = file.write(text.data() + written, qint64(text.size()) - written);
        if (n <= 0)
            break;
        written += n;
    }
    // A full disk shows when the buffer is written; commit() would lose the reason.
    if (written != qint64(text.size()) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failSaving(path, reason);
    }
    if (!file.commit())
        return failSaving(path, file.errorString());
    m_path = QFileInfo(path).absoluteFilePath();
    rememberDiskState();
    setSavePoint();
    emit titleChanged();
    emit saved();
    return true;
}

bool CTarnelDoc::failSaving(const QString &path, const QString &reason)
{
    m_error = tr("Cannot save %1:\n%2").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

void CTarnelDoc::OnCloseDocument()
{
    // A copy handed to the user's browser stays until the editor exits: the browser may
    // still be reading it, or read it again on a reload.
    if (!m_strTempPath.isEmpty() && !m_handedToBrowser)
        QFile::remove(m_strTempPath);
    m_strTempPath.clear();
}

bool CTarnelDoc::SerializeToTempCopy()
{
    if (m_strTempPath.isEmpty() && !prepareTempCopy())
        return false;
    std::string_view text = textView();
    std::string based;
    if (!m_path.isEmpty()) {
        // The copy lies elsewhere: the page's relative pictures and links must still resolve
        // in its own folder.
        const QUrl folder = QUrl::fromLocalFile(QFileInfo(m_path).absolutePath() + "/");
        based = tarnel::WithBaseHref(text, folder.toString(QUrl::FullyEncoded).toStdString());
        text = based;
    }
    std::string error;
    if (!tarnel::WriteTempCopy(m_strTempPath.toStdString(), text.data(), text.size(), &error)) {
        m_error = QString::fromStdString(error);
        return false;
    }
    return true;
}

void CTarnelDoc::OpenInBrowser()
{
    // The browser always gets the page as it stands, never a stale or empty copy.
    if (!SerializeToTempCopy()) {
        emit failed(tr("Cannot show the page in the browser:\n%1").arg(m_error));
        return;
    }
    m_handedToBrowser = true;
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_strTempPath));
}

bool CTarnelDoc::isModified() const
{
    return m_text.isModified() || fileMissing();
}

void CTarnelDoc::setSavePoint()
{
    m_text.setSavePoint();
}

void CTarnelDoc::showOn(CTextSurface &surface)
{
    surface.showTextOf(m_text);
    surface.reportChangesBeforehand();
    m_shownOn.push_back(&surface);
}

void CTarnelDoc::hideFrom(CTextSurface &surface)
{
    std::erase(m_shownOn, &surface);
    surface.detachText();
}

std::string_view CTarnelDoc::textView() const
{
    return m_text.all();
}

std::shared_ptr<const std::string> CTarnelDoc::snapshot()
{
    if (!m_snapshot)
        m_snapshot = std::make_shared<const std::string>(textView());
    return m_snapshot;
}

void CTarnelDoc::noteChangeAhead(const CTextSurface::Change &change)
{
    m_snapshot.reset();
    m_judged.reset();
    // A big removal is never worth reading: it is no typing in a word.
    if (change.removed > 0)
        m_removedInert = m_removedInert && change.removed <= inertReach &&
                         tarnel::InertInText(textSlice(change.position, change.removed));
}

bool CTarnelDoc::leftTagsAlone(const tarnel::TextChange &change)
{
    if (m_judged && m_judged->first == change)
        return m_judged->second;
    // Typing and the like: a paste of pages is not worth reading for this.
    bool alone = false;
    if (m_colourer && change.inserted <= inertReach &&
        change.inserted <= textLength() - change.position) {
        const tarnel::LineState context = m_colourer->contextAt(change.position).state;
        // Each slice may move the editor's gap and so the bytes of the one before.
        const std::size_t reach = std::min(change.position, tarnel::WordReach);
        const std::string before(textSlice(change.position - reach, reach));
        alone = tarnel::LeavesTagsAlone(before, textSlice(change.position, change.inserted),
                                        m_removedInert, context);
    }
    m_removedInert = true;
    m_judged.emplace(change, alone);
    return alone;
}

std::size_t CTarnelDoc::textLength() const
{
    return m_text.length();
}

std::string_view CTarnelDoc::textSlice(std::size_t start, std::size_t length) const
{
    const std::size_t total = textLength();
    start = std::min(start, total);
    length = std::min(length, total - start);
    return m_text.bytes(start, length);
}

void CTarnelDoc::configureSurface(QsciScintilla *surface) const
{
    surface->setUtf8(m_codec.isUtf8());
    switch (m_lineBreak) {
    case tarnel::LineBreak::CrLf:
        surface->setEolMode(QsciScintilla::EolWindows);
        break;
    case tarnel::LineBreak::Lf:
        surface->setEolMode(QsciScintilla::EolUnix);
        break;
    case tarnel::LineBreak::Cr:
        surface->setEolMode(QsciScintilla::EolMac);
        break;
    }
}

void CTarnelDoc::configureAllSurfaces()
{
    configureSurface(m_surface.get());
    emit encodingChanged();
}

void CTarnelDoc::setInitialText(std::string_view bytes)
{
    configureAllSurfaces();
    m_text.setUndoCollection(false);
    m_text.clear();
    m_text.append(bytes);
    m_text.setUndoCollection(true);
    m_text.forgetUndoHistory();
    m_text.setSavePoint();
}

void CTarnelDoc::AddView(CView *view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

CView *CTarnelDoc::firstViewOf(CView::Kind kind) const
{
    const auto it = std::find_if(m_views.begin(), m_views.end(),
                                 [kind](CView *v) { return v->kind() == kind; });
    return it == m_views.end() ? nullptr : *it;
}

void CTarnelDoc::RemoveView(CView *view)
{
    const auto it = std::find(m_views.begin(), m_views.end(), view);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    if (m_views.empty())
        emit lastViewRemoved();
}

CPageColourer &CTarnelDoc::colourer()
{
    if (!m_colourer)
        m_colourer = new CPageColourer(this);
    return *m_colourer;
}

void CTarnelDoc::rescanOutline(bool resendAll)
{
    m_outline->rescan(resendAll);
}

void CTarnelDoc::rescanOutlineSoon(bool resendAll)
{
    m_outline->rescanSoon(resendAll);
}

void CTarnelDoc::requestShowElement(CView *requester, tarnel::ElementKind kind,
                                    const tarnel::ElementRecord &record)
{
    emit showElementRequested(requester, kind, record);
}

void CTarnelDoc::rememberDiskState()
{
    const bool wasMissing = fileMissing(), wasReadOnly = isReadOnly();
    m_disk.Remember(lookAt(m_path));
    diskStateChanged(wasMissing, wasReadOnly);
}

void CTarnelDoc::diskStateChanged(bool wasMissing, bool wasReadOnly)
{
    if (wasReadOnly != isReadOnly())
        emit titleChanged();
    if (wasMissing != fileMissing())
        emit modifiedChanged(isModified());
}

tarnel::DiskFinding CTarnelDoc::lookAtDisk()
{
    if (m_path.isEmpty())
        return tarnel::DiskFinding::Nothing;
    const bool wasMissing = fileMissing(), wasReadOnly = isReadOnly();
    const tarnel::DiskFinding finding = m_disk.Look(lookAt(m_path));
    diskStateChanged(wasMissing, wasReadOnly);
    return finding;
}

tarnel::SaveCheck CTarnelDoc::checkBeforeSave()
{
    const bool wasMissing = fileMissing(), wasReadOnly = isReadOnly();
    const tarnel::SaveCheck check = m_disk.BeforeSave(lookAt(m_path));
    diskStateChanged(wasMissing, wasReadOnly);
    return check;
}

void CTarnelDoc::acceptDiskVersion()
{
    rememberDiskState();
}

void CTarnelDoc::keepWithoutFile()
{
    m_disk.KeepWithoutFile();
}

bool CTarnelDoc::reloadFromDisk()
{
    QByteArray bytes;
    if (!readFile(m_path, &bytes))
        return false;
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    adoptEncodingOf(text, tarnel::LineBreak::CrLf);
    setInitialText(text);
    rememberDiskState();
    emit reloaded();
    return true;
}

void CTarnelDoc::adoptEncodingOf(std::string_view bytes, tarnel::LineBreak lineBreak)
{
    m_codec = CPageCodec(tarnel::IsValidUtf8(bytes));
    m_lineBreak = tarnel::PrevailingLineBreak(bytes, lineBreak);
    configureAllSurfaces();
}

void CTarnelDoc::restoreText(std::string_view bytes)
{
    adoptEncodingOf(bytes, m_lineBreak);
    {
        CEditGroup group(m_text);
        m_text.clear();
        m_text.append(bytes);
    }
    emit reloaded();
}
