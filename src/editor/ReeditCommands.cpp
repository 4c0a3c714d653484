#include "ReeditCommands.h"

#include "AppletDlg.h"
#include "CommandHandlers.h"
#include "ImgDlg.h"
#include "InsertCommands.h"
#include "LinkDlg.h"
#include "MediaDlg.h"
#include "PageEditor.h"
#include "PictureDlg.h"
#include "commandids.h"

#include <QCoreApplication>
#include <QMenu>

using namespace tarnel;

namespace reedit {

namespace {

// Runs a form prefilled with `prefill` (by `fill`, when the form needs more than the
// fields); on OK the element text the confirmed fields make of the target, or nothing when the
// form was cancelled or nothing changed.
template <class Form, class Fields, class Fill>
std::optional<std::string> reeditWith(IPageEditor &editor, const ReeditTarget &target,
                                      const Fields &prefill, const Fill &fill)
{
    Form form(editor.widget()->window());
    Fields shown;
    const bool confirmed = insertcmd::runForm(form, editor, [&] {
        fill(form, prefill);
        // What the inputs show is the baseline, so a value an input shows differently (a
        // link text's CR LF read back as LF) only counts as changed once the user edits it.
        form.readInputs();
        shown = form.fields();
    });
    if (!confirmed)
        return std::nullopt;
    return ReeditedElement(editor.pageBytes(), target, shown, form.fields(),
                           editor.pageLineBreak());
}

template <class Form, class Fields>
std::optional<std::string> reeditWith(IPageEditor &editor, const ReeditTarget &target,
                                      const Fields &prefill)
{
    return reeditWith<Form>(editor, target, prefill,
                            [](Form &form, const Fields &fields) { form.setFields(fields); });
}

std::optional<std::string> reeditedElement(IPageEditor &editor, const ReeditTarget &target)
{
    switch (target.kind) {
    case ElementKind::Image:
        return reeditWith<CImgDlg>(editor, target, ImagePrefill(target));
    case ElementKind::Applet:
        return reeditWith<CAppletDlg>(editor, target, AppletPrefill(target));
    case ElementKind::Media:
        return reeditWith<CMediaDlg>(editor, target, MediaPrefill(target));
    case ElementKind::Picture:
        return reeditWith<CPictureDlg>(editor, target, PicturePrefill(target),
                                       [&](CPictureDlg &form, const PictureFields &fields) {
                                           form.setFields(fields, target.srcsetReopened);
                                       });
    case ElementKind::Place:
        return std::nullopt;
    case ElementKind::Link:
        break;
    }
    return reeditWith<CLinkDlg>(editor, target, LinkPrefill(target));
}

} // namespace

void edit(IPageEditor &editor, ElementKind kind, const ElementRecord &record)
{
    if (record.value.empty())
        return;
    const std::optional<ReeditTarget> target = LocateElement(editor.pageBytes(), kind, record);
    if (!target) {
        editor.showStatusMessage(
            QCoreApplication::translate("CTarnelView", "The element is no longer in the page"));
        return;
    }
    if (!target->Editable())
        return;
    editor.selectBytes(target->range.begin, target->range.end);
    if (target->kind == ElementKind::Place)
        return;
    const std::optional<std::string> element = reeditedElement(editor, *target);
    if (!element)
        return;
    // The text cannot change while the modal form is open, so the range still holds.
    editor.replaceBytes(target->range.begin, target->range.end, editor.inPageCase(*element));
    editor.rescanOutline();
}

QMenu *buildContextMenu(IPageEditor &editor, CCommandHandlers &commands, std::size_t position)
{
    auto *menu = new QMenu(editor.widget());
    const auto element = ElementAt(editor.pageBytes(), position);
    if (element) {
        const ElementKind kind = element->kind;
        const ElementRecord record = element->record;
        IPageEditor *target = &editor;
        menu->addAction(QCoreApplication::translate("CTarnelView", "Edit Tag..."), editor.widget(),
                        [target, kind, record] { edit(*target, kind, record); });
        menu->addSeparator();
    }
    const struct
    {
        const char *text;
        int id;
    } entries[] = {
        {QT_TRANSLATE_NOOP("CTarnelView", "Undo"), ID_EDIT_UNDO},
        {QT_TRANSLATE_NOOP("CTarnelView", "Cut"), ID_EDIT_CUT},
        {QT_TRANSLATE_NOOP("CTarnelView", "Copy"), ID_EDIT_COPY},
        {QT_TRANSLATE_NOOP("CTarnelView", "Paste"), ID_EDIT_PASTE},
        {nullptr, 0},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert an Image Or a Video"), ID_INSERT_IMAGE},
        {QT_TRANSLATE_NOOP("CTarnelView", "Change the Background"), ID_INSERT_BACKGROUND},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert Sound"), ID_INSERT_SOUND},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert a Link"), ID_INSERT_LINK},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert an Applet"), ID_INSERT_APPLETS},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert a Table"), ID_INSERT_TABLES},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert Marquee"), ID_INSERT_MARQUEE},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert Meta"), ID_INSERT_META},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert a Frame"), ID_INSERT_FRAMES},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert an Ordered List"), ID_LIST_ORDERED},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert an Unordered List"), ID_LIST_UNORDERED},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert a Definition List"), ID_LIST_DEFINING},
        {QT_TRANSLATE_NOOP("CTarnelView", "Insert Controls"), ID_INSERT_CONTROLS},
    };
    for (const auto &entry : entries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        const int id = entry.id;
        QAction *action = menu->addAction(QCoreApplication::translate("CTarnelView", entry.text),
                                          editor.widget(), [&commands, id] { commands.run(id); });
        action->setData(id);
    }
    return menu;
}

} // namespace reedit
