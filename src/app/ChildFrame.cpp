#include "ChildFrame.h"

#include "CheckService.h"
#include "FindingMarks.h"
#include "OutlineMarks.h"
#include "PreviewModule.h"
#include "SiteTree.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "commandids.h"
#include "reedit.h"

#include <QSplitter>

CChildFrame::CChildFrame(CTarnelDoc *document, std::function<QObject *()> previewProfile,
                         QWidget *parent)
    : CDocFrame(document, parent)
    , m_wndSplitter(new QSplitter(Qt::Horizontal, this))
    , m_outline(new CSiteTree(document, m_wndSplitter))
    , m_view(new CTarnelView(document, m_wndSplitter))
    , m_previewProfile(std::move(previewProfile))
{
    m_wndSplitter->addWidget(m_outline);
    m_wndSplitter->addWidget(m_view);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    m_wndSplitter->setSizes({190, 450});
    m_wndSplitter->setChildrenCollapsible(false);
    setWidget(m_wndSplitter);
    setFocusProxy(m_view);
    m_view->commands().add(tarnel::ID_VIEW_LIVE_PREVIEW, [this] { toggleLivePreview(); });
    m_view->commands().add(tarnel::ID_VIEW_RELOAD_PREVIEW, [this] {
        if (m_livePreviewPane)
            m_livePreviewPane->reloadPage();
    });
    m_view->commands().add(tarnel::ID_VIEW_EDIT_IN_PREVIEW, [this] { editInLivePreview(); });
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
    const QString name = document()->title();
    return document()->isReadOnly() ? tr("%1 [read-only]").arg(name) : name;
}

void CChildFrame::toggleLivePreview()
{
    if (m_livePreviewPane)
        closeLivePreview();
    else
        openLivePreview();
}

void CChildFrame::openLivePreview()
{
    QObject *profile = m_previewProfile();
    if (!profile)
        return;
    QList<int> sizes = m_wndSplitter->sizes();
    m_livePreviewPane = previewModule()->newLivePreviewPane(document(), profile, m_wndSplitter);
    m_wndSplitter->addWidget(m_livePreviewPane);
    m_wndSplitter->setStretchFactor(2, 1);
    // Half of the source's room the first time, the width it had since.
    const int source = sizes.value(1);
    const int width = m_livePreviewWidth > 0 ? qMin(m_livePreviewWidth, source - 100) : source / 2;
    m_wndSplitter->setSizes({sizes.value(0), qMax(1, source - width), qMax(1, width)});
    CLivePreviewSide *pane = m_livePreviewPane;
    connect(m_view, &CTarnelView::caretIndexChanged, pane, &CLivePreviewSide::followCaret);
    connect(pane, &CLivePreviewSide::elementClicked, this, &CChildFrame::goToElement);
    connect(pane, &CLivePreviewSide::elementDoubleClicked, this, &CChildFrame::reeditElement);
    connect(pane, &CLivePreviewSide::statusMessage, m_view, &CTarnelView::showStatusMessage);
    connect(pane, &CLivePreviewSide::textEdited, this, &CChildFrame::writeEditedText);
    pane->followCaret(m_view->CharIndexAtCaret());
}

void CChildFrame::closeLivePreview()
{
    m_livePreviewWidth = m_wndSplitter->sizes().value(m_wndSplitter->indexOf(m_livePreviewPane));
    delete m_livePreviewPane;
    m_livePreviewPane = nullptr;
    m_view->setFocus();
}

void CChildFrame::goToElement(std::size_t tagStart)
{
    m_view->selectBytes(tagStart, tagStart);
    m_view->ensureCursorVisible();
    m_view->setFocus();
}

void CChildFrame::editInLivePreview()
{
    if (!m_livePreviewPane) {
        m_view->showStatusMessage(tr("Text is edited in the live preview: open it with F12"));
        return;
    }
    // From the source as from the page: the element holding the caret as it is now.
    m_livePreviewPane->followCaret(m_view->CharIndexAtCaret());
    m_livePreviewPane->editTextAtCaret();
}

void CChildFrame::writeEditedText(std::size_t begin, std::size_t end, const std::string &bytes)
{
    if (m_view->isReadOnly()) {
        m_view->showStatusMessage(tr("The page is read-only: the text edited was not written."));
        return;
    }
    m_view->replaceBytes(begin, end, bytes);
}

void CChildFrame::reeditElement(std::size_t tagStart)
{
    // The same path as a double click in the outline, so the form and its rewrite are one.
    const auto element = tarnel::ElementAt(document()->textView(), tagStart + 1);
    if (element)
        document()->requestShowElement(m_view, element->kind, element->record);
}
