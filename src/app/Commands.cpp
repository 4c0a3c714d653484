#include "Commands.h"

#include "commandids.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

using namespace tarnel;

const QList<CommandInfo> &commandTable()
{
    static const QList<CommandInfo> table = {
#define COMMAND(id, number, menu, separators, windows, caption, keys, prompt, icon, fallback)      \
    {id,                                                                                           \
     QT_TRANSLATE_NOOP("Commands", caption),                                                       \
     QKeySequence::listFromString(QStringLiteral(keys)),                                           \
     QT_TRANSLATE_NOOP("Commands", prompt),                                                        \
     icon,                                                                                         \
     QStyle::fallback,                                                                             \
     menu,                                                                                         \
     separators,                                                                                   \
     CommandWindows::windows},
#include "commands.def"
#undef COMMAND
    };
    return table;
}

const CommandInfo *findCommand(int id)
{
    for (const CommandInfo &info : commandTable())
        if (info.id == id)
            return &info;
    return nullptr;
}

namespace {

// The table holds the untranslated texts; they are looked up each time they are shown.
QString commandCaption(const CommandInfo &info)
{
    return QCoreApplication::translate("Commands", info.caption);
}

QString withoutMnemonics(const QString &text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i; // "&&" stands for "&", "&x" underlines x
        plain += text.at(i);
    }
    return plain;
}

} // namespace

QString commandName(const CommandInfo &info)
{
    return withoutMnemonics(commandCaption(info).section(QLatin1Char('\t'), 0, 0));
}

QString commandMenuPath(const CommandInfo &info)
{
    // The menus' titles are translated where the main window builds them.
    QStringList titles;
    for (const QString &title :
         QString::fromLatin1(info.menu).split(QLatin1Char('/'), Qt::SkipEmptyParts))
        titles +=
            withoutMnemonics(QCoreApplication::translate("CMainFrame", title.toUtf8().constData()));
    return titles.join(QStringLiteral(" \u25B8 "));
}

QString captionWithKeys(const CommandInfo &info, const QList<QKeySequence> &keys)
{
    const QString caption = commandCaption(info);
    if (keys == info.keys)
        return caption;
    const QString base = caption.section(QLatin1Char('\t'), 0, 0);
    return keys.isEmpty()
               ? base
               : base + QLatin1Char('\t') + keys.first().toString(QKeySequence::NativeText);
}

QString promptStatusText(const CommandInfo &info)
{
    return QCoreApplication::translate("Commands", info.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString promptTooltip(const CommandInfo &info)
{
    const QString prompt = QCoreApplication::translate("Commands", info.prompt);
    return prompt.contains(QLatin1Char('\n')) ? prompt.section(QLatin1Char('\n'), 1, 1) : QString();
}

namespace {

QIcon commandIcon(const CommandInfo &info, const QStyle *style)
{
    if (info.icon) {
        const QIcon icon(QString::fromLatin1(info.icon));
        if (!icon.availableSizes().isEmpty() || !icon.pixmap(16, 16).isNull())
            return icon;
    }
    if (info.fallbackIcon != QStyle::SP_CustomBase)
        return style->standardIcon(info.fallbackIcon);
    return {};
}

} // namespace

QAction *createCommandAction(const CommandInfo &info, QWidget *owner)
{
    auto *action = new QAction(commandCaption(info), owner);
    action->setData(info.id);
    if (!info.keys.isEmpty()) {
        action->setShortcuts(info.keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setStatusTip(promptStatusText(info));
    const QString tip = promptTooltip(info);
    action->setToolTip(
        tip.isEmpty()
            ? commandCaption(info).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'))
            : tip);
    const QIcon icon = commandIcon(info, owner->style());
    if (!icon.isNull())
        action->setIcon(icon);
    return action;
}
