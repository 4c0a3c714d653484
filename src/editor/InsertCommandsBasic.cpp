#include "InsertCommands.h"

#include "AppletDlg.h"
#include "BackColorDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "SoundDlg.h"
#include "TarnelView.h"
#include "snippets.h"

// Each handler runs its form over the view's window; a confirmed form replaces the selection
// with the built element. Images, applets and links are listed in the outline, so after
// inserting one the outline is rebuilt from the text: it then shows the new element at its
// real index, and never twice.
namespace insertcmd {

void image(CTarnelView &view)
{
    CImgDlg form(view.window());
    if (!runForm(form, view)) {
        view.clearSelection();
        return;
    }
    view.InsertSnippet(tarnel::BuildImageTag(form.fields()), false);
    view.rescanOutline();
}

void background(CTarnelView &view)
{
    CBackColorDlg form(view.window());
    if (!runForm(form, view))
        return;
    view.InsertSnippet(tarnel::BuildBackgroundTag(form.fields()), false);
    view.rescanOutline();
}

void sound(CTarnelView &view)
{
    CSoundDlg form(view.window());
    if (!runForm(form, view))
        return;
    view.InsertSnippet(tarnel::BuildSoundTag(form.fields()), false);
    view.rescanOutline();
}

void link(CTarnelView &view)
{
    CLinkDlg form(view.window());
    if (!runForm(form, view))
        return;
    view.InsertSnippet(tarnel::BuildLink(form.fields()), false);
    view.rescanOutline();
}

void applet(CTarnelView &view)
{
    CAppletDlg form(view.window());
    if (!runForm(form, view))
        return;
    view.InsertSnippet(tarnel::BuildAppletTag(form.fields()), false);
    view.rescanOutline();
}

} // namespace insertcmd
