#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStyle>

class QAction;
class QWidget;

// One entry of the command table: the menu caption (with its mnemonic and the accelerator
// text after a tab), the keys that run it, and its prompt ("status line\ntooltip").
struct CommandInfo
{
    int id;
    const char *caption;
    QList<QKeySequence> keys;
    const char *prompt;
    const char *icon; // resource path, or nullptr
    // Drawn by the style where the icon resource is missing (SP_CustomBase: none).
    QStyle::StandardPixmap fallbackIcon = QStyle::SP_CustomBase;
};

// Every command of the menus, the toolbar and the accelerator table.
const QList<CommandInfo> &commandTable();
const CommandInfo *findCommand(int id);

// The prompt's first line (status bar) and second line (tooltip).
QString promptStatusText(const CommandInfo &info);
QString promptTooltip(const CommandInfo &info);

// The action the menus, the toolbar and the keys share for a command: caption, keys, prompts
// and icon from the table, the command id as its data. It runs nothing by itself.
QAction *createCommandAction(const CommandInfo &info, QWidget *owner);
