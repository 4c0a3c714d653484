#include "Commands.h"

#include "commandids.h"

#include <QAction>
#include <QWidget>

using namespace tarnel;

const QList<CommandInfo> &commandTable()
{
    static const QList<CommandInfo> table = {
        {ID_FILE_NEW,
         "&New\tCtrl+N",
         {QKeySequence(Qt::CTRL | Qt::Key_N)},
         "Create a new document\nNew",
         ":/icons/new.svg",
         QStyle::SP_FileIcon},
        {ID_FILE_OPEN,
         "&Open...\tCtrl+O",
         {QKeySequence(Qt::CTRL | Qt::Key_O)},
         "Open an existing document\nOpen",
         ":/icons/open.svg",
         QStyle::SP_DialogOpenButton},
        {ID_FILE_CLOSE, "&Close", {}, "Close the active document\nClose", nullptr},
        {ID_FILE_SAVE,
         "&Save\tCtrl+S",
         {QKeySequence(Qt::CTRL | Qt::Key_S)},
         "Save the active document\nSave",
         ":/icons/save.svg",
         QStyle::SP_DialogSaveButton},
        {ID_FILE_SAVE_AS,
         "Save &As...",
         {},
         "Save the active document with a new name\nSave As",
         nullptr},
        {ID_FILE_PRINT,
         "&Print...\tCtrl+P",
         {QKeySequence(Qt::CTRL | Qt::Key_P)},
         "Print the active document\nPrint",
         ":/icons/print.svg"},
        {ID_FILE_PRINT_PREVIEW, "Print Pre&view", {}, "Display full pages\nPrint Preview", nullptr},
        {ID_FILE_PRINT_SETUP,
         "P&rint Setup...",
         {},
         "Change the printer and printing options\nPrint Setup",
         nullptr},
        {ID_APP_EXIT,
         "E&xit",
         {},
         "Quit the application; prompts to save documents\nExit",
         nullptr},
        {ID_EDIT_UNDO,
         "&Undo\tCtrl+Z",
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)},
         "Undo the last action\nUndo",
         nullptr},
        {ID_EDIT_CUT,
         "Cu&t\tCtrl+X",
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
         "Cut the selection and put it on the Clipboard\nCut",
         ":/icons/cut.svg"},
        {ID_EDIT_COPY,
         "&Copy\tCtrl+C",
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
         "Copy the selection and put it on the Clipboard\nCopy",
         ":/icons/copy.svg"},
        {ID_EDIT_PASTE,
         "&Paste\tCtrl+V",
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
         "Insert Clipboard contents\nPaste",
         ":/icons/paste.svg"},
        {ID_EDIT_SELECT_ALL,
         "Select A&ll\tCtrl+A",
         {QKeySequence(Qt::CTRL | Qt::Key_A)},
         "Select the entire document\nSelect All",
         nullptr},
        {ID_EDIT_FIND,
         "&Find...\tCtrl+F",
         {QKeySequence(Qt::CTRL | Qt::Key_F)},
         "Find the specified text\nFind",
         nullptr},
        {ID_EDIT_REPEAT,
         "F&ind Next\tF3",
         {QKeySequence(Qt::Key_F3)},
         "Repeat the last action\nRepeat",
         nullptr},
        {ID_EDIT_REPLACE,
         "R&eplace\tCtrl+H",
         {QKeySequence(Qt::CTRL | Qt::Key_H)},
         "Replace specific text with different text\nReplace",
         nullptr},
        {ID_VIEW_TOOLBAR, "&Toolbar", {}, "Show or hide the toolbar\nToggle ToolBar", nullptr},
        {ID_VIEW_STATUS_BAR,
         "&Status Bar",
         {},
         "Show or hide the status bar\nToggle StatusBar",
         nullptr},
        {ID_WINDOW_NEW,
         "&New Window",
         {},
         "Open another window for the active document\nNew Window",
         nullptr},
        {ID_WINDOW_CASCADE,
         "&Cascade",
         {},
         "Arrange windows so they overlap\nCascade Windows",
         nullptr},
        {ID_WINDOW_TILE,
         "&Tile",
         {},
         "Arrange windows as non-overlapping tiles\nTile Windows",
         nullptr},
        {ID_WINDOW_ARRANGE,
         "&Arrange Icons",
         {},
         "Arrange icons at the bottom of the window\nArrange Icons",
         nullptr},
        {ID_APP_ABOUT,
         "&About Tarnel...",
         {},
         "Display program information, version number and copyright\nAbout",
         ":/icons/about.svg",
         QStyle::SP_MessageBoxInformation},
        {ID_OPEN_IN_BROWSER, "Open in &Browser", {}, "Open in Browser", ":/icons/browser.svg"},
        {ID_PREVIEW_STOP, "Stop", {}, "", ":/icons/stop.svg", QStyle::SP_BrowserStop},
        {ID_PREVIEW_BACK, "Back", {}, "", ":/icons/back.svg", QStyle::SP_ArrowBack},
        {ID_PREVIEW_FORWARD, "Forward", {}, "", ":/icons/forward.svg", QStyle::SP_ArrowForward},
        {ID_PREVIEW_REFRESH, "Refresh", {}, "", ":/icons/refresh.svg", QStyle::SP_BrowserReload},
        {ID_NEXT_PANE,
         "Next Pane",
         {QKeySequence(Qt::Key_F6)},
         "Switch to the next window pane\nNext Pane",
         nullptr},
        {ID_PREV_PANE,
         "Previous Pane",
         {QKeySequence(Qt::SHIFT | Qt::Key_F6)},
         "Switch back to the previous window pane\nPrevious Pane",
         nullptr},
        {ID_INSERT_IMAGE,
         "&Image && Video\t...Ctl+I",
         {QKeySequence(Qt::CTRL | Qt::Key_I)},
         "",
         nullptr},
        {ID_INSERT_BACKGROUND,
         "&Background\t...Ctl+B",
         {QKeySequence(Qt::CTRL | Qt::Key_B)},
         "",
         nullptr},
        {ID_INSERT_SOUND, "Soun&d\t...Ctl+D", {QKeySequence(Qt::CTRL | Qt::Key_D)}, "", nullptr},
        {ID_INSERT_LINK, "Lin&k\t...Ctl+K", {QKeySequence(Qt::CTRL | Qt::Key_K)}, "", nullptr},
        {ID_INSERT_APPLETS,
         "Appl&ets\t...Ctl+E",
         {QKeySequence(Qt::CTRL | Qt::Key_E)},
         "",
         nullptr},
        {ID_INSERT_TABLES, "&Tables\t...Ctl+T", {QKeySequence(Qt::CTRL | Qt::Key_T)}, "", nullptr},
        {ID_INSERT_MARQUEE,
         "Mar&quee\t...Ctl+Q",
         {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         "",
         nullptr},
        {ID_INSERT_META, "&Meta\t...Ctl+M", {QKeySequence(Qt::CTRL | Qt::Key_M)}, "", nullptr},
        {ID_INSERT_FRAMES, "Frames\t...Ctl+J", {QKeySequence(Qt::CTRL | Qt::Key_J)}, "", nullptr},
        {ID_LIST_ORDERED, "Ordered", {}, "", nullptr},
        {ID_LIST_UNORDERED, "Unordered", {}, "", nullptr},
        {ID_LIST_DEFINING, "Defining", {}, "", nullptr},
        {ID_INSERT_CONTROLS,
         "Controls\t...Ctl+L",
         {QKeySequence(Qt::CTRL | Qt::Key_L)},
         "",
         nullptr},
        {ID_INSERT_TEXT, "Te&xt", {}, "", nullptr},
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

QString promptStatusText(const CommandInfo &info)
{
    return QString::fromLatin1(info.prompt).section(QLatin1Char('\n'), 0, 0);
}

QString promptTooltip(const CommandInfo &info)
{
    const QString prompt = QString::fromLatin1(info.prompt);
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
    auto *action = new QAction(QString::fromLatin1(info.caption), owner);
    action->setData(info.id);
    if (!info.keys.isEmpty()) {
        action->setShortcuts(info.keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setStatusTip(promptStatusText(info));
    const QString tip = promptTooltip(info);
    action->setToolTip(tip.isEmpty() ? QString::fromLatin1(info.caption)
                                           .section(QLatin1Char('\t'), 0, 0)
                                           .remove(QLatin1Char('&'))
                                     : tip);
    const QIcon icon = commandIcon(info, owner->style());
    if (!icon.isNull())
        action->setIcon(icon);
    return action;
}
