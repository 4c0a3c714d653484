#include "InsertCommands.h"

#include "FormDlg.h"
#include "PageEditor.h"
#include "commandids.h"

namespace insertcmd {

std::span<const Entry> all()
{
    using namespace tarnel;
    static constexpr Entry table[] = {
        {ID_INSERT_IMAGE, image},           {ID_INSERT_BACKGROUND, background},
        {ID_INSERT_SOUND, sound},           {ID_INSERT_LINK, link},
        {ID_INSERT_APPLETS, applet},        {ID_INSERT_TABLES, tables},
        {ID_INSERT_MARQUEE, marquee},       {ID_INSERT_META, meta},
        {ID_INSERT_FRAMES, frames},         {ID_LIST_ORDERED, orderedList},
        {ID_LIST_UNORDERED, unorderedList}, {ID_LIST_DEFINING, definitionList},
        {ID_INSERT_CONTROLS, controls},     {ID_INSERT_TEXT, formattedText},
        {ID_INSERT_MEDIA, media},           {ID_INSERT_PICTURE, picture},
        {ID_SECTION_HEADER, section<0>},    {ID_SECTION_NAV, section<1>},
        {ID_SECTION_MAIN, section<2>},      {ID_SECTION_ARTICLE, section<3>},
        {ID_SECTION_SECTION, section<4>},   {ID_SECTION_ASIDE, section<5>},
        {ID_SECTION_FOOTER, section<6>},    {ID_SECTION_FIGURE, section<7>},
    };
    return table;
}

bool runForm(CFormDlg &form, const IPageEditor &editor, const std::function<void()> &prefill)
{
    form.setPagePath(editor.pagePath());
    form.setPageCodec(editor.pageCodec());
    if (prefill)
        prefill();
    form.exec();
    return !form.cancelled;
}

} // namespace insertcmd
