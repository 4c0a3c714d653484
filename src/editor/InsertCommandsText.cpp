#include "InsertCommands.h"

#include "ControlsDlg.h"
#include "FontDlg.h"
#include "TarnelView.h"
#include "snippets.h"

namespace insertcmd {

void controls(CTarnelView &view)
{
    CControlsDlg form(view.window());
    attachPage(form, view);
    form.exec();
    if (!form.cancelled)
        view.InsertSnippet(tarnel::WrapForm(form.resultText()), false);
    // Even a cancelled run rescans: the outline is rebuilt from the text either way.
    view.rescanOutline();
}

void formattedText(CTarnelView &view)
{
    CFontDlg form(view.window());
    attachPage(form, view);
    if (form.exec() == QDialog::Accepted)
        view.InsertSnippet(form.result(), false);
}

} // namespace insertcmd
