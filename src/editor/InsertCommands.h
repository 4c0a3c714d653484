#pragma once

#include <cstddef>
#include <functional>
#include <span>

class CFormDlg;
class QString;
class IPageEditor;

// The Insert menu's handlers. Each runs its form modally over the editor's window, builds the
// element from the form's fields in the core and hands the text to the editor's InsertSnippet.
// They are free functions grouped by form family so each family lives in its own file.
namespace insertcmd {

using Handler = void (*)(IPageEditor &editor);

struct Entry
{
    int commandId;
    Handler handler;
};
// Every Insert command with its handler.
std::span<const Entry> all();

// The one way a form is run, for Insert and re-edit alike: it is told about the editor's page
// (its path, for browsed files, and its encoding, for what the fields show and write), then
// `prefill` fills it, then it opens modally. True when it was confirmed.
bool runForm(CFormDlg &form, const IPageEditor &editor, const std::function<void()> &prefill = {});

// InsertCommandsBasic.cpp: image, background, sound, link, applet.
void image(IPageEditor &editor);
void background(IPageEditor &editor);
void sound(IPageEditor &editor);
void link(IPageEditor &editor);
void applet(IPageEditor &editor);
// The image form offering a picture file (dropped on the page) with its size.
void imageOfFile(IPageEditor &editor, const QString &picturePath);

// InsertCommandsLayout.cpp: marquee, meta, frames, tables, lists.
void marquee(IPageEditor &editor);
void meta(IPageEditor &editor);
void frames(IPageEditor &editor);
void tables(IPageEditor &editor);
void orderedList(IPageEditor &editor);
void unorderedList(IPageEditor &editor);
void definitionList(IPageEditor &editor);

// InsertCommandsText.cpp: form controls and formatted text.
void controls(IPageEditor &editor);
void formattedText(IPageEditor &editor);

// InsertCommandsMedia.cpp: media, pictures and sections (`index` into SectionElements()).
void media(IPageEditor &editor);
void picture(IPageEditor &editor);
template <std::size_t index> void section(IPageEditor &editor);

} // namespace insertcmd
