#include "InsertCommands.h"

#include "AppletDlg.h"
#include "BackColorDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "PageEditor.h"
#include "SoundDlg.h"
#include "droppedfile.h"
#include "snippets.h"

// Each handler runs its form over the editor's window; a confirmed form replaces the selection
// with the built element. Images, applets and links are listed in the outline, so after
// inserting one the outline is rebuilt from the text: it then shows the new element at its
// real index, and never twice.
namespace insertcmd {

void image(IPageEditor &editor)
{
    CImgDlg form(editor.widget()->window());
    if (!runForm(form, editor)) {
        editor.clearSelection();
        return;
    }
    editor.insertMarkup(tarnel::BuildImageTag(form.fields()));
    editor.rescanOutline();
}

void imageOfFile(IPageEditor &editor, const QString &picturePath)
{
    CImgDlg form(editor.widget()->window());
    // File names are UTF-8 whatever the page's encoding, as a browse button writes them.
    const QString source = QString::fromStdString(
        tarnel::DroppedPictureSource(editor.pagePath().toStdString(), picturePath.toStdString()));
    if (!runForm(form, editor, [&] { form.offerPicture(source, picturePath); }))
        return;
    editor.insertMarkup(tarnel::BuildImageTag(form.fields()));
    editor.rescanOutline();
}

void background(IPageEditor &editor)
{
    CBackColorDlg form(editor.widget()->window());
    if (!runForm(form, editor))
        return;
    editor.insertMarkup(tarnel::BuildBackgroundTag(form.fields()));
    editor.rescanOutline();
}

void sound(IPageEditor &editor)
{
    CSoundDlg form(editor.widget()->window());
    if (!runForm(form, editor))
        return;
    editor.insertMarkup(tarnel::BuildSoundTag(form.fields()));
    editor.rescanOutline();
}

void link(IPageEditor &editor)
{
    CLinkDlg form(editor.widget()->window());
    if (!runForm(form, editor))
        return;
    editor.insertMarkup(tarnel::BuildLink(form.fields()));
    editor.rescanOutline();
}

void applet(IPageEditor &editor)
{
    CAppletDlg form(editor.widget()->window());
    if (!runForm(form, editor))
        return;
    editor.insertMarkup(tarnel::BuildAppletTag(form.fields()));
    editor.rescanOutline();
}

} // namespace insertcmd
