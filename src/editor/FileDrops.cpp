#include "FileDrops.h"

#include "InsertCommands.h"
#include "TarnelView.h"
#include "pagetext.h"

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

CFileDrops::CFileDrops(CTarnelView *view)
    : QObject(view)
    , m_view(view)
{
    // The surface's own drag handling sits on its viewport: files are taken before it.
    view->viewport()->installEventFilter(this);
}

QStringList CFileDrops::localFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files.append(url.toLocalFile());
    }
    return files;
}

tarnel::DroppedFile CFileDrops::kindOf(const QString &path, QByteArray *bytes, QString *refusal)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *refusal = tr("%1 is a folder.").arg(info.fileName());
        return tarnel::DroppedFile::Refused;
    }
    // Pages and pictures are told by their names; only any other file needs reading.
    tarnel::DroppedFile kind = tarnel::KindOfDroppedFile(path.toStdString(), {});
    if (kind != tarnel::DroppedFile::Text)
        return kind;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *refusal = tr("Cannot read %1: %2").arg(info.fileName(), file.errorString());
        return tarnel::DroppedFile::Refused;
    }
    *bytes = file.readAll();
    kind =
        tarnel::KindOfDroppedFile(path.toStdString(), {bytes->constData(), size_t(bytes->size())});
    if (kind == tarnel::DroppedFile::Refused)
        *refusal = tr("%1 is neither a page, a picture nor a text file.").arg(info.fileName());
    return kind;
}

void CFileDrops::dropFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        QByteArray bytes;
        QString refusal;
        switch (kindOf(path, &bytes, &refusal)) {
        case tarnel::DroppedFile::Page:
            emit pageDropped(path);
            break;
        case tarnel::DroppedFile::Picture:
            insertcmd::imageOfFile(*m_view, path);
            break;
        case tarnel::DroppedFile::Text:
            insertText(bytes);
            break;
        case tarnel::DroppedFile::Refused:
            m_view->showStatusMessage(refusal);
            break;
        }
    }
}

void CFileDrops::insertText(const QByteArray &bytes)
{
    // Read as a page is read: UTF-8 when it is, else one byte a character; then written in the
    // page's own encoding and line break.
    const std::string_view raw(bytes.constData(), std::size_t(bytes.size()));
    const QString text =
        tarnel::IsValidUtf8(raw) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    m_view->InsertSnippet(tarnel::WithLineFeeds(m_view->pageCodec().toPage(text)), false);
}

bool CFileDrops::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = localFiles(drop->mimeData());
        if (files.isEmpty())
            break;
        drop->acceptProposedAction();
        const QPoint point = drop->position().toPoint();
        const auto position = std::size_t(
            m_view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINT,
                                  static_cast<unsigned long>(point.x()), long(point.y())));
        m_view->selectBytes(position, position);
        m_view->setFocus();
        // After the drop is over: the program the files came from waits for its end, and a
        // picture's form would keep it waiting.
        QTimer::singleShot(0, this, [this, files] { dropFiles(files); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
