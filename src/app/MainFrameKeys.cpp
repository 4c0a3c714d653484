// The keys of the commands: applying the user's bindings, moving between pages, and the page
// that lists them.

#include "MainFrame.h"

#include "ChildFrame.h"
#include "Commands.h"
#include "KeyProfile.h"
#include "KeysHelp.h"
#include "TarnelView.h"

#include <QAction>
#include <QMdiArea>
#include <QShortcut>
#include <QTextBrowser>

void CMainFrame::applyKeyBindings(const tarnel::KeyBindings &bindings)
{
    m_keyBindings = bindings;
    for (const CommandInfo &info : commandTable()) {
        QAction *action = m_actions.value(info.id);
        const auto keys = bindings.find(info.id);
        const QList<QKeySequence> sequences =
            keyprofile::sequences(keys == bindings.end() ? tarnel::CommandKeys() : keys->second);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setText(captionWithKeys(info, sequences));
    }
    const QList<QKeySequence> taken = boundKeys();
    for (QMdiSubWindow *window : m_mdiArea->subWindowList())
        if (auto *child = qobject_cast<CChildFrame *>(window))
            child->sourceView()->releaseKeys(taken);
    if (m_keysHelp)
        m_keysHelp->setHtml(keysHelpHtml(m_keyBindings));
}

QList<QKeySequence> CMainFrame::boundKeys() const
{
    QList<QKeySequence> keys;
    for (QAction *action : std::as_const(m_actions))
        keys += action->shortcuts();
    return keys;
}

void CMainFrame::activateNeighbourPage(int step)
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    const qsizetype count = windows.size();
    QMdiSubWindow *active = m_mdiArea->activeSubWindow();
    qsizetype at = windows.indexOf(active);
    if (at < 0) // the first step lands on the first window, or the last
        at = step > 0 ? count - 1 : 0;
    for (qsizetype i = 0; i < count; ++i) {
        at = (at + step + count) % count;
        auto *child = qobject_cast<CChildFrame *>(windows.at(at));
        if (!child)
            continue; // a page's HTML View
        if (child != active)
            m_mdiArea->setActiveSubWindow(child);
        // Typing goes on in the page; a window never used yet would give the outline the focus.
        child->sourceView()->setFocus();
        return;
    }
}

void CMainFrame::showKeysHelp()
{
    if (!m_keysHelp) {
        auto *help = new QTextBrowser(this);
        help->setWindowFlag(Qt::Window);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->setObjectName(QStringLiteral("keysHelp"));
        help->setWindowTitle(tr("Keys and Features"));
        help->setOpenLinks(false);
        help->resize(620, 700);
        new QShortcut(QKeySequence::Cancel, help, help, &QWidget::close);
        m_keysHelp = help;
    }
    m_keysHelp->setHtml(keysHelpHtml(m_keyBindings));
    m_keysHelp->show();
    m_keysHelp->raise();
    m_keysHelp->activateWindow();
}
