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

bool CMyView::handlesCommand(int id) const
{
    switch (id) {
    case ID_OPEN_IN_BROWSER:
    case ID_PREVIEW_STOP:
    case ID_PREVIEW_BACK:
    case ID_PREVIEW_FORWARD:
    case ID_PREVIEW_REFRESH:
        return true;
    default:
        return false;
    }
}

void CMyView::onCommand(int id)
{
    switch (id) {
    case ID_OPEN_IN_BROWSER:
        GetDocument()->OpenInBrowser();
        return;
    case ID_PREVIEW_STOP:
        stop();
        return;
    case ID_PREVIEW_BACK:
        back();
        return;
    case ID_PREVIEW_FORWARD:
        forward();
        return;
    case ID_PREVIEW_REFRESH:
        // Shows the copy as it is on disk; only a switch to this view rewrites it.
        reload();
        return;
    default:
        return;
    }
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
