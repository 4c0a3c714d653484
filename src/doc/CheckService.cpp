#include "CheckService.h"

#include "PageValidation.h"
#include "TarnelDoc.h"

#include <QFutureWatcher>

#include <QtConcurrent/QtConcurrentRun>
#include <utility>

CCheckService *CCheckService::of(CTarnelDoc *document)
{
    if (auto *service = document->findChild<CCheckService *>(QString(), Qt::FindDirectChildrenOnly))
        return service;
    return new CCheckService(document);
}

CCheckService::CCheckService(CTarnelDoc *document)
    : QObject(document)
    , m_doc(document)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &CCheckService::checkNow);
    connect(document, &CTarnelDoc::changed, this, &CCheckService::textChanged);
    connect(document, &CTarnelDoc::reloaded, this, &CCheckService::textChanged);
    // Saving under another name moves the page among other files.
    connect(document, &CTarnelDoc::saved, this, &CCheckService::textChanged);
    textChanged();
}

void CCheckService::textChanged()
{
    ++m_generation;
    m_pause.start();
}

void CCheckService::checkNow()
{
    m_pause.stop();
    // One check at a time: on a very large page checks could otherwise pile up, each with
    // its own copy of the text. The one under way is dropped on finishing when the text
    // changed meanwhile, and the next starts then.
    if (m_checking) {
        m_checkAgain = true;
        return;
    }
    m_checking = true;
    const quint64 generation = m_generation;
    auto *watcher = new QFutureWatcher<tarnel::Validation>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        m_checking = false;
        if (std::exchange(m_checkAgain, false) || generation != m_generation) {
            if (!m_pause.isActive())
                checkNow();
            return;
        }
        tarnel::Validation validation = watcher->result();
        m_findings = std::move(validation.findings);
        m_total = validation.total;
        markText();
        emit findingsChanged();
    });
    watcher->setFuture(QtConcurrent::run(
        [text = m_doc->text(), path = m_doc->path()] { return validatePage(text, path); }));
}

void CCheckService::markText()
{
    CTextSurface &text = m_doc->textSurface();
    for (const int indicator : {kErrorIndicator, kWarningIndicator})
        text.clearMarks(indicator);
    for (const int marker : {kErrorMarker, kWarningMarker})
        text.clearLineMarkers(marker);
    for (const tarnel::Finding &finding : m_findings) {
        const bool error = finding.severity == tarnel::Severity::Error;
        text.markRange(error ? kErrorIndicator : kWarningIndicator, finding.offset, finding.length);
        text.markLine(finding.line - 1, error ? kErrorMarker : kWarningMarker);
    }
}

std::vector<tarnel::Finding> CCheckService::findingsAround(std::size_t begin, std::size_t end) const
{
    std::vector<tarnel::Finding> around;
    for (const tarnel::Finding &finding : m_findings) {
        if (finding.offset <= end && finding.offset + finding.length >= begin)
            around.push_back(finding);
    }
    return around;
}
