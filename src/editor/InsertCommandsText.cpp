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
        editor.insertMarkup(tarnel::WrapForm(form.resultText()));
    // Even a cancelled run rescans: the outline is rebuilt from the text either way.
    editor.rescanOutline();
}

void formattedText(IPageEditor &editor)
{
    CFontDlg form(editor.widget()->window());
    if (runForm(form, editor))
        editor.insertMarkup(form.result());
}

} // namespace insertcmd
