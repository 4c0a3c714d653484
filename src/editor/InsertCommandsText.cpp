#include "InsertCommands.h"

#include "ControlsDlg.h"
#include "FontDlg.h"
#include "PageEditor.h"
#include "snippets.h"

namespace insertcmd {

void controls(IPageEditor &editor)
{
    CControlsDlg form(editor.widget()->window());
    if (runForm(form, editor))
        editor.InsertSnippet(tarnel::WrapForm(form.resultText()), false);
    // Even a cancelled run rescans: the outline is rebuilt from the text either way.
    editor.rescanOutline();
}

void formattedText(IPageEditor &editor)
{
    CFontDlg form(editor.widget()->window());
    if (runForm(form, editor))
        editor.InsertSnippet(form.result(), false);
}

} // namespace insertcmd
