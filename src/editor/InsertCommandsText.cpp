#include "InsertCommands.h"

#include "ControlsDlg.h"
#include "FontDlg.h"
#include "TarnelView.h"
#include "snippets.h"

namespace insertcmd {

void controls(CTarnelView &view)
{
    CControlsDlg form(view.window());
    if (runForm(form, view))
        view.InsertSnippet(tarnel::WrapForm(form.resultText()), false);
    // Even a cancelled run rescans: the outline is rebuilt from the text either way.
    view.rescanOutline();
}

void formattedText(CTarnelView &view)
{
    CFontDlg form(view.window());
    if (runForm(form, view))
        view.InsertSnippet(form.result(), false);
}

} // namespace insertcmd
