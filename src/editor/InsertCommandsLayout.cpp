#include "InsertCommands.h"

#include "FramesDlg.h"
#include "ListDlg1.h"
#include "MarqueeDlg.h"
#include "MetaDlg.h"
#include "PageEditor.h"
#include "TableDlg.h"
#include "UListDlg.h"
#include "snippets.h"

namespace insertcmd {

namespace {

// Runs the form over the editor's window and inserts what it builds. A cancelled form, or one
// that builds nothing, leaves the text, the selection and the modified flag alone.
template <typename Form, typename Build> bool insertBuilt(IPageEditor &editor, Build build)
{
    Form form(editor.widget()->window());
    if (!runForm(form, editor))
        return false;
    const std::string snippet = build(form.fields());
    if (snippet.empty())
        return false;
    editor.insertMarkup(snippet);
    return true;
}

} // namespace

void marquee(IPageEditor &editor)
{
    if (insertBuilt<CMarqueeDlg>(editor, tarnel::BuildMarquee))
        editor.rescanOutline();
}

void meta(IPageEditor &editor)
{
    if (insertBuilt<CMetaDlg>(editor, tarnel::BuildMetaTag))
        editor.rescanOutline();
}

void frames(IPageEditor &editor)
{
    if (insertBuilt<CFramesDlg>(editor, tarnel::BuildFrameTag))
        editor.rescanOutline();
}

void tables(IPageEditor &editor)
{
    if (insertBuilt<CTableDlg>(editor, tarnel::BuildTable))
        editor.rescanOutline();
}

void orderedList(IPageEditor &editor)
{
    insertBuilt<CListDlg1>(editor, tarnel::BuildOrderedList);
}

void unorderedList(IPageEditor &editor)
{
    insertBuilt<CUListDlg>(editor, tarnel::BuildUnorderedList);
}

void definitionList(IPageEditor &editor)
{
    editor.insertMarkup(tarnel::DefinitionList());
}

} // namespace insertcmd
