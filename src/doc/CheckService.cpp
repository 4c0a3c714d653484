#include "CheckService.h"

#include "PageValidation.h"
#include "TarnelDoc.h"

#include "PausedJob.h"
#include "validation.h"

#include <QSettings>

#include <memory>
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
    m_job = new CPausedJob(this, kPauseMs, [this]() -> CPausedJob::Work {
        return [this, text = m_doc->snapshot(), path = m_doc->path(),
                advice = showsAdvice()]() -> CPausedJob::Delivery {
            auto validation =
                std::make_shared<tarnel::Validation>(validatePage(*text, path, advice));
            return [this, validation] {
                m_findings = std::move(validation->findings);
                m_total = validation->total;
                m_upToDate = true;
                markText();
                emit findingsChanged();
            };
        };
    });
    connect(document, &CTarnelDoc::changed, this, &CCheckService::textChanged);
    connect(document, &CTarnelDoc::reloaded, m_job, &CPausedJob::changed);
    connect(document, &CTarnelDoc::reloaded, this, [this] { m_upToDate = false; });
    // Saving under another name moves the page among other files.
    connect(document, &CTarnelDoc::saved, m_job, &CPausedJob::changed);
    m_job->changed();
}

void CCheckService::textChanged(const tarnel::TextChange &change)
{
    if (!findingsMoveWith(change)) {
        m_upToDate = false;
        m_job->changed();
        return;
    }
    const bool anyMoved = !m_findings.empty() && m_findings.back().offset >= change.position;
    if (anyMoved)
        emit findingsChanged();
}

bool CCheckService::findingsMoveWith(const tarnel::TextChange &change)
{
    // The validator reads the text between tags too; only pages too big for it are checked by
    // the tags alone. The page must stay that big, or the validator's absence is news.
    const std::size_t after = m_doc->textLength();
    const std::size_t before = after - change.inserted + change.removed;
    if (!m_upToDate || !m_job->idle() || std::min(before, after) <= tarnel::kTidiedBytes)
        return false;
    // The warning that says so sits on the first byte, whatever comes to stand there.
    if (change.position == 0)
        return false;
    if (!m_doc->leftTagsAlone(change))
        return false;
    const std::size_t line = m_doc->textSurface().lineOf(change.position) + 1;
    return tarnel::MoveFindingsPast(m_findings, change.position, change.removed, change.inserted,
                                    line);
}

void CCheckService::checkNow()
{
    m_job->runNow();
}

namespace {
const char kShowAdviceKey[] = "Problems/ShowAdvice";
}

bool CCheckService::showsAdvice()
{
    return QSettings().value(QLatin1String(kShowAdviceKey), false).toBool();
}

void CCheckService::setShowsAdvice(bool show, const QList<CTarnelDoc *> &documents)
{
    if (show == showsAdvice())
        return;
    QSettings().setValue(QLatin1String(kShowAdviceKey), show);
    for (CTarnelDoc *document : documents)
        of(document)->checkNow();
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
