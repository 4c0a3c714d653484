#include "DocFrame.h"

#include "TarnelDoc.h"

#include <QCloseEvent>

CDocFrame::CDocFrame(CTarnelDoc *document, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_document(document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 330);
    connect(document, &CTarnelDoc::titleChanged, this, &CDocFrame::updateCaption);
    connect(document, &CTarnelDoc::modifiedChanged, this, &CDocFrame::updateCaption);
}

void CDocFrame::updateCaption()
{
    // The main window shows this caption beside its own while the window is maximised.
    setWindowTitle(m_document->isModified() ? captionBase() + QStringLiteral(" *") : captionBase());
}

void CDocFrame::closeEvent(QCloseEvent *event)
{
    if (canClose && !canClose(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
