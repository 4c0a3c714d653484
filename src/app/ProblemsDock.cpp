#include "ProblemsDock.h"

#include "CheckService.h"
#include "ChildFrame.h"
#include "TarnelDoc.h"
#include "TarnelView.h"

#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>
#include <QTreeWidget>

CProblemsDock::CProblemsDock(QMdiArea *windows, QStatusBar *statusBar, QWidget *parent)
    : QDockWidget(tr("Problems"), parent)
    , m_windows(windows)
    , m_list(new QTreeWidget(this))
    , m_count(new QLabel(statusBar))
{
    setObjectName(QStringLiteral("problems"));
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({tr("Severity"), tr("Line"), tr("Column"), tr("Message")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setStretchLastSection(true);
    setWidget(m_list);
    statusBar->addPermanentWidget(m_count);
    m_count->hide();
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { goTo(m_list->indexOfTopLevelItem(item)); });
    connect(windows, &QMdiArea::subWindowActivated, this, &CProblemsDock::follow);
}

void CProblemsDock::follow(QMdiSubWindow *window)
{
    // No window is active while a dialog is: the list keeps the page it shows.
    auto *frame = qobject_cast<CDocFrame *>(window);
    if (!frame)
        return;
    CCheckService *checks = CCheckService::of(frame->document());
    if (checks != m_checks) {
        if (m_checks)
            disconnect(m_checks, nullptr, this, nullptr);
        m_checks = checks;
        connect(checks, &CCheckService::findingsChanged, this, &CProblemsDock::refill);
        connect(checks, &QObject::destroyed, this, [this] {
            m_list->clear();
            m_count->hide();
        });
    }
    refill();
}

void CProblemsDock::refill()
{
    m_list->clear();
    if (!m_checks || m_checks->total() == 0) {
        m_count->hide();
        setWindowTitle(tr("Problems"));
        return;
    }
    QList<QTreeWidgetItem *> items;
    for (const tarnel::Finding &finding : m_checks->findings()) {
        const bool error = finding.severity == tarnel::Severity::Error;
        const QString severity = error            ? tr("Error")
                                 : finding.advice ? tr("Advice")
                                                  : tr("Warning");
        auto *item = new QTreeWidgetItem({severity, QString::number(finding.line),
                                          QString::number(finding.column),
                                          QString::fromStdString(finding.message)});
        item->setIcon(0, style()->standardIcon(error            ? QStyle::SP_MessageBoxCritical
                                               : finding.advice ? QStyle::SP_MessageBoxInformation
                                                                : QStyle::SP_MessageBoxWarning));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    const auto total = static_cast<qulonglong>(m_checks->total());
    const auto shown = static_cast<qulonglong>(m_checks->findings().size());
    m_count->setText(total == 1 ? tr("1 problem") : tr("%1 problems").arg(total));
    m_count->show();
    setWindowTitle(shown < total ? tr("Problems (the first %1 of %2)").arg(shown).arg(total)
                                 : tr("Problems"));
}

void CProblemsDock::goTo(int row)
{
    if (!m_checks || row < 0 || static_cast<std::size_t>(row) >= m_checks->findings().size())
        return;
    const tarnel::Finding finding = m_checks->findings()[static_cast<std::size_t>(row)];
    CTarnelDoc *doc = m_checks->document();
    for (QMdiSubWindow *window : m_windows->subWindowList()) {
        auto *source = qobject_cast<CChildFrame *>(window);
        if (!source || source->document() != doc)
            continue;
        m_windows->setActiveSubWindow(source);
        CTextSurface text(source->sourceView());
        const std::size_t end = std::min(finding.offset + finding.length, text.length());
        text.moveCaretTo(end);
        text.select(finding.offset, end);
        source->sourceView()->setFocus();
        return;
    }
}
