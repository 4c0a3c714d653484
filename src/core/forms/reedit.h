#pragma once
#include "elementrecord.h"
#include "pagetext.h"
#include "scanner.h"
#include "snippets_basic.h"
#include "snippets_media.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// Which outline category an element was reopened from.
// Media: a VIDEO or AUDIO, reopened in the media form. Picture: an image entry whose IMG has a
// SRCSET or stands in a PICTURE, reopened in the picture form. Place: an entry without a form
// (a SOURCE, a heading, a script); its tag is only gone to.
enum class ElementKind { Image, Link, Applet, Media, Picture, Place };

// The element an edit hint (6, 7, 8) asks to reopen; nullopt for any other hint.
std::optional<ElementKind> ElementKindForHint(int hint);

// One tag read back for a form.
struct TagPrefill
{
    // Upper-case attribute name -> value as the page means it ("&quot;" read as a double
    // quote). The first one counts when a name is repeated, as in a browser.
    std::map<std::string, std::string> values;

    // The value of an upper-case attribute name; empty when the tag has none.
    std::string Value(const std::string &name) const;
};

// An element found again for re-editing.
struct ReeditTarget
{
    ElementKind kind = ElementKind::Image;
    // Selected while the form is open and replaced on confirmation: the IMG or APPLET tag
    // itself, a link from "<A" through the ">" of its "</A>", a VIDEO or AUDIO tag (through
    // its first SOURCE when it has no SRC).
    TextRange range;
    // The IMG or APPLET tag, or the link's opening tag (HREF is its only form field); the
    // tag starts at `range.begin`.
    TagPrefill tag;
    // The image was listed by DYNSRC: the form opens with Video ticked. Media: a VIDEO.
    bool video = false;
    // Picture: the IMG's SRCSET is one the picture form writes (up to three files, each with
    // no descriptor or a width, the first being SRC at WIDTH), so its further pictures are
    // reopened and written back. Any other SRCSET is kept as it is.
    bool srcsetReopened = false;

    // Links only: everything between the link's tags, and for an image or applet link the
    // IMG or APPLET inside it (the image when it holds both) and where that tag starts. For
    // media without SRC: its first SOURCE, whose SRC the form's Source shows and changes.
    TextRange linkContent;
    LinkKind content = LinkKind::Text;
    TagPrefill contentTag;
    std::size_t contentTagStart = 0;
    // For a text link: its content, markup included.
    std::string linkText;

    // False for a link whose IMG has no SRC or whose APPLET has no CODE: the link form
    // cannot show such content, so nothing is opened and nothing changes.
    bool Editable() const;
};

// Finds the element of an outline entry: a start tag of the entry's kind must begin at the
// recorded index and carry the recorded value (SRC, DYNSRC for a video, CODE or HREF), and a
// link must be closed. nullopt when the element is no longer there.
std::optional<ReeditTarget> LocateElement(std::string_view text, ElementKind kind,
                                          const ElementRecord &record);

// The element a position falls in, as its outline entry records it: inside an IMG, APPLET,
// VIDEO or AUDIO tag that element, else inside a link element (tags and content) that link.
struct ElementAtPosition
{
    ElementKind kind = ElementKind::Image;
    ElementRecord record;
};
std::optional<ElementAtPosition> ElementAt(std::string_view text, std::size_t position);

// The name of the input that writes ALT in the form an element of `kind` reopens in; empty
// for a form without one.
std::string_view AltFieldName(ElementKind kind);

// Text to insert into a page at a byte index.
struct TextInsertion
{
    std::size_t at = 0;
    std::string bytes;

    bool operator==(const TextInsertion &) const = default;
};

// What gives the start tag at `tagStart` the text alternative `fields.alt` (the page's
// bytes): ` ALT="..."` after its last attribute, the name in lower case when the tag's name
// is, else in capitals. nullopt when no whole start tag begins there, or it has ALT already.
std::optional<TextInsertion> AltInsertion(std::string_view text, std::size_t tagStart,
                                          const AltFields &fields);

// The fields a reopened element's form opens with. A link's fields carry the kind of its
// content.
ImageFields ImagePrefill(const ReeditTarget &target);
AppletFields AppletPrefill(const ReeditTarget &target);
LinkFields LinkPrefill(const ReeditTarget &target);
// The start tag's attributes; the further sources and the fallback text are not reopened.
MediaFields MediaPrefill(const ReeditTarget &target);
// The IMG's attributes and its SRCSET's further pictures; a PICTURE's SOURCE entries (the
// media conditions) are not reopened.
PictureFields PicturePrefill(const ReeditTarget &target);

// The text that replaces `target.range` of `text` once the form was confirmed; nullopt when
// the element stays as it is. `shown` are the fields as the form showed them, `confirmed` as
// it was confirmed: only what the user changed is written. A changed value is replaced where
// it stands, keeping the attribute's spelling and quotes where the value allows; an emptied
// field removes its attribute with the blank before it; a newly filled one is added after
// the tag's last attribute, as the form writes it. A link's content is rebuilt only when its
// text or its kind changed. New text gets the page's line breaks.
std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const ImageFields &shown, const ImageFields &confirmed,
                                           LineBreak lineBreak);
std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const AppletFields &shown, const AppletFields &confirmed,
                                           LineBreak lineBreak);
std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const MediaFields &shown, const MediaFields &confirmed,
                                           LineBreak lineBreak);
std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const PictureFields &shown,
                                           const PictureFields &confirmed, LineBreak lineBreak);
std::optional<std::string> ReeditedElement(std::string_view text, const ReeditTarget &target,
                                           const LinkFields &shown, const LinkFields &confirmed,
                                           LineBreak lineBreak);

} // namespace tarnel
