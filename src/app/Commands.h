#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStyle>

class QAction;
class QWidget;

// Which menu bars list a command.
enum class CommandWindows { AnyWindow, SourceWindow };

// One entry of the command table (commands.def says what each field holds).
struct CommandInfo
{
    int id;
    const char *caption;
    QList<QKeySequence> keys;
    const char *prompt;
    const char *icon;
    QStyle::StandardPixmap fallbackIcon;
    const char *menu;
    int separatorsBefore;
    CommandWindows windows;
};

// Every command of the menus, the toolbar and the accelerator table, in menu order.
const QList<CommandInfo> &commandTable();
const CommandInfo *findCommand(int id);

// The prompt's first line (status bar) and second line (tooltip).
QString promptStatusText(const CommandInfo &info);
QString promptTooltip(const CommandInfo &info);

// The caption without its mnemonics and accelerator text ("Image & Video"), and where the
// menus list it ("Insert ▸ List"; empty for the toolbar's and the keys' own commands).
QString commandName(const CommandInfo &info);
QString commandMenuPath(const CommandInfo &info);
// The menu entry's text for the command bound to `keys`: the table's own caption while they are
// its keys, else the caption with the first key as its accelerator text.
QString captionWithKeys(const CommandInfo &info, const QList<QKeySequence> &keys);

// The action the menus, the toolbar and the keys share for a command: caption, keys, prompts
// and icon from the table, the command id as its data. It runs nothing by itself.
QAction *createCommandAction(const CommandInfo &info, QWidget *owner);
