#include "MyView.h"

#include "PreviewInterceptor.h"
#include "PreviewPage.h"
#include "PreviewProfile.h"
#include "TarnelDoc.h"
#include "commandids.h"

#include <QApplication>
#include <QUrl>

using namespace tarnel;

CMyView::CMyView(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent)
    : QWebEngineView(parent)
    , CView(document)
    , m_profile(profile)
{
    setPage(new CPreviewPage(profile, this));
    // The browser's own widget takes the focus, so this view hears of focus changes globally.
    connect(qApp, &QApplication::focusChanged, this, &CMyView::onFocusChanged);
    addCommands();
    document->AddView(this);
}

CMyView::~CMyView()
{
    if (!m_allowedCopy.isEmpty())
        m_profile->interceptor()->forgetCopy(m_allowedCopy);
    GetDocument()->RemoveView(this);
}

void CMyView::OnUpdate(CView *sender, int hint, const ElementRecord *record)
{
    (void)sender, (void)hint, (void)record;
}

void CMyView::addCommands()
{
    CCommandHandlers &handlers = commands();
    handlers.add(ID_OPEN_IN_BROWSER, [this] { GetDocument()->OpenInBrowser(); });
    handlers.add(ID_PREVIEW_STOP, [this] { stop(); });
    handlers.add(ID_PREVIEW_BACK, [this] { back(); });
    handlers.add(ID_PREVIEW_FORWARD, [this] { forward(); });
    // Shows the copy as it is on disk; only a switch to this view rewrites it.
    handlers.add(ID_PREVIEW_REFRESH, [this] { reload(); });
}

void CMyView::OnActivateView()
{
    if (takeReloadRequest && takeReloadRequest())
        ReloadPreview();
}

void CMyView::ReloadPreview()
{
    CTarnelDoc *doc = GetDocument();
    // A copy that cannot be written still shows what it held before.
    doc->SerializeToTempCopy();
    const QString copy = doc->previewPath();
    if (copy.isEmpty())
        return;
    CPreviewInterceptor *interceptor = m_profile->interceptor();
    if (!m_allowedCopy.isEmpty() && m_allowedCopy != copy)
        interceptor->forgetCopy(m_allowedCopy);
    m_allowedCopy = copy;
    interceptor->allowCopy(copy, doc->previewFolder());
    load(QUrl::fromLocalFile(copy));
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
