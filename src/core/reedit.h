#pragma once
#include "elementrecord.h"
#include "scanner.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// Which outline category an element was reopened from.
enum class ElementKind { Image, Link, Applet };

// The element an edit hint (6, 7, 8) asks to reopen; nullopt for any other hint.
std::optional<ElementKind> ElementKindForHint(int hint);

// What a link holds between its tags, deciding how the link form opens.
enum class LinkContent { Text, Image, Applet };

// An attribute the form has no field for, kept exactly as it stood (`HSPACE="4"`, `id=top`,
// `nowrap`) so the rewrite can put it back.
struct KeptAttribute
{
    std::string name;
    std::string text;

    bool operator==(const KeptAttribute &) const = default;
};

// One tag read back for a form.
struct TagPrefill
{
    // The form's own attributes found in the tag: upper-case name -> value as the page means
    // it ("&quot;" read as a double quote). The first one counts when a name is repeated.
    std::map<std::string, std::string> values;
    // Every other attribute, in the order it stood.
    std::vector<KeptAttribute> kept;

    // The value of an upper-case attribute name; empty when the tag has none.
    std::string Value(const std::string &name) const;
};

// An element found again for re-editing.
struct ReeditTarget
{
    ElementKind kind = ElementKind::Image;
    // Selected while the form is open and replaced on confirmation: the IMG or APPLET tag
    // itself, or a link from "<A" through the ">" of its "</A>".
    TextRange range;
    // The IMG or APPLET tag, or the link's opening tag (HREF is its only form field).
    TagPrefill tag;
    // The image was listed by DYNSRC: the form opens with Video ticked.
    bool video = false;

    // Links only. For an image or applet link, the IMG or APPLET inside it (the image when
    // it holds both) and the text around that tag, which a rewrite of the same kind keeps.
    LinkContent content = LinkContent::Text;
    TagPrefill contentTag;
    std::string contentBefore;
    std::string contentAfter;
    // For a text link: everything between the link's tags, markup included.
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

// The element a position falls in, as its outline entry records it: inside an IMG or APPLET
// tag that image or applet, else inside a link element (tags and content) that link.
struct ElementAtPosition
{
    ElementKind kind = ElementKind::Image;
    ElementRecord record;
};
std::optional<ElementAtPosition> ElementAt(std::string_view text, std::size_t position);

// The text that replaces `target.range` once the form was confirmed. `built` is the form
// builder's tag or link text; a final line feed of the builder is dropped, so the rewrite
// adds no line break. Kept attributes go after the form's own attributes, unless the form
// wrote one of the same name; a link keeps its opening tag's extra attributes, and, when the
// form kept its kind, the text around its IMG or APPLET and that tag's extra attributes.
std::string ReplacementText(const ReeditTarget &target, std::string_view built);

} // namespace tarnel
