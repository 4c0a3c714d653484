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
template <typename Form, typename Build> bool runForm(CTarnelView &view, Build build)
{
    Form form(view.window());
    attachPage(form, view);
    form.exec();
    if (form.cancelled)
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
    if (runForm<CMarqueeDlg>(view, tarnel::BuildMarquee))
        view.rescanOutline();
}

void meta(CTarnelView &view)
{
    if (runForm<CMetaDlg>(view, tarnel::BuildMetaTag))
        view.rescanOutline();
}

void frames(CTarnelView &view)
{
    if (runForm<CFramesDlg>(view, tarnel::BuildFrameTag))
        view.rescanOutline();
}

void tables(CTarnelView &view)
{
    if (runForm<CTableDlg>(view, tarnel::BuildTable))
        view.rescanOutline();
}

void orderedList(CTarnelView &view)
{
    runForm<CListDlg1>(view, tarnel::BuildOrderedList);
}

void unorderedList(CTarnelView &view)
{
    runForm<CUListDlg>(view, tarnel::BuildUnorderedList);
}

void definitionList(CTarnelView &view)
{
    view.InsertSnippet(tarnel::DefinitionList(), false);
}

} // namespace insertcmd
