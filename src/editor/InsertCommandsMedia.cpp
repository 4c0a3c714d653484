#include "InsertCommands.h"

#include "MediaDlg.h"
#include "PictureDlg.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "sections.h"
#include "snippets.h"

// The elements of a page of today: media, pictures and semantic sections.
namespace insertcmd {

void media(CTarnelView &view)
{
    CMediaDlg form(view.window());
    if (!runForm(form, view))
        return;
    view.InsertSnippet(tarnel::BuildMediaTag(form.fields()), false);
    view.rescanOutline();
}

void picture(CTarnelView &view)
{
    CPictureDlg form(view.window());
    if (!runForm(form, view))
        return;
    view.InsertSnippet(tarnel::BuildPictureTag(form.fields()), false);
    view.rescanOutline();
}

namespace {

void wrapInSection(CTarnelView &view, std::string_view element)
{
    const auto start = std::size_t(view.SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART));
    const auto end = std::size_t(view.SendScintilla(QsciScintilla::SCI_GETSELECTIONEND));
    const std::string selection = view.pageText().substr(start, end - start);
    const tarnel::WrappedSection wrapped =
        tarnel::WrapInSection(element, selection, view.GetDocument()->lineBreak());
    view.replaceBytes(start, end, wrapped.text);
    view.selectBytes(start + wrapped.caret, start + wrapped.caret);
}

} // namespace

template <std::size_t index> void section(CTarnelView &view)
{
    wrapInSection(view, tarnel::SectionElements()[index]);
}

template void section<0>(CTarnelView &);
template void section<1>(CTarnelView &);
template void section<2>(CTarnelView &);
template void section<3>(CTarnelView &);
template void section<4>(CTarnelView &);
template void section<5>(CTarnelView &);
template void section<6>(CTarnelView &);
template void section<7>(CTarnelView &);

} // namespace insertcmd
