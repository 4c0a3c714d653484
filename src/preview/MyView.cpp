#include "MyView.h"

#include "PreviewPage.h"
#include "PreviewProfile.h"
#include "PreviewSchemeHandler.h"
#include "TarnelDoc.h"
#include "commandids.h"

#include <QApplication>
#include <QChildEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

using namespace tarnel;

CMyView::CMyView(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent)
    : QWebEngineView(parent)
    , CView(document)
    , m_profile(profile)
{
    static int previews = 0;
    m_pageName = QStringLiteral("page%1").arg(++previews);
    m_page = new CPreviewPage(profile, this);
    setPage(m_page);
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
    connect(m_page, &CPreviewPage::refused, this,
            [this](const QString &text) { emit statusMessage(text, 10000); });
    // The browser's own widget takes the focus, so this view hears of focus changes globally.
    connect(qApp, &QApplication::focusChanged, this, &CMyView::onFocusChanged);
    addCommands();
    document->AddView(this);
}

CMyView::~CMyView()
{
    m_profile->pages()->forgetPage(m_pageName);
    GetDocument()->RemoveView(this);
}

void CMyView::addCommands()
{
    CCommandHandlers &handlers = commands();
    handlers.add(ID_OPEN_IN_BROWSER, [this] { GetDocument()->OpenInBrowser(); });
    handlers.add(ID_PREVIEW_STOP, [this] { stop(); });
    handlers.add(ID_PREVIEW_BACK, [this] { back(); });
    handlers.add(ID_PREVIEW_FORWARD, [this] { forward(); });
    // Shows the text taken at the last switch to this view.
    handlers.add(ID_PREVIEW_REFRESH, [this] { reload(); });
}

void CMyView::OnActivateView()
{
    if (takeReloadRequest && takeReloadRequest())
        ReloadPreview();
}

void CMyView::ReloadPreview()
{
    const CTarnelDoc *doc = GetDocument();
    const std::string_view text = doc->textView();
    const QFileInfo page(doc->path());
    const QString fileName =
        doc->path().isEmpty() ? QStringLiteral("untitled.htm") : page.fileName();
    const QString folder = doc->path().isEmpty() ? QString() : page.absolutePath();
    load(m_profile->pages()->showPage(m_pageName,
                                      QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                                      fileName, folder));
}

void CMyView::childEvent(QChildEvent *event)
{
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

bool CMyView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            m_page->userPressedEnter();
    }
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint at = mouse->position().toPoint();
            if (press)
                m_pressedAt = at;
            else if ((at - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
                m_page->userClicked();
        }
    }
    return QWebEngineView::eventFilter(watched, event);
}

bool CMyView::holdsFocus(QWidget *widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void CMyView::onFocusChanged(QWidget *old, QWidget *now)
{
    if (holdsFocus(old) && !holdsFocus(now))
        stop();
}
