#include "ProblemsDock.h"

#include "AltDlg.h"
#include "CheckService.h"
#include "ChildFrame.h"
#include "PageValidation.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "filepaths.h"
#include "reedit.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString chooseInDialog(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, CProblemsDock::tr("Choose the File"), folder);
}

} // namespace

CProblemsDock::CProblemsDock(QMdiArea *windows, QStatusBar *statusBar, QWidget *parent)
    : QDockWidget(tr("Problems"), parent)
    , m_windows(windows)
    , m_list(new QTreeWidget(this))
    , m_count(new QLabel(statusBar))
    , m_fix(new QAction(tr("Fix"), m_list))
    , m_chooseFile(chooseInDialog)
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

    // Enter and a double click go to the problem, as in a compiler's list; the fix is asked for.
    m_fix->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    m_fix->setShortcutContext(Qt::WidgetShortcut);
    m_fix->setEnabled(false);
    m_list->addAction(m_fix);
    connect(m_fix, &QAction::triggered, this,
            [this] { fix(m_list->indexOfTopLevelItem(m_list->currentItem())); });
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { offerFixOf(m_list->indexOfTopLevelItem(item)); });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CProblemsDock::showMenu);
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
        const bool fixable = finding.fix.kind != tarnel::FixKind::None;
        auto *item =
            new QTreeWidgetItem({fixable ? severity + QStringLiteral(" \u2605") : severity,
                                 QString::number(finding.line), QString::number(finding.column),
                                 findingMessage(finding)});
        item->setIcon(0, style()->standardIcon(error            ? QStyle::SP_MessageBoxCritical
                                               : finding.advice ? QStyle::SP_MessageBoxInformation
                                                                : QStyle::SP_MessageBoxWarning));
        if (fixable)
            item->setToolTip(0, tr("Fix available (Ctrl+.)"));
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

CChildFrame *CProblemsDock::sourceFrame() const
{
    if (!m_checks)
        return nullptr;
    for (QMdiSubWindow *window : m_windows->subWindowList()) {
        auto *source = qobject_cast<CChildFrame *>(window);
        if (source && source->document() == m_checks->document())
            return source;
    }
    return nullptr;
}

void CProblemsDock::goTo(int row)
{
    if (!m_checks || row < 0 || static_cast<std::size_t>(row) >= m_checks->findings().size())
        return;
    const tarnel::Finding finding = m_checks->findings()[static_cast<std::size_t>(row)];
    CChildFrame *source = sourceFrame();
    if (!source)
        return;
    m_windows->setActiveSubWindow(source);
    CTextSurface text(source->sourceView());
    const std::size_t end = std::min(finding.offset + finding.length, text.length());
    text.moveCaretTo(end);
    text.select(finding.offset, end);
    source->sourceView()->setFocus();
}

void CProblemsDock::offerFixOf(int row)
{
    const bool valid =
        m_checks && row >= 0 && static_cast<std::size_t>(row) < m_checks->findings().size();
    const tarnel::Fix fix =
        valid ? m_checks->findings()[static_cast<std::size_t>(row)].fix : tarnel::Fix{};
    CChildFrame *source = sourceFrame();
    switch (fix.kind) {
    case tarnel::FixKind::GiveAlt:
        m_fix->setText(tr("Give It a Text Alternative..."));
        break;
    case tarnel::FixKind::UseNameOnDisk:
        m_fix->setText(
            tr("Use \u201c%1\u201d as on disk")
                .arg(source ? source->sourceView()->pageCodec().toText(fix.replacement).trimmed()
                            : QString()));
        break;
    case tarnel::FixKind::ChooseFile:
        m_fix->setText(tr("Choose the File..."));
        break;
    case tarnel::FixKind::None:
        m_fix->setText(tr("Fix"));
        break;
    }
    m_fix->setEnabled(fix.kind != tarnel::FixKind::None && source);
}

void CProblemsDock::showMenu(const QPoint &position)
{
    QTreeWidgetItem *item = m_list->itemAt(position);
    if (!item)
        return;
    m_list->setCurrentItem(item);
    const int row = m_list->indexOfTopLevelItem(item);
    QMenu menu(m_list);
    menu.addAction(tr("Go to the Problem"), this, [this, row] { goTo(row); });
    if (m_fix->isEnabled())
        menu.addAction(m_fix);
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

void CProblemsDock::fix(int row)
{
    if (!m_checks || row < 0 || static_cast<std::size_t>(row) >= m_checks->findings().size())
        return;
    CChildFrame *source = sourceFrame();
    if (!source)
        return;
    // A fix written where the page has changed since the check would land beside its place.
    if (!m_checks->upToDate()) {
        m_checks->checkNow();
        source->sourceView()->showStatusMessage(
            tr("The page changed since it was checked: try again once the list is new"));
        return;
    }
    const tarnel::Finding finding = m_checks->findings()[static_cast<std::size_t>(row)];
    m_windows->setActiveSubWindow(source);
    switch (finding.fix.kind) {
    case tarnel::FixKind::GiveAlt:
        giveAlt(source, finding.fix.tagStart);
        break;
    case tarnel::FixKind::UseNameOnDisk:
        writeOver(source, finding.offset, finding.length, finding.fix.replacement);
        break;
    case tarnel::FixKind::ChooseFile:
        chooseFile(source, finding);
        break;
    case tarnel::FixKind::None:
        break;
    }
}

void CProblemsDock::giveAlt(CChildFrame *source, std::size_t tagStart)
{
    // A picture's own form has an ALT field; an area or an image button has a form of one.
    const auto element = tarnel::ElementAt(source->document()->textView(), tagStart + 1);
    if (!element || element->kind != tarnel::ElementKind::Image ||
        element->record.index != tagStart) {
        giveAltInItsOwnForm(source, tagStart);
        return;
    }
    const auto target =
        tarnel::LocateElement(source->document()->textView(), element->kind, element->record);
    const QString altInput =
        QString::fromUtf8(tarnel::AltFieldName(target ? target->kind : element->kind));
    // The form runs its own loop inside reeditElement and sets its first input's focus as it
    // shows: the ALT input takes the focus once the form is up.
    auto *waiting = new QTimer(this);
    connect(waiting, &QTimer::timeout, waiting, [waiting, altInput] {
        QWidget *form = QApplication::activeModalWidget();
        if (!form || !form->isVisible())
            return;
        if (auto *alt = altInput.isEmpty() ? nullptr : form->findChild<QLineEdit *>(altInput))
            alt->setFocus();
        waiting->stop();
    });
    waiting->start(0);
    source->reeditElement(tagStart);
    delete waiting;
}

void CProblemsDock::giveAltInItsOwnForm(CChildFrame *source, std::size_t tagStart)
{
    CTarnelView *view = source->sourceView();
    view->selectBytes(tagStart, tagStart);
    view->ensureCursorVisible();
    CAltDlg form(this);
    form.setPageCodec(view->pageCodec());
    if (form.exec() != QDialog::Accepted)
        return;
    // The form is modal: the page cannot have changed while it was open.
    const auto insertion =
        tarnel::AltInsertion(source->document()->textView(), tagStart, form.fields());
    if (insertion)
        writeOver(source, insertion->at, 0, insertion->bytes);
    view->setFocus();
}

void CProblemsDock::writeOver(CChildFrame *source, std::size_t offset, std::size_t length,
                              const std::string &bytes)
{
    CTarnelView *view = source->sourceView();
    view->replaceBytes(offset, offset + length, bytes);
    view->rescanOutline();
    view->setFocus();
}

void CProblemsDock::chooseFile(CChildFrame *source, const tarnel::Finding &finding)
{
    const QString page = source->document()->path();
    const QString chosen = m_chooseFile(this, QFileInfo(page).absolutePath());
    if (chosen.isEmpty())
        return;
    const CPageCodec codec = source->sourceView()->pageCodec();
    std::string url = tarnel::RelativeFileUrl(QFile::encodeName(page).toStdString(),
                                              QFile::encodeName(chosen).toStdString());
    if (finding.fix.inStyleSheet && !codec.isUtf8())
        url = tarnel::WithNonAsciiEscaped(url);
    writeOver(source, finding.offset, finding.length, codec.toPage(QFile::decodeName(url.c_str())));
}
