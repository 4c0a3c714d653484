#include "ReeditCommands.h"

#include "AppletDlg.h"
#include "ImgDlg.h"
#include "InsertCommands.h"
#include "LinkDlg.h"
#include "MediaDlg.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "commandids.h"

#include <QMenu>

using namespace tarnel;

namespace reedit {

namespace {

// Runs a form prefilled with `prefill`; on OK the element text the confirmed fields make of
// the target, or nothing when the form was cancelled or nothing changed.
template <class Form, class Fields>
std::optional<std::string> reeditWith(CTarnelView &view, const ReeditTarget &target,
                                      const Fields &prefill)
{
    Form form(view.window());
    Fields shown;
    const bool confirmed = insertcmd::runForm(form, view, [&] {
        form.setFields(prefill);
        // What the inputs show is the baseline, so a value an input shows differently (a
        // link text's CR LF read back as LF) only counts as changed once the user edits it.
        form.readInputs();
        shown = form.fields();
    });
    if (!confirmed)
        return std::nullopt;
    const CTarnelDoc *doc = view.GetDocument();
    return ReeditedElement(doc->textView(), target, shown, form.fields(), doc->lineBreak());
}

std::optional<std::string> reeditedElement(CTarnelView &view, const ReeditTarget &target)
{
    switch (target.kind) {
    case ElementKind::Image:
        return reeditWith<CImgDlg>(view, target, ImagePrefill(target));
    case ElementKind::Applet:
        return reeditWith<CAppletDlg>(view, target, AppletPrefill(target));
    case ElementKind::Media:
        return reeditWith<CMediaDlg>(view, target, MediaPrefill(target));
    case ElementKind::Place:
        return std::nullopt;
    case ElementKind::Link:
        break;
    }
    return reeditWith<CLinkDlg>(view, target, LinkPrefill(target));
}

} // namespace

void edit(CTarnelView &view, ElementKind kind, const ElementRecord &record)
{
    if (record.value.empty())
        return;
    const std::optional<ReeditTarget> target =
        LocateElement(view.GetDocument()->textView(), kind, record);
    if (!target) {
        view.showStatusMessage(CTarnelView::tr("The element is no longer in the page"));
        return;
    }
    if (!target->Editable())
        return;
    view.selectBytes(target->range.begin, target->range.end);
    if (target->kind == ElementKind::Place)
        return;
    const std::optional<std::string> element = reeditedElement(view, *target);
    if (!element)
        return;
    // The text cannot change while the modal form is open, so the range still holds.
    view.replaceBytes(target->range.begin, target->range.end, *element);
    view.rescanOutline();
}

QMenu *buildContextMenu(CTarnelView &view, std::size_t position)
{
    auto *menu = new QMenu(&view);
    const auto element = ElementAt(view.GetDocument()->textView(), position);
    if (element) {
        const ElementKind kind = element->kind;
        const ElementRecord record = element->record;
        CTarnelView *target = &view;
        menu->addAction(CTarnelView::tr("Edit Tag..."), &view,
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
    CTarnelView *target = &view;
    for (const auto &entry : entries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        const int id = entry.id;
        QAction *action = menu->addAction(CTarnelView::tr(entry.text), &view,
                                          [target, id] { target->commands().run(id); });
        action->setData(id);
    }
    return menu;
}

} // namespace reedit
