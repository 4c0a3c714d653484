#include "PageFolding.h"

#include "TarnelDoc.h"
#include "foldlevels.h"

CPageFolding::CPageFolding(CTarnelDoc *document)
    : QObject(document)
    , m_document(document)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(300);
    connect(&m_pause, &QTimer::timeout, this, &CPageFolding::refold);
    connect(document, &CTarnelDoc::changed, &m_pause, qOverload<>(&QTimer::start));
    connect(document, &CTarnelDoc::reloaded, this, &CPageFolding::refold);
}

void CPageFolding::refold()
{
    m_pause.stop();
    const std::vector<tarnel::LineFold> levels = tarnel::FoldLevels(m_document->textView());
    m_document->textSurface().setFoldLevels(0, levels);
}
