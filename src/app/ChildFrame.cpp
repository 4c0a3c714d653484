#include "ChildFrame.h"

#include "CheckService.h"
#include "FindingMarks.h"
#include "OutlineMarks.h"
#include "SiteTree.h"
#include "TarnelDoc.h"
#include "TarnelView.h"

#include <QSplitter>

CChildFrame::CChildFrame(CTarnelDoc *document, QWidget *parent)
    : CDocFrame(document, parent)
    , m_wndSplitter(new QSplitter(Qt::Horizontal, this))
    , m_outline(new CSiteTree(document, m_wndSplitter))
    , m_view(new CTarnelView(document, m_wndSplitter))
{
    m_wndSplitter->addWidget(m_outline);
    m_wndSplitter->addWidget(m_view);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    m_wndSplitter->setSizes({190, 450});
    m_wndSplitter->setChildrenCollapsible(false);
    setWidget(m_wndSplitter);
    setFocusProxy(m_view);
    CCheckService *checks = CCheckService::of(document);
    new CFindingMarks(m_view, checks);
    m_outline->setItemDelegate(new COutlineMarks(m_outline, checks));
    updateCaption();
}

CView *CChildFrame::activeView() const
{
    return m_view;
}

void CChildFrame::initialUpdate()
{
    m_view->OnInitialUpdate();
    m_outline->OnInitialUpdate();
    updateCaption();
}

void CChildFrame::showEvent(QShowEvent *event)
{
    CDocFrame::showEvent(event);
    if (!m_sized) {
        m_sized = true;
        const int total = m_wndSplitter->width();
        m_wndSplitter->setSizes({190, qMax(1, total - 190 - m_wndSplitter->handleWidth())});
    }
}

QString CChildFrame::captionBase() const
{
    return document()->title();
}
