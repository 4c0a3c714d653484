#pragma once

#include "droppedfile.h"

#include <QObject>
#include <QStringList>

class CTarnelView;
class QMimeData;

// Files dropped on a source view: a page opens (pageDropped asks for it), a picture is offered
// in the image form and a text file's text goes in, both at the drop point. Text dragged from
// another program is left to the editor's own dropping.
class CFileDrops : public QObject
{
    Q_OBJECT
public:
    explicit CFileDrops(CTarnelView *view);

    // The local files a drag carries; none for a drag of text or of other URLs.
    static QStringList localFiles(const QMimeData *data);
    // What a dropped file is; `bytes` gets a text file's bytes, `refusal` says why a refused
    // file is refused.
    static tarnel::DroppedFile kindOf(const QString &path, QByteArray *bytes, QString *refusal);

    // Takes the files as if dropped at the caret, in their order.
    void dropFiles(const QStringList &paths);

signals:
    void pageDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void insertText(const QByteArray &bytes);

    CTarnelView *m_view;
};
