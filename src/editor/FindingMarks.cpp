#include "FindingMarks.h"

#include "CheckService.h"
#include "PageValidation.h"
#include "TarnelView.h"

#include <QColor>
#include <QToolTip>

namespace {

const QColor kErrorColour(0xd0, 0x20, 0x20);
const QColor kWarningColour(0xe0, 0x90, 0x00);

QString severityText(tarnel::Severity severity)
{
    return severity == tarnel::Severity::Error ? CFindingMarks::tr("Error")
                                               : CFindingMarks::tr("Warning");
}

} // namespace

CFindingMarks::CFindingMarks(CTarnelView *view, CCheckService *checks)
    : QObject(view)
    , m_view(view)
    , m_checks(checks)
    , m_surface(view)
{
    m_surface.defineSquiggle(CCheckService::kErrorIndicator, kErrorColour);
    m_surface.defineSquiggle(CCheckService::kWarningIndicator, kWarningColour);
    m_surface.defineLineMarker(CCheckService::kErrorMarker, kErrorColour);
    m_surface.defineLineMarker(CCheckService::kWarningMarker, kWarningColour);
    m_surface.showMarkersInMargin(
        kMargin, (1 << CCheckService::kErrorMarker) | (1 << CCheckService::kWarningMarker),
        kMarginWidth);
    m_surface.reportPointerRests(400);
    connect(view, &QsciScintillaBase::SCN_DWELLSTART, this,
            [this](int, int x, int y) { showTip(x, y); });
    connect(view, &QsciScintillaBase::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
}

QString CFindingMarks::tipAt(const QPoint &point) const
{
    const std::size_t position = m_surface.positionAt(point);
    std::vector<tarnel::Finding> found;
    if (point.x() < kMarginWidth + m_view->marginWidth(0)) {
        // Beside a line: everything found on it.
        const std::size_t line = m_surface.lineOf(position) + 1;
        for (const tarnel::Finding &finding : m_checks->findings())
            if (finding.line == line)
                found.push_back(finding);
    } else if (m_surface.isMarked(CCheckService::kErrorIndicator, position) ||
               m_surface.isMarked(CCheckService::kWarningIndicator, position)) {
        found = m_checks->findingsAround(position, position);
    }
    QStringList lines;
    for (const tarnel::Finding &finding : found)
        lines << tr("%1: %2").arg(severityText(finding.severity), findingMessage(finding));
    return lines.join(QLatin1Char('\n'));
}

void CFindingMarks::showTip(int x, int y)
{
    const QString tip = tipAt(QPoint(x, y));
    if (!tip.isEmpty())
        QToolTip::showText(m_view->viewport()->mapToGlobal(QPoint(x, y)), tip, m_view);
}
