#include "MyFrame.h"

#include "MyView.h"

CMyFrame::CMyFrame(CTarnelDoc *document, CPreviewProfile *profile,
                   std::function<bool()> takeReloadRequest, QWidget *parent)
    : CDocFrame(document, parent)
    , m_view(new CMyView(document, profile, this))
{
    m_view->takeReloadRequest = std::move(takeReloadRequest);
    connect(m_view, &CMyView::statusMessage, this, &CDocFrame::statusMessage);
    setWidget(m_view);
    setFocusProxy(m_view);
    updateCaption();
}

CView *CMyFrame::activeView() const
{
    return m_view;
}

void CMyFrame::initialUpdate()
{
    m_view->OnInitialUpdate();
    updateCaption();
}

void CMyFrame::onActivated()
{
    m_view->OnActivateView();
}

QString CMyFrame::captionBase() const
{
    return tr("HTML View");
}
