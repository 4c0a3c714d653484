#include "InsertCommands.h"

#include "FramesDlg.h"
#include "ListDlg1.h"
#include "MarqueeDlg.h"
#include "MetaDlg.h"
#include "TableDlg.h"
#include "TarnelView.h"
#include "UListDlg.h"
#include "snippets.h"

namespace insertcmd {

namespace {

// Runs the form over the view's window and inserts what it builds. A cancelled form, or one
// that builds nothing, leaves the text, the selection and the modified flag alone.
template <typename Form, typename Build> bool insertBuilt(CTarnelView &view, Build build)
{
    Form form(view.window());
    if (!runForm(form, view))
        return false;
    const std::string snippet = build(form.fields());
    if (snippet.empty())
        return false;
    view.InsertSnippet(snippet, false);
    return true;
}

} // namespace

void marquee(CTarnelView &view)
{
    if (insertBuilt<CMarqueeDlg>(view, tarnel::BuildMarquee))
        view.rescanOutline();
}

void meta(CTarnelView &view)
{
    if (insertBuilt<CMetaDlg>(view, tarnel::BuildMetaTag))
        view.rescanOutline();
}

void frames(CTarnelView &view)
{
    if (insertBuilt<CFramesDlg>(view, tarnel::BuildFrameTag))
        view.rescanOutline();
}

void tables(CTarnelView &view)
{
    if (insertBuilt<CTableDlg>(view, tarnel::BuildTable))
        view.rescanOutline();
}

void orderedList(CTarnelView &view)
{
    insertBuilt<CListDlg1>(view, tarnel::BuildOrderedList);
}

void unorderedList(CTarnelView &view)
{
    insertBuilt<CUListDlg>(view, tarnel::BuildUnorderedList);
}

void definitionList(CTarnelView &view)
{
    view.InsertSnippet(tarnel::DefinitionList(), false);
}

} // namespace insertcmd
