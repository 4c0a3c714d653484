#include "InsertCommands.h"

#include "MediaDlg.h"
#include "PageEditor.h"
#include "PictureDlg.h"
#include "sections.h"
#include "snippets.h"

// The elements of a page of today: media, pictures and semantic sections.
namespace insertcmd {

void media(IPageEditor &editor)
{
    CMediaDlg form(editor.widget()->window());
    if (!runForm(form, editor))
        return;
    editor.insertMarkup(tarnel::BuildMediaTag(form.fields()));
    editor.rescanOutline();
}

void picture(IPageEditor &editor)
{
    CPictureDlg form(editor.widget()->window());
    if (!runForm(form, editor))
        return;
    editor.insertMarkup(tarnel::BuildPictureTag(form.fields()));
    editor.rescanOutline();
}

namespace {

void wrapInSection(IPageEditor &editor, std::string_view element)
{
    const auto [start, end] = editor.selectedBytes();
    const std::string selection(editor.pageBytes().substr(start, end - start));
    const tarnel::WrappedSection wrapped =
        tarnel::WrapInSection(element, selection, editor.pageLineBreak(), editor.pageNameCase());
    editor.replaceBytes(start, end, wrapped.text);
    editor.selectBytes(start + wrapped.caret, start + wrapped.caret);
}

} // namespace

template <std::size_t index> void section(IPageEditor &editor)
{
    wrapInSection(editor, tarnel::SectionElements()[index]);
}

template void section<0>(IPageEditor &);
template void section<1>(IPageEditor &);
template void section<2>(IPageEditor &);
template void section<3>(IPageEditor &);
template void section<4>(IPageEditor &);
template void section<5>(IPageEditor &);
template void section<6>(IPageEditor &);
template void section<7>(IPageEditor &);

} // namespace insertcmd
