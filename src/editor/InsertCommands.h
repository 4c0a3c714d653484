#pragma once

#include <cstddef>
#include <functional>
#include <span>

class CFormDlg;
class CTarnelView;

// The Insert menu's handlers. Each runs its form modally over the view's window, builds the
// element from the form's fields in the core and hands the text to CTarnelView::InsertSnippet.
// They are free functions grouped by form family so each family lives in its own file.
namespace insertcmd {

using Handler = void (*)(CTarnelView &view);

struct Entry
{
    int commandId;
    Handler handler;
};
// Every Insert command with its handler.
std::span<const Entry> all();

// The one way a form is run, for Insert and re-edit alike: it is told about the view's page
// (its path, for browsed files, and its encoding, for what the fields show and write), then
// `prefill` fills it, then it opens modally. True when it was confirmed.
bool runForm(CFormDlg &form, const CTarnelView &view, const std::function<void()> &prefill = {});

// InsertCommandsBasic.cpp: image, background, sound, link, applet.
void image(CTarnelView &view);
void background(CTarnelView &view);
void sound(CTarnelView &view);
void link(CTarnelView &view);
void applet(CTarnelView &view);

// InsertCommandsLayout.cpp: marquee, meta, frames, tables, lists.
void marquee(CTarnelView &view);
void meta(CTarnelView &view);
void frames(CTarnelView &view);
void tables(CTarnelView &view);
void orderedList(CTarnelView &view);
void unorderedList(CTarnelView &view);
void definitionList(CTarnelView &view);

// InsertCommandsText.cpp: form controls and formatted text.
void controls(CTarnelView &view);
void formattedText(CTarnelView &view);

// InsertCommandsMedia.cpp: media, pictures and sections (`index` into SectionElements()).
void media(CTarnelView &view);
void picture(CTarnelView &view);
template <std::size_t index> void section(CTarnelView &view);

} // namespace insertcmd
