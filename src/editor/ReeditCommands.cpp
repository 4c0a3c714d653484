#include "ReeditCommands.h"

#include "AppletDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "commandids.h"
#include "snippets.h"

#include <QMenu>

using namespace tarnel;

namespace reedit {

namespace {

ImageFields imagePrefill(const ReeditTarget &target)
{
    const TagPrefill &tag = target.tag;
    ImageFields fields;
    if (target.video) {
        fields.video = true;
        fields.videoSource = tag.Value("DYNSRC");
    } else {
        fields.imageSource = tag.Value("SRC");
    }
    fields.width = tag.Value("WIDTH");
    fields.height = tag.Value("HEIGHT");
    fields.comment = tag.Value("ALT");
    fields.border = tag.Value("BORDER");
    fields.align = tag.Value("ALIGN");
    return fields;
}

AppletFields appletPrefill(const TagPrefill &tag)
{
    AppletFields fields;
    fields.fileName = tag.Value("CODE");
    fields.width = tag.Value("WIDTH");
    fields.height = tag.Value("HEIGHT");
    fields.comment = tag.Value("ALT");
    fields.className = tag.Value("CLASS");
    fields.name = tag.Value("NAME");
    fields.align = tag.Value("ALIGN");
    return fields;
}

// The link form's fields and the kind it opens with (1 image, 2 applet, 3 text).
std::pair<LinkFields, int> linkPrefill(const ReeditTarget &target)
{
    LinkFields fields;
    fields.url = target.tag.Value("HREF");
    const TagPrefill &inner = target.contentTag;
    switch (target.content) {
    case LinkContent::Image:
        fields.imageSource = inner.Value("SRC");
        fields.width = inner.Value("WIDTH");
        fields.height = inner.Value("HEIGHT");
        fields.imageComment = inner.Value("ALT");
        fields.border = inner.Value("BORDER");
        fields.align = inner.Value("ALIGN");
        return {fields, 1};
    case LinkContent::Applet:
        // The link form has no applet comment: an ALT of the old applet is not offered.
        fields.fileName = inner.Value("CODE");
        fields.width = inner.Value("WIDTH");
        fields.height = inner.Value("HEIGHT");
        fields.className = inner.Value("CLASS");
        fields.appletName = inner.Value("NAME");
        fields.align = inner.Value("ALIGN");
        return {fields, 2};
    case LinkContent::Text:
        break;
    }
    fields.linkText = target.linkText;
    return {fields, 3};
}

// Runs the form for the target; the built element text, or nothing when the form was cancelled
// or left what the element needs empty.
std::optional<std::string> runForm(CTarnelView &view, const ReeditTarget &target)
{
    switch (target.kind) {
    case ElementKind::Image: {
        CImgDlg form(view.window());
        form.setPagePath(view.pagePath());
        form.setFields(imagePrefill(target));
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        const ImageFields &f = form.fields();
        if ((f.video ? f.videoSource : f.imageSource).empty())
            return std::nullopt;
        return BuildImageTag(f);
    }
    case ElementKind::Applet: {
        CAppletDlg form(view.window());
        form.setPagePath(view.pagePath());
        form.setFields(appletPrefill(target.tag));
        if (form.exec() != QDialog::Accepted || form.fields().fileName.empty())
            return std::nullopt;
        return BuildAppletTag(form.fields());
    }
    case ElementKind::Link: {
        CLinkDlg form(view.window());
        form.setPagePath(view.pagePath());
        const auto [fields, initialKind] = linkPrefill(target);
        form.setFields(fields);
        form.setInitialKind(initialKind);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        const LinkFields &f = form.fields();
        if (f.url.empty() || (f.kind == LinkImage && f.imageSource.empty()))
            return std::nullopt;
        return BuildLink(f);
    }
    }
    return std::nullopt;
}

} // namespace

void edit(CTarnelView &view, ElementKind kind, const ElementRecord &record)
{
    if (record.value.empty())
        return;
    const std::optional<ReeditTarget> target =
        LocateElement(view.GetDocument()->textView(), kind, record);
    if (!target) {
        view.showStatusMessage(QObject::tr("The element is no longer in the page"));
        return;
    }
    if (!target->Editable())
        return;
    view.selectBytes(target->range.begin, target->range.end);
    const std::optional<std::string> built = runForm(view, *target);
    if (!built)
        return;
    // The text cannot change while the modal form is open, so the range still holds.
    view.selectBytes(target->range.begin, target->range.end);
    view.InsertSnippet(ReplacementText(*target, *built), false);
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
        menu->addAction(QObject::tr("Edit Tag..."), &view,
                        [target, kind, record] { edit(*target, kind, record); });
        menu->addSeparator();
    }
    const struct
    {
        const char *text;
        int id;
    } entries[] = {
        {"Undo", ID_EDIT_UNDO},
        {"Cut", ID_EDIT_CUT},
        {"Copy", ID_EDIT_COPY},
        {"Paste", ID_EDIT_PASTE},
        {nullptr, 0},
        {"Insert an Image Or a Video", ID_INSERT_IMAGE},
        {"Change the Background", ID_INSERT_BACKGROUND},
        {"Insert Sound", ID_INSERT_SOUND},
        {"Insert a Link", ID_INSERT_LINK},
        {"Insert an Applet", ID_INSERT_APPLETS},
        {"Insert a Table", ID_INSERT_TABLES},
        {"Insert Marquee", ID_INSERT_MARQUEE},
        {"Insert Meta", ID_INSERT_META},
        {"Insert a Frame", ID_INSERT_FRAMES},
        {"Insert an Ordered List", ID_LIST_ORDERED},
        {"Insert an Unordered List", ID_LIST_UNORDERED},
        {"Insert a Definition List", ID_LIST_DEFINING},
        {"Insert Controls", ID_INSERT_CONTROLS},
    };
    CTarnelView *target = &view;
    for (const auto &entry : entries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        const int id = entry.id;
        QAction *action = menu->addAction(QString::fromLatin1(entry.text), &view,
                                          [target, id] { target->commands().run(id); });
        action->setData(id);
    }
    return menu;
}

} // namespace reedit
