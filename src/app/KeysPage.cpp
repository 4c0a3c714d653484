#include "KeysPage.h"

#include "Commands.h"
#include "KeyProfile.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString nameOf(int id)
{
    const CommandInfo *info = findCommand(id);
    return info ? commandName(*info) : QString::number(id);
}

// A key that types or moves (a letter, Shift+a digit, Return, Tab, an arrow) would do so no more,
// nor would Return confirm this dialog; a command's key has Ctrl, Alt or Meta, or is a function
// key (Shift+Del and Shift+Ins, the table's own, too).
bool typesOrMoves(const QKeyCombination key)
{
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key.keyboardModifiers() & commandModifiers)
        return false;
    if (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F35)
        return false;
    const bool shifted = key.keyboardModifiers() & Qt::ShiftModifier;
    return !(shifted && (key.key() == Qt::Key_Delete || key.key() == Qt::Key_Insert));
}

} // namespace

CKeysPage::CKeysPage(const tarnel::KeyBindings &bindings, QWidget *parent)
    : QWidget(parent)
    , m_bindings(bindings)
    , m_commands(new QTreeWidget(this))
    , m_key(new QKeySequenceEdit(this))
    , m_clear(new QPushButton(tr("C&lear"), this))
    , m_reset(new QPushButton(tr("&Reset to Defaults"), this))
    , m_message(new QLabel(this))
{
    m_commands->setColumnCount(2);
    m_commands->setHeaderLabels({tr("Command"), tr("Keys")});
    m_commands->setRootIsDecorated(false);
    m_commands->setUniformRowHeights(true);
    for (const CommandInfo &info : commandTable()) {
        const QString menu = commandMenuPath(info);
        auto *item = new QTreeWidgetItem(
            m_commands, {menu.isEmpty() ? commandName(info)
                                        : menu + QStringLiteral(" \u25B8 ") + commandName(info)});
        item->setData(0, Qt::UserRole, info.id);
    }
    m_commands->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_commands->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_commands->header()->setStretchLastSection(false);
    m_commands->setMinimumSize(460, 320);
    refreshKeys();
    m_message->setWordWrap(true);
    m_key->setObjectName(QStringLiteral("keyField"));

    auto *keyRow = new QHBoxLayout;
    auto *keyLabel = new QLabel(tr("&Press the new key:"), this);
    keyLabel->setBuddy(m_key);
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(m_key, 1);
    keyRow->addWidget(m_clear);
    keyRow->addWidget(m_reset);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_commands, 1);
    layout->addLayout(keyRow);
    layout->addWidget(m_message);

    connect(m_commands, &QTreeWidget::currentItemChanged, this, &CKeysPage::showSelectedKey);
    connect(m_key, &QKeySequenceEdit::keySequenceChanged, this, &CKeysPage::keyPressed);
    // The field shows the command's one key again once it stops recording.
    connect(m_key, &QKeySequenceEdit::editingFinished, this, &CKeysPage::showSelectedKey);
    connect(m_clear, &QPushButton::clicked, this, [this] { bindSelected({}); });
    connect(m_reset, &QPushButton::clicked, this, &CKeysPage::resetAll);
    m_commands->setCurrentItem(m_commands->topLevelItem(0));
}

void CKeysPage::selectCommand(int id)
{
    for (int i = 0; i < m_commands->topLevelItemCount(); ++i)
        if (m_commands->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id)
            m_commands->setCurrentItem(m_commands->topLevelItem(i));
}

int CKeysPage::selectedCommand() const
{
    const QTreeWidgetItem *item = m_commands->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void CKeysPage::showSelectedKey()
{
    const QList<QKeySequence> keys = keyprofile::sequences(m_bindings[selectedCommand()]);
    const QSignalBlocker quiet(m_key);
    m_key->setKeySequence(keys.value(0));
    m_clear->setEnabled(!keys.isEmpty());
}

void CKeysPage::keyPressed(const QKeySequence &key)
{
    if (key.isEmpty() || !selectedCommand())
        return;
    // The field records up to four keys pressed in quick succession: the last one counts.
    const QKeySequence pressed(key[key.count() - 1]);
    if (typesOrMoves(pressed[0])) {
        m_message->setText(tr("%1 is a key for typing; give a command a key with Ctrl, Alt or a "
                              "function key.")
                               .arg(pressed.toString(QKeySequence::NativeText)));
        return;
    }
    const std::string portable = keyprofile::portableText(pressed);
    if (!portable.empty() && m_bindings[selectedCommand()] != tarnel::CommandKeys{portable})
        bindSelected({portable});
}

void CKeysPage::bindSelected(const tarnel::CommandKeys &keys)
{
    const int id = selectedCommand();
    if (!id)
        return;
    QStringList said;
    for (const tarnel::TakenKey &taken : tarnel::Rebind(m_bindings, id, keys)) {
        const QString key = keyprofile::shownText({taken.key});
        const QString other = nameOf(taken.from);
        const tarnel::CommandKeys &left = m_bindings[taken.from];
        said +=
            left.empty()
                ? tr("%1 was %2's key; %2 now has none.").arg(key, other)
                : tr("%1 was %2's key; %2 keeps %3.").arg(key, other, keyprofile::shownText(left));
    }
    m_message->setText(said.join(QLatin1Char('\n')));
    refreshKeys();
    showSelectedKey();
}

void CKeysPage::resetAll()
{
    m_bindings = keyprofile::defaults();
    m_message->setText(tr("Every command has its own keys again."));
    refreshKeys();
    showSelectedKey();
}

void CKeysPage::refreshKeys()
{
    for (int i = 0; i < m_commands->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_commands->topLevelItem(i);
        item->setText(1, keyprofile::shownText(m_bindings[item->data(0, Qt::UserRole).toInt()]));
    }
}
