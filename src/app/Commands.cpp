#include "Commands.h"

#include "commandids.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

using namespace tarnel;

const QList<CommandInfo> &commandTable()
{
    static const QList<CommandInfo> table = {
        {ID_FILE_NEW,
         QT_TRANSLATE_NOOP("Commands", "&New\tCtrl+N"),
         {QKeySequence(Qt::CTRL | Qt::Key_N)},
         QT_TRANSLATE_NOOP("Commands", "Create a new document\nNew"),
         ":/icons/new.svg",
         QStyle::SP_FileIcon},
        {ID_FILE_NEW_HTML5,
         QT_TRANSLATE_NOOP("Commands", "New &HTML5 Page\tCtrl+Shift+N"),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)},
         QT_TRANSLATE_NOOP("Commands", "Create a new HTML5 page\nNew HTML5 Page"),
         nullptr},
        {ID_FILE_OPEN,
         QT_TRANSLATE_NOOP("Commands", "&Open...\tCtrl+O"),
         {QKeySequence(Qt::CTRL | Qt::Key_O)},
         QT_TRANSLATE_NOOP("Commands", "Open an existing document\nOpen"),
         ":/icons/open.svg",
         QStyle::SP_DialogOpenButton},
        {ID_FILE_CLOSE,
         QT_TRANSLATE_NOOP("Commands", "&Close"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Close the active document\nClose"),
         nullptr},
        {ID_FILE_SAVE,
         QT_TRANSLATE_NOOP("Commands", "&Save\tCtrl+S"),
         {QKeySequence(Qt::CTRL | Qt::Key_S)},
         QT_TRANSLATE_NOOP("Commands", "Save the active document\nSave"),
         ":/icons/save.svg",
         QStyle::SP_DialogSaveButton},
        {ID_FILE_SAVE_AS,
         QT_TRANSLATE_NOOP("Commands", "Save &As..."),
         {},
         QT_TRANSLATE_NOOP("Commands", "Save the active document with a new name\nSave As"),
         nullptr},
        {ID_FILE_PRINT,
         QT_TRANSLATE_NOOP("Commands", "&Print...\tCtrl+P"),
         {QKeySequence(Qt::CTRL | Qt::Key_P)},
         QT_TRANSLATE_NOOP("Commands", "Print the active document\nPrint"),
         ":/icons/print.svg"},
        {ID_FILE_PRINT_PREVIEW,
         QT_TRANSLATE_NOOP("Commands", "Print Pre&view"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Display full pages\nPrint Preview"),
         nullptr},
        {ID_FILE_PRINT_SETUP,
         QT_TRANSLATE_NOOP("Commands", "P&rint Setup..."),
         {},
         QT_TRANSLATE_NOOP("Commands", "Change the printer and printing options\nPrint Setup"),
         nullptr},
        {ID_APP_EXIT,
         QT_TRANSLATE_NOOP("Commands", "E&xit"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Quit the application; prompts to save documents\nExit"),
         nullptr},
        {ID_EDIT_UNDO,
         QT_TRANSLATE_NOOP("Commands", "&Undo\tCtrl+Z"),
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)},
         QT_TRANSLATE_NOOP("Commands", "Undo the last action\nUndo"),
         nullptr},
        {ID_EDIT_REDO,
         QT_TRANSLATE_NOOP("Commands", "&Redo\tCtrl+Y"),
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         QT_TRANSLATE_NOOP("Commands", "Redo the last action undone\nRedo"),
         nullptr},
        {ID_EDIT_CUT,
         QT_TRANSLATE_NOOP("Commands", "Cu&t\tCtrl+X"),
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
         QT_TRANSLATE_NOOP("Commands", "Cut the selection and put it on the Clipboard\nCut"),
         ":/icons/cut.svg"},
        {ID_EDIT_COPY,
         QT_TRANSLATE_NOOP("Commands", "&Copy\tCtrl+C"),
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
         QT_TRANSLATE_NOOP("Commands", "Copy the selection and put it on the Clipboard\nCopy"),
         ":/icons/copy.svg"},
        {ID_EDIT_PASTE,
         QT_TRANSLATE_NOOP("Commands", "&Paste\tCtrl+V"),
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
         QT_TRANSLATE_NOOP("Commands", "Insert Clipboard contents\nPaste"),
         ":/icons/paste.svg"},
        {ID_EDIT_SELECT_ALL,
         QT_TRANSLATE_NOOP("Commands", "Select A&ll\tCtrl+A"),
         {QKeySequence(Qt::CTRL | Qt::Key_A)},
         QT_TRANSLATE_NOOP("Commands", "Select the entire document\nSelect All"),
         nullptr},
        {ID_EDIT_FIND,
         QT_TRANSLATE_NOOP("Commands", "&Find...\tCtrl+F"),
         {QKeySequence(Qt::CTRL | Qt::Key_F)},
         QT_TRANSLATE_NOOP("Commands", "Find the specified text\nFind"),
         nullptr},
        {ID_EDIT_REPEAT,
         QT_TRANSLATE_NOOP("Commands", "F&ind Next\tF3"),
         {QKeySequence(Qt::Key_F3)},
         QT_TRANSLATE_NOOP("Commands", "Repeat the last action\nRepeat"),
         nullptr},
        {ID_EDIT_REPLACE,
         QT_TRANSLATE_NOOP("Commands", "R&eplace\tCtrl+H"),
         {QKeySequence(Qt::CTRL | Qt::Key_H)},
         QT_TRANSLATE_NOOP("Commands", "Replace specific text with different text\nReplace"),
         nullptr},
        {ID_EDIT_GO_TO_LINE,
         QT_TRANSLATE_NOOP("Commands", "&Go to Line...\tCtrl+G"),
         {QKeySequence(Qt::CTRL | Qt::Key_G)},
         QT_TRANSLATE_NOOP("Commands", "Move the caret to a line by its number\nGo to Line"),
         nullptr},
        {ID_EDIT_PREFERENCES,
         QT_TRANSLATE_NOOP("Commands", "Preference&s..."),
         {},
         QT_TRANSLATE_NOOP("Commands",
                           "Change how the source editor looks and behaves\nPreferences"),
         nullptr},
        {ID_EDIT_WRAP_IN_TAG,
         QT_TRANSLATE_NOOP("Commands", "&Wrap in Tag..."),
         {},
         QT_TRANSLATE_NOOP("Commands", "Put the selection inside a new element\nWrap in Tag"),
         nullptr},
        {ID_VIEW_TOOLBAR,
         QT_TRANSLATE_NOOP("Commands", "&Toolbar"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Show or hide the toolbar\nToggle ToolBar"),
         nullptr},
        {ID_VIEW_STATUS_BAR,
         QT_TRANSLATE_NOOP("Commands", "&Status Bar"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Show or hide the status bar\nToggle StatusBar"),
         nullptr},
        {ID_VIEW_LIVE_PREVIEW,
         QT_TRANSLATE_NOOP("Commands", "&Live Preview\tF12"),
         {QKeySequence(Qt::Key_F12)},
         QT_TRANSLATE_NOOP("Commands",
                           "Show the page beside its source, following the typing\nLive Preview"),
         nullptr},
        {ID_VIEW_PROBLEMS,
         QT_TRANSLATE_NOOP("Commands", "&Problems"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Show or hide the list of problems found in the page\n"
                                       "Problems"),
         nullptr},
        {ID_WINDOW_NEW,
         QT_TRANSLATE_NOOP("Commands", "&New Window"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Open another window for the active document\nNew Window"),
         nullptr},
        {ID_WINDOW_CASCADE,
         QT_TRANSLATE_NOOP("Commands", "&Cascade"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Arrange windows so they overlap\nCascade Windows"),
         nullptr},
        {ID_WINDOW_TILE,
         QT_TRANSLATE_NOOP("Commands", "&Tile"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Arrange windows as non-overlapping tiles\nTile Windows"),
         nullptr},
        {ID_WINDOW_ARRANGE,
         QT_TRANSLATE_NOOP("Commands", "&Arrange Icons"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Arrange icons at the bottom of the window\nArrange Icons"),
         nullptr},
        {ID_APP_ABOUT,
         QT_TRANSLATE_NOOP("Commands", "&About Tarnel..."),
         {},
         QT_TRANSLATE_NOOP("Commands",
                           "Display program information, version number and copyright\nAbout"),
         ":/icons/about.svg",
         QStyle::SP_MessageBoxInformation},
        {ID_OPEN_IN_BROWSER,
         QT_TRANSLATE_NOOP("Commands", "Open in &Browser"),
         {},
         QT_TRANSLATE_NOOP("Commands", "Open in Browser"),
         ":/icons/browser.svg"},
        {ID_PREVIEW_STOP,
         QT_TRANSLATE_NOOP("Commands", "Stop"),
         {},
         "",
         ":/icons/stop.svg",
         QStyle::SP_BrowserStop},
        {ID_PREVIEW_BACK,
         QT_TRANSLATE_NOOP("Commands", "Back"),
         {},
         "",
         ":/icons/back.svg",
         QStyle::SP_ArrowBack},
        {ID_PREVIEW_FORWARD,
         QT_TRANSLATE_NOOP("Commands", "Forward"),
         {},
         "",
         ":/icons/forward.svg",
         QStyle::SP_ArrowForward},
        {ID_PREVIEW_REFRESH,
         QT_TRANSLATE_NOOP("Commands", "Refresh"),
         {},
         "",
         ":/icons/refresh.svg",
         QStyle::SP_BrowserReload},
        {ID_NEXT_PANE,
         QT_TRANSLATE_NOOP("Commands", "Next Pane"),
         {QKeySequence(Qt::Key_F6)},
         QT_TRANSLATE_NOOP("Commands", "Switch to the next window pane\nNext Pane"),
         nullptr},
        {ID_PREV_PANE,
         QT_TRANSLATE_NOOP("Commands", "Previous Pane"),
         {QKeySequence(Qt::SHIFT | Qt::Key_F6)},
         QT_TRANSLATE_NOOP("Commands", "Switch back to the previous window pane\nPrevious Pane"),
         nullptr},
        {ID_INSERT_IMAGE,
         QT_TRANSLATE_NOOP("Commands", "&Image && Video\t...Ctl+I"),
         {QKeySequence(Qt::CTRL | Qt::Key_I)},
         "",
         nullptr},
        {ID_INSERT_BACKGROUND,
         QT_TRANSLATE_NOOP("Commands", "&Background\t...Ctl+B"),
         {QKeySequence(Qt::CTRL | Qt::Key_B)},
         "",
         nullptr},
        {ID_INSERT_SOUND,
         QT_TRANSLATE_NOOP("Commands", "Soun&d\t...Ctl+D"),
         {QKeySequence(Qt::CTRL | Qt::Key_D)},
         "",
         nullptr},
        {ID_INSERT_LINK,
         QT_TRANSLATE_NOOP("Commands", "Lin&k\t...Ctl+K"),
         {QKeySequence(Qt::CTRL | Qt::Key_K)},
         "",
         nullptr},
        {ID_INSERT_APPLETS,
         QT_TRANSLATE_NOOP("Commands", "Appl&ets\t...Ctl+E"),
         {QKeySequence(Qt::CTRL | Qt::Key_E)},
         "",
         nullptr},
        {ID_INSERT_TABLES,
         QT_TRANSLATE_NOOP("Commands", "&Tables\t...Ctl+T"),
         {QKeySequence(Qt::CTRL | Qt::Key_T)},
         "",
         nullptr},
        {ID_INSERT_MARQUEE,
         QT_TRANSLATE_NOOP("Commands", "Mar&quee\t...Ctl+Q"),
         {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         "",
         nullptr},
        {ID_INSERT_META,
         QT_TRANSLATE_NOOP("Commands", "&Meta\t...Ctl+M"),
         {QKeySequence(Qt::CTRL | Qt::Key_M)},
         "",
         nullptr},
        {ID_INSERT_FRAMES,
         QT_TRANSLATE_NOOP("Commands", "Frames\t...Ctl+J"),
         {QKeySequence(Qt::CTRL | Qt::Key_J)},
         "",
         nullptr},
        {ID_LIST_ORDERED, QT_TRANSLATE_NOOP("Commands", "Ordered"), {}, "", nullptr},
        {ID_LIST_UNORDERED, QT_TRANSLATE_NOOP("Commands", "Unordered"), {}, "", nullptr},
        {ID_LIST_DEFINING, QT_TRANSLATE_NOOP("Commands", "Defining"), {}, "", nullptr},
        {ID_INSERT_CONTROLS,
         QT_TRANSLATE_NOOP("Commands", "Controls\t...Ctl+L"),
         {QKeySequence(Qt::CTRL | Qt::Key_L)},
         "",
         nullptr},
        {ID_INSERT_TEXT, QT_TRANSLATE_NOOP("Commands", "Te&xt"), {}, "", nullptr},
        {ID_INSERT_MEDIA,
         QT_TRANSLATE_NOOP("Commands", "Medi&a..."),
         {},
         QT_TRANSLATE_NOOP("Commands", "Insert a video or a sound that browsers of today play"),
         nullptr},
        {ID_INSERT_PICTURE,
         QT_TRANSLATE_NOOP("Commands", "&Picture..."),
         {},
         QT_TRANSLATE_NOOP("Commands", "Insert a picture in several sizes"),
         nullptr},
        {ID_SECTION_HEADER, QT_TRANSLATE_NOOP("Commands", "HEADER"), {}, "", nullptr},
        {ID_SECTION_NAV, QT_TRANSLATE_NOOP("Commands", "NAV"), {}, "", nullptr},
        {ID_SECTION_MAIN, QT_TRANSLATE_NOOP("Commands", "MAIN"), {}, "", nullptr},
        {ID_SECTION_ARTICLE, QT_TRANSLATE_NOOP("Commands", "ARTICLE"), {}, "", nullptr},
        {ID_SECTION_SECTION, QT_TRANSLATE_NOOP("Commands", "SECTION"), {}, "", nullptr},
        {ID_SECTION_ASIDE, QT_TRANSLATE_NOOP("Commands", "ASIDE"), {}, "", nullptr},
        {ID_SECTION_FOOTER, QT_TRANSLATE_NOOP("Commands", "FOOTER"), {}, "", nullptr},
        {ID_SECTION_FIGURE,
         QT_TRANSLATE_NOOP("Commands", "FIGURE with FIGCAPTION"),
         {},
         "",
         nullptr},
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

} // namespace

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
