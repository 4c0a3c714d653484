#include "KeysHelp.h"

#include "Commands.h"
#include "KeyProfile.h"

#include <QCoreApplication>

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("KeysHelp", source);
}

QString row(const QString &what, const QString &keys)
{
    return QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;<b>%2</b></td></tr>")
        .arg(what.toHtmlEscaped(), keys.toHtmlEscaped());
}

QString commandRows(const tarnel::KeyBindings &bindings)
{
    QString rows;
    for (const CommandInfo &info : commandTable()) {
        const QString menu = commandMenuPath(info);
        const QString name = commandName(info);
        const auto keys = bindings.find(info.id);
        rows += row(menu.isEmpty() ? name : menu + QStringLiteral(" \u25B8 ") + name,
                    keys == bindings.end() ? QString() : keyprofile::shownText(keys->second));
    }
    return rows;
}

// The source view's own keys, which no command stands for.
QString editorRows()
{
    const char *const keys[][2] = {
        {QT_TRANSLATE_NOOP("KeysHelp", "Expand the abbreviation before the caret"), "Tab"},
        {QT_TRANSLATE_NOOP("KeysHelp", "Add a caret"), QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+click")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Move by words"), "Ctrl+Left, Ctrl+Right"},
        {QT_TRANSLATE_NOOP("KeysHelp", "Delete a word"), "Ctrl+Backspace, Ctrl+Del"},
        {QT_TRANSLATE_NOOP("KeysHelp", "Move by paragraphs"), "Ctrl+[, Ctrl+]"},
        {QT_TRANSLATE_NOOP("KeysHelp", "Make the text larger or smaller"),
         QT_TRANSLATE_NOOP("KeysHelp", "Ctrl+keypad + and -")},
        {QT_TRANSLATE_NOOP("KeysHelp", "Bring the outline up to date"), "F5"},
    };
    QString rows;
    for (const auto &key : keys)
        rows += row(text(key[0]), text(key[1]));
    return rows;
}

} // namespace

QString keysHelpHtml(const tarnel::KeyBindings &bindings)
{
    const char *const features[] = {
        QT_TRANSLATE_NOOP("KeysHelp",
                          "The source is coloured as you type: tags, attributes, style sheets, "
                          "scripts and character references."),
        QT_TRANSLATE_NOOP("KeysHelp",
                          "Tag and attribute names are offered in a list as you type, and a tag "
                          "typed gets its closing tag."),
        QT_TRANSLATE_NOOP("KeysHelp",
                          "The Insert menu's forms write exact HTML at the caret; a double click "
                          "on an element in the outline reopens it in its form."),
        QT_TRANSLATE_NOOP("KeysHelp",
                          "Live Preview shows the page beside its source as you type; View "
                          "\u25B8 Problems lists what the checks find."),
        QT_TRANSLATE_NOOP("KeysHelp",
                          "Edit \u25B8 Preferences \u25B8 Keys gives any command the key you "
                          "choose."),
    };
    QString html = QStringLiteral("<h2>%1</h2><ul>").arg(text("Keys and Features").toHtmlEscaped());
    for (const char *feature : features)
        html += QStringLiteral("<li>%1</li>").arg(text(feature).toHtmlEscaped());
    html += QStringLiteral("</ul><h3>%1</h3><table>%2</table><h3>%3</h3><table>%4</table>")
                .arg(text("Commands").toHtmlEscaped(), commandRows(bindings),
                     text("In the source").toHtmlEscaped(), editorRows());
    return html;
}
