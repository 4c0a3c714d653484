// Written by scripts/update-web-data from @vscode/web-custom-data 0.6.3; run it again
// rather than editing.
#include "webdata.h"

namespace tarnel {

namespace {

constexpr WebValue kValueSet_b[] = {
    {"true", ""},
    {"false", ""},
};
constexpr WebValue kValueSet_u[] = {
    {"true", ""},
    {"false", ""},
    {"undefined", ""},
};
constexpr WebValue kValueSet_o[] = {
    {"on", ""},
    {"off", ""},
};
constexpr WebValue kValueSet_y[] = {
    {"yes", ""},
    {"no", ""},
};
constexpr WebValue kValueSet_w[] = {
    {"soft", ""},
    {"hard", ""},
};
constexpr WebValue kValueSet_d[] = {
    {"ltr", ""},
    {"rtl", ""},
    {"auto", ""},
};
constexpr WebValue kValueSet_m[] = {
    {"get", "Corresponds to the HTTP GET method;"},
    {"post", "Corresponds to the HTTP POST method;"},
    {"dialog",
     "Use when the form is inside a <dialog> element to close the dialog when submitted."},
};
constexpr WebValue kValueSet_fm[] = {
    {"get", ""},
    {"post", ""},
};
constexpr WebValue kValueSet_s[] = {
    {"row", ""},
    {"col", ""},
    {"rowgroup", ""},
    {"colgroup", ""},
};
constexpr WebValue kValueSet_t[] = {
    {"hidden", ""}, {"text", ""},     {"search", ""},         {"tel", ""},    {"url", ""},
    {"email", ""},  {"password", ""}, {"datetime", ""},       {"date", ""},   {"month", ""},
    {"week", ""},   {"time", ""},     {"datetime-local", ""}, {"number", ""}, {"range", ""},
    {"color", ""},  {"checkbox", ""}, {"radio", ""},          {"file", ""},   {"submit", ""},
    {"image", ""},  {"reset", ""},    {"button", ""},
};
constexpr WebValue kValueSet_im[] = {
    {"verbatim", ""},         {"latin", ""}, {"latin-name", ""}, {"latin-prose", ""},
    {"full-width-latin", ""}, {"kana", ""},  {"kana-name", ""},  {"katakana", ""},
    {"numeric", ""},          {"tel", ""},   {"email", ""},      {"url", ""},
};
constexpr WebValue kValueSet_bt[] = {
    {"button", ""},
    {"submit", ""},
    {"reset", ""},
};
constexpr WebValue kValueSet_lt[] = {
    {"1", ""}, {"a", ""}, {"A", ""}, {"i", ""}, {"I", ""},
};
constexpr WebValue kValueSet_et[] = {
    {"application/x-www-form-urlencoded", ""},
    {"multipart/form-data", ""},
    {"text/plain", ""},
};
constexpr WebValue kValueSet_tk[] = {
    {"subtitles", ""}, {"captions", ""}, {"descriptions", ""}, {"chapters", ""}, {"metadata", ""},
};
constexpr WebValue kValueSet_pl[] = {
    {"none", ""},
    {"metadata", ""},
    {"auto", ""},
};
constexpr WebValue kValueSet_sh[] = {
    {"circle", ""},
    {"default", ""},
    {"poly", ""},
    {"rect", ""},
};
constexpr WebValue kValueSet_xo[] = {
    {"anonymous", ""},
    {"use-credentials", ""},
};
constexpr WebValue kValueSet_target[] = {
    {"_self", ""},
    {"_blank", ""},
    {"_parent", ""},
    {"_top", ""},
};
constexpr WebValue kValueSet_sb[] = {
    {"allow-forms", ""},
    {"allow-modals", ""},
    {"allow-pointer-lock", ""},
    {"allow-popups", ""},
    {"allow-popups-to-escape-sandbox", ""},
    {"allow-same-origin", ""},
    {"allow-scripts", ""},
    {"allow-top-navigation", ""},
};
constexpr WebValue kValueSet_tristate[] = {
    {"true", ""},
    {"false", ""},
    {"mixed", ""},
    {"undefined", ""},
};
constexpr WebValue kValueSet_inputautocomplete[] = {
    {"additional-name", ""},
    {"address-level1", ""},
    {"address-level2", ""},
    {"address-level3", ""},
    {"address-level4", ""},
    {"address-line1", ""},
    {"address-line2", ""},
    {"address-line3", ""},
    {"bday", ""},
    {"bday-year", ""},
    {"bday-day", ""},
    {"bday-month", ""},
    {"billing", ""},
    {"cc-additional-name", ""},
    {"cc-csc", ""},
    {"cc-exp", ""},
    {"cc-exp-month", ""},
    {"cc-exp-year", ""},
    {"cc-family-name", ""},
    {"cc-given-name", ""},
    {"cc-name", ""},
    {"cc-number", ""},
    {"cc-type", ""},
    {"country", ""},
    {"country-name", ""},
    {"current-password", ""},
    {"email", ""},
    {"family-name", ""},
    {"fax", ""},
    {"given-name", ""},
    {"home", ""},
    {"honorific-prefix", ""},
    {"honorific-suffix", ""},
    {"impp", ""},
    {"language", ""},
    {"mobile", ""},
    {"name", ""},
    {"new-password", ""},
    {"nickname", ""},
    {"off", ""},
    {"on", ""},
    {"organization", ""},
    {"organization-title", ""},
    {"pager", ""},
    {"photo", ""},
    {"postal-code", ""},
    {"sex", ""},
    {"shipping", ""},
    {"street-address", ""},
    {"tel-area-code", ""},
    {"tel", ""},
    {"tel-country-code", ""},
    {"tel-extension", ""},
    {"tel-local", ""},
    {"tel-local-prefix", ""},
    {"tel-local-suffix", ""},
    {"tel-national", ""},
    {"transaction-amount", ""},
    {"transaction-currency", ""},
    {"url", ""},
    {"username", ""},
    {"work", ""},
};
constexpr WebValue kValueSet_autocomplete[] = {
    {"inline", ""},
    {"list", ""},
    {"both", ""},
    {"none", ""},
};
constexpr WebValue kValueSet_current[] = {
    {"page", ""}, {"step", ""}, {"location", ""}, {"date", ""},
    {"time", ""}, {"true", ""}, {"false", ""},
};
constexpr WebValue kValueSet_dropeffect[] = {
    {"copy", ""}, {"move", ""}, {"link", ""}, {"execute", ""}, {"popup", ""}, {"none", ""},
};
constexpr WebValue kValueSet_invalid[] = {
    {"grammar", ""},
    {"false", ""},
    {"spelling", ""},
    {"true", ""},
};
constexpr WebValue kValueSet_live[] = {
    {"off", ""},
    {"polite", ""},
    {"assertive", ""},
};
constexpr WebValue kValueSet_orientation[] = {
    {"vertical", ""},
    {"horizontal", ""},
    {"undefined", ""},
};
constexpr WebValue kValueSet_relevant[] = {
    {"additions", ""}, {"removals", ""}, {"text", ""}, {"all", ""}, {"additions text", ""},
};
constexpr WebValue kValueSet_sort[] = {
    {"ascending", ""},
    {"descending", ""},
    {"none", ""},
    {"other", ""},
};
constexpr WebValue kValueSet_roles[] = {
    {"alert", ""},
    {"alertdialog", ""},
    {"button", ""},
    {"checkbox", ""},
    {"dialog", ""},
    {"gridcell", ""},
    {"link", ""},
    {"log", ""},
    {"marquee", ""},
    {"menuitem", ""},
    {"menuitemcheckbox", ""},
    {"menuitemradio", ""},
    {"option", ""},
    {"progressbar", ""},
    {"radio", ""},
    {"scrollbar", ""},
    {"searchbox", ""},
    {"slider", ""},
    {"spinbutton", ""},
    {"status", ""},
    {"switch", ""},
    {"tab", ""},
    {"tabpanel", ""},
    {"textbox", ""},
    {"timer", ""},
    {"tooltip", ""},
    {"treeitem", ""},
    {"combobox", ""},
    {"grid", ""},
    {"listbox", ""},
    {"menu", ""},
    {"menubar", ""},
    {"radiogroup", ""},
    {"tablist", ""},
    {"tree", ""},
    {"treegrid", ""},
    {"application", ""},
    {"article", ""},
    {"cell", ""},
    {"columnheader", ""},
    {"definition", ""},
    {"directory", ""},
    {"document", ""},
    {"feed", ""},
    {"figure", ""},
    {"group", ""},
    {"heading", ""},
    {"img", ""},
    {"list", ""},
    {"listitem", ""},
    {"math", ""},
    {"none", ""},
    {"note", ""},
    {"presentation", ""},
    {"region", ""},
    {"row", ""},
    {"rowgroup", ""},
    {"rowheader", ""},
    {"separator", ""},
    {"table", ""},
    {"term", ""},
    {"text", ""},
    {"toolbar", ""},
    {"banner", ""},
    {"complementary", ""},
    {"contentinfo", ""},
    {"form", ""},
    {"main", ""},
    {"navigation", ""},
    {"search", ""},
    {"doc-abstract", ""},
    {"doc-acknowledgments", ""},
    {"doc-afterword", ""},
    {"doc-appendix", ""},
    {"doc-backlink", ""},
    {"doc-biblioentry", ""},
    {"doc-bibliography", ""},
    {"doc-biblioref", ""},
    {"doc-chapter", ""},
    {"doc-colophon", ""},
    {"doc-conclusion", ""},
    {"doc-cover", ""},
    {"doc-credit", ""},
    {"doc-credits", ""},
    {"doc-dedication", ""},
    {"doc-endnote", ""},
    {"doc-endnotes", ""},
    {"doc-epigraph", ""},
    {"doc-epilogue", ""},
    {"doc-errata", ""},
    {"doc-example", ""},
    {"doc-footnote", ""},
    {"doc-foreword", ""},
    {"doc-glossary", ""},
    {"doc-glossref", ""},
    {"doc-index", ""},
    {"doc-introduction", ""},
    {"doc-noteref", ""},
    {"doc-notice", ""},
    {"doc-pagebreak", ""},
    {"doc-pagelist", ""},
    {"doc-part", ""},
    {"doc-preface", ""},
    {"doc-prologue", ""},
    {"doc-pullquote", ""},
    {"doc-qna", ""},
    {"doc-subtitle", ""},
    {"doc-tip", ""},
    {"doc-toc", ""},
};
constexpr WebValue kValueSet_haspopup[] = {
    {"false", "(default) Indicates the element does not have a popup."},
    {"true", "Indicates the popup is a menu."},
    {"menu", "Indicates the popup is a menu."},
    {"listbox", "Indicates the popup is a listbox."},
    {"tree", "Indicates the popup is a tree."},
    {"grid", "Indicates the popup is a grid."},
    {"dialog", "Indicates the popup is a dialog."},
};
constexpr WebValue kValueSet_decoding[] = {
    {"sync", ""},
    {"async", ""},
    {"auto", ""},
};
constexpr WebValue kValueSet_loading[] = {
    {"eager", "Loads the image immediately, regardless of whether or not the image is currently "
              "within the visible viewport (this is the default value)."},
    {"lazy", "Defers loading the image until it reaches a calculated distance from the viewport, "
             "as defined by the browser."},
};
constexpr WebValue kValueSet_referrerpolicy[] = {
    {"no-referrer", ""},
    {"no-referrer-when-downgrade", ""},
    {"origin", ""},
    {"origin-when-cross-origin", ""},
    {"same-origin", ""},
    {"strict-origin", ""},
    {"strict-origin-when-cross-origin", ""},
    {"unsafe-url", ""},
};
constexpr WebValue kValueSet_enterkeyhint[] = {
    {"enter", ""},    {"done", ""},   {"go", ""},   {"next", ""},
    {"previous", ""}, {"search", ""}, {"send", ""},
};
constexpr WebValue kValueSet_popover[] = {
    {"auto", ""},
    {"hint", ""},
    {"manual", ""},
};
constexpr WebValue kValueSet_fetchpriority[] = {
    {"high", ""},
    {"low", ""},
    {"auto", ""},
};
constexpr WebAttribute kGlobalAttributes[] = {
    {"ACCESSKEY",
     {},
     "Provides a hint for generating a keyboard shortcut for the current element."},
    {"ARIA-ACTIVEDESCENDANT",
     {},
     "Identifies the currently active element when DOM focus is on a composite widget, textbox, "
     "group, or application."},
    {"ARIA-ATOMIC", kValueSet_b,
     "Indicates whether assistive technologies will present all, or only parts of, the changed "
     "region based on the change notifications defined by the..."},
    {"ARIA-AUTOCOMPLETE", kValueSet_autocomplete,
     "Indicates whether inputting text could trigger display of one or more predictions of the "
     "user's intended value for an input and specifies how predictions..."},
    {"ARIA-BUSY", kValueSet_b,
     "Indicates an element is being modified and that assistive technologies MAY want to wait "
     "until the modifications are complete before exposing them to the user."},
    {"ARIA-CHECKED", kValueSet_tristate,
     "Indicates the current \"checked\" state of checkboxes, radio buttons, and other widgets."},
    {"ARIA-COLCOUNT", {}, "Defines the total number of columns in a table, grid, or treegrid."},
    {"ARIA-COLINDEX",
     {},
     "Defines an element's column index or position with respect to the total number of columns "
     "within a table, grid, or treegrid."},
    {"ARIA-COLSPAN",
     {},
     "Defines the number of columns spanned by a cell or gridcell within a table, grid, or "
     "treegrid."},
    {"ARIA-CONTROLS",
     {},
     "Identifies the element (or elements) whose contents or presence are controlled by the "
     "current element."},
    {"ARIA-CURRENT", kValueSet_current,
     "Indicates the element that represents the current item within a container or set of related "
     "elements."},
    {"ARIA-DESCRIBEDBY", {}, "Identifies the element (or elements) that describes the object."},
    {"ARIA-DETAILS",
     {},
     "Identifies the element that provides a detailed, extended description for the object."},
    {"ARIA-DISABLED", kValueSet_b,
     "Indicates that the element is perceivable but disabled, so it is not editable or otherwise "
     "operable."},
    {"ARIA-DROPEFFECT", kValueSet_dropeffect,
     "\\[Deprecated in ARIA 1.1\\] Indicates what functions can be performed when a dragged object "
     "is released on the drop target."},
    {"ARIA-ERRORMESSAGE",
     {},
     "Identifies the element that provides an error message for the object."},
    {"ARIA-EXPANDED", kValueSet_u,
     "Indicates whether the element, or another grouping element it controls, is currently "
     "expanded or collapsed."},
    {"ARIA-FLOWTO",
     {},
     "Identifies the next element (or elements) in an alternate reading order of content which, at "
     "the user's discretion, allows assistive technology to override..."},
    {"ARIA-GRABBED", kValueSet_u,
     "\\[Deprecated in ARIA 1.1\\] Indicates an element's \"grabbed\" state in a drag-and-drop "
     "operation."},
    {"ARIA-HASPOPUP", kValueSet_haspopup,
     "Indicates the availability and type of interactive popup element, such as menu or dialog, "
     "that can be triggered by an element."},
    {"ARIA-HIDDEN", kValueSet_b,
     "Indicates whether the element is exposed to an accessibility API."},
    {"ARIA-INVALID", kValueSet_invalid,
     "Indicates the entered value does not conform to the format expected by the application."},
    {"ARIA-KEYSHORTCUTS",
     {},
     "Indicates keyboard shortcuts that an author has implemented to activate or give focus to an "
     "element."},
    {"ARIA-LABEL", {}, "Defines a string value that labels the current element."},
    {"ARIA-LABELLEDBY",
     {},
     "Identifies the element (or elements) that labels the current element."},
    {"ARIA-LEVEL", {}, "Defines the hierarchical level of an element within a structure."},
    {"ARIA-LIVE", kValueSet_live,
     "Indicates that an element will be updated, and describes the types of updates the user "
     "agents, assistive technologies, and user can expect from the live region."},
    {"ARIA-MODAL", kValueSet_b, "Indicates whether an element is modal when displayed."},
    {"ARIA-MULTILINE", kValueSet_b,
     "Indicates whether a text box accepts multiple lines of input or only a single line."},
    {"ARIA-MULTISELECTABLE", kValueSet_b,
     "Indicates that the user may select more than one item from the current selectable "
     "descendants."},
    {"ARIA-ORIENTATION", kValueSet_orientation,
     "Indicates whether the element's orientation is horizontal, vertical, or unknown/ambiguous."},
    {"ARIA-OWNS",
     {},
     "Identifies an element (or elements) in order to define a visual, functional, or contextual "
     "parent/child relationship between DOM elements where the DOM..."},
    {"ARIA-PLACEHOLDER",
     {},
     "Defines a short hint (a word or short phrase) intended to aid the user with data entry when "
     "the control has no value."},
    {"ARIA-POSINSET",
     {},
     "Defines an element's number or position in the current set of listitems or treeitems."},
    {"ARIA-PRESSED", kValueSet_tristate,
     "Indicates the current \"pressed\" state of toggle buttons."},
    {"ARIA-READONLY", kValueSet_b,
     "Indicates that the element is not editable, but is otherwise operable."},
    {"ARIA-RELEVANT", kValueSet_relevant,
     "Indicates what notifications the user agent will trigger when the accessibility tree within "
     "a live region is modified."},
    {"ARIA-REQUIRED", kValueSet_b,
     "Indicates that user input is required on the element before a form may be submitted."},
    {"ARIA-ROLEDESCRIPTION",
     {},
     "Defines a human-readable, author-localized description for the role of an element."},
    {"ARIA-ROWCOUNT", {}, "Defines the total number of rows in a table, grid, or treegrid."},
    {"ARIA-ROWINDEX",
     {},
     "Defines an element's row index or position with respect to the total number of rows within a "
     "table, grid, or treegrid."},
    {"ARIA-ROWSPAN",
     {},
     "Defines the number of rows spanned by a cell or gridcell within a table, grid, or treegrid."},
    {"ARIA-SELECTED", kValueSet_u, "Indicates the current \"selected\" state of various widgets."},
    {"ARIA-SETSIZE",
     {},
     "Defines the number of items in the current set of listitems or treeitems."},
    {"ARIA-SORT", kValueSet_sort,
     "Indicates if items in a table or grid are sorted in ascending or descending order."},
    {"ARIA-VALUEMAX", {}, "Defines the maximum allowed value for a range widget."},
    {"ARIA-VALUEMIN", {}, "Defines the minimum allowed value for a range widget."},
    {"ARIA-VALUENOW", {}, "Defines the current value for a range widget."},
    {"ARIA-VALUETEXT",
     {},
     "Defines the human readable text alternative of aria-valuenow for a range widget."},
    {"AUTOCAPITALIZE",
     {},
     "Controls whether and how text input is automatically capitalized as it is entered/edited by "
     "the user."},
    {"AUTOCORRECT", kValueSet_o,
     "Controls whether autocorrection of editable text is enabled for spelling and/or punctuation "
     "errors."},
    {"AUTOFOCUS",
     {},
     "Indicates that an element should be focused on page load, or when the <dialog> that it is "
     "part of is displayed."},
    {"CLASS", {}, "A space-separated list of the classes of the element."},
    {"CONTENTEDITABLE",
     {},
     "An enumerated attribute indicating if the element should be editable by the user."},
    {"CONTEXTMENU", {}, "The id of a <menu> to use as the contextual menu for this element."},
    {"DIR", kValueSet_d,
     "An enumerated attribute indicating the directionality of the element's text."},
    {"DRAGGABLE", kValueSet_b,
     "An enumerated attribute indicating whether the element can be dragged, using the Drag and "
     "Drop API."},
    {"DROPZONE",
     {},
     "An enumerated attribute indicating what types of content can be dropped on an element, using "
     "the Drag and Drop API."},
    {"ENTERKEYHINT", kValueSet_enterkeyhint,
     "An enumerated attribute defining what action label (or icon) to present for the enter key on "
     "virtual keyboards."},
    {"EXPORTPARTS",
     {},
     "Used to transitively export shadow parts from a nested shadow tree into a containing light "
     "tree."},
    {"HIDDEN",
     {},
     "A Boolean attribute indicates that the element is not yet, or is no longer, relevant."},
    {"ID", {}, "Defines a unique identifier (ID) which must be unique in the whole document."},
    {"INERT", {}, "Indicates that the element and all of its flat tree descendants become inert."},
    {"INPUTMODE",
     {},
     "Provides a hint to browsers as to the type of virtual keyboard configuration to use when "
     "editing this element or its contents."},
    {"IS",
     {},
     "Allows you to specify that a standard HTML element should behave like a registered custom "
     "built-in element (see Using custom elements for more details)."},
    {"ITEMID", {}, "The unique, global identifier of an item."},
    {"ITEMPROP", {}, "Used to add properties to an item."},
    {"ITEMREF",
     {},
     "Properties that are not descendants of an element with the itemscope attribute can be "
     "associated with the item using an itemref."},
    {"ITEMSCOPE",
     {},
     "itemscope (usually) works along with itemtype to specify that the HTML contained in a block "
     "is about a particular item."},
    {"ITEMTYPE",
     {},
     "Specifies the URL of the vocabulary that will be used to define itemprops (item properties) "
     "in the data structure."},
    {"LANG", {}, "Helps define the language of an element."},
    {"NONCE",
     {},
     "Defines a cryptographic nonce (\"number used once\") which can be used by Content Security "
     "Policy to determine whether or not a given fetch will be allowed to..."},
    {"ONABORT", {}, "The loading of a resource has been aborted."},
    {"ONBLUR", {}, "An element has lost focus (does not bubble)."},
    {"ONCANPLAY",
     {},
     "The user agent can play the media, but estimates that not enough data has been loaded to "
     "play the media up to its end without having to stop for further..."},
    {"ONCANPLAYTHROUGH",
     {},
     "The user agent can play the media up to its end without having to stop for further buffering "
     "of content."},
    {"ONCHANGE",
     {},
     "The change event is fired for <input>, <select>, and <textarea> elements when a change to "
     "the element's value is committed by the user."},
    {"ONCLICK", {}, "A pointing device button has been pressed and released on an element."},
    {"ONCONTEXTMENU",
     {},
     "The right button of the mouse is clicked (before the context menu is displayed)."},
    {"ONDBLCLICK", {}, "A pointing device button is clicked twice on an element."},
    {"ONDRAG", {}, "An element or text selection is being dragged (every 350ms)."},
    {"ONDRAGEND",
     {},
     "A drag operation is being ended (by releasing a mouse button or hitting the escape key)."},
    {"ONDRAGENTER", {}, "A dragged element or text selection enters a valid drop target."},
    {"ONDRAGLEAVE", {}, "A dragged element or text selection leaves a valid drop target."},
    {"ONDRAGOVER",
     {},
     "An element or text selection is being dragged over a valid drop target (every 350ms)."},
    {"ONDRAGSTART", {}, "The user starts dragging an element or text selection."},
    {"ONDROP", {}, "An element is dropped on a valid drop target."},
    {"ONDURATIONCHANGE", {}, "The duration attribute has been updated."},
    {"ONEMPTIED", {}, "The media has become empty;"},
    {"ONENDED", {}, "Playback has stopped because the end of the media was reached."},
    {"ONERROR", {}, "A resource failed to load."},
    {"ONFOCUS", {}, "An element has received focus (does not bubble)."},
    {"ONFORMCHANGE", {}, ""},
    {"ONFORMINPUT", {}, ""},
    {"ONINPUT",
     {},
     "The value of an element changes or the content of an element with the attribute "
     "contenteditable is modified."},
    {"ONINVALID",
     {},
     "A submittable element has been checked and doesn't satisfy its constraints."},
    {"ONKEYDOWN", {}, "A key is pressed down."},
    {"ONKEYPRESS",
     {},
     "A key is pressed down and that key normally produces a character value (use input instead)."},
    {"ONKEYUP", {}, "A key is released."},
    {"ONLOAD", {}, "A resource and its dependent resources have finished loading."},
    {"ONLOADEDDATA", {}, "The first frame of the media has finished loading."},
    {"ONLOADEDMETADATA", {}, "The metadata has been loaded."},
    {"ONLOADSTART", {}, "Progress has begun."},
    {"ONMOUSEDOWN", {}, "A pointing device button (usually a mouse) is pressed on an element."},
    {"ONMOUSEENTER",
     {},
     "A pointing device is moved onto the element that has the listener attached."},
    {"ONMOUSELEAVE",
     {},
     "A pointing device is moved off the element that has the listener attached."},
    {"ONMOUSEMOVE", {}, "A pointing device is moved over an element."},
    {"ONMOUSEOUT",
     {},
     "A pointing device is moved off the element that has the listener attached or off one of its "
     "children."},
    {"ONMOUSEOVER",
     {},
     "A pointing device is moved onto the element that has the listener attached or onto one of "
     "its children."},
    {"ONMOUSEUP", {}, "A pointing device button is released over an element."},
    {"ONMOUSEWHEEL", {}, ""},
    {"ONPAUSE", {}, "Playback has been paused."},
    {"ONPLAY", {}, "Playback has begun."},
    {"ONPLAYING",
     {},
     "Playback is ready to start after having been paused or delayed due to lack of data."},
    {"ONPOINTERCANCEL", {}, "The pointer is unlikely to produce any more events."},
    {"ONPOINTERDOWN", {}, "The pointer enters the active buttons state."},
    {"ONPOINTERENTER", {}, "Pointing device is moved inside the hit-testing boundary."},
    {"ONPOINTERLEAVE", {}, "Pointing device is moved out of the hit-testing boundary."},
    {"ONPOINTERLOCKCHANGE", {}, "The pointer was locked or released."},
    {"ONPOINTERLOCKERROR",
     {},
     "It was impossible to lock the pointer for technical reasons or because the permission was "
     "denied."},
    {"ONPOINTERMOVE", {}, "The pointer changed coordinates."},
    {"ONPOINTEROUT",
     {},
     "The pointing device moved out of hit-testing boundary or leaves detectable hover range."},
    {"ONPOINTEROVER", {}, "The pointing device is moved into the hit-testing boundary."},
    {"ONPOINTERUP", {}, "The pointer leaves the active buttons state."},
    {"ONPROGRESS", {}, "In progress."},
    {"ONRATECHANGE", {}, "The playback rate has changed."},
    {"ONREADYSTATECHANGE", {}, "The readyState attribute of a document has changed."},
    {"ONRESET", {}, "A form is reset."},
    {"ONRESIZE", {}, "The document view has been resized."},
    {"ONSCROLL", {}, "The document view or an element has been scrolled."},
    {"ONSEEKED", {}, "A seek operation completed."},
    {"ONSEEKING", {}, "A seek operation began."},
    {"ONSELECT", {}, "Some text is being selected."},
    {"ONSHOW",
     {},
     "A contextmenu event was fired on/bubbled to an element that has a contextmenu attribute"},
    {"ONSTALLED",
     {},
     "The user agent is trying to fetch media data, but data is unexpectedly not forthcoming."},
    {"ONSUBMIT", {}, "A form is submitted."},
    {"ONSUSPEND", {}, "Media data loading has been suspended."},
    {"ONTIMEUPDATE", {}, "The time indicated by the currentTime attribute has been updated."},
    {"ONVOLUMECHANGE", {}, "The volume has changed."},
    {"ONWAITING", {}, "Playback has stopped because of a temporary lack of data."},
    {"PART", {}, "A space-separated list of the part names of the element."},
    {"POPOVER", kValueSet_popover, "Designates an element as a popover element."},
    {"ROLE", kValueSet_roles, ""},
    {"SLOT", {}, "Assigns a slot in a shadow DOM shadow tree to an element."},
    {"SPELLCHECK", kValueSet_b,
     "An enumerated attribute defines whether the element may be checked for spelling errors."},
    {"STYLE", {}, "Contains CSS styling declarations to be applied to the element."},
    {"TABINDEX",
     {},
     "An integer attribute indicating if the element can take input focus (is focusable), if it "
     "should participate to sequential keyboard navigation, and if so..."},
    {"TITLE",
     {},
     "Contains a text representing advisory information related to the element it belongs to."},
    {"TRANSLATE", kValueSet_y,
     "An enumerated attribute that is used to specify whether an element's attribute values and "
     "the values of its Text node children are to be translated when the..."},
    {"VIRTUALKEYBOARDPOLICY", kValueSet_b,
     "When specified on an element that the element's content is editable (for example, it is an "
     "<input> or <textarea> element, or an element with the..."},
};
constexpr WebAttribute kAttributes_A[] = {
    {"DOWNLOAD",
     {},
     "This attribute instructs browsers to download a URL instead of navigating to it, so the user "
     "will be prompted to save it as a local file."},
    {"HREF", {}, "Contains a URL or a URL fragment that the hyperlink points to."},
    {"HREFLANG", {}, "This attribute indicates the human language of the linked resource."},
    {"PING",
     {},
     "Contains a space-separated list of URLs to which, when the hyperlink is followed, POST "
     "requests with the body PING will be sent by the browser (in the..."},
    {"REFERRERPOLICY", {}, "Indicates which referrer to send when fetching the URL."},
    {"REL", {}, "Specifies the relationship of the target object to the link object."},
    {"TARGET", kValueSet_target, "Specifies where to display the linked URL."},
    {"TYPE",
     {},
     "Specifies the media type in the form of a MIME type is a string sent along with a file "
     "indicating the type of the file (describing the content format, for..."},
};
constexpr WebAttribute kAttributes_AREA[] = {
    {"ACCESSKEY", {}, "Specifies a keyboard navigation accelerator for the element."},
    {"ALT", {}, ""},
    {"COORDS", {}, ""},
    {"DOWNLOAD", {}, ""},
    {"HREF", {}, ""},
    {"HREFLANG", {}, ""},
    {"PING", {}, ""},
    {"REL", {}, ""},
    {"SHAPE", kValueSet_sh, ""},
    {"TARGET", kValueSet_target, ""},
    {"TYPE", {}, ""},
};
constexpr WebAttribute kAttributes_AUDIO[] = {
    {"AUTOPLAY", {}, "A Boolean attribute."},
    {"CONTROLS",
     {},
     "If this attribute is present, the browser will offer controls to allow the user to control "
     "audio playback, including volume, seeking, and pause/resume playback."},
    {"CROSSORIGIN", kValueSet_xo,
     "This enumerated attribute indicates whether to use CORS to fetch the related image."},
    {"LOOP", {}, "A Boolean attribute."},
    {"MEDIAGROUP", {}, ""},
    {"MUTED",
     {},
     "A Boolean attribute that indicates whether the audio will be initially silenced."},
    {"PRELOAD", kValueSet_pl,
     "This enumerated attribute is intended to provide a hint to the browser about what the author "
     "thinks will lead to the best user experience."},
    {"SRC", {}, "The URL of the audio to embed."},
};
constexpr WebAttribute kAttributes_BASE[] = {
    {"HREF", {}, "The base URL to be used throughout the document for relative URL addresses."},
    {"TARGET", kValueSet_target,
     "A name or keyword indicating the default location to display the result when hyperlinks or "
     "forms cause navigation, for elements that do not have an explicit..."},
};
constexpr WebAttribute kAttributes_BDO[] = {
    {"DIR", {}, "The direction in which text should be rendered in this element's contents."},
};
constexpr WebAttribute kAttributes_BLOCKQUOTE[] = {
    {"CITE", {}, "A URL that designates a source document or message for the information quoted."},
};
constexpr WebAttribute kAttributes_BODY[] = {
    {"ALINK", {}, "Color of text for hyperlinks when selected."},
    {"BACKGROUND", {}, "URI of a image to use as a background."},
    {"BGCOLOR", {}, "Background color for the document."},
    {"BOTTOMMARGIN", {}, "The margin of the bottom of the body."},
    {"LEFTMARGIN", {}, "The margin of the left of the body."},
    {"LINK", {}, "Color of text for unvisited hypertext links."},
    {"ONAFTERPRINT", {}, "Function to call after the user has printed the document."},
    {"ONBEFOREPRINT", {}, "Function to call when the user requests printing of the document."},
    {"ONBEFOREUNLOAD", {}, "Function to call when the document is about to be unloaded."},
    {"ONBLUR", {}, "Function to call when the document loses focus."},
    {"ONERROR", {}, "Function to call when the document fails to load properly."},
    {"ONFOCUS", {}, "Function to call when the document receives focus."},
    {"ONHASHCHANGE",
     {},
     "Function to call when the fragment identifier part (starting with the hash ('#') character) "
     "of the document's current address has changed."},
    {"ONLANGUAGECHANGE", {}, "Function to call when the preferred languages changed."},
    {"ONLOAD", {}, "Function to call when the document has finished loading."},
    {"ONMESSAGE", {}, "Function to call when the document has received a message."},
    {"ONOFFLINE", {}, "Function to call when network communication has failed."},
    {"ONONLINE", {}, "Function to call when network communication has been restored."},
    {"ONPAGEHIDE", {}, ""},
    {"ONPAGESHOW", {}, ""},
    {"ONPOPSTATE", {}, "Function to call when the user has navigated session history."},
    {"ONREDO", {}, "Function to call when the user has moved forward in undo transaction history."},
    {"ONRESIZE", {}, "Function to call when the document has been resized."},
    {"ONSTORAGE", {}, "Function to call when the storage area has changed."},
    {"ONUNDO",
     {},
     "Function to call when the user has moved backward in undo transaction history."},
    {"ONUNLOAD", {}, "Function to call when the document is going away."},
    {"RIGHTMARGIN", {}, "The margin of the right of the body."},
    {"TEXT", {}, "Foreground color of text."},
    {"TOPMARGIN", {}, "The margin of the top of the body."},
    {"VLINK", {}, "Color of text for visited hypertext links."},
};
constexpr WebAttribute kAttributes_BR[] = {
    {"CLEAR", {}, "Indicates where to begin the next line after the break."},
};
constexpr WebAttribute kAttributes_BUTTON[] = {
    {"AUTOCOMPLETE",
     {},
     "The use of this attribute on a <button> is nonstandard and Firefox-specific."},
    {"AUTOFOCUS",
     {},
     "This Boolean attribute lets you specify that the button should have input focus when the "
     "page loads, unless the user overrides it, for example by typing in..."},
    {"DISABLED",
     {},
     "This Boolean attribute indicates that the user cannot interact with the button."},
    {"FORM", {}, "The form element that the button is associated with (its form owner)."},
    {"FORMACTION",
     {},
     "The URI of a program that processes the information submitted by the button."},
    {"FORMENCTYPE", kValueSet_et,
     "If the button is a submit button, this attribute specifies the type of content that is used "
     "to submit the form to the server."},
    {"FORMMETHOD", kValueSet_fm,
     "If the button is a submit button, this attribute specifies the HTTP method that the browser "
     "uses to submit the form."},
    {"FORMNOVALIDATE",
     {},
     "If the button is a submit button, this Boolean attribute specifies that the form is not to "
     "be validated when it is submitted."},
    {"FORMTARGET",
     {},
     "If the button is a submit button, this attribute is a name or keyword indicating where to "
     "display the response that is received after submitting the form."},
    {"NAME", {}, "The name of the button, which is submitted with the form data."},
    {"POPOVERTARGET", {}, "Turns the button into a popover control button;"},
    {"POPOVERTARGETACTION",
     {},
     "Specifies the action to be performed on a popover element being controlled by the button."},
    {"TYPE", kValueSet_bt, "The type of the button."},
    {"VALUE", {}, "The initial value of the button."},
};
constexpr WebAttribute kAttributes_CANVAS[] = {
    {"HEIGHT", {}, "The height of the coordinate space in CSS pixels."},
    {"MOZ-OPAQUE", {}, "Lets the canvas know whether or not translucency will be a factor."},
    {"WIDTH", {}, "The width of the coordinate space in CSS pixels."},
};
constexpr WebAttribute kAttributes_CAPTION[] = {
    {"ALIGN",
     {},
     "This enumerated attribute indicates how the caption must be aligned with respect to the "
     "table."},
};
constexpr WebAttribute kAttributes_COL[] = {
    {"ALIGN",
     {},
     "This enumerated attribute specifies how horizontal alignment of each column cell content "
     "will be handled."},
    {"SPAN", {}, ""},
};
constexpr WebAttribute kAttributes_COLGROUP[] = {
    {"ALIGN",
     {},
     "This enumerated attribute specifies how horizontal alignment of each column cell content "
     "will be handled."},
    {"SPAN", {}, ""},
};
constexpr WebAttribute kAttributes_DATA[] = {
    {"VALUE",
     {},
     "This attribute specifies the machine-readable translation of the content of the element."},
};
constexpr WebAttribute kAttributes_DD[] = {
    {"NOWRAP",
     {},
     "If the value of this attribute is set to yes, the definition text will not wrap."},
};
constexpr WebAttribute kAttributes_DEL[] = {
    {"CITE", {}, "A URI for a resource that explains the change (for example, meeting minutes)."},
    {"DATETIME",
     {},
     "This attribute indicates the time and date of the change and must be a valid date string "
     "with an optional time."},
};
constexpr WebAttribute kAttributes_DETAILS[] = {
    {"NAME",
     {},
     "This attribute enables multiple <details> elements to be connected, with only one open at a "
     "time."},
    {"OPEN",
     {},
     "This Boolean attribute indicates whether or not the details — that is, the contents of the "
     "<details> element — are currently visible."},
};
constexpr WebAttribute kAttributes_DIALOG[] = {
    {"OPEN", {}, "Indicates that the dialog is active and available for interaction."},
};
constexpr WebAttribute kAttributes_EMBED[] = {
    {"HEIGHT", {}, "The displayed height of the resource, in CSS pixels."},
    {"SRC", {}, "The URL of the resource being embedded."},
    {"TYPE", {}, "The MIME type to use to select the plug-in to instantiate."},
    {"WIDTH", {}, "The displayed width of the resource, in CSS pixels."},
};
constexpr WebAttribute kAttributes_FENCEDFRAME[] = {
    {"ALLOW", {}, ""},
    {"HEIGHT", {}, ""},
    {"WIDTH", {}, ""},
};
constexpr WebAttribute kAttributes_FIELDSET[] = {
    {"DISABLED",
     {},
     "If this Boolean attribute is set, all form controls that are descendants of the <fieldset>, "
     "are disabled, meaning they are not editable and won't be..."},
    {"FORM",
     {},
     "This attribute takes the value of the id attribute of a <form> element you want the "
     "<fieldset> to be part of, even if it is not inside the form."},
    {"NAME", {}, "The name associated with the group."},
};
constexpr WebAttribute kAttributes_FORM[] = {
    {"ACCEPT", {}, "A comma-separated list of content types that the server accepts."},
    {"ACCEPT-CHARSET",
     {},
     "A space- or comma-delimited list of character encodings that the server accepts."},
    {"ACTION", {}, "The URI of a program that processes the form information."},
    {"AUTOCAPITALIZE",
     {},
     "This is a nonstandard attribute used by iOS Safari Mobile which controls whether and how the "
     "text value for textual form control descendants should be..."},
    {"AUTOCOMPLETE", kValueSet_o,
     "Indicates whether input elements can by default have their values automatically completed by "
     "the browser."},
    {"ENCTYPE", kValueSet_et,
     "When the value of the method attribute is post, enctype is the MIME type of content that is "
     "used to submit the form to the server."},
    {"METHOD", kValueSet_m, "The HTTP method that the browser uses to submit the form."},
    {"NAME", {}, "The name of the form."},
    {"NOVALIDATE",
     {},
     "This Boolean attribute indicates that the form is not to be validated when submitted."},
    {"TARGET", kValueSet_target,
     "A name or keyword indicating where to display the response that is received after submitting "
     "the form."},
};
constexpr WebAttribute kAttributes_HEAD[] = {
    {"PROFILE", {}, "The URIs of one or more metadata profiles, separated by white space."},
};
constexpr WebAttribute kAttributes_HR[] = {
    {"ALIGN", {}, "Sets the alignment of the rule on the page."},
    {"COLOR", {}, "Sets the color of the rule through color name or hexadecimal value."},
    {"NOSHADE", {}, "Sets the rule to have no shading."},
    {"SIZE", {}, "Sets the height, in pixels, of the rule."},
    {"WIDTH", {}, "Sets the length of the rule on the page through a pixel or percentage value."},
};
constexpr WebAttribute kAttributes_HTML[] = {
    {"MANIFEST",
     {},
     "Specifies the URI of a resource manifest indicating resources that should be cached "
     "locally."},
    {"VERSION",
     {},
     "Specifies the version of the HTML Document Type Definition that governs the current "
     "document."},
    {"XMLNS", {}, "Specifies the XML Namespace of the document."},
};
constexpr WebAttribute kAttributes_IFRAME[] = {
    {"ALLOW", {}, "Specifies a feature policy for the <iframe>."},
    {"ALLOWFULLSCREEN",
     {},
     "Set to true if the <iframe> can activate fullscreen mode by calling the requestFullscreen() "
     "method issues an asynchronous request to make the element be..."},
    {"ALLOWPAYMENTREQUEST",
     {},
     "Set to true if a cross-origin <iframe> should be allowed to invoke the Payment Request API."},
    {"CSP", {}, "A Content Security Policy enforced for the embedded resource."},
    {"HEIGHT", {}, "The height of the frame in CSS pixels."},
    {"IMPORTANCE", {}, "The download priority of the resource in the <iframe>'s src attribute."},
    {"NAME", {}, "A targetable name for the embedded browsing context."},
    {"REFERRERPOLICY", {}, "Indicates which referrer to send when fetching the frame's resource."},
    {"SANDBOX", kValueSet_sb, "Applies extra restrictions to the content in the frame."},
    {"SEAMLESS", {}, ""},
    {"SRC", {}, "The URL of the page to embed."},
    {"SRCDOC", {}, "Inline HTML to embed, overriding the src attribute."},
    {"WIDTH", {}, "The width of the frame in CSS pixels."},
};
constexpr WebAttribute kAttributes_IMG[] = {
    {"ALT", {}, "This attribute defines an alternative text description of the image."},
    {"CROSSORIGIN", kValueSet_xo,
     "This enumerated attribute indicates if the fetching of the related image must be done using "
     "CORS or not."},
    {"DECODING", kValueSet_decoding, "Provides an image decoding hint to the browser."},
    {"FETCHPRIORITY", kValueSet_fetchpriority,
     "Provides a hint of the relative priority to use when fetching the image."},
    {"HEIGHT", {}, "The intrinsic height of the image in pixels."},
    {"IMPORTANCE", {}, "Indicates the relative importance of the resource."},
    {"INTRINSICSIZE",
     {},
     "This attribute tells the browser to ignore the actual intrinsic size of the image and "
     "pretend it’s the size specified in the attribute."},
    {"ISMAP", {}, "This Boolean attribute indicates that the image is part of a server-side map."},
    {"LOADING", kValueSet_loading, "Indicates how the browser should load the image."},
    {"REFERRERPOLICY", kValueSet_referrerpolicy,
     "A string indicating which referrer to use when fetching the resource."},
    {"SIZES",
     {},
     "A list of one or more strings separated by commas indicating a set of source sizes."},
    {"SRC", {}, "The image URL."},
    {"SRCSET",
     {},
     "A list of one or more strings separated by commas indicating a set of possible image sources "
     "for the user agent to use."},
    {"USEMAP",
     {},
     "The partial URL (starting with '#') of an image map associated with the element."},
    {"WIDTH", {}, "The intrinsic width of the image in pixels."},
};
constexpr WebAttribute kAttributes_INPUT[] = {
    {"ACCEPT", {}, ""},
    {"ALT", {}, ""},
    {"AUTOCOMPLETE", kValueSet_inputautocomplete, ""},
    {"AUTOFOCUS", {}, ""},
    {"CHECKED", {}, ""},
    {"DIRNAME", {}, ""},
    {"DISABLED", {}, ""},
    {"FORM", {}, ""},
    {"FORMACTION", {}, ""},
    {"FORMENCTYPE", kValueSet_et, ""},
    {"FORMMETHOD", kValueSet_fm, ""},
    {"FORMNOVALIDATE", {}, ""},
    {"FORMTARGET", {}, ""},
    {"HEIGHT", {}, ""},
    {"INPUTMODE", kValueSet_im, ""},
    {"LIST", {}, ""},
    {"MAX", {}, ""},
    {"MAXLENGTH", {}, ""},
    {"MIN", {}, ""},
    {"MINLENGTH", {}, ""},
    {"MULTIPLE", {}, ""},
    {"NAME", {}, ""},
    {"PATTERN", {}, ""},
    {"PLACEHOLDER", {}, ""},
    {"POPOVERTARGET", {}, ""},
    {"POPOVERTARGETACTION", {}, ""},
    {"READONLY", {}, ""},
    {"REQUIRED", {}, ""},
    {"SIZE", {}, ""},
    {"SRC", {}, ""},
    {"STEP", {}, ""},
    {"TYPE", kValueSet_t, ""},
    {"VALUE", {}, ""},
    {"WIDTH", {}, ""},
};
constexpr WebAttribute kAttributes_INS[] = {
    {"CITE",
     {},
     "This attribute defines the URI of a resource that explains the change, such as a link to "
     "meeting minutes or a ticket in a troubleshooting system."},
    {"DATETIME",
     {},
     "This attribute indicates the time and date of the change and must be a valid date with an "
     "optional time string."},
};
constexpr WebAttribute kAttributes_LABEL[] = {
    {"FOR",
     {},
     "The id of a labelable form-related element in the same document as the <label> element."},
    {"FORM", {}, "The <form> element with which the label is associated (its form owner)."},
};
constexpr WebAttribute kAttributes_LI[] = {
    {"TYPE", {}, "This character attribute indicates the numbering type."},
    {"VALUE",
     {},
     "This integer attribute indicates the current ordinal value of the list item as defined by "
     "the <ol> element."},
};
constexpr WebAttribute kAttributes_LINK[] = {
    {"AS",
     {},
     "This attribute is only used when rel=\"preload\" or rel=\"prefetch\" has been set on the "
     "<link> element."},
    {"CROSSORIGIN", kValueSet_xo,
     "This enumerated attribute indicates whether CORS is a system, consisting of transmitting "
     "HTTP headers, that determines whether browsers block frontend..."},
    {"HREF",
     {},
     "This attribute specifies the URL is a text string specifying where a resource can be found "
     "on the Internet.\") of the linked resource."},
    {"HREFLANG", {}, "This attribute indicates the language of the linked resource."},
    {"IMPORTANCE", {}, "Indicates the relative importance of the resource."},
    {"INTEGRITY",
     {},
     "Contains inline metadata — a base64-encoded cryptographic hash of the resource (file) you’re "
     "telling the browser to fetch."},
    {"MEDIA", {}, "This attribute specifies the media that the linked resource applies to."},
    {"REFERRERPOLICY", {}, "A string indicating which referrer to use when fetching the resource."},
    {"REL",
     {},
     "This attribute names a relationship of the linked document to the current document."},
    {"SIZES",
     {},
     "This attribute defines the sizes of the icons for visual media contained in the resource."},
    {"TITLE", {}, "The title attribute has special semantics on the <link> element."},
    {"TYPE", {}, "This attribute is used to define the type of the content linked to."},
};
constexpr WebAttribute kAttributes_MAP[] = {
    {"NAME", {}, "The name attribute gives the map a name so that it can be referenced."},
};
constexpr WebAttribute kAttributes_META[] = {
    {"CHARSET", {}, "This attribute declares the page's character encoding."},
    {"CONTENT",
     {},
     "This attribute contains the value for the http-equiv or name attribute, depending on which "
     "is used."},
    {"HTTP-EQUIV", {}, "Defines a pragma directive."},
    {"NAME", {}, "This attribute defines the name of a piece of document-level metadata."},
    {"SCHEME", {}, "This attribute defines the scheme in which metadata is described."},
};
constexpr WebAttribute kAttributes_METER[] = {
    {"FORM",
     {},
     "This attribute associates the element with a form element that has ownership of the meter "
     "element."},
    {"HIGH", {}, "The lower numeric bound of the high end of the measured range."},
    {"LOW", {}, "The upper numeric bound of the low end of the measured range."},
    {"MAX", {}, "The upper numeric bound of the measured range."},
    {"MIN", {}, "The lower numeric bound of the measured range."},
    {"OPTIMUM", {}, "This attribute indicates the optimal numeric value."},
    {"VALUE", {}, "The current numeric value."},
};
constexpr WebAttribute kAttributes_OBJECT[] = {
    {"ARCHIVE", {}, "A space-separated list of URIs for archives of resources for the object."},
    {"BORDER", {}, "The width of a border around the control, in pixels."},
    {"CLASSID", {}, "The URI of the object's implementation."},
    {"CODEBASE",
     {},
     "The base path used to resolve relative URIs specified by classid, data, or archive."},
    {"CODETYPE", {}, "The content type of the data specified by classid."},
    {"DATA", {}, "The address of the resource as a valid URL."},
    {"DECLARE",
     {},
     "The presence of this Boolean attribute makes this element a declaration only."},
    {"FORM",
     {},
     "The form element, if any, that the object element is associated with (its form owner)."},
    {"HEIGHT", {}, "The height of the displayed resource, in CSS pixels."},
    {"NAME",
     {},
     "The name of valid browsing context (HTML5), or the name of the control (HTML 4)."},
    {"STANDBY",
     {},
     "A message that the browser can show while loading the object's implementation and data."},
    {"TABINDEX",
     {},
     "The position of the element in the tabbing navigation order for the current document."},
    {"TYPE", {}, "The content type of the resource specified by data."},
    {"TYPEMUSTMATCH",
     {},
     "This Boolean attribute indicates if the type attribute and the actual content type of the "
     "resource must match to be used."},
    {"USEMAP", {}, "A hash-name reference to a <map>.\") element;"},
    {"WIDTH", {}, "The width of the display resource, in CSS pixels."},
};
constexpr WebAttribute kAttributes_OL[] = {
    {"COMPACT",
     {},
     "This Boolean attribute hints that the list should be rendered in a compact style."},
    {"REVERSED",
     {},
     "This Boolean attribute specifies that the items of the list are specified in reversed "
     "order."},
    {"START",
     {},
     "This integer attribute specifies the start value for numbering the individual list items."},
    {"TYPE", kValueSet_lt, "Indicates the numbering type."},
};
constexpr WebAttribute kAttributes_OPTGROUP[] = {
    {"DISABLED",
     {},
     "If this Boolean attribute is set, none of the items in this option group is selectable."},
    {"LABEL",
     {},
     "The name of the group of options, which the browser can use when labeling the options in the "
     "user interface."},
};
constexpr WebAttribute kAttributes_OPTION[] = {
    {"DISABLED", {}, "If this Boolean attribute is set, this option is not checkable."},
    {"LABEL", {}, "This attribute is text for the label indicating the meaning of the option."},
    {"SELECTED",
     {},
     "If present, this Boolean attribute indicates that the option is initially selected."},
    {"VALUE",
     {},
     "The content of this attribute represents the value to be submitted with the form, should "
     "this option be selected."},
};
constexpr WebAttribute kAttributes_OUTPUT[] = {
    {"FOR",
     {},
     "A space-separated list of other elements’ ids, indicating that those elements contributed "
     "input values to (or otherwise affected) the calculation."},
    {"FORM", {}, "The form element that this element is associated with (its \"form owner\")."},
    {"NAME", {}, "The name of the element, exposed in the HTMLFormElement API."},
};
constexpr WebAttribute kAttributes_PARAM[] = {
    {"NAME", {}, "Name of the parameter."},
    {"TYPE", {}, "Only used if the valuetype is set to \"ref\"."},
    {"VALUE", {}, "Specifies the value of the parameter."},
    {"VALUETYPE", {}, "Specifies the type of the value attribute."},
};
constexpr WebAttribute kAttributes_PRE[] = {
    {"COLS", {}, "Contains the preferred count of characters that a line should have."},
    {"WIDTH", {}, "Contains the preferred count of characters that a line should have."},
    {"WRAP", {}, "Is a hint indicating how the overflow must happen."},
};
constexpr WebAttribute kAttributes_PROGRESS[] = {
    {"MAX",
     {},
     "This attribute describes how much work the task indicated by the progress element requires."},
    {"VALUE", {}, "This attribute specifies how much of the task that has been completed."},
};
constexpr WebAttribute kAttributes_Q[] = {
    {"CITE",
     {},
     "The value of this attribute is a URL that designates a source document or message for the "
     "information quoted."},
};
constexpr WebAttribute kAttributes_SCRIPT[] = {
    {"ASYNC",
     {},
     "This is a Boolean attribute indicating that the browser should, if possible, load the script "
     "asynchronously."},
    {"CHARSET", {}, ""},
    {"CROSSORIGIN", kValueSet_xo,
     "Normal script elements pass minimal information to the window.onerror for scripts which do "
     "not pass the standard CORS is a system, consisting of..."},
    {"DEFER",
     {},
     "This Boolean attribute is set to indicate to a browser that the script is meant to be "
     "executed after the document has been parsed, but before firing..."},
    {"INTEGRITY",
     {},
     "This attribute contains inline metadata that a user agent can use to verify that a fetched "
     "resource has been delivered free of unexpected manipulation."},
    {"NOMODULE",
     {},
     "This Boolean attribute is set to indicate that the script should not be executed in browsers "
     "that support ES2015 modules — in effect, this can be used to..."},
    {"NONCE",
     {},
     "A cryptographic nonce (number used once) to list the allowed inline scripts in a script-src "
     "Content-Security-Policy."},
    {"REFERRERPOLICY",
     {},
     "Indicates which referrer to send when fetching the script, or resources fetched by the "
     "script."},
    {"SRC", {}, "This attribute specifies the URI of an external script;"},
    {"TEXT",
     {},
     "Like the textContent attribute, this attribute sets the text content of the element."},
    {"TYPE", {}, "This attribute indicates the type of script represented."},
};
constexpr WebAttribute kAttributes_SELECT[] = {
    {"AUTOCOMPLETE", kValueSet_inputautocomplete,
     "A DOMString providing a hint for a user agent's autocomplete feature."},
    {"AUTOFOCUS",
     {},
     "This Boolean attribute lets you specify that a form control should have input focus when the "
     "page loads."},
    {"DISABLED",
     {},
     "This Boolean attribute indicates that the user cannot interact with the control."},
    {"FORM",
     {},
     "This attribute lets you specify the form element to which the select element is associated "
     "(that is, its \"form owner\")."},
    {"MULTIPLE",
     {},
     "This Boolean attribute indicates that multiple options can be selected in the list."},
    {"NAME", {}, "This attribute is used to specify the name of the control."},
    {"REQUIRED",
     {},
     "A Boolean attribute indicating that an option with a non-empty string value must be "
     "selected."},
    {"SIZE",
     {},
     "If the control is presented as a scrolling list box (e.g. when multiple is specified), this "
     "attribute represents the number of rows in the list that should..."},
};
constexpr WebAttribute kAttributes_SLOT[] = {
    {"NAME", {}, "The slot's name."},
};
constexpr WebAttribute kAttributes_SOURCE[] = {
    {"MEDIA", {}, "Media query of the resource's intended media;"},
    {"SIZES",
     {},
     "Is a list of source sizes that describes the final rendered width of the image represented "
     "by the source."},
    {"SRC",
     {},
     "Required for <audio> and <video> embeds a media player which supports video playback into "
     "the document.\"), address of the media resource."},
    {"SRCSET",
     {},
     "A list of one or more strings separated by commas indicating a set of possible images "
     "represented by the source for the browser to use."},
    {"TYPE", {}, "The MIME-type of the resource, optionally with a codecs parameter."},
};
constexpr WebAttribute kAttributes_STYLE[] = {
    {"MEDIA", {}, "This attribute defines which media the style should be applied to."},
    {"NONCE",
     {},
     "A cryptographic nonce (number used once) used to allow inline styles in a style-src "
     "Content-Security-Policy."},
    {"SCOPED", {}, ""},
    {"TITLE", {}, "This attribute specifies alternative style sheet sets."},
    {"TYPE",
     {},
     "This attribute defines the styling language as a MIME type (charset should not be "
     "specified)."},
};
constexpr WebAttribute kAttributes_TABLE[] = {
    {"ALIGN",
     {},
     "This enumerated attribute indicates how the table must be aligned inside the containing "
     "document."},
    {"BORDER", {}, ""},
};
constexpr WebAttribute kAttributes_TBODY[] = {
    {"ALIGN",
     {},
     "This enumerated attribute specifies how horizontal alignment of each cell content will be "
     "handled."},
};
constexpr WebAttribute kAttributes_TD[] = {
    {"ABBR", {}, "This attribute contains a short abbreviated description of the cell's content."},
    {"ALIGN",
     {},
     "This enumerated attribute specifies how the cell content's horizontal alignment will be "
     "handled."},
    {"AXIS", {}, "This attribute contains a list of space-separated strings."},
    {"BGCOLOR", {}, "This attribute defines the background color of each cell in a column."},
    {"COLSPAN", {}, ""},
    {"HEADERS", {}, ""},
    {"ROWSPAN", {}, ""},
};
constexpr WebAttribute kAttributes_TEXTAREA[] = {
    {"AUTOCAPITALIZE",
     {},
     "This is a non-standard attribute supported by WebKit on iOS (therefore nearly all browsers "
     "running on iOS, including Safari, Firefox, and Chrome), which..."},
    {"AUTOCOMPLETE", kValueSet_inputautocomplete,
     "This attribute indicates whether the value of the control can be automatically completed by "
     "the browser."},
    {"AUTOFOCUS",
     {},
     "This Boolean attribute lets you specify that a form control should have input focus when the "
     "page loads."},
    {"COLS", {}, "The visible width of the text control, in average character widths."},
    {"DIRNAME", {}, ""},
    {"DISABLED",
     {},
     "This Boolean attribute indicates that the user cannot interact with the control."},
    {"FORM",
     {},
     "The form element that the <textarea> element is associated with (its \"form owner\")."},
    {"INPUTMODE", kValueSet_im, ""},
    {"MAXLENGTH",
     {},
     "The maximum number of characters (unicode code points) that the user can enter."},
    {"MINLENGTH",
     {},
     "The minimum number of characters (unicode code points) required that the user should enter."},
    {"NAME", {}, "The name of the control."},
    {"PLACEHOLDER", {}, "A hint to the user of what can be entered in the control."},
    {"READONLY",
     {},
     "This Boolean attribute indicates that the user cannot modify the value of the control."},
    {"REQUIRED",
     {},
     "This attribute specifies that the user must fill in a value before submitting a form."},
    {"ROWS", {}, "The number of visible text lines for the control."},
    {"SPELLCHECK",
     {},
     "Specifies whether the <textarea> is subject to spell checking by the underlying browser/OS."},
    {"WRAP", kValueSet_w, "Indicates how the control wraps text."},
};
constexpr WebAttribute kAttributes_TFOOT[] = {
    {"ALIGN",
     {},
     "This enumerated attribute specifies how horizontal alignment of each cell content will be "
     "handled."},
};
constexpr WebAttribute kAttributes_TH[] = {
    {"ABBR", {}, "This attribute contains a short abbreviated description of the cell's content."},
    {"ALIGN",
     {},
     "This enumerated attribute specifies how the cell content's horizontal alignment will be "
     "handled."},
    {"AXIS", {}, "This attribute contains a list of space-separated strings."},
    {"BGCOLOR", {}, "This attribute defines the background color of each cell in a column."},
    {"COLSPAN", {}, ""},
    {"HEADERS", {}, ""},
    {"ROWSPAN", {}, ""},
    {"SCOPE", kValueSet_s, ""},
    {"SORTED", {}, ""},
};
constexpr WebAttribute kAttributes_THEAD[] = {
    {"ALIGN",
     {},
     "This enumerated attribute specifies how horizontal alignment of each cell content will be "
     "handled."},
};
constexpr WebAttribute kAttributes_TIME[] = {
    {"DATETIME",
     {},
     "This attribute indicates the time and/or date of the element and must be in one of the "
     "formats described below."},
};
constexpr WebAttribute kAttributes_TR[] = {
    {"ALIGN",
     {},
     "A DOMString which specifies how the cell's context should be aligned horizontally within the "
     "cells in the row;"},
};
constexpr WebAttribute kAttributes_TRACK[] = {
    {"DEFAULT",
     {},
     "This attribute indicates that the track should be enabled unless the user's preferences "
     "indicate that another track is more appropriate."},
    {"KIND", kValueSet_tk, "How the text track is meant to be used."},
    {"LABEL",
     {},
     "A user-readable title of the text track which is used by the browser when listing available "
     "text tracks."},
    {"SRC", {}, "Address of the track (.vtt file)."},
    {"SRCLANG", {}, "Language of the track text data."},
};
constexpr WebAttribute kAttributes_UL[] = {
    {"COMPACT",
     {},
     "This Boolean attribute hints that the list should be rendered in a compact style."},
};
constexpr WebAttribute kAttributes_VIDEO[] = {
    {"AUTOPLAY", {}, "A Boolean attribute;"},
    {"CONTROLS", {}, ""},
    {"CROSSORIGIN", kValueSet_xo, ""},
    {"HEIGHT", {}, ""},
    {"LOOP", {}, ""},
    {"MEDIAGROUP", {}, ""},
    {"MUTED", {}, ""},
    {"POSTER", {}, ""},
    {"PRELOAD", kValueSet_pl, ""},
    {"SRC", {}, ""},
    {"WIDTH", {}, ""},
};
constexpr WebElement kElements[] = {
    {"A",
     "If the a element has an href attribute, then it represents a hyperlink (a hypertext anchor) "
     "labeled by its contents.",
     kAttributes_A},
    {"ABBR",
     "The abbr element represents an abbreviation or acronym, optionally with its expansion.",
     {}},
    {"ADDRESS",
     "The address element represents the contact information for its nearest article or body "
     "element ancestor.",
     {}},
    {"AREA",
     "The area element represents either a hyperlink with some text and a corresponding area on an "
     "image map, or a dead area on an image map.",
     kAttributes_AREA},
    {"ARTICLE",
     "The article element represents a complete, or self-contained, composition in a document, "
     "page, application, or site and that is, in principle, independently...",
     {}},
    {"ASIDE",
     "The aside element represents a section of a page that consists of content that is "
     "tangentially related to the content around the aside element, and which...",
     {}},
    {"AUDIO", "An audio element represents a sound or audio stream.", kAttributes_AUDIO},
    {"B",
     "The b element represents a span of text to which attention is being drawn for utilitarian "
     "purposes without conveying any extra importance and with no...",
     {}},
    {"BASE",
     "The base element allows authors to specify the document base URL for the purposes of "
     "resolving relative URLs, and the name of the default browsing context...",
     kAttributes_BASE},
    {"BDI",
     "The bdi element represents a span of text that is to be isolated from its surroundings for "
     "the purposes of bidirectional text formatting.",
     {}},
    {"BDO",
     "The bdo element represents explicit text directionality formatting control for its children.",
     kAttributes_BDO},
    {"BLOCKQUOTE",
     "The blockquote element represents content that is quoted from another source, optionally "
     "with a citation which must be within a footer or cite element, and...",
     kAttributes_BLOCKQUOTE},
    {"BODY", "The body element represents the content of the document.", kAttributes_BODY},
    {"BR", "The br element represents a line break.", kAttributes_BR},
    {"BUTTON", "The button element represents a button labeled by its contents.",
     kAttributes_BUTTON},
    {"CANVAS",
     "The canvas element provides scripts with a resolution-dependent bitmap canvas, which can be "
     "used for rendering graphs, game graphics, art, or other visual...",
     kAttributes_CANVAS},
    {"CAPTION",
     "The caption element represents the title of the table that is its parent, if it has a parent "
     "and that is a table element.",
     kAttributes_CAPTION},
    {"CITE", "The cite element represents a reference to a creative work.", {}},
    {"CODE", "The code element represents a fragment of computer code.", {}},
    {"COL",
     "If a col element has a parent and that is a colgroup element that itself has a parent that "
     "is a table element, then the col element represents one or more...",
     kAttributes_COL},
    {"COLGROUP",
     "The colgroup element represents a group of one or more columns in the table that is its "
     "parent, if it has a parent and that is a table element.",
     kAttributes_COLGROUP},
    {"DATA", "The data element links a given piece of content with a machine-readable translation.",
     kAttributes_DATA},
    {"DATALIST",
     "The datalist element represents a set of option elements that represent predefined options "
     "for other controls.",
     {}},
    {"DD",
     "The dd element represents the description, definition, or value, part of a term-description "
     "group in a description list (dl element).",
     kAttributes_DD},
    {"DEL", "The del element represents a removal from the document.", kAttributes_DEL},
    {"DETAILS",
     "The details element represents a disclosure widget from which the user can obtain additional "
     "information or controls.",
     kAttributes_DETAILS},
    {"DFN", "The dfn element represents the defining instance of a term.", {}},
    {"DIALOG",
     "The dialog element represents a part of an application that a user interacts with to perform "
     "a task, for example a dialog box, inspector, or window.",
     kAttributes_DIALOG},
    {"DIV", "The div element has no special meaning at all.", {}},
    {"DL",
     "The dl element represents an association list consisting of zero or more name-value groups "
     "(a description list).",
     {}},
    {"DT",
     "The dt element represents the term, or name, part of a term-description group in a "
     "description list (dl element).",
     {}},
    {"EM", "The em element represents stress emphasis of its contents.", {}},
    {"EMBED",
     "The embed element provides an integration point for an external (typically non-HTML) "
     "application or interactive content.",
     kAttributes_EMBED},
    {"FENCEDFRAME",
     "The fencedframe element represents a nested browsing context, embedding another HTML page "
     "into the current one.",
     kAttributes_FENCEDFRAME},
    {"FIELDSET",
     "The fieldset element represents a set of form controls optionally grouped under a common "
     "name.",
     kAttributes_FIELDSET},
    {"FIGCAPTION",
     "The figcaption element represents a caption or legend for the rest of the contents of the "
     "figcaption element's parent figure element, if any.",
     {}},
    {"FIGURE",
     "The figure element represents some flow content, optionally with a caption, that is "
     "self-contained (like a complete sentence) and is typically referenced as...",
     {}},
    {"FOOTER",
     "The footer element represents a footer for its nearest ancestor sectioning content or "
     "sectioning root element.",
     {}},
    {"FORM",
     "The form element represents a collection of form-associated elements, some of which can "
     "represent editable values that can be submitted to a server for...",
     kAttributes_FORM},
    {"H1", "The h1 element represents a section heading.", {}},
    {"H2", "The h2 element represents a section heading.", {}},
    {"H3", "The h3 element represents a section heading.", {}},
    {"H4", "The h4 element represents a section heading.", {}},
    {"H5", "The h5 element represents a section heading.", {}},
    {"H6", "The h6 element represents a section heading.", {}},
    {"HEAD", "The head element represents a collection of metadata for the Document.",
     kAttributes_HEAD},
    {"HEADER",
     "The header element represents introductory content for its nearest ancestor sectioning "
     "content or sectioning root element.",
     {}},
    {"HGROUP", "The hgroup element represents a heading and related content.", {}},
    {"HR",
     "The hr element represents a paragraph-level thematic break, e.g. a scene change in a story, "
     "or a transition to another topic within a section of a reference...",
     kAttributes_HR},
    {"HTML", "The html element represents the root of an HTML document.", kAttributes_HTML},
    {"I",
     "The i element represents a span of text in an alternate voice or mood, or otherwise offset "
     "from the normal prose in a manner indicating a different quality...",
     {}},
    {"IFRAME", "The iframe element represents a nested browsing context.", kAttributes_IFRAME},
    {"IMG", "An img element represents an image.", kAttributes_IMG},
    {"INPUT",
     "The input element represents a typed data field, usually with a form control to allow the "
     "user to edit the data.",
     kAttributes_INPUT},
    {"INS", "The ins element represents an addition to the document.", kAttributes_INS},
    {"KBD",
     "The kbd element represents user input (typically keyboard input, although it may also be "
     "used to represent other input, such as voice commands).",
     {}},
    {"LABEL", "The label element represents a caption in a user interface.", kAttributes_LABEL},
    {"LEGEND",
     "The legend element represents a caption for the rest of the contents of the legend element's "
     "parent fieldset element, if any.",
     {}},
    {"LI", "The li element represents a list item.", kAttributes_LI},
    {"LINK", "The link element allows authors to link their document to other resources.",
     kAttributes_LINK},
    {"MAIN",
     "The main element represents the main content of the body of a document or application.",
     {}},
    {"MAP",
     "The map element, in conjunction with an img element and any area element descendants, "
     "defines an image map.",
     kAttributes_MAP},
    {"MARK",
     "The mark element represents a run of text in one document marked or highlighted for "
     "reference purposes, due to its relevance in another context.",
     {}},
    {"MENU", "The menu element represents an unordered list of interactive items.", {}},
    {"META",
     "The meta element represents various kinds of metadata that cannot be expressed using the "
     "title, base, link, style, and script elements.",
     kAttributes_META},
    {"METER",
     "The meter element represents a scalar measurement within a known range, or a fractional "
     "value;",
     kAttributes_METER},
    {"NAV",
     "The nav element represents a section of a page that links to other pages or to parts within "
     "the page.",
     {}},
    {"NOSCRIPT",
     "The noscript element represents nothing if scripting is enabled, and represents its children "
     "if scripting is disabled.",
     {}},
    {"OBJECT",
     "The object element can represent an external resource, which, depending on the type of the "
     "resource, will either be treated as an image, as a nested...",
     kAttributes_OBJECT},
    {"OL",
     "The ol element represents a list of items, where the items have been intentionally ordered, "
     "such that changing the order would change the meaning of the...",
     kAttributes_OL},
    {"OPTGROUP", "The optgroup element represents a group of option elements with a common label.",
     kAttributes_OPTGROUP},
    {"OPTION",
     "The option element represents an option in a select element or as part of a list of "
     "suggestions in a datalist element.",
     kAttributes_OPTION},
    {"OUTPUT",
     "The output element represents the result of a calculation performed by the application, or "
     "the result of a user action.",
     kAttributes_OUTPUT},
    {"P", "The p element represents a paragraph.", {}},
    {"PARAM", "The param element defines parameters for plugins invoked by object elements.",
     kAttributes_PARAM},
    {"PICTURE",
     "The picture element is a container which provides multiple sources to its contained img "
     "element to allow authors to declaratively control or give hints to...",
     {}},
    {"PRE",
     "The pre element represents a block of preformatted text, in which structure is represented "
     "by typographic conventions rather than by elements.",
     kAttributes_PRE},
    {"PROGRESS", "The progress element represents the completion progress of a task.",
     kAttributes_PROGRESS},
    {"Q", "The q element represents some phrasing content quoted from another source.",
     kAttributes_Q},
    {"RB", "The rb element marks the base text component of a ruby annotation.", {}},
    {"RP",
     "The rp element is used to provide fallback text to be shown by user agents that don't "
     "support ruby annotations.",
     {}},
    {"RT", "The rt element marks the ruby text component of a ruby annotation.", {}},
    {"RUBY",
     "The ruby element allows one or more spans of phrasing content to be marked with ruby "
     "annotations.",
     {}},
    {"S",
     "The s element represents contents that are no longer accurate or no longer relevant.",
     {}},
    {"SAMP",
     "The samp element represents sample or quoted output from another program or computing "
     "system.",
     {}},
    {"SCRIPT",
     "The script element allows authors to include dynamic script and data blocks in their "
     "documents.",
     kAttributes_SCRIPT},
    {"SEARCH",
     "The search element represents the parts of the document or application with form controls or "
     "other content related to performing a search or filtering...",
     {}},
    {"SECTION",
     "The section element represents a generic section of a document or application.",
     {}},
    {"SELECT", "The select element represents a control for selecting amongst a set of options.",
     kAttributes_SELECT},
    {"SELECTEDCONTENT",
     "The selectedcontent element can be used to display the content of the currently selected "
     "option element inside of a closed select element.",
     {}},
    {"SLOT",
     "The slot element is a placeholder inside a web component that you can fill with your own "
     "markup, which lets you create separate DOM trees and present them...",
     kAttributes_SLOT},
    {"SMALL", "The small element represents side comments such as small print.", {}},
    {"SOURCE",
     "The source element allows authors to specify multiple alternative media resources for media "
     "elements.",
     kAttributes_SOURCE},
    {"SPAN",
     "The span element doesn't mean anything on its own, but can be useful when used together with "
     "the global attributes, e.g. class, lang, or dir.",
     {}},
    {"STRONG",
     "The strong element represents strong importance, seriousness, or urgency for its contents.",
     {}},
    {"STYLE", "The style element allows authors to embed style information in their documents.",
     kAttributes_STYLE},
    {"SUB", "The sub element represents a subscript.", {}},
    {"SUMMARY",
     "The summary element represents a summary, caption, or legend for the rest of the contents of "
     "the summary element's parent details element, if any.",
     {}},
    {"SUP", "The sup element represents a superscript.", {}},
    {"TABLE",
     "The table element represents data with more than one dimension, in the form of a table.",
     kAttributes_TABLE},
    {"TBODY",
     "The tbody element represents a block of rows that consist of a body of data for the parent "
     "table element, if the tbody element has a parent and it is a table.",
     kAttributes_TBODY},
    {"TD", "The td element represents a data cell in a table.", kAttributes_TD},
    {"TEMPLATE",
     "The template element is used to declare fragments of HTML that can be cloned and inserted in "
     "the document by script.",
     {}},
    {"TEXTAREA",
     "The textarea element represents a multiline plain text edit control for the element's raw "
     "value.",
     kAttributes_TEXTAREA},
    {"TFOOT",
     "The tfoot element represents the block of rows that consist of the column summaries "
     "(footers) for the parent table element, if the tfoot element has a...",
     kAttributes_TFOOT},
    {"TH", "The th element represents a header cell in a table.", kAttributes_TH},
    {"THEAD",
     "The thead element represents the block of rows that consist of the column labels (headers) "
     "for the parent table element, if the thead element has a parent...",
     kAttributes_THEAD},
    {"TIME",
     "The time element represents its contents, along with a machine-readable form of those "
     "contents in the datetime attribute.",
     kAttributes_TIME},
    {"TITLE", "The title element represents the document's title or name.", {}},
    {"TR", "The tr element represents a row of cells in a table.", kAttributes_TR},
    {"TRACK",
     "The track element allows authors to specify explicit external timed text tracks for media "
     "elements.",
     kAttributes_TRACK},
    {"U",
     "The u element represents a span of text with an unarticulated, though explicitly rendered, "
     "non-textual annotation, such as labeling the text as being a...",
     {}},
    {"UL",
     "The ul element represents a list of items, where the order of the items is not important — "
     "that is, where changing the order would not materially change...",
     kAttributes_UL},
    {"VAR", "The var element represents a variable.", {}},
    {"VIDEO",
     "A video element is used for playing videos or movies, and audio files with captions.",
     kAttributes_VIDEO},
    {"WBR", "The wbr element represents a line break opportunity.", {}},
};
constexpr WebValue kCssValues_0[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"infinite", "Causes the animation to repeat forever."},
    {"none", "No animation is performed"},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_2[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_4[] = {
    {"infinite", "Causes the animation to repeat forever."},
};
constexpr WebValue kCssValues_5[] = {
    {"none", "No animation is performed"},
};
constexpr WebValue kCssValues_6[] = {
    {"paused", "A running animation will be paused."},
    {"running", "Resume playback of a paused animation."},
};
constexpr WebValue kCssValues_8[] = {
    {"button", ""},
    {"button-arrow-down", ""},
    {"button-arrow-next", ""},
    {"button-arrow-previous", ""},
    {"button-arrow-up", ""},
    {"button-bevel", ""},
    {"checkbox", ""},
    {"checkbox-container", ""},
    {"checkbox-label", ""},
    {"dialog", ""},
    {"groupbox", ""},
    {"listbox", ""},
    {"menuarrow", ""},
    {"menuimage", ""},
    {"menuitem", ""},
    {"menuitemtext", ""},
    {"menulist", ""},
    {"menulist-button", ""},
    {"menulist-text", ""},
    {"menulist-textfield", ""},
    {"menupopup", ""},
    {"menuradio", ""},
    {"menuseparator", ""},
    {"-moz-mac-unified-toolbar", ""},
    {"-moz-win-borderless-glass", ""},
    {"-moz-win-browsertabbar-toolbox", ""},
    {"-moz-win-communications-toolbox", ""},
    {"-moz-win-glass", ""},
    {"-moz-win-media-toolbox", ""},
    {"none", ""},
    {"progressbar", ""},
    {"progresschunk", ""},
    {"radio", ""},
    {"radio-container", ""},
    {"radio-label", ""},
    {"radiomenuitem", ""},
    {"resizer", ""},
    {"resizerpanel", ""},
    {"scrollbarbutton-down", ""},
    {"scrollbarbutton-left", ""},
    {"scrollbarbutton-right", ""},
    {"scrollbarbutton-up", ""},
    {"scrollbar-small", ""},
    {"scrollbartrack-horizontal", ""},
    {"scrollbartrack-vertical", ""},
    {"separator", ""},
    {"spinner", ""},
    {"spinner-downbutton", ""},
    {"spinner-textfield", ""},
    {"spinner-upbutton", ""},
    {"statusbar", ""},
    {"statusbarpanel", ""},
    {"tab", ""},
    {"tabpanels", ""},
    {"tab-scroll-arrow-back", ""},
    {"tab-scroll-arrow-forward", ""},
    {"textfield", ""},
    {"textfield-multiline", ""},
    {"toolbar", ""},
    {"toolbox", ""},
    {"tooltip", ""},
    {"treeheadercell", ""},
    {"treeheadersortarrow", ""},
    {"treeitem", ""},
    {"treetwistyopen", ""},
    {"treeview", ""},
    {"treewisty", ""},
    {"window", ""},
};
constexpr WebValue kCssValues_9[] = {
    {"hidden", ""},
    {"visible", ""},
};
constexpr WebValue kCssValues_10[] = {
    {"padding", ""},
};
constexpr WebValue kCssValues_11[] = {
    {"bounding-box", ""},
    {"continuous", ""},
    {"each-box", ""},
};
constexpr WebValue kCssValues_15[] = {
    {"auto", "If 'auto' is specified then the border image width is the intrinsic width or height "
             "(whichever is applicable) of the corresponding image slice."},
    {"fill", "Causes the middle part of the border-image to be preserved."},
    {"none", ""},
    {"repeat", "The image is tiled (repeated) to fill the area."},
    {"round", "The image is tiled (repeated) to fill the area."},
    {"space", "The image is tiled (repeated) to fill the area."},
    {"stretch", "The image is stretched to fill the area."},
    {"url()", ""},
};
constexpr WebValue kCssValues_19[] = {
    {"baseline",
     "If this box orientation is inline-axis or horizontal, all children are placed with their "
     "baselines aligned, and extra space placed before or after as necessary."},
    {"center", "Any extra space is divided evenly, with half placed above the child and the other "
               "half placed after the child."},
    {"end", "For normal direction boxes, the bottom edge of each child is placed along the bottom "
            "of the box."},
    {"start",
     "For normal direction boxes, the top edge of each child is placed along the top of the box."},
    {"stretch", "The height of each child is adjusted to that of the containing block."},
};
constexpr WebValue kCssValues_20[] = {
    {"normal", "A box with a computed value of horizontal for box-orient displays its children "
               "from left to right."},
    {"reverse", "A box with a computed value of horizontal for box-orient displays its children "
                "from right to left."},
};
constexpr WebValue kCssValues_24[] = {
    {"block-axis", "Elements are oriented along the box's axis."},
    {"horizontal", "The box displays its children from left to right in a horizontal line."},
    {"inline-axis", "Elements are oriented vertically."},
    {"vertical", "The box displays its children from stacked from top to bottom vertically."},
};
constexpr WebValue kCssValues_25[] = {
    {"center", "The extra space is divided evenly, with half placed before the first child and the "
               "other half placed after the last child."},
    {"end", "For normal direction boxes, the right edge of the last child is placed at the right "
            "side, with all extra space placed before the first child."},
    {"justify", "The space is divided evenly in-between each child, with none of the extra space "
                "placed before the first child or after the last child."},
    {"start", "For normal direction boxes, the left edge of the first child is placed at the left "
              "side, with all extra space placed after the last child."},
};
constexpr WebValue kCssValues_26[] = {
    {"border-box", "The specified width and height (and respective min/max properties) on this "
                   "element determine the border box of the element."},
    {"content-box", "Behavior of width and height as specified by CSS2.1."},
    {"padding-box", "The specified width and height (and respective min/max properties) on this "
                    "element determine the padding box of the element."},
};
constexpr WebValue kCssValues_27[] = {
    {"auto",
     "Determines the number of columns by the 'column-width' property and the element width."},
};
constexpr WebValue kCssValues_28[] = {
    {"normal", "User agent specific and typically equivalent to 1em."},
};
constexpr WebValue kCssValues_33[] = {
    {"auto", "The width depends on the values of other properties."},
};
constexpr WebValue kCssValues_34[] = {
    {"auto", "The width depends on the values of other properties."},
};
constexpr WebValue kCssValues_36[] = {
    {"\"c2cs\"", ""}, {"\"dlig\"", ""},
    {"\"kern\"", ""}, {"\"liga\"", ""},
    {"\"lnum\"", ""}, {"\"onum\"", ""},
    {"\"smcp\"", ""}, {"\"swsh\"", ""},
    {"\"tnum\"", ""}, {"normal", "No change in glyph substitution or positioning occurs."},
    {"off", ""},      {"on", ""},
};
constexpr WebValue kCssValues_37[] = {
    {"auto", "Conditional hyphenation characters inside a word, if present, take priority over "
             "automatic resources when determining hyphenation points within the word."},
    {"manual", "Words are only broken at line breaks where there are characters inside the word "
               "that suggest line break opportunities"},
    {"none", "Words are not broken at line breaks, even if characters inside the word suggest line "
             "break points."},
};
constexpr WebValue kCssValues_38[] = {
    {"inline", ""},
    {"block", ""},
    {"horizontal", ""},
    {"vertical", ""},
};
constexpr WebValue kCssValues_44[] = {
    {"none", "No perspective transform is applied."},
};
constexpr WebValue kCssValues_46[] = {
    {"ignore", ""},
    {"stretch-to-fit", ""},
};
constexpr WebValue kCssValues_47[] = {
    {"auto", ""},
    {"center", "The inline contents are centered within the line box."},
    {"justify",
     "The text is justified according to the method specified by the 'text-justify' property."},
    {"left", "The inline contents are aligned to the left edge of the line box."},
    {"right", "The inline contents are aligned to the right edge of the line box."},
};
constexpr WebValue kCssValues_48[] = {
    {"none", ""},
    {"blink", ""},
};
constexpr WebValue kCssValues_50[] = {
    {"line-through", "Each line of text has a line through the middle."},
    {"none", "Neither produces nor inhibits text decoration."},
    {"overline", "Each line of text has a line above it."},
    {"underline", "Each line of text is underlined."},
};
constexpr WebValue kCssValues_51[] = {
    {"dashed", "Produces a dashed line style."}, {"dotted", "Produces a dotted line."},
    {"double", "Produces a double line."},       {"none", "Produces no line."},
    {"solid", "Produces a solid line."},         {"wavy", "Produces a wavy line."},
};
constexpr WebValue kCssValues_52[] = {
    {"auto", "Renderers must use the default size adjustment when displaying on a small device."},
    {"none", "Renderers must not do size adjustment when displaying on a small device."},
};
constexpr WebValue kCssValues_53[] = {
    {"matrix()",
     "Specifies a 2D transformation in the form of a transformation matrix of six values."},
    {"matrix3d()", "Specifies a 3D transformation as a 4x4 homogeneous matrix of 16 values in "
                   "column-major order."},
    {"none", ""},
    {"perspective", "Specifies a perspective projection matrix."},
    {"rotate()", "Specifies a 2D rotation by the angle specified in the parameter about the origin "
                 "of the element, as defined by the transform-origin property."},
    {"rotate3d()", "Specifies a clockwise 3D rotation by the angle specified in last parameter "
                   "about the [x,y,z] direction vector described by the first 3 parameters."},
    {"rotateX('angle')", "Specifies a clockwise rotation by the given angle about the X axis."},
    {"rotateY('angle')", "Specifies a clockwise rotation by the given angle about the Y axis."},
    {"rotateZ('angle')", "Specifies a clockwise rotation by the given angle about the Z axis."},
    {"scale()",
     "Specifies a 2D scale operation by the [sx,sy] scaling vector described by the 2 parameters."},
    {"scale3d()", "Specifies a 3D scale operation by the [sx,sy,sz] scaling vector described by "
                  "the 3 parameters."},
    {"scaleX()", "Specifies a scale operation using the [sx,1] scaling vector, where sx is given "
                 "as the parameter."},
    {"scaleY()", "Specifies a scale operation using the [sy,1] scaling vector, where sy is given "
                 "as the parameter."},
    {"scaleZ()", "Specifies a scale operation using the [1,1,sz] scaling vector, where sz is given "
                 "as the parameter."},
    {"skew()", "Specifies a skew transformation along the X and Y axes."},
    {"skewX()", "Specifies a skew transformation along the X axis by the given angle."},
    {"skewY()", "Specifies a skew transformation along the Y axis by the given angle."},
    {"translate()",
     "Specifies a 2D translation by the vector [tx, ty], where tx is the first translation-value "
     "parameter and ty is the optional second translation-value parameter."},
    {"translate3d()",
     "Specifies a 3D translation by the vector [tx,ty,tz], with tx, ty and tz being the first, "
     "second and third translation-value parameters respectively."},
    {"translateX()", "Specifies a translation by the given amount in the X direction."},
    {"translateY()", "Specifies a translation by the given amount in the Y direction."},
    {"translateZ()", "Specifies a translation by the given amount in the Z direction."},
};
constexpr WebValue kCssValues_55[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_58[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_60[] = {
    {"read-only", ""},
    {"read-write", ""},
    {"write-only", ""},
};
constexpr WebValue kCssValues_61[] = {
    {"all", ""},       {"element", ""}, {"elements", ""}, {"-moz-all", ""},
    {"-moz-none", ""}, {"none", ""},    {"text", ""},     {"toggle", ""},
};
constexpr WebValue kCssValues_62[] = {
    {"drag", ""},
    {"no-drag", ""},
};
constexpr WebValue kCssValues_63[] = {
    {"default", ""}, {"menu", ""}, {"tooltip", ""}, {"sheet", ""}, {"none", ""},
};
constexpr WebValue kCssValues_64[] = {
    {"false", "The element does not contain an accelerator key sequence."},
    {"true", "The element contains an accelerator key sequence."},
};
constexpr WebValue kCssValues_66[] = {
    {"bt", "Bottom-to-top block flow."},
    {"lr", "Left-to-right direction."},
    {"rl", "Right-to-left direction."},
    {"tb", "Top-to-bottom direction."},
};
constexpr WebValue kCssValues_67[] = {
    {"chained", "The nearest zoomable parent element begins zooming when the user hits a zoom "
                "limit during a manipulation."},
    {"none", "A bounce effect is shown when the user hits a zoom limit during a manipulation."},
};
constexpr WebValue kCssValues_71[] = {
    {"mandatory", "Indicates that the motion of the content after the contact is picked up is "
                  "always adjusted so that it lands on a snap-point."},
    {"none", "Indicates that zooming is unaffected by any defined snap-points."},
    {"proximity", "Indicates that the motion of the content after the contact is picked up may be "
                  "adjusted if the content would normally stop \"close enough\" to a snap-point."},
    {"snapInterval(100%, 100%)", "Specifies where the snap-points will be placed."},
    {"snapList()",
     "Specifies the position of individual snap-points as a comma-separated list of zoom factors."},
};
constexpr WebValue kCssValues_72[] = {
    {"snapInterval(100%, 100%)", "Specifies where the snap-points will be placed."},
    {"snapList()",
     "Specifies the position of individual snap-points as a comma-separated list of zoom factors."},
};
constexpr WebValue kCssValues_73[] = {
    {"mandatory", "Indicates that the motion of the content after the contact is picked up is "
                  "always adjusted so that it lands on a snap-point."},
    {"none", "Indicates that zooming is unaffected by any defined snap-points."},
    {"proximity", "Indicates that the motion of the content after the contact is picked up may be "
                  "adjusted if the content would normally stop \"close enough\" to a snap-point."},
};
constexpr WebValue kCssValues_74[] = {
    {"none", "The element is not zoomable."},
    {"zoom", "The element is zoomable."},
};
constexpr WebValue kCssValues_76[] = {
    {"auto", "Retrieves the value of the main size property as the used 'flex-basis'."},
    {"none", "Expands to '0 0 auto'."},
};
constexpr WebValue kCssValues_77[] = {
    {"baseline", "If the flex item's inline axis is the same as the cross axis, this value is "
                 "identical to 'flex-start'."},
    {"center", "The flex item's margin box is centered in the cross axis within the line."},
    {"end", "The cross-end margin edge of the flex item is placed flush with the cross-end edge of "
            "the line."},
    {"start", "The cross-start margin edge of the flexbox item is placed flush with the "
              "cross-start edge of the line."},
    {"stretch", "If the cross size property of the flexbox item is anything other than 'auto', "
                "this value is identical to 'start'."},
};
constexpr WebValue kCssValues_78[] = {
    {"column", "The flex container's main axis has the same orientation as the block axis of the "
               "current writing mode."},
    {"column-reverse",
     "Same as 'column', except the main-start and main-end directions are swapped."},
    {"row", "The flex container's main axis has the same orientation as the inline axis of the "
            "current writing mode."},
    {"row-reverse", "Same as 'row', except the main-start and main-end directions are swapped."},
};
constexpr WebValue kCssValues_79[] = {
    {"column", "The flex container's main axis has the same orientation as the block axis of the "
               "current writing mode."},
    {"column-reverse",
     "Same as 'column', except the main-start and main-end directions are swapped."},
    {"nowrap", "The flex container is single-line."},
    {"row", "The flex container's main axis has the same orientation as the inline axis of the "
            "current writing mode."},
    {"wrap", "The flexbox is multi-line."},
    {"wrap-reverse",
     "Same as 'wrap', except the cross-start and cross-end directions are swapped."},
};
constexpr WebValue kCssValues_80[] = {
    {"auto", "Computes to the value of 'align-items' on the element's parent, or 'stretch' if the "
             "element has no parent."},
    {"baseline", "If the flex item's inline axis is the same as the cross axis, this value is "
                 "identical to 'flex-start'."},
    {"center", "The flex item's margin box is centered in the cross axis within the line."},
    {"end", "The cross-end margin edge of the flex item is placed flush with the cross-end edge of "
            "the line."},
    {"start", "The cross-start margin edge of the flex item is placed flush with the cross-start "
              "edge of the line."},
    {"stretch", "If the cross size property of the flex item computes to auto, and neither of the "
                "cross-axis margins are auto, the flex item is stretched."},
};
constexpr WebValue kCssValues_81[] = {
    {"center", "Lines are packed toward the center of the flex container."},
    {"distribute",
     "Lines are evenly distributed in the flex container, with half-size spaces on either end."},
    {"end", "Lines are packed toward the end of the flex container."},
    {"justify", "Lines are evenly distributed in the flex container."},
    {"start", "Lines are packed toward the start of the flex container."},
    {"stretch", "Lines stretch to take up the remaining space."},
};
constexpr WebValue kCssValues_83[] = {
    {"center", "Flex items are packed toward the center of the line."},
    {"distribute",
     "Flex items are evenly distributed in the line, with half-size spaces on either end."},
    {"end", "Flex items are packed toward the end of the line."},
    {"justify", "Flex items are evenly distributed in the line."},
    {"start", "Flex items are packed toward the start of the line."},
};
constexpr WebValue kCssValues_84[] = {
    {"nowrap", "The flex container is single-line."},
    {"wrap", "The flexbox is multi-line."},
    {"wrap-reverse",
     "Same as 'wrap', except the cross-start and cross-end directions are swapped."},
};
constexpr WebValue kCssValues_85[] = {
    {"none", "The block container is not a CSS Region."},
};
constexpr WebValue kCssValues_86[] = {
    {"none", "The element is not moved to a named flow and normal CSS processing takes place."},
};
constexpr WebValue kCssValues_87[] = {
    {"auto", ""},
    {"end", ""},
    {"start", ""},
};
constexpr WebValue kCssValues_88[] = {
    {"center",
     "Places the center of the Grid Item's margin box at the center of the Grid Item's column."},
    {"end", "Aligns the end edge of the Grid Item's margin box to the end edge of the Grid Item's "
            "column."},
    {"start", "Aligns the starting edge of the Grid Item's margin box to the starting edge of the "
              "Grid Item's column."},
    {"stretch",
     "Ensures that the Grid Item's margin box is equal to the size of the Grid Item's column."},
};
constexpr WebValue kCssValues_92[] = {
    {"auto", ""},
    {"end", ""},
    {"start", ""},
};
constexpr WebValue kCssValues_93[] = {
    {"center",
     "Places the center of the Grid Item's margin box at the center of the Grid Item's row."},
    {"end",
     "Aligns the end edge of the Grid Item's margin box to the end edge of the Grid Item's row."},
    {"start", "Aligns the starting edge of the Grid Item's margin box to the starting edge of the "
              "Grid Item's row."},
    {"stretch",
     "Ensures that the Grid Item's margin box is equal to the size of the Grid Item's row."},
};
constexpr WebValue kCssValues_96[] = {
    {"auto", "Properties will be adjusted as applicable."},
    {"none", "No adjustments will be applied."},
};
constexpr WebValue kCssValues_97[] = {
    {"auto", "The user agent chooses a value that adapts to the current layout."},
};
constexpr WebValue kCssValues_98[] = {
    {"no-limit", "There is no limit."},
};
constexpr WebValue kCssValues_100[] = {
    {"auto", "Conditional hyphenation characters inside a word, if present, take priority over "
             "automatic resources when determining hyphenation points within the word."},
    {"manual", "Words are only broken at line breaks where there are characters inside the word "
               "that suggest line break opportunities"},
    {"none", "Words are not broken at line breaks, even if characters inside the word suggest line "
             "break points."},
};
constexpr WebValue kCssValues_101[] = {
    {"auto", ""},
    {"after", ""},
};
constexpr WebValue kCssValues_102[] = {
    {"active", "The input method editor is initially active;"},
    {"auto", "No change is made to the current input method editor state."},
    {"disabled", "The input method editor is disabled and may not be activated by the user."},
    {"inactive",
     "The input method editor is initially inactive, but the user may activate it if they wish."},
    {"normal", "The IME state should be normal;"},
};
constexpr WebValue kCssValues_103[] = {
    {"bicubic", ""},
    {"nearest-neighbor", ""},
};
constexpr WebValue kCssValues_104[] = {
    {"char",
     "Any of the range of character values available to the -ms-layout-grid-char property."},
    {"line", "Any of the range of line values available to the -ms-layout-grid-line property."},
    {"mode", "Any of the range of mode values available to the -ms-layout-grid-mode property."},
    {"type", "Any of the range of type values available to the -ms-layout-grid-type property."},
};
constexpr WebValue kCssValues_105[] = {
    {"auto", "Largest character in the font of the element is used to set the character grid."},
    {"none", "Default."},
};
constexpr WebValue kCssValues_106[] = {
    {"auto", "Largest character in the font of the element is used to set the character grid."},
    {"none", "Default."},
};
constexpr WebValue kCssValues_107[] = {
    {"both", "Default."},
    {"char", "Only a character grid is used."},
    {"line", "Only a line grid is used."},
    {"none", "No grid is used."},
};
constexpr WebValue kCssValues_108[] = {
    {"fixed", "Grid used for monospaced layout."},
    {"loose", "Default."},
    {"strict", "Grid used for Chinese, as well as Japanese (Genko) and Korean characters."},
};
constexpr WebValue kCssValues_109[] = {
    {"auto", "The UA determines the set of line-breaking restrictions to use for CJK scripts, and "
             "it may vary the restrictions based on the length of the line;"},
    {"keep-all", "Sequences of CJK characters can no longer break on implied break points."},
    {"newspaper", "Breaks CJK scripts using the least restrictive set of line-breaking rules."},
    {"normal", "Breaks CJK scripts using a normal set of line-breaking rules."},
    {"strict",
     "Breaks CJK scripts using a more restrictive set of line-breaking rules than 'normal'."},
};
constexpr WebValue kCssValues_110[] = {
    {"auto",
     "No preference, UA should use the first scrolling method in the list that it supports."},
    {"-ms-autohiding-scrollbar",
     "Indicates the element displays auto-hiding scrollbars during mouse interactions and panning "
     "indicators during touch and keyboard interactions."},
    {"none", "Indicates the element does not display scrollbars or panning indicators, even when "
             "its content overflows."},
    {"scrollbar",
     "Scrollbars are typically narrow strips inserted on one or two edges of an element and which "
     "often have arrows to click on and a \"thumb\" to drag up and down..."},
};
constexpr WebValue kCssValues_111[] = {
    {"none", "No perspective transform is applied."},
};
constexpr WebValue kCssValues_115[] = {
    {"bar", ""},
    {"ring", ""},
};
constexpr WebValue kCssValues_116[] = {
    {"chained", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_117[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_118[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_120[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_122[] = {
    {"none", ""},
    {"railed", ""},
};
constexpr WebValue kCssValues_123[] = {
    {"snapInterval(100%, 100%)", ""},
    {"snapList()", ""},
};
constexpr WebValue kCssValues_124[] = {
    {"snapInterval(100%, 100%)", ""},
    {"snapList()", ""},
};
constexpr WebValue kCssValues_125[] = {
    {"none", "The visual viewport of this scroll container must ignore snap points, if any, when "
             "scrolled."},
    {"mandatory", "The visual viewport of this scroll container is guaranteed to rest on a snap "
                  "point when there are no active scrolling operations."},
    {"proximity", "The visual viewport of this scroll container may come to rest on a snap point "
                  "at the termination of a scroll at the discretion of the UA given the..."},
};
constexpr WebValue kCssValues_126[] = {
    {"mandatory", ""},  {"none", ""}, {"proximity", ""}, {"snapInterval(100%, 100%)", ""},
    {"snapList()", ""},
};
constexpr WebValue kCssValues_127[] = {
    {"mandatory", ""},  {"none", ""}, {"proximity", ""}, {"snapInterval(100%, 100%)", ""},
    {"snapList()", ""},
};
constexpr WebValue kCssValues_128[] = {
    {"none", ""},
    {"vertical-to-horizontal", ""},
};
constexpr WebValue kCssValues_137[] = {
    {"auto", ""},
    {"center", "The inline contents are centered within the line box."},
    {"justify",
     "The text is justified according to the method specified by the 'text-justify' property."},
    {"left", "The inline contents are aligned to the left edge of the line box."},
    {"right", "The inline contents are aligned to the right edge of the line box."},
};
constexpr WebValue kCssValues_138[] = {
    {"ideograph-alpha",
     "Creates 1/4em extra spacing between runs of ideographic letters and non-ideographic letters, "
     "such as Latin-based, Cyrillic, Greek, Arabic or Hebrew."},
    {"ideograph-numeric",
     "Creates 1/4em extra spacing between runs of ideographic letters and numeric glyphs."},
    {"ideograph-parenthesis",
     "Creates extra spacing between normal (non wide) parenthesis and ideographs."},
    {"ideograph-space", "Extends the width of the space character while surrounded by ideographs."},
    {"none", "No extra space is created."},
    {"punctuation", "Creates extra non-breaking spacing around punctuation as required by "
                    "language-specific typographic conventions."},
};
constexpr WebValue kCssValues_139[] = {
    {"all", "Attempt to typeset horizontally all consecutive characters within the box such that "
            "they take up the space of a single character within the vertical line box."},
    {"digits", "Attempt to typeset horizontally each maximal sequence of consecutive ASCII digits "
               "(U+0030-U+0039) that has as many or fewer characters than the specified..."},
    {"none", "No special processing."},
};
constexpr WebValue kCssValues_140[] = {
    {"auto", "The UA determines the justification algorithm to follow, based on a balance between "
             "performance and adequate presentation quality."},
    {"distribute",
     "Justification primarily changes spacing both at word separators and at grapheme cluster "
     "boundaries in all scripts except those in the connected and cursive..."},
    {"inter-cluster", "Justification primarily changes spacing at word separators and at grapheme "
                      "cluster boundaries in clustered scripts."},
    {"inter-ideograph", "Justification primarily changes spacing at word separators and at "
                        "inter-graphemic boundaries in scripts that use no word spaces."},
    {"inter-word", "Justification primarily changes spacing at word separators."},
    {"kashida", "Justification primarily stretches Arabic and related scripts through the use of "
                "kashida or other calligraphic elongation."},
};
constexpr WebValue kCssValues_142[] = {
    {"clip", "Clip inline content that overflows."},
    {"ellipsis", "Render an ellipsis character (U+2026) to represent clipped inline content."},
};
constexpr WebValue kCssValues_143[] = {
    {"auto", "Renderers must use the default size adjustment when displaying on a small device."},
    {"none", "Renderers must not do size adjustment when displaying on a small device."},
};
constexpr WebValue kCssValues_144[] = {
    {"alphabetic", "The underline is aligned with the alphabetic baseline."},
    {"auto", "The user agent may use any algorithm to determine the underline's position."},
    {"over", "The underline is aligned with the 'top' (right in vertical writing) edge of the "
             "element's em-box."},
    {"under", "The underline is aligned with the 'bottom' (left in vertical writing) edge of the "
              "element's em-box."},
};
constexpr WebValue kCssValues_145[] = {
    {"auto", "The element is a passive element, with several exceptions."},
    {"double-tap-zoom", "The element will zoom on double-tap."},
    {"manipulation", "The element is a manipulation-causing element."},
    {"none", "The element is a manipulation-blocking element."},
    {"pan-x", "The element permits touch-driven panning on the horizontal axis."},
    {"pan-y", "The element permits touch-driven panning on the vertical axis."},
    {"pinch-zoom", "The element permits pinch-zooming."},
};
constexpr WebValue kCssValues_146[] = {
    {"grippers", "Grippers are always on."},
    {"none", "Grippers are always off."},
};
constexpr WebValue kCssValues_147[] = {
    {"matrix()",
     "Specifies a 2D transformation in the form of a transformation matrix of six values."},
    {"matrix3d()", "Specifies a 3D transformation as a 4x4 homogeneous matrix of 16 values in "
                   "column-major order."},
    {"none", ""},
    {"rotate()", "Specifies a 2D rotation by the angle specified in the parameter about the origin "
                 "of the element, as defined by the transform-origin property."},
    {"rotate3d()", "Specifies a clockwise 3D rotation by the angle specified in last parameter "
                   "about the [x,y,z] direction vector described by the first 3 parameters."},
    {"rotateX('angle')", "Specifies a clockwise rotation by the given angle about the X axis."},
    {"rotateY('angle')", "Specifies a clockwise rotation by the given angle about the Y axis."},
    {"rotateZ('angle')", "Specifies a clockwise rotation by the given angle about the Z axis."},
    {"scale()",
     "Specifies a 2D scale operation by the [sx,sy] scaling vector described by the 2 parameters."},
    {"scale3d()", "Specifies a 3D scale operation by the [sx,sy,sz] scaling vector described by "
                  "the 3 parameters."},
    {"scaleX()", "Specifies a scale operation using the [sx,1] scaling vector, where sx is given "
                 "as the parameter."},
    {"scaleY()", "Specifies a scale operation using the [sy,1] scaling vector, where sy is given "
                 "as the parameter."},
    {"scaleZ()", "Specifies a scale operation using the [1,1,sz] scaling vector, where sz is given "
                 "as the parameter."},
    {"skew()", "Specifies a skew transformation along the X and Y axes."},
    {"skewX()", "Specifies a skew transformation along the X axis by the given angle."},
    {"skewY()", "Specifies a skew transformation along the Y axis by the given angle."},
    {"translate()",
     "Specifies a 2D translation by the vector [tx, ty], where tx is the first translation-value "
     "parameter and ty is the optional second translation-value parameter."},
    {"translate3d()",
     "Specifies a 3D translation by the vector [tx,ty,tz], with tx, ty and tz being the first, "
     "second and third translation-value parameters respectively."},
    {"translateX()", "Specifies a translation by the given amount in the X direction."},
    {"translateY()", "Specifies a translation by the given amount in the Y direction."},
    {"translateZ()", "Specifies a translation by the given amount in the Z direction."},
};
constexpr WebValue kCssValues_152[] = {
    {"element", ""},
    {"none", ""},
    {"text", ""},
};
constexpr WebValue kCssValues_153[] = {
    {"break-all", "Lines may break between any two grapheme clusters for non-CJK scripts."},
    {"keep-all", "Block characters can no longer create implied break points."},
    {"normal", "Breaks non-CJK scripts according to their own rules."},
};
constexpr WebValue kCssValues_154[] = {
    {"break-word", "An unbreakable 'word' may be broken at an arbitrary point if there are no "
                   "otherwise-acceptable break points in the line."},
    {"normal", "Lines may break only at allowed break points."},
};
constexpr WebValue kCssValues_155[] = {
    {"auto",
     "For floats an exclusion is created, for all other elements an exclusion is not created."},
    {"both", "Inline flow content can flow on all sides of the exclusion."},
    {"clear", "Inline flow content can only wrap on top and bottom of the exclusion and must leave "
              "the areas to the start and end edges of the exclusion box empty."},
    {"end", "Inline flow content can wrap on the end side of the exclusion area but must leave the "
            "area to the start edge of the exclusion area empty."},
    {"maximum", "Inline flow content can wrap on the side of the exclusion with the largest "
                "available space for the given line, and must leave the other side of the..."},
    {"minimum", "Inline flow content can flow around the edge of the exclusion with the smallest "
                "available space within the flow content's containing block, and must leave..."},
    {"start", "Inline flow content can wrap on the start edge of the exclusion area but must leave "
              "the area to end edge of the exclusion area empty."},
};
constexpr WebValue kCssValues_157[] = {
    {"none", "The exclusion element does not inherit its parent node's wrapping context."},
    {"wrap", "The exclusion element inherits its parent node's wrapping context."},
};
constexpr WebValue kCssValues_158[] = {
    {"bt-lr", ""}, {"bt-rl", ""}, {"lr-bt", ""}, {"lr-tb", ""},
    {"rl-bt", ""}, {"rl-tb", ""}, {"tb-lr", ""}, {"tb-rl", ""},
};
constexpr WebValue kCssValues_159[] = {
    {"normal", ""},
};
constexpr WebValue kCssValues_160[] = {
    {"default", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_161[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"infinite", "Causes the animation to repeat forever."},
    {"none", "No animation is performed"},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_163[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_165[] = {
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"none", "There is no change to the property value between the time the animation is applied "
             "and the time the animation begins playing or after the animation completes."},
};
constexpr WebValue kCssValues_166[] = {
    {"infinite", "Causes the animation to repeat forever."},
};
constexpr WebValue kCssValues_167[] = {
    {"none", "No animation is performed"},
};
constexpr WebValue kCssValues_168[] = {
    {"paused", "A running animation will be paused."},
    {"running", "Resume playback of a paused animation."},
};
constexpr WebValue kCssValues_170[] = {
    {"auto", "If 'auto' is specified then the border image width is the intrinsic width or height "
             "(whichever is applicable) of the corresponding image slice."},
    {"fill", "Causes the middle part of the border-image to be preserved."},
    {"none", ""},
    {"repeat", "The image is tiled (repeated) to fill the area."},
    {"round", "The image is tiled (repeated) to fill the area."},
    {"space", "The image is tiled (repeated) to fill the area."},
    {"stretch", "The image is stretched to fill the area."},
};
constexpr WebValue kCssValues_171[] = {
    {"contain", "The replaced content is sized to maintain its aspect ratio while fitting within "
                "the element's content box."},
    {"cover", "The replaced content is sized to maintain its aspect ratio while filling the "
              "element's entire content box."},
    {"fill", "The replaced content is sized to fill the element's content box."},
    {"none", "The replaced content is not resized to fit inside the element's content box"},
    {"scale-down", "Size the content as if 'none' or 'contain' were specified, whichever would "
                   "result in a smaller concrete object size."},
};
constexpr WebValue kCssValues_175[] = {
    {"clip", "Clip inline content that overflows."},
    {"ellipsis", "Render an ellipsis character (U+2026) to represent clipped inline content."},
};
constexpr WebValue kCssValues_176[] = {
    {"matrix()",
     "Specifies a 2D transformation in the form of a transformation matrix of six values."},
    {"matrix3d()", "Specifies a 3D transformation as a 4x4 homogeneous matrix of 16 values in "
                   "column-major order."},
    {"none", ""},
    {"rotate()", "Specifies a 2D rotation by the angle specified in the parameter about the origin "
                 "of the element, as defined by the transform-origin property."},
    {"rotate3d()", "Specifies a clockwise 3D rotation by the angle specified in last parameter "
                   "about the [x,y,z] direction vector described by the first 3 parameters."},
    {"rotateX('angle')", "Specifies a clockwise rotation by the given angle about the X axis."},
    {"rotateY('angle')", "Specifies a clockwise rotation by the given angle about the Y axis."},
    {"rotateZ('angle')", "Specifies a clockwise rotation by the given angle about the Z axis."},
    {"scale()",
     "Specifies a 2D scale operation by the [sx,sy] scaling vector described by the 2 parameters."},
    {"scale3d()", "Specifies a 3D scale operation by the [sx,sy,sz] scaling vector described by "
                  "the 3 parameters."},
    {"scaleX()", "Specifies a scale operation using the [sx,1] scaling vector, where sx is given "
                 "as the parameter."},
    {"scaleY()", "Specifies a scale operation using the [sy,1] scaling vector, where sy is given "
                 "as the parameter."},
    {"scaleZ()", "Specifies a scale operation using the [1,1,sz] scaling vector, where sz is given "
                 "as the parameter."},
    {"skew()", "Specifies a skew transformation along the X and Y axes."},
    {"skewX()", "Specifies a skew transformation along the X axis by the given angle."},
    {"skewY()", "Specifies a skew transformation along the Y axis by the given angle."},
    {"translate()",
     "Specifies a 2D translation by the vector [tx, ty], where tx is the first translation-value "
     "parameter and ty is the optional second translation-value parameter."},
    {"translate3d()",
     "Specifies a 3D translation by the vector [tx,ty,tz], with tx, ty and tz being the first, "
     "second and third translation-value parameters respectively."},
    {"translateX()", "Specifies a translation by the given amount in the X direction."},
    {"translateY()", "Specifies a translation by the given amount in the Y direction."},
    {"translateZ()", "Specifies a translation by the given amount in the Z direction."},
};
constexpr WebValue kCssValues_178[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_181[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_183[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"infinite", "Causes the animation to repeat forever."},
    {"none", "No animation is performed"},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_185[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_187[] = {
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"none", "There is no change to the property value between the time the animation is applied "
             "and the time the animation begins playing or after the animation completes."},
};
constexpr WebValue kCssValues_188[] = {
    {"infinite", "Causes the animation to repeat forever."},
};
constexpr WebValue kCssValues_189[] = {
    {"none", "No animation is performed"},
};
constexpr WebValue kCssValues_190[] = {
    {"paused", "A running animation will be paused."},
    {"running", "Resume playback of a paused animation."},
};
constexpr WebValue kCssValues_192[] = {
    {"button", ""},
    {"button-bevel", ""},
    {"caps-lock-indicator", ""},
    {"caret", ""},
    {"checkbox", ""},
    {"default-button", ""},
    {"listbox", ""},
    {"listitem", ""},
    {"media-fullscreen-button", ""},
    {"media-mute-button", ""},
    {"media-play-button", ""},
    {"media-seek-back-button", ""},
    {"media-seek-forward-button", ""},
    {"media-slider", ""},
    {"media-sliderthumb", ""},
    {"menulist", ""},
    {"menulist-button", ""},
    {"menulist-text", ""},
    {"menulist-textfield", ""},
    {"none", ""},
    {"push-button", ""},
    {"radio", ""},
    {"scrollbarbutton-down", ""},
    {"scrollbarbutton-left", ""},
    {"scrollbarbutton-right", ""},
    {"scrollbarbutton-up", ""},
    {"scrollbargripper-horizontal", ""},
    {"scrollbargripper-vertical", ""},
    {"scrollbarthumb-horizontal", ""},
    {"scrollbarthumb-vertical", ""},
    {"scrollbartrack-horizontal", ""},
    {"scrollbartrack-vertical", ""},
    {"searchfield", ""},
    {"searchfield-cancel-button", ""},
    {"searchfield-decoration", ""},
    {"searchfield-results-button", ""},
    {"searchfield-results-decoration", ""},
    {"slider-horizontal", ""},
    {"sliderthumb-horizontal", ""},
    {"sliderthumb-vertical", ""},
    {"slider-vertical", ""},
    {"square-button", ""},
    {"textarea", ""},
    {"textfield", ""},
};
constexpr WebValue kCssValues_193[] = {
    {"none", "No filter effects are applied."},
    {"blur()", "Applies a Gaussian blur to the input image."},
    {"brightness()",
     "Applies a linear multiplier to input image, making it appear more or less bright."},
    {"contrast()", "Adjusts the contrast of the input."},
    {"drop-shadow()", "Applies a drop shadow effect to the input image."},
    {"grayscale()", "Converts the input image to grayscale."},
    {"hue-rotate()", "Applies a hue rotation on the input image."},
    {"invert()", "Inverts the samples in the input image."},
    {"opacity()", "Applies transparency to the samples in the input image."},
    {"saturate()", "Saturates the input image."},
    {"sepia()", "Converts the input image to sepia."},
    {"url()", "A filter reference to a <filter> element."},
};
constexpr WebValue kCssValues_194[] = {
    {"hidden", ""},
    {"visible", ""},
};
constexpr WebValue kCssValues_196[] = {
    {"border", ""},
    {"padding", ""},
};
constexpr WebValue kCssValues_202[] = {
    {"auto", "If 'auto' is specified then the border image width is the intrinsic width or height "
             "(whichever is applicable) of the corresponding image slice."},
    {"fill", "Causes the middle part of the border-image to be preserved."},
    {"none", ""},
    {"repeat", "The image is tiled (repeated) to fill the area."},
    {"round", "The image is tiled (repeated) to fill the area."},
    {"space", "The image is tiled (repeated) to fill the area."},
    {"stretch", "The image is stretched to fill the area."},
    {"url()", ""},
};
constexpr WebValue kCssValues_203[] = {
    {"baseline",
     "If this box orientation is inline-axis or horizontal, all children are placed with their "
     "baselines aligned, and extra space placed before or after as necessary."},
    {"center", "Any extra space is divided evenly, with half placed above the child and the other "
               "half placed after the child."},
    {"end", "For normal direction boxes, the bottom edge of each child is placed along the bottom "
            "of the box."},
    {"start",
     "For normal direction boxes, the top edge of each child is placed along the top of the box."},
    {"stretch", "The height of each child is adjusted to that of the containing block."},
};
constexpr WebValue kCssValues_204[] = {
    {"normal", "A box with a computed value of horizontal for box-orient displays its children "
               "from left to right."},
    {"reverse", "A box with a computed value of horizontal for box-orient displays its children "
                "from right to left."},
};
constexpr WebValue kCssValues_208[] = {
    {"block-axis", "Elements are oriented along the box's axis."},
    {"horizontal", "The box displays its children from left to right in a horizontal line."},
    {"inline-axis", "Elements are oriented vertically."},
    {"vertical", "The box displays its children from stacked from top to bottom vertically."},
};
constexpr WebValue kCssValues_209[] = {
    {"center", "The extra space is divided evenly, with half placed before the first child and the "
               "other half placed after the last child."},
    {"end", "For normal direction boxes, the right edge of the last child is placed at the right "
            "side, with all extra space placed before the first child."},
    {"justify", "The space is divided evenly in-between each child, with none of the extra space "
                "placed before the first child or after the last child."},
    {"start", "For normal direction boxes, the left edge of the first child is placed at the left "
              "side, with all extra space placed after the last child."},
};
constexpr WebValue kCssValues_210[] = {
    {"above", "The reflection appears above the border box."},
    {"below", "The reflection appears below the border box."},
    {"left", "The reflection appears to the left of the border box."},
    {"right", "The reflection appears to the right of the border box."},
};
constexpr WebValue kCssValues_211[] = {
    {"border-box", "The specified width and height (and respective min/max properties) on this "
                   "element determine the border box of the element."},
    {"content-box", "Behavior of width and height as specified by CSS2.1."},
};
constexpr WebValue kCssValues_212[] = {
    {"always", "Always force a page break before/after the generated box."},
    {"auto", "Neither force nor forbid a page/column break before/after the generated box."},
    {"avoid", "Avoid a page/column break before/after the generated box."},
    {"avoid-column", "Avoid a column break before/after the generated box."},
    {"avoid-page", "Avoid a page break before/after the generated box."},
    {"avoid-region", ""},
    {"column", "Always force a column break before/after the generated box."},
    {"left", "Force one or two page breaks before/after the generated box so that the next page is "
             "formatted as a left page."},
    {"page", "Always force a page break before/after the generated box."},
    {"region", ""},
    {"right", "Force one or two page breaks before/after the generated box so that the next page "
              "is formatted as a right page."},
};
constexpr WebValue kCssValues_213[] = {
    {"always", "Always force a page break before/after the generated box."},
    {"auto", "Neither force nor forbid a page/column break before/after the generated box."},
    {"avoid", "Avoid a page/column break before/after the generated box."},
    {"avoid-column", "Avoid a column break before/after the generated box."},
    {"avoid-page", "Avoid a page break before/after the generated box."},
    {"avoid-region", ""},
    {"column", "Always force a column break before/after the generated box."},
    {"left", "Force one or two page breaks before/after the generated box so that the next page is "
             "formatted as a left page."},
    {"page", "Always force a page break before/after the generated box."},
    {"region", ""},
    {"right", "Force one or two page breaks before/after the generated box so that the next page "
              "is formatted as a right page."},
};
constexpr WebValue kCssValues_214[] = {
    {"auto", "Neither force nor forbid a page/column break inside the generated box."},
    {"avoid", "Avoid a page/column break inside the generated box."},
    {"avoid-column", "Avoid a column break inside the generated box."},
    {"avoid-page", "Avoid a page break inside the generated box."},
    {"avoid-region", ""},
};
constexpr WebValue kCssValues_215[] = {
    {"always", "Always force a page break before/after the generated box."},
    {"auto", "Neither force nor forbid a page/column break before/after the generated box."},
    {"avoid", "Avoid a page/column break before/after the generated box."},
    {"avoid-column", "Avoid a column break before/after the generated box."},
    {"avoid-page", "Avoid a page break before/after the generated box."},
    {"avoid-region", ""},
    {"column", "Always force a column break before/after the generated box."},
    {"left", "Force one or two page breaks before/after the generated box so that the next page is "
             "formatted as a left page."},
    {"page", "Always force a page break before/after the generated box."},
    {"region", ""},
    {"right", "Force one or two page breaks before/after the generated box so that the next page "
              "is formatted as a right page."},
};
constexpr WebValue kCssValues_216[] = {
    {"always", "Always force a page break before/after the generated box."},
    {"auto", "Neither force nor forbid a page/column break before/after the generated box."},
    {"avoid", "Avoid a page/column break before/after the generated box."},
    {"avoid-column", "Avoid a column break before/after the generated box."},
    {"avoid-page", "Avoid a page break before/after the generated box."},
    {"avoid-region", ""},
    {"column", "Always force a column break before/after the generated box."},
    {"left", "Force one or two page breaks before/after the generated box so that the next page is "
             "formatted as a left page."},
    {"page", "Always force a page break before/after the generated box."},
    {"region", ""},
    {"right", "Force one or two page breaks before/after the generated box so that the next page "
              "is formatted as a right page."},
};
constexpr WebValue kCssValues_217[] = {
    {"auto", "Neither force nor forbid a page/column break inside the generated box."},
    {"avoid", "Avoid a page/column break inside the generated box."},
    {"avoid-column", "Avoid a column break inside the generated box."},
    {"avoid-page", "Avoid a page break inside the generated box."},
    {"avoid-region", ""},
};
constexpr WebValue kCssValues_218[] = {
    {"auto",
     "Determines the number of columns by the 'column-width' property and the element width."},
};
constexpr WebValue kCssValues_219[] = {
    {"normal", "User agent specific and typically equivalent to 1em."},
};
constexpr WebValue kCssValues_224[] = {
    {"all", "The element spans across all columns."},
    {"none", "The element does not span multiple columns."},
};
constexpr WebValue kCssValues_225[] = {
    {"auto", "The width depends on the values of other properties."},
};
constexpr WebValue kCssValues_226[] = {
    {"auto", "The width depends on the values of other properties."},
};
constexpr WebValue kCssValues_227[] = {
    {"none", "No filter effects are applied."},
    {"blur()", "Applies a Gaussian blur to the input image."},
    {"brightness()",
     "Applies a linear multiplier to input image, making it appear more or less bright."},
    {"contrast()", "Adjusts the contrast of the input."},
    {"drop-shadow()", "Applies a drop shadow effect to the input image."},
    {"grayscale()", "Converts the input image to grayscale."},
    {"hue-rotate()", "Applies a hue rotation on the input image."},
    {"invert()", "Inverts the samples in the input image."},
    {"opacity()", "Applies transparency to the samples in the input image."},
    {"saturate()", "Saturates the input image."},
    {"sepia()", "Converts the input image to sepia."},
    {"url()", "A filter reference to a <filter> element."},
};
constexpr WebValue kCssValues_228[] = {
    {"none", "The block container is not a CSS Region."},
};
constexpr WebValue kCssValues_229[] = {
    {"none", "The element is not moved to a named flow and normal CSS processing takes place."},
};
constexpr WebValue kCssValues_230[] = {
    {"\"c2cs\"", ""}, {"\"dlig\"", ""},
    {"\"kern\"", ""}, {"\"liga\"", ""},
    {"\"lnum\"", ""}, {"\"onum\"", ""},
    {"\"smcp\"", ""}, {"\"swsh\"", ""},
    {"\"tnum\"", ""}, {"normal", "No change in glyph substitution or positioning occurs."},
    {"off", ""},      {"on", ""},
};
constexpr WebValue kCssValues_231[] = {
    {"auto", "Conditional hyphenation characters inside a word, if present, take priority over "
             "automatic resources when determining hyphenation points within the word."},
    {"manual", "Words are only broken at line breaks where there are characters inside the word "
               "that suggest line break opportunities"},
    {"none", "Words are not broken at line breaks, even if characters inside the word suggest line "
             "break points."},
};
constexpr WebValue kCssValues_232[] = {
    {"after-white-space", ""},
    {"normal", ""},
};
constexpr WebValue kCssValues_234[] = {
    {"collapse", ""},
    {"discard", ""},
    {"separate", ""},
};
constexpr WebValue kCssValues_235[] = {
    {"collapse", ""},
    {"discard", ""},
    {"separate", ""},
};
constexpr WebValue kCssValues_236[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_237[] = {
    {"collapse", ""},
    {"discard", ""},
    {"separate", ""},
};
constexpr WebValue kCssValues_242[] = {
    {"none", "Counts as a transparent black image layer."},
    {"url()", "Reference to a <mask element or to a CSS image."},
};
constexpr WebValue kCssValues_248[] = {
    {"repeat", ""},
    {"no-repeat", ""},
    {"space", ""},
    {"round", ""},
};
constexpr WebValue kCssValues_249[] = {
    {"repeat", ""},
    {"no-repeat", ""},
    {"space", ""},
    {"round", ""},
};
constexpr WebValue kCssValues_250[] = {
    {"auto", "Resolved by using the image's intrinsic ratio and the size of the other dimension, "
             "or failing that, using the image's intrinsic size, or failing that..."},
    {"contain", "Scale the image, while preserving its intrinsic aspect ratio (if any), to the "
                "largest size such that both its width and its height can fit inside the..."},
    {"cover", "Scale the image, while preserving its intrinsic aspect ratio (if any), to the "
              "smallest size such that both its width and its height can completely cover the..."},
};
constexpr WebValue kCssValues_251[] = {
    {"normal", ""},
    {"space", ""},
};
constexpr WebValue kCssValues_252[] = {
    {"auto", ""},
    {"touch", ""},
};
constexpr WebValue kCssValues_254[] = {
    {"none", "No perspective transform is applied."},
};
constexpr WebValue kCssValues_256[] = {
    {"auto", "Content flows as it would in a regular content box."},
    {"break", "If the content fits within the CSS Region, then this property has no effect."},
};
constexpr WebValue kCssValues_259[] = {
    {"auto", "Renderers must use the default size adjustment when displaying on a small device."},
    {"none", "Renderers must not do size adjustment when displaying on a small device."},
};
constexpr WebValue kCssValues_263[] = {
    {"none", ""},
};
constexpr WebValue kCssValues_264[] = {
    {"matrix()",
     "Specifies a 2D transformation in the form of a transformation matrix of six values."},
    {"matrix3d()", "Specifies a 3D transformation as a 4x4 homogeneous matrix of 16 values in "
                   "column-major order."},
    {"none", ""},
    {"perspective()", "Specifies a perspective projection matrix."},
    {"rotate()", "Specifies a 2D rotation by the angle specified in the parameter about the origin "
                 "of the element, as defined by the transform-origin property."},
    {"rotate3d()", "Specifies a clockwise 3D rotation by the angle specified in last parameter "
                   "about the [x,y,z] direction vector described by the first 3 parameters."},
    {"rotateX('angle')", "Specifies a clockwise rotation by the given angle about the X axis."},
    {"rotateY('angle')", "Specifies a clockwise rotation by the given angle about the Y axis."},
    {"rotateZ('angle')", "Specifies a clockwise rotation by the given angle about the Z axis."},
    {"scale()",
     "Specifies a 2D scale operation by the [sx,sy] scaling vector described by the 2 parameters."},
    {"scale3d()", "Specifies a 3D scale operation by the [sx,sy,sz] scaling vector described by "
                  "the 3 parameters."},
    {"scaleX()", "Specifies a scale operation using the [sx,1] scaling vector, where sx is given "
                 "as the parameter."},
    {"scaleY()", "Specifies a scale operation using the [sy,1] scaling vector, where sy is given "
                 "as the parameter."},
    {"scaleZ()", "Specifies a scale operation using the [1,1,sz] scaling vector, where sz is given "
                 "as the parameter."},
    {"skew()", "Specifies a skew transformation along the X and Y axes."},
    {"skewX()", "Specifies a skew transformation along the X axis by the given angle."},
    {"skewY()", "Specifies a skew transformation along the Y axis by the given angle."},
    {"translate()",
     "Specifies a 2D translation by the vector [tx, ty], where tx is the first translation-value "
     "parameter and ty is the optional second translation-value parameter."},
    {"translate3d()",
     "Specifies a 3D translation by the vector [tx,ty,tz], with tx, ty and tz being the first, "
     "second and third translation-value parameters respectively."},
    {"translateX()", "Specifies a translation by the given amount in the X direction."},
    {"translateY()", "Specifies a translation by the given amount in the Y direction."},
    {"translateZ()", "Specifies a translation by the given amount in the Z direction."},
};
constexpr WebValue kCssValues_269[] = {
    {"flat",
     "All children of this element are rendered flattened into the 2D plane of the element."},
};
constexpr WebValue kCssValues_270[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_273[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_275[] = {
    {"auto", ""},
    {"element", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_276[] = {
    {"read-only", ""},
    {"read-write", ""},
    {"read-write-plaintext-only", ""},
};
constexpr WebValue kCssValues_277[] = {
    {"auto", ""},
    {"none", ""},
    {"text", ""},
};
constexpr WebValue kCssValues_280[] = {
    {"center", "Lines are packed toward the center of the flex container."},
    {"flex-end", "Lines are packed toward the end of the flex container."},
    {"flex-start", "Lines are packed toward the start of the flex container."},
    {"space-around",
     "Lines are evenly distributed in the flex container, with half-size spaces on either end."},
    {"space-between", "Lines are evenly distributed in the flex container."},
    {"stretch", "Lines stretch to take up the remaining space."},
    {"start", ""},
    {"end", ""},
    {"normal", ""},
    {"baseline", ""},
    {"first baseline", ""},
    {"last baseline", ""},
    {"space-evenly", ""},
    {"safe", ""},
    {"unsafe", ""},
};
constexpr WebValue kCssValues_281[] = {
    {"baseline", "If the flex item's inline axis is the same as the cross axis, this value is "
                 "identical to 'flex-start'."},
    {"center", "The flex item's margin box is centered in the cross axis within the line."},
    {"flex-end", "The cross-end margin edge of the flex item is placed flush with the cross-end "
                 "edge of the line."},
    {"flex-start", "The cross-start margin edge of the flex item is placed flush with the "
                   "cross-start edge of the line."},
    {"stretch", "If the cross size property of the flex item computes to auto, and neither of the "
                "cross-axis margins are auto, the flex item is stretched."},
    {"normal", ""},
    {"start", ""},
    {"end", ""},
    {"self-start", ""},
    {"self-end", ""},
    {"first baseline", ""},
    {"last baseline", ""},
    {"safe", ""},
    {"unsafe", ""},
};
constexpr WebValue kCssValues_282[] = {
    {"auto", "Computes to the value of 'align-items' on the element's parent, or 'stretch' if the "
             "element has no parent."},
    {"normal", ""},
    {"self-end", ""},
    {"self-start", ""},
    {"baseline", "If the flex item's inline axis is the same as the cross axis, this value is "
                 "identical to 'flex-start'."},
    {"center", "The flex item's margin box is centered in the cross axis within the line."},
    {"flex-end", "The cross-end margin edge of the flex item is placed flush with the cross-end "
                 "edge of the line."},
    {"flex-start", "The cross-start margin edge of the flex item is placed flush with the "
                   "cross-start edge of the line."},
    {"stretch", "If the cross size property of the flex item computes to auto, and neither of the "
                "cross-axis margins are auto, the flex item is stretched."},
    {"first baseline", ""},
    {"last baseline", ""},
    {"safe", ""},
    {"unsafe", ""},
};
constexpr WebValue kCssValues_284[] = {
    {"baseline", ""}, {"alphabetic", ""},   {"ideographic", ""},      {"middle", ""},
    {"central", ""},  {"mathematical", ""}, {"text-before-edge", ""}, {"text-after-edge", ""},
};
constexpr WebValue kCssValues_289[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"infinite", "Causes the animation to repeat forever."},
    {"none", "No animation is performed"},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_292[] = {
    {"alternate",
     "The animation cycle iterations that are odd counts are played in the normal direction, and "
     "the animation cycle iterations that are even counts are played in..."},
    {"alternate-reverse",
     "The animation cycle iterations that are odd counts are played in the reverse direction, and "
     "the animation cycle iterations that are even counts are played..."},
    {"normal", "Normal playback."},
    {"reverse", "All iterations of the animation are played in the reverse direction from the way "
                "they were specified."},
};
constexpr WebValue kCssValues_294[] = {
    {"backwards", "The beginning property value (as defined in the first @keyframes at-rule) is "
                  "applied before the animation is displayed, during the period defined by..."},
    {"both", "Both forwards and backwards fill modes are applied."},
    {"forwards", "The final property value (as defined in the last @keyframes at-rule) is "
                 "maintained after the animation completes."},
    {"none", "There is no change to the property value between the time the animation is applied "
             "and the time the animation begins playing or after the animation completes."},
};
constexpr WebValue kCssValues_295[] = {
    {"infinite", "Causes the animation to repeat forever."},
};
constexpr WebValue kCssValues_296[] = {
    {"none", "No animation is performed"},
};
constexpr WebValue kCssValues_297[] = {
    {"paused", "A running animation will be paused."},
    {"running", "Resume playback of a paused animation."},
};
constexpr WebValue kCssValues_308[] = {
    {"hidden", "Back side is hidden."},
    {"visible", "Back side is visible."},
};
constexpr WebValue kCssValues_309[] = {
    {"fixed", "The background is fixed with regard to the viewport."},
    {"local", "The background is fixed with regard to the element's contents."},
    {"none", "A value of 'none' counts as an image layer but draws nothing."},
    {"scroll", "The background is fixed with regard to the element itself and does not scroll with "
               "its contents."},
};
constexpr WebValue kCssValues_310[] = {
    {"fixed", "The background is fixed with regard to the viewport."},
    {"local", "The background is fixed with regard to the element's contents."},
    {"scroll", "The background is fixed with regard to the element itself and does not scroll with "
               "its contents."},
};
constexpr WebValue kCssValues_311[] = {
    {"normal", "Default attribute which specifies no blending"},
    {"multiply",
     "The source color is multiplied by the destination color and replaces the destination."},
    {"screen", "Multiplies the complements of the backdrop and source color values, then "
               "complements the result."},
    {"overlay", "Multiplies or screens the colors, depending on the backdrop color value."},
    {"darken", "Selects the darker of the backdrop and source colors."},
    {"lighten", "Selects the lighter of the backdrop and source colors."},
    {"color-dodge", "Brightens the backdrop color to reflect the source color."},
    {"color-burn", "Darkens the backdrop color to reflect the source color."},
    {"hard-light", "Multiplies or screens the colors, depending on the source color value."},
    {"soft-light", "Darkens or lightens the colors, depending on the source color value."},
    {"difference", "Subtracts the darker of the two constituent colors from the lighter color.."},
    {"exclusion",
     "Produces an effect similar to that of the Difference mode but lower in contrast."},
    {"hue", "Creates a color with the hue of the source color and the saturation and luminosity of "
            "the backdrop color."},
    {"saturation", "Creates a color with the saturation of the source color and the hue and "
                   "luminosity of the backdrop color."},
    {"color", "Creates a color with the hue and saturation of the source color and the luminosity "
              "of the backdrop color."},
    {"luminosity", "Creates a color with the luminosity of the source color and the hue and "
                   "saturation of the backdrop color."},
};
constexpr WebValue kCssValues_314[] = {
    {"none", "Counts as an image layer but draws nothing."},
};
constexpr WebValue kCssValues_317[] = {
    {"center", "Equivalent to '50%' ('left 50%') for the horizontal position if the horizontal "
               "position is not otherwise specified, or '50%' ('top 50%') for the vertical..."},
    {"left", "Equivalent to '0%' for the horizontal position if one or two values are given, "
             "otherwise specifies the left edge as the origin for the next offset."},
    {"right", "Equivalent to '100%' for the horizontal position if one or two values are given, "
              "otherwise specifies the right edge as the origin for the next offset."},
};
constexpr WebValue kCssValues_318[] = {
    {"bottom", "Equivalent to '100%' for the vertical position if one or two values are given, "
               "otherwise specifies the bottom edge as the origin for the next offset."},
    {"center", "Equivalent to '50%' ('left 50%') for the horizontal position if the horizontal "
               "position is not otherwise specified, or '50%' ('top 50%') for the vertical..."},
    {"top", "Equivalent to '0%' for the vertical position if one or two values are given, "
            "otherwise specifies the top edge as the origin for the next offset."},
};
constexpr WebValue kCssValues_320[] = {
    {"auto", "Resolved by using the image's intrinsic ratio and the size of the other dimension, "
             "or failing that, using the image's intrinsic size, or failing that..."},
    {"contain", "Scale the image, while preserving its intrinsic aspect ratio (if any), to the "
                "largest size such that both its width and its height can fit inside the..."},
    {"cover", "Scale the image, while preserving its intrinsic aspect ratio (if any), to the "
              "smallest size such that both its width and its height can completely cover the..."},
};
constexpr WebValue kCssValues_323[] = {
    {"auto", ""},
    {"first", ""},
    {"last", ""},
};
constexpr WebValue kCssValues_326[] = {
    {"auto", "Depends on the values of other properties."},
};
constexpr WebValue kCssValues_346[] = {
    {"collapse", "Selects the collapsing borders model."},
    {"separate", "Selects the separated borders border model."},
};
constexpr WebValue kCssValues_350[] = {
    {"auto", "If 'auto' is specified then the border image width is the intrinsic width or height "
             "(whichever is applicable) of the corresponding image slice."},
    {"fill", "Causes the middle part of the border-image to be preserved."},
    {"none", "Use the border styles."},
    {"repeat", "The image is tiled (repeated) to fill the area."},
    {"round", "The image is tiled (repeated) to fill the area."},
    {"space", "The image is tiled (repeated) to fill the area."},
    {"stretch", "The image is stretched to fill the area."},
    {"url()", ""},
};
constexpr WebValue kCssValues_352[] = {
    {"repeat", "The image is tiled (repeated) to fill the area."},
    {"round", "The image is tiled (repeated) to fill the area."},
    {"space", "The image is tiled (repeated) to fill the area."},
    {"stretch", "The image is stretched to fill the area."},
};
constexpr WebValue kCssValues_353[] = {
    {"fill", "Causes the middle part of the border-image to be preserved."},
};
constexpr WebValue kCssValues_354[] = {
    {"none", "Use the border styles."},
};
constexpr WebValue kCssValues_355[] = {
    {"auto", "The border image width is the intrinsic width or height (whichever is applicable) of "
             "the corresponding image slice."},
};
constexpr WebValue kCssValues_388[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well"},
};
constexpr WebValue kCssValues_389[] = {
    {"clone", "Each box is independently wrapped with the border and padding."},
    {"slice", "The effect is as though the element were rendered with no breaks present, and then "
              "sliced by the breaks afterward."},
};
constexpr WebValue kCssValues_390[] = {
    {"inset", "Changes the drop shadow from an outer shadow (one that shadows the box onto the "
              "canvas, as if it were lifted above the canvas) to an inner shadow (one that..."},
    {"none", "No shadow."},
};
constexpr WebValue kCssValues_391[] = {
    {"border-box", "The specified width and height (and respective min/max properties) on this "
                   "element determine the border box of the element."},
    {"content-box", "Behavior of width and height as specified by CSS2.1."},
};
constexpr WebValue kCssValues_392[] = {
    {"always", "Always force a page break before/after the generated box."},
    {"auto", "Neither force nor forbid a page/column break before/after the principal box."},
    {"avoid", "Avoid a break before/after the principal box."},
    {"avoid-column", "Avoid a column break before/after the principal box."},
    {"avoid-page", "Avoid a page break before/after the principal box."},
    {"column", "Always force a column break before/after the principal box."},
    {"left", "Force one or two page breaks before/after the generated box so that the next page is "
             "formatted as a left page."},
    {"page", "Always force a page break before/after the principal box."},
    {"right", "Force one or two page breaks before/after the generated box so that the next page "
              "is formatted as a right page."},
};
constexpr WebValue kCssValues_393[] = {
    {"always", "Always force a page break before/after the generated box."},
    {"auto", "Neither force nor forbid a page/column break before/after the principal box."},
    {"avoid", "Avoid a break before/after the principal box."},
    {"avoid-column", "Avoid a column break before/after the principal box."},
    {"avoid-page", "Avoid a page break before/after the principal box."},
    {"column", "Always force a column break before/after the principal box."},
    {"left", "Force one or two page breaks before/after the generated box so that the next page is "
             "formatted as a left page."},
    {"page", "Always force a page break before/after the principal box."},
    {"right", "Force one or two page breaks before/after the generated box so that the next page "
              "is formatted as a right page."},
};
constexpr WebValue kCssValues_394[] = {
    {"auto", "Impose no additional breaking constraints within the box."},
    {"avoid", "Avoid breaks within the box."},
    {"avoid-column", "Avoid a column break within the box."},
    {"avoid-page", "Avoid a page break within the box."},
};
constexpr WebValue kCssValues_395[] = {
    {"bottom", "Positions the caption box below the table box."},
    {"top", "Positions the caption box above the table box."},
};
constexpr WebValue kCssValues_397[] = {
    {"auto", ""},
    {"manual", ""},
};
constexpr WebValue kCssValues_398[] = {
    {"auto", "The user agent selects an appropriate color for the caret."},
};
constexpr WebValue kCssValues_399[] = {
    {"auto", ""},
    {"bar", ""},
    {"block", ""},
    {"underscore", ""},
};
constexpr WebValue kCssValues_400[] = {
    {"both", "The clearance of the generated box is set to the amount necessary to place the top "
             "border edge below the bottom outer edge of any right-floating and..."},
    {"left", "The clearance of the generated box is set to the amount necessary to place the top "
             "border edge below the bottom outer edge of any left-floating boxes that..."},
    {"none", "No constraint on the box's position with respect to floats."},
    {"right", "The clearance of the generated box is set to the amount necessary to place the top "
              "border edge below the bottom outer edge of any right-floating boxes that..."},
};
constexpr WebValue kCssValues_401[] = {
    {"none", "No clipping path gets created."},
    {"url()", "References a <clipPath> element to create a clipping path."},
};
constexpr WebValue kCssValues_402[] = {
    {"evenodd", "Determines the 'insideness' of a point on the canvas by drawing a ray from that "
                "point to infinity in any direction and counting the number of path segments..."},
    {"nonzero", "Determines the 'insideness' of a point on the canvas by drawing a ray from that "
                "point to infinity in any direction and then examining the places where a..."},
};
constexpr WebValue kCssValues_404[] = {
    {"auto", "Color operations are not required to occur in a particular color space."},
    {"linearRGB", "Color operations should occur in the linearized RGB color space."},
    {"sRGB", "Color operations should occur in the sRGB color space."},
};
constexpr WebValue kCssValues_406[] = {
    {"auto",
     "Determines the number of columns by the 'column-width' property and the element width."},
};
constexpr WebValue kCssValues_407[] = {
    {"auto", "Fills columns sequentially."},
    {"balance", "Balance content equally between columns, if possible."},
};
constexpr WebValue kCssValues_408[] = {
    {"normal", "User agent specific and typically equivalent to 1em."},
};
constexpr WebValue kCssValues_414[] = {
    {"all", "The element spans across all columns."},
    {"none", "The element does not span multiple columns."},
};
constexpr WebValue kCssValues_415[] = {
    {"auto", "The width depends on the values of other properties."},
};
constexpr WebValue kCssValues_416[] = {
    {"auto", ""},
    {"nowrap", ""},
    {"wrap", ""},
};
constexpr WebValue kCssValues_417[] = {
    {"auto", "The width depends on the values of other properties."},
};
constexpr WebValue kCssValues_418[] = {
    {"none", "Indicates that the property has no effect."},
    {"strict", "Turns on all forms of containment for the element."},
    {"content", "All containment rules except size are applied to the element."},
    {"size", "For properties that can have effects on more than just an element and its "
             "descendants, those effects don't escape the containing element."},
    {"layout", "Turns on layout containment for the element."},
    {"style", "Turns on style containment for the element."},
    {"paint", "Turns on paint containment for the element."},
};
constexpr WebValue kCssValues_427[] = {
    {"attr()", "The attr(n) function returns as a string the value of attribute n for the subject "
               "of the selector."},
    {"counter(name)", "Counters are denoted by identifiers (see the 'counter-increment' and "
                      "'counter-reset' properties)."},
    {"icon", "The (pseudo-)element is replaced in its entirety by the resource referenced by its "
             "'icon' property, and treated as a replaced element."},
    {"none", "On elements, this inhibits the children of the element from being rendered as "
             "children of this element, as if the element was empty."},
    {"normal", "See http://www.w3.org/TR/css3-content/#content for computation rules."},
    {"url()", ""},
};
constexpr WebValue kCssValues_428[] = {
    {"visible", ""},
    {"auto", ""},
    {"hidden", ""},
};
constexpr WebValue kCssValues_446[] = {
    {"none", "This element does not alter the value of any counters."},
};
constexpr WebValue kCssValues_447[] = {
    {"none", "The counter is not modified."},
};
constexpr WebValue kCssValues_449[] = {
    {"alias", "Indicates an alias of/shortcut to something is to be created."},
    {"all-scroll", "Indicates that the something can be scrolled in any direction."},
    {"auto", "The UA determines the cursor to display based on the current context."},
    {"cell", "Indicates that a cell or set of cells may be selected."},
    {"col-resize", "Indicates that the item/column can be resized horizontally."},
    {"context-menu", "A context menu is available for the object under the cursor."},
    {"copy", "Indicates something is to be copied."},
    {"crosshair", "A simple crosshair (e.g., short line segments resembling a '+' sign)."},
    {"default", "The platform-dependent default cursor."},
    {"e-resize", "Indicates that east edge is to be moved."},
    {"ew-resize", "Indicates a bidirectional east-west resize cursor."},
    {"grab", "Indicates that something can be grabbed."},
    {"grabbing", "Indicates that something is being grabbed."},
    {"help", "Help is available for the object under the cursor."},
    {"move", "Indicates something is to be moved."},
    {"-moz-grab", "Indicates that something can be grabbed."},
    {"-moz-grabbing", "Indicates that something is being grabbed."},
    {"-moz-zoom-in", "Indicates that something can be zoomed (magnified) in."},
    {"-moz-zoom-out", "Indicates that something can be zoomed (magnified) out."},
    {"ne-resize", "Indicates that movement starts from north-east corner."},
    {"nesw-resize", "Indicates a bidirectional north-east/south-west cursor."},
    {"no-drop",
     "Indicates that the dragged item cannot be dropped at the current cursor location."},
    {"none", "No cursor is rendered for the element."},
    {"not-allowed", "Indicates that the requested action will not be carried out."},
    {"n-resize", "Indicates that north edge is to be moved."},
    {"ns-resize", "Indicates a bidirectional north-south cursor."},
    {"nw-resize", "Indicates that movement starts from north-west corner."},
    {"nwse-resize", "Indicates a bidirectional north-west/south-east cursor."},
    {"pointer", "The cursor is a pointer that indicates a link."},
    {"progress", "A progress indicator."},
    {"row-resize", "Indicates that the item/row can be resized vertically."},
    {"se-resize", "Indicates that movement starts from south-east corner."},
    {"s-resize", "Indicates that south edge is to be moved."},
    {"sw-resize", "Indicates that movement starts from south-west corner."},
    {"text", "Indicates text that may be selected."},
    {"vertical-text", "Indicates vertical-text that may be selected."},
    {"wait", "Indicates that the program is busy and the user should wait."},
    {"-webkit-grab", "Indicates that something can be grabbed."},
    {"-webkit-grabbing", "Indicates that something is being grabbed."},
    {"-webkit-zoom-in", "Indicates that something can be zoomed (magnified) in."},
    {"-webkit-zoom-out", "Indicates that something can be zoomed (magnified) out."},
    {"w-resize", "Indicates that west edge is to be moved."},
    {"zoom-in", "Indicates that something can be zoomed (magnified) in."},
    {"zoom-out", "Indicates that something can be zoomed (magnified) out."},
};
constexpr WebValue kCssValues_454[] = {
    {"ltr", "Left-to-right direction."},
    {"rtl", "Right-to-left direction."},
};
constexpr WebValue kCssValues_455[] = {
    {"block", "The element generates a block-level box"},
    {"contents", "The element itself does not generate any boxes, but its children and "
                 "pseudo-elements still generate boxes as normal."},
    {"flex", "The element generates a principal flex container box and establishes a flex "
             "formatting context."},
    {"flexbox", "The element lays out its contents using flow layout (block-and-inline layout)."},
    {"flow-root",
     "The element generates a block container box, and lays out its contents using flow layout."},
    {"grid", "The element generates a principal grid container box, and establishes a grid "
             "formatting context."},
    {"inline", "The element generates an inline-level box."},
    {"inline-block",
     "A block box, which itself is flowed as a single inline box, similar to a replaced element."},
    {"inline-flex", "Inline-level flex container."},
    {"inline-flexbox", "Inline-level flex container."},
    {"inline-table", "Inline-level table wrapper box containing table box."},
    {"list-item", "One or more block boxes and one marker box."},
    {"-moz-box", "The element lays out its contents using flow layout (block-and-inline layout)."},
    {"-moz-deck", ""},
    {"-moz-grid", ""},
    {"-moz-grid-group", ""},
    {"-moz-grid-line", ""},
    {"-moz-groupbox", ""},
    {"-moz-inline-box", "Inline-level flex container."},
    {"-moz-inline-grid", ""},
    {"-moz-inline-stack", ""},
    {"-moz-marker", ""},
    {"-moz-popup", ""},
    {"-moz-stack", ""},
    {"-ms-flexbox",
     "The element lays out its contents using flow layout (block-and-inline layout)."},
    {"-ms-grid", "The element generates a principal grid container box, and establishes a grid "
                 "formatting context."},
    {"-ms-inline-flexbox", "Inline-level flex container."},
    {"-ms-inline-grid", "Inline-level grid container."},
    {"none", "The element and its descendants generates no boxes."},
    {"ruby", "The element generates a principal ruby container box, and establishes a ruby "
             "formatting context."},
    {"ruby-base", ""},
    {"ruby-base-container", ""},
    {"ruby-text", ""},
    {"ruby-text-container", ""},
    {"run-in", "The element generates a run-in box."},
    {"table", "The element generates a principal table wrapper box containing an "
              "additionally-generated table box, and establishes a table formatting context."},
    {"table-caption", ""},
    {"table-cell", ""},
    {"table-column", ""},
    {"table-column-group", ""},
    {"table-footer-group", ""},
    {"table-header-group", ""},
    {"table-row", ""},
    {"table-row-group", ""},
    {"-webkit-box",
     "The element lays out its contents using flow layout (block-and-inline layout)."},
    {"-webkit-flex",
     "The element lays out its contents using flow layout (block-and-inline layout)."},
    {"-webkit-inline-box", "Inline-level flex container."},
    {"-webkit-inline-flex", "Inline-level flex container."},
};
constexpr WebValue kCssValues_456[] = {
    {"auto", ""},    {"text-bottom", ""},  {"alphabetic", ""}, {"ideographic", ""}, {"middle", ""},
    {"central", ""}, {"mathematical", ""}, {"hanging", ""},    {"text-top", ""},
};
constexpr WebValue kCssValues_458[] = {
    {"hide", "No borders or backgrounds are drawn around/behind empty cells."},
    {"-moz-show-background", ""},
    {"show", "Borders and backgrounds are drawn around/behind empty cells (like normal cells)."},
};
constexpr WebValue kCssValues_459[] = {
    {"accumulate", "If the ancestor container element has a property of new, then all graphics "
                   "elements within the current container are rendered both on the parent's..."},
    {"new", "Create a new background image canvas."},
};
constexpr WebValue kCssValues_461[] = {
    {"content", ""},
    {"fixed", ""},
};
constexpr WebValue kCssValues_462[] = {
    {"url()",
     "A URL reference to a paint server element, which is an element that defines a paint server."},
    {"none", "No paint is applied in this layer."},
};
constexpr WebValue kCssValues_464[] = {
    {"evenodd", "Determines the 'insideness' of a point on the canvas by drawing a ray from that "
                "point to infinity in any direction and counting the number of path segments..."},
    {"nonzero", "Determines the 'insideness' of a point on the canvas by drawing a ray from that "
                "point to infinity in any direction and then examining the places where a..."},
};
constexpr WebValue kCssValues_465[] = {
    {"none", "No filter effects are applied."},
    {"blur()", "Applies a Gaussian blur to the input image."},
    {"brightness()",
     "Applies a linear multiplier to input image, making it appear more or less bright."},
    {"contrast()", "Adjusts the contrast of the input."},
    {"drop-shadow()", "Applies a drop shadow effect to the input image."},
    {"grayscale()", "Converts the input image to grayscale."},
    {"hue-rotate()", "Applies a hue rotation on the input image."},
    {"invert()", "Inverts the samples in the input image."},
    {"opacity()", "Applies transparency to the samples in the input image."},
    {"saturate()", "Saturates the input image."},
    {"sepia()", "Converts the input image to sepia."},
    {"url()", "A filter reference to a <filter> element."},
};
constexpr WebValue kCssValues_466[] = {
    {"auto", "Retrieves the value of the main size property as the used 'flex-basis'."},
    {"content", "Indicates automatic sizing, based on the flex item's content."},
    {"none", "Expands to '0 0 auto'."},
};
constexpr WebValue kCssValues_467[] = {
    {"auto", "Retrieves the value of the main size property as the used 'flex-basis'."},
    {"content", "Indicates automatic sizing, based on the flex item's content."},
};
constexpr WebValue kCssValues_468[] = {
    {"column", "The flex container's main axis has the same orientation as the block axis of the "
               "current writing mode."},
    {"column-reverse",
     "Same as 'column', except the main-start and main-end directions are swapped."},
    {"row", "The flex container's main axis has the same orientation as the inline axis of the "
            "current writing mode."},
    {"row-reverse", "Same as 'row', except the main-start and main-end directions are swapped."},
};
constexpr WebValue kCssValues_469[] = {
    {"column", "The flex container's main axis has the same orientation as the block axis of the "
               "current writing mode."},
    {"column-reverse",
     "Same as 'column', except the main-start and main-end directions are swapped."},
    {"nowrap", "The flex container is single-line."},
    {"row", "The flex container's main axis has the same orientation as the inline axis of the "
            "current writing mode."},
    {"row-reverse", "Same as 'row', except the main-start and main-end directions are swapped."},
    {"wrap", "The flexbox is multi-line."},
    {"wrap-reverse",
     "Same as 'wrap', except the cross-start and cross-end directions are swapped."},
};
constexpr WebValue kCssValues_472[] = {
    {"nowrap", "The flex container is single-line."},
    {"wrap", "The flexbox is multi-line."},
    {"wrap-reverse",
     "Same as 'wrap', except the cross-start and cross-end directions are swapped."},
};
constexpr WebValue kCssValues_473[] = {
    {"inline-end",
     "A keyword indicating that the element must float on the end side of its containing block."},
    {"inline-start",
     "A keyword indicating that the element must float on the start side of its containing block."},
    {"left", "The element generates a block box that is floated to the left."},
    {"none", "The box is not floated."},
    {"right", "Similar to 'left', except the box is floated to the right, and content flows on the "
              "left side of the box, starting at the top."},
};
constexpr WebValue kCssValues_476[] = {
    {"100", "Thin"},
    {"200", "Extra Light (Ultra Light)"},
    {"300", "Light"},
    {"400", "Normal"},
    {"500", "Medium"},
    {"600", "Semi Bold (Demi Bold)"},
    {"700", "Bold"},
    {"800", "Extra Bold (Ultra Bold)"},
    {"900", "Black (Heavy)"},
    {"bold", "Same as 700"},
    {"bolder", "Specifies the weight of the face bolder than the inherited value."},
    {"caption", "The font used for captioned controls (e.g., buttons, drop-downs, etc.)."},
    {"icon", "The font used to label icons."},
    {"italic", "Selects a font that is labeled 'italic', or, if that is not available, one labeled "
               "'oblique'."},
    {"large", ""},
    {"larger", ""},
    {"lighter", "Specifies the weight of the face lighter than the inherited value."},
    {"medium", ""},
    {"menu", "The font used in menus (e.g., dropdown menus and menu lists)."},
    {"message-box", "The font used in dialog boxes."},
    {"normal", "Specifies a face that is not labeled as a small-caps font."},
    {"oblique", "Selects a font that is labeled 'oblique'."},
    {"small", ""},
    {"small-caps", "Specifies a font that is labeled as a small-caps font."},
    {"small-caption", "The font used for labeling small controls."},
    {"smaller", ""},
    {"status-bar", "The font used in window status bars."},
    {"x-large", ""},
    {"x-small", ""},
    {"xx-large", ""},
    {"xx-small", ""},
};
constexpr WebValue kCssValues_477[] = {
    {"auto", ""}, {"block", ""}, {"swap", ""}, {"fallback", ""}, {"optional", ""},
};
constexpr WebValue kCssValues_478[] = {
    {"system-ui, -apple-system, BlinkMacSystemFont, 'Segoe UI', Roboto, Oxygen, Ubuntu, Cantarell, "
     "'Open Sans', 'Helvetica Neue', sans-serif",
     ""},
    {"Arial, Helvetica, sans-serif", ""},
    {"Cambria, Cochin, Georgia, Times, 'Times New Roman', serif", ""},
    {"'Courier New', Courier, monospace", ""},
    {"cursive", ""},
    {"fantasy", ""},
    {"'Franklin Gothic Medium', 'Arial Narrow', Arial, sans-serif", ""},
    {"Georgia, 'Times New Roman', Times, serif", ""},
    {"'Gill Sans', 'Gill Sans MT', Calibri, 'Trebuchet MS', sans-serif", ""},
    {"Impact, Haettenschweiler, 'Arial Narrow Bold', sans-serif", ""},
    {"'Lucida Sans', 'Lucida Sans Regular', 'Lucida Grande', 'Lucida Sans Unicode', Geneva, "
     "Verdana, sans-serif",
     ""},
    {"monospace", ""},
    {"sans-serif", ""},
    {"'Segoe UI', Tahoma, Geneva, Verdana, sans-serif", ""},
    {"serif", ""},
    {"'Times New Roman', Times, serif", ""},
    {"'Trebuchet MS', 'Lucida Sans Unicode', 'Lucida Grande', 'Lucida Sans', Arial, sans-serif",
     ""},
    {"Verdana, Geneva, Tahoma, sans-serif", ""},
};
constexpr WebValue kCssValues_479[] = {
    {"\"aalt\"", "Access All Alternates."},
    {"\"abvf\"", "Above-base Forms."},
    {"\"abvm\"", "Above-base Mark Positioning."},
    {"\"abvs\"", "Above-base Substitutions."},
    {"\"afrc\"", "Alternative Fractions."},
    {"\"akhn\"", "Akhand."},
    {"\"blwf\"", "Below-base Form."},
    {"\"blwm\"", "Below-base Mark Positioning."},
    {"\"blws\"", "Below-base Substitutions."},
    {"\"calt\"", "Contextual Alternates."},
    {"\"case\"", "Case-Sensitive Forms."},
    {"\"ccmp\"", "Glyph Composition/Decomposition."},
    {"\"cfar\"", "Conjunct Form After Ro."},
    {"\"cjct\"", "Conjunct Forms."},
    {"\"clig\"", "Contextual Ligatures."},
    {"\"cpct\"", "Centered CJK Punctuation."},
    {"\"cpsp\"", "Capital Spacing."},
    {"\"cswh\"", "Contextual Swash."},
    {"\"curs\"", "Cursive Positioning."},
    {"\"c2pc\"", "Petite Capitals From Capitals."},
    {"\"c2sc\"", "Small Capitals From Capitals."},
    {"\"dist\"", "Distances."},
    {"\"dlig\"", "Discretionary ligatures."},
    {"\"dnom\"", "Denominators."},
    {"\"dtls\"", "Dotless Forms."},
    {"\"expt\"", "Expert Forms."},
    {"\"falt\"", "Final Glyph on Line Alternates."},
    {"\"fin2\"", "Terminal Form #2."},
    {"\"fin3\"", "Terminal Form #3."},
    {"\"fina\"", "Terminal Forms."},
    {"\"flac\"", "Flattened ascent forms."},
    {"\"frac\"", "Fractions."},
    {"\"fwid\"", "Full Widths."},
    {"\"half\"", "Half Forms."},
    {"\"haln\"", "Halant Forms."},
    {"\"halt\"", "Alternate Half Widths."},
    {"\"hist\"", "Historical Forms."},
    {"\"hkna\"", "Horizontal Kana Alternates."},
    {"\"hlig\"", "Historical Ligatures."},
    {"\"hngl\"", "Hangul."},
    {"\"hojo\"", "Hojo Kanji Forms (JIS X 0212-1990 Kanji Forms)."},
    {"\"hwid\"", "Half Widths."},
    {"\"init\"", "Initial Forms."},
    {"\"isol\"", "Isolated Forms."},
    {"\"ital\"", "Italics."},
    {"\"jalt\"", "Justification Alternates."},
    {"\"jp78\"", "JIS78 Forms."},
    {"\"jp83\"", "JIS83 Forms."},
    {"\"jp90\"", "JIS90 Forms."},
    {"\"jp04\"", "JIS2004 Forms."},
    {"\"kern\"", "Kerning."},
    {"\"lfbd\"", "Left Bounds."},
    {"\"liga\"", "Standard Ligatures."},
    {"\"ljmo\"", "Leading Jamo Forms."},
    {"\"lnum\"", "Lining Figures."},
    {"\"locl\"", "Localized Forms."},
    {"\"ltra\"", "Left-to-right glyph alternates."},
    {"\"ltrm\"", "Left-to-right mirrored forms."},
    {"\"mark\"", "Mark Positioning."},
    {"\"med2\"", "Medial Form #2."},
    {"\"medi\"", "Medial Forms."},
    {"\"mgrk\"", "Mathematical Greek."},
    {"\"mkmk\"", "Mark to Mark Positioning."},
    {"\"nalt\"", "Alternate Annotation Forms."},
    {"\"nlck\"", "NLC Kanji Forms."},
    {"\"nukt\"", "Nukta Forms."},
    {"\"numr\"", "Numerators."},
    {"\"onum\"", "Oldstyle Figures."},
    {"\"opbd\"", "Optical Bounds."},
    {"\"ordn\"", "Ordinals."},
    {"\"ornm\"", "Ornaments."},
    {"\"palt\"", "Proportional Alternate Widths."},
    {"\"pcap\"", "Petite Capitals."},
    {"\"pkna\"", "Proportional Kana."},
    {"\"pnum\"", "Proportional Figures."},
    {"\"pref\"", "Pre-base Forms."},
    {"\"pres\"", "Pre-base Substitutions."},
    {"\"pstf\"", "Post-base Forms."},
    {"\"psts\"", "Post-base Substitutions."},
    {"\"pwid\"", "Proportional Widths."},
    {"\"qwid\"", "Quarter Widths."},
    {"\"rand\"", "Randomize."},
    {"\"rclt\"", "Required Contextual Alternates."},
    {"\"rlig\"", "Required Ligatures."},
    {"\"rkrf\"", "Rakar Forms."},
    {"\"rphf\"", "Reph Form."},
    {"\"rtbd\"", "Right Bounds."},
    {"\"rtla\"", "Right-to-left alternates."},
    {"\"rtlm\"", "Right-to-left mirrored forms."},
    {"\"ruby\"", "Ruby Notation Forms."},
    {"\"salt\"", "Stylistic Alternates."},
    {"\"sinf\"", "Scientific Inferiors."},
    {"\"size\"", "Optical size."},
    {"\"smcp\"", "Small Capitals."},
    {"\"smpl\"", "Simplified Forms."},
    {"\"ssty\"", "Math script style alternates."},
    {"\"stch\"", "Stretching Glyph Decomposition."},
    {"\"subs\"", "Subscript."},
    {"\"sups\"", "Superscript."},
    {"\"swsh\"", "Swash."},
    {"\"titl\"", "Titling."},
    {"\"tjmo\"", "Trailing Jamo Forms."},
    {"\"tnam\"", "Traditional Name Forms."},
    {"\"tnum\"", "Tabular Figures."},
    {"\"trad\"", "Traditional Forms."},
    {"\"twid\"", "Third Widths."},
    {"\"unic\"", "Unicase."},
    {"\"valt\"", "Alternate Vertical Metrics."},
    {"\"vatu\"", "Vattu Variants."},
    {"\"vert\"", "Vertical Alternates."},
    {"\"vhal\"", "Alternate Vertical Half Metrics."},
    {"\"vjmo\"", "Vowel Jamo Forms."},
    {"\"vkna\"", "Vertical Kana Alternates."},
    {"\"vkrn\"", "Vertical Kerning."},
    {"\"vpal\"", "Proportional Alternate Vertical Metrics."},
    {"\"vrt2\"", "Vertical Alternates and Rotation."},
    {"\"zero\"", "Slashed Zero."},
    {"normal", "No change in glyph substitution or positioning occurs."},
    {"off", "Disable feature."},
    {"on", "Enable feature."},
};
constexpr WebValue kCssValues_480[] = {
    {"auto", "Specifies that kerning is applied at the discretion of the user agent."},
    {"none", "Specifies that kerning is not applied."},
    {"normal", "Specifies that kerning is applied."},
};
constexpr WebValue kCssValues_481[] = {
    {"normal", "Implies that when rendering with OpenType fonts the language of the document is "
               "used to infer the OpenType language system, used to select language specific..."},
};
constexpr WebValue kCssValues_482[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_484[] = {
    {"large", ""},   {"larger", ""},  {"medium", ""},   {"small", ""},    {"smaller", ""},
    {"x-large", ""}, {"x-small", ""}, {"xx-large", ""}, {"xx-small", ""},
};
constexpr WebValue kCssValues_485[] = {
    {"none", "Do not preserve the font's x-height."},
};
constexpr WebValue kCssValues_487[] = {
    {"italic",
     "Selects a font that is labeled as an 'italic' face, or an 'oblique' face if one is not"},
    {"normal", "Selects a face that is classified as 'normal'."},
    {"oblique",
     "Selects a font that is labeled as an 'oblique' face, or an 'italic' face if one is not."},
};
constexpr WebValue kCssValues_488[] = {
    {"none", "Disallow all synthetic faces."},
    {"style", "Allow synthetic italic faces."},
    {"weight", "Allow synthetic bold faces."},
};
constexpr WebValue kCssValues_489[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_490[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_491[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_492[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_493[] = {
    {"normal", "Specifies a face that is not labeled as a small-caps font."},
    {"small-caps", "Specifies a font that is labeled as a small-caps font."},
};
constexpr WebValue kCssValues_494[] = {
    {"annotation()", "Enables display of alternate annotation forms."},
    {"character-variant()", "Enables display of specific character variants."},
    {"historical-forms", "Enables display of historical forms."},
    {"normal", "None of the features are enabled."},
    {"ornaments()",
     "Enables replacement of default glyphs with ornaments, if provided in the font."},
    {"styleset()", "Enables display with stylistic sets."},
    {"stylistic()", "Enables display of stylistic alternates."},
    {"swash()", "Enables display of swash glyphs."},
};
constexpr WebValue kCssValues_495[] = {
    {"all-petite-caps", "Enables display of petite capitals for both upper and lowercase letters."},
    {"all-small-caps", "Enables display of small capitals for both upper and lowercase letters."},
    {"normal", "None of the features are enabled."},
    {"petite-caps", "Enables display of petite capitals."},
    {"small-caps", "Enables display of small capitals."},
    {"titling-caps", "Enables display of titling capitals."},
    {"unicase", "Enables display of mixture of small capitals for uppercase letters with normal "
                "lowercase letters."},
};
constexpr WebValue kCssValues_496[] = {
    {"full-width", "Enables rendering of full-width variants."},
    {"jis04", "Enables rendering of JIS04 forms."},
    {"jis78", "Enables rendering of JIS78 forms."},
    {"jis83", "Enables rendering of JIS83 forms."},
    {"jis90", "Enables rendering of JIS90 forms."},
    {"normal", "None of the features are enabled."},
    {"proportional-width", "Enables rendering of proportionally-spaced variants."},
    {"ruby", "Enables display of ruby variant glyphs."},
    {"simplified", "Enables rendering of simplified forms."},
    {"traditional", "Enables rendering of traditional forms."},
};
constexpr WebValue kCssValues_497[] = {
    {"normal", ""},
    {"text", ""},
    {"emoji", ""},
    {"unicode", ""},
};
constexpr WebValue kCssValues_498[] = {
    {"additional-ligatures", "Enables display of additional ligatures."},
    {"common-ligatures", "Enables display of common ligatures."},
    {"contextual", "Enables display of contextual alternates."},
    {"discretionary-ligatures", "Enables display of discretionary ligatures."},
    {"historical-ligatures", "Enables display of historical ligatures."},
    {"no-additional-ligatures", "Disables display of additional ligatures."},
    {"no-common-ligatures", "Disables display of common ligatures."},
    {"no-contextual", "Disables display of contextual alternates."},
    {"no-discretionary-ligatures", "Disables display of discretionary ligatures."},
    {"no-historical-ligatures", "Disables display of historical ligatures."},
    {"none", "Disables all ligatures."},
    {"normal", "Implies that the defaults set by the font are used."},
};
constexpr WebValue kCssValues_499[] = {
    {"diagonal-fractions", "Enables display of lining diagonal fractions."},
    {"lining-nums", "Enables display of lining numerals."},
    {"normal", "None of the features are enabled."},
    {"oldstyle-nums", "Enables display of old-style numerals."},
    {"ordinal", "Enables display of letter forms used with ordinal numbers."},
    {"proportional-nums", "Enables display of proportional numerals."},
    {"slashed-zero", "Enables display of slashed zeros."},
    {"stacked-fractions", "Enables display of lining stacked fractions."},
    {"tabular-nums", "Enables display of tabular numerals."},
};
constexpr WebValue kCssValues_500[] = {
    {"normal", "None of the features are enabled."},
    {"sub", "Enables display of subscript variants (OpenType feature."},
    {"super", "Enables display of superscript variants (OpenType feature."},
};
constexpr WebValue kCssValues_502[] = {
    {"100", "Thin"},
    {"200", "Extra Light (Ultra Light)"},
    {"300", "Light"},
    {"400", "Normal"},
    {"500", "Medium"},
    {"600", "Semi Bold (Demi Bold)"},
    {"700", "Bold"},
    {"800", "Extra Bold (Ultra Bold)"},
    {"900", "Black (Heavy)"},
    {"bold", "Same as 700"},
    {"bolder", "Specifies the weight of the face bolder than the inherited value."},
    {"lighter", "Specifies the weight of the face lighter than the inherited value."},
    {"normal", "Same as 400"},
};
constexpr WebValue kCssValues_504[] = {
    {"auto", ""},
    {"none", ""},
    {"preserve-parent-color", ""},
};
constexpr WebValue kCssValues_507[] = {
    {"auto", "Sets the orientation based on the fullwidth or non-fullwidth characters and the most "
             "common orientation."},
};
constexpr WebValue kCssValues_509[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_510[] = {
    {"min-content",
     "Represents the largest min-content contribution of the grid items occupying the grid track."},
    {"max-content",
     "Represents the largest max-content contribution of the grid items occupying the grid track."},
    {"auto", "As a maximum, identical to 'max-content'."},
    {"minmax()",
     "Defines a size range greater than or equal to min and less than or equal to max."},
};
constexpr WebValue kCssValues_511[] = {
    {"row", "The auto-placement algorithm places items by filling each row in turn, adding new "
            "rows as necessary."},
    {"column", "The auto-placement algorithm places items by filling each column in turn, adding "
               "new columns as necessary."},
    {"dense",
     "If specified, the auto-placement algorithm uses a \"dense\" packing algorithm, which "
     "attempts to fill in holes earlier in the grid if smaller items come up later."},
};
constexpr WebValue kCssValues_512[] = {
    {"min-content",
     "Represents the largest min-content contribution of the grid items occupying the grid track."},
    {"max-content",
     "Represents the largest max-content contribution of the grid items occupying the grid track."},
    {"auto", "As a maximum, identical to 'max-content'."},
    {"minmax()",
     "Defines a size range greater than or equal to min and less than or equal to max."},
};
constexpr WebValue kCssValues_513[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_514[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_515[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_516[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_517[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_518[] = {
    {"auto", "The property contributes nothing to the grid item's placement, indicating "
             "auto-placement, an automatic span, or a default span of one."},
    {"span", "Contributes a grid span to the grid item's placement such that the corresponding "
             "edge of the grid item's grid area is N lines from its opposite edge."},
};
constexpr WebValue kCssValues_519[] = {
    {"none", "Sets all three properties to their initial values."},
    {"min-content",
     "Represents the largest min-content contribution of the grid items occupying the grid track."},
    {"max-content",
     "Represents the largest max-content contribution of the grid items occupying the grid track."},
    {"auto", "As a maximum, identical to 'max-content'."},
    {"subgrid", "Sets 'grid-template-rows' and 'grid-template-columns' to 'subgrid', and "
                "'grid-template-areas' to its initial value."},
    {"minmax()",
     "Defines a size range greater than or equal to min and less than or equal to max."},
    {"repeat()", "Represents a repeated fragment of the track list, allowing a large number of "
                 "columns or rows that exhibit a recurring pattern to be written in a more..."},
};
constexpr WebValue kCssValues_520[] = {
    {"none", "The grid container doesn't define any named grid areas."},
};
constexpr WebValue kCssValues_521[] = {
    {"none", "There is no explicit grid;"},
    {"min-content",
     "Represents the largest min-content contribution of the grid items occupying the grid track."},
    {"max-content",
     "Represents the largest max-content contribution of the grid items occupying the grid track."},
    {"auto", "As a maximum, identical to 'max-content'."},
    {"subgrid", "Indicates that the grid will align to its parent grid in that axis."},
    {"minmax()",
     "Defines a size range greater than or equal to min and less than or equal to max."},
    {"repeat()", "Represents a repeated fragment of the track list, allowing a large number of "
                 "columns or rows that exhibit a recurring pattern to be written in a more..."},
};
constexpr WebValue kCssValues_522[] = {
    {"none", "There is no explicit grid;"},
    {"min-content",
     "Represents the largest min-content contribution of the grid items occupying the grid track."},
    {"max-content",
     "Represents the largest max-content contribution of the grid items occupying the grid track."},
    {"auto", "As a maximum, identical to 'max-content'."},
    {"subgrid", "Indicates that the grid will align to its parent grid in that axis."},
    {"minmax()",
     "Defines a size range greater than or equal to min and less than or equal to max."},
    {"repeat()", "Represents a repeated fragment of the track list, allowing a large number of "
                 "columns or rows that exhibit a recurring pattern to be written in a more..."},
};
constexpr WebValue kCssValues_524[] = {
    {"auto", "The height depends on the values of other properties."},
    {"fit-content", "Use the fit-content inline size or fit-content block size, as appropriate to "
                    "the writing mode."},
    {"max-content", "Use the max-content inline size or max-content block size, as appropriate to "
                    "the writing mode."},
    {"min-content", "Use the min-content inline size or min-content block size, as appropriate to "
                    "the writing mode."},
};
constexpr WebValue kCssValues_527[] = {
    {"auto", "Conditional hyphenation characters inside a word, if present, take priority over "
             "automatic resources when determining hyphenation points within the word."},
    {"manual", "Words are only broken at line breaks where there are characters inside the word "
               "that suggest line break opportunities"},
    {"none", "Words are not broken at line breaks, even if characters inside the word suggest line "
             "break points."},
};
constexpr WebValue kCssValues_528[] = {
    {"flip", "After rotating by the precededing angle, the image is flipped horizontally."},
    {"from-image", "If the image has an orientation specified in its metadata, such as EXIF, this "
                   "value computes to the angle that the metadata specifies is necessary to..."},
};
constexpr WebValue kCssValues_529[] = {
    {"auto",
     "The image should be scaled with an algorithm that maximizes the appearance of the image."},
    {"crisp-edges",
     "The image must be scaled with an algorithm that preserves contrast and edges in the image, "
     "and which does not smooth colors or introduce blur to the image..."},
    {"-moz-crisp-edges", ""},
    {"optimizeQuality", "Deprecated."},
    {"optimizeSpeed", "Deprecated."},
    {"pixelated", "When scaling the image up, the 'nearest neighbor' or similar algorithm must be "
                  "used, so that the image appears to be simply composed of very large pixels."},
};
constexpr WebValue kCssValues_531[] = {
    {"true", ""},
    {"false", ""},
};
constexpr WebValue kCssValues_535[] = {
    {"auto", "Depends on the values of other properties."},
};
constexpr WebValue kCssValues_543[] = {
    {"auto", ""},
    {"inert", ""},
};
constexpr WebValue kCssValues_547[] = {
    {"numeric-only", ""},
    {"allow-keywords", ""},
};
constexpr WebValue kCssValues_548[] = {
    {"auto", "Elements are not isolated unless an operation is applied that causes the creation of "
             "a stacking context."},
    {"isolate", "In CSS will turn the element into a stacking context."},
};
constexpr WebValue kCssValues_549[] = {
    {"center", "Flex items are packed toward the center of the line."},
    {"start", "The items are packed flush to each other toward the start edge of the alignment "
              "container in the main axis."},
    {"end", "The items are packed flush to each other toward the end edge of the alignment "
            "container in the main axis."},
    {"left", "The items are packed flush to each other toward the left edge of the alignment "
             "container in the main axis."},
    {"right", "The items are packed flush to each other toward the right edge of the alignment "
              "container in the main axis."},
    {"safe", "If the size of the item overflows the alignment container, the item is instead "
             "aligned as if the alignment mode were start."},
    {"unsafe", "Regardless of the relative sizes of the item and alignment container, the given "
               "alignment value is honored."},
    {"stretch",
     "If the combined size of the alignment subjects is less than the size of the alignment "
     "container, any auto-sized alignment subjects have their size increased..."},
    {"space-evenly",
     "The items are evenly distributed within the alignment container along the main axis."},
    {"flex-end", "Flex items are packed toward the end of the line."},
    {"flex-start", "Flex items are packed toward the start of the line."},
    {"space-around",
     "Flex items are evenly distributed in the line, with half-size spaces on either end."},
    {"space-between", "Flex items are evenly distributed in the line."},
    {"baseline", "Specifies participation in first-baseline alignment."},
    {"first baseline", "Specifies participation in first-baseline alignment."},
    {"last baseline", "Specifies participation in last-baseline alignment."},
};
constexpr WebValue kCssValues_550[] = {
    {"auto", ""},
    {"normal", ""},
    {"end", ""},
    {"start", ""},
    {"flex-end", "\"Flex items are packed toward the end of the line.\""},
    {"flex-start", "\"Flex items are packed toward the start of the line.\""},
    {"self-end", "The item is packed flush to the edge of the alignment container of the end side "
                 "of the item, in the appropriate axis."},
    {"self-start", "The item is packed flush to the edge of the alignment container of the start "
                   "side of the item, in the appropriate axis.."},
    {"center", "The items are packed flush to each other toward the center of the of the alignment "
               "container."},
    {"left", ""},
    {"right", ""},
    {"baseline", ""},
    {"first baseline", ""},
    {"last baseline", ""},
    {"stretch", "If the cross size property of the flex item computes to auto, and neither of the "
                "cross-axis margins are auto, the flex item is stretched."},
    {"safe", ""},
    {"unsafe", ""},
    {"legacy", ""},
};
constexpr WebValue kCssValues_551[] = {
    {"auto", ""},
    {"normal", ""},
    {"end", ""},
    {"start", ""},
    {"flex-end", "\"Flex items are packed toward the end of the line.\""},
    {"flex-start", "\"Flex items are packed toward the start of the line.\""},
    {"self-end", "The item is packed flush to the edge of the alignment container of the end side "
                 "of the item, in the appropriate axis."},
    {"self-start", "The item is packed flush to the edge of the alignment container of the start "
                   "side of the item, in the appropriate axis.."},
    {"center", "The items are packed flush to each other toward the center of the of the alignment "
               "container."},
    {"left", ""},
    {"right", ""},
    {"baseline", ""},
    {"first baseline", ""},
    {"last baseline", ""},
    {"stretch", "If the cross size property of the flex item computes to auto, and neither of the "
                "cross-axis margins are auto, the flex item is stretched."},
    {"save", ""},
    {"unsave", ""},
};
constexpr WebValue kCssValues_553[] = {
    {"auto", "Indicates that the user agent should adjust inter-glyph spacing based on kerning "
             "tables that are included in the font that will be used."},
};
constexpr WebValue kCssValues_554[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well"},
};
constexpr WebValue kCssValues_555[] = {
    {"normal", "The spacing is the normal spacing for the current font."},
};
constexpr WebValue kCssValues_557[] = {
    {"auto", "The UA determines the set of line-breaking restrictions to use for CJK scripts, and "
             "it may vary the restrictions based on the length of the line;"},
    {"loose", "Breaks text using the least restrictive set of line-breaking rules."},
    {"normal", "Breaks text using the most common set of line-breaking rules."},
    {"strict",
     "Breaks CJK scripts using a more restrictive set of line-breaking rules than 'normal'."},
    {"anywhere",
     "There is a soft wrap opportunity around every typographic character unit, including around "
     "any punctuation character or preserved white spaces, or in the..."},
};
constexpr WebValue kCssValues_560[] = {
    {"normal", "Tells user agents to set the computed value to a 'reasonable' value based on the "
               "font size of the element."},
};
constexpr WebValue kCssValues_562[] = {
    {"armenian", ""},
    {"circle", "A hollow circle."},
    {"decimal", ""},
    {"decimal-leading-zero", ""},
    {"disc", "A filled circle."},
    {"georgian", ""},
    {"inside", "The marker box is outside the principal block box, as described in the section on "
               "the ::marker pseudo-element below."},
    {"lower-alpha", ""},
    {"lower-greek", ""},
    {"lower-latin", ""},
    {"lower-roman", ""},
    {"none", ""},
    {"outside", "The ::marker pseudo-element is an inline element placed immediately before all "
                "::before pseudo-elements in the principal block box, after which the..."},
    {"square", "A filled square."},
    {"symbols()", "Allows a counter style to be defined inline."},
    {"upper-alpha", ""},
    {"upper-latin", ""},
    {"upper-roman", ""},
    {"url()", ""},
};
constexpr WebValue kCssValues_563[] = {
    {"none", "The default contents of the of the list item's marker are given by 'list-style-type' "
             "instead."},
};
constexpr WebValue kCssValues_564[] = {
    {"inside", "The marker box is outside the principal block box, as described in the section on "
               "the ::marker pseudo-element below."},
    {"outside", "The ::marker pseudo-element is an inline element placed immediately before all "
                "::before pseudo-elements in the principal block box, after which the..."},
};
constexpr WebValue kCssValues_565[] = {
    {"armenian", "Traditional uppercase Armenian numbering."},
    {"circle", "A hollow circle."},
    {"decimal", "Western decimal numbers."},
    {"decimal-leading-zero", "Decimal numbers padded by initial zeros."},
    {"disc", "A filled circle."},
    {"georgian", "Traditional Georgian numbering."},
    {"lower-alpha", "Lowercase ASCII letters."},
    {"lower-greek", "Lowercase classical Greek."},
    {"lower-latin", "Lowercase ASCII letters."},
    {"lower-roman", "Lowercase ASCII Roman numerals."},
    {"none", "No marker"},
    {"square", "A filled square."},
    {"symbols()", "Allows a counter style to be defined inline."},
    {"upper-alpha", "Uppercase ASCII letters."},
    {"upper-latin", "Uppercase ASCII letters."},
    {"upper-roman", "Uppercase ASCII Roman numerals."},
};
constexpr WebValue kCssValues_566[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_568[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_569[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_570[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_572[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_573[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_574[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_575[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_576[] = {
    {"auto", ""},
};
constexpr WebValue kCssValues_577[] = {
    {"none", ""},
    {"in-flow", ""},
    {"all", ""},
};
constexpr WebValue kCssValues_578[] = {
    {"none", "Indicates that no marker symbol will be drawn at the given vertex or vertices."},
    {"url()", "Indicates that the <marker> element referenced will be used."},
};
constexpr WebValue kCssValues_579[] = {
    {"none", "Indicates that no marker symbol will be drawn at the given vertex or vertices."},
    {"url()", "Indicates that the <marker> element referenced will be used."},
};
constexpr WebValue kCssValues_580[] = {
    {"none", "Indicates that no marker symbol will be drawn at the given vertex or vertices."},
    {"url()", "Indicates that the <marker> element referenced will be used."},
};
constexpr WebValue kCssValues_581[] = {
    {"none", "Indicates that no marker symbol will be drawn at the given vertex or vertices."},
    {"url()", "Indicates that the <marker> element referenced will be used."},
};
constexpr WebValue kCssValues_585[] = {
    {"luminance", ""},
    {"alpha", ""},
};
constexpr WebValue kCssValues_593[] = {
    {"none", "Counts as a transparent black image layer."},
    {"url()", "Reference to a <mask element or to a CSS image."},
};
constexpr WebValue kCssValues_594[] = {
    {"alpha", "Alpha values of the mask layer image should be used as the mask values."},
    {"auto",
     "Use alpha values if 'mask-image' is an image, luminance if a <mask> element or a CSS image."},
    {"luminance", "Luminance values of the mask layer image should be used as the mask values."},
};
constexpr WebValue kCssValues_598[] = {
    {"auto", "Resolved by using the image's intrinsic ratio and the size of the other dimension, "
             "or failing that, using the image's intrinsic size, or failing that..."},
    {"contain", "Scale the image, while preserving its intrinsic aspect ratio (if any), to the "
                "largest size such that both its width and its height can fit inside the..."},
    {"cover", "Scale the image, while preserving its intrinsic aspect ratio (if any), to the "
              "smallest size such that both its width and its height can completely cover the..."},
};
constexpr WebValue kCssValues_599[] = {
    {"alpha", "Indicates that the alpha values of the mask should be used."},
    {"luminance", "Indicates that the luminance values of the mask should be used."},
};
constexpr WebValue kCssValues_602[] = {
    {"normal", ""},
    {"compact", ""},
};
constexpr WebValue kCssValues_603[] = {
    {"normal", ""},
    {"compact", ""},
};
constexpr WebValue kCssValues_604[] = {
    {"none", "No limit on the width of the box."},
};
constexpr WebValue kCssValues_605[] = {
    {"none", "No limit on the height of the box."},
    {"fit-content", "Use the fit-content inline size or fit-content block size, as appropriate to "
                    "the writing mode."},
    {"max-content", "Use the max-content inline size or max-content block size, as appropriate to "
                    "the writing mode."},
    {"min-content", "Use the min-content inline size or min-content block size, as appropriate to "
                    "the writing mode."},
};
constexpr WebValue kCssValues_606[] = {
    {"none", "No limit on the height of the box."},
};
constexpr WebValue kCssValues_608[] = {
    {"none", "No limit on the width of the box."},
    {"fit-content", "Use the fit-content inline size or fit-content block size, as appropriate to "
                    "the writing mode."},
    {"max-content", "Use the max-content inline size or max-content block size, as appropriate to "
                    "the writing mode."},
    {"min-content", "Use the min-content inline size or min-content block size, as appropriate to "
                    "the writing mode."},
};
constexpr WebValue kCssValues_610[] = {
    {"auto", ""},
    {"fit-content", "Use the fit-content inline size or fit-content block size, as appropriate to "
                    "the writing mode."},
    {"max-content", "Use the max-content inline size or max-content block size, as appropriate to "
                    "the writing mode."},
    {"min-content", "Use the min-content inline size or min-content block size, as appropriate to "
                    "the writing mode."},
};
constexpr WebValue kCssValues_612[] = {
    {"auto", ""},
    {"fit-content", "Use the fit-content inline size or fit-content block size, as appropriate to "
                    "the writing mode."},
    {"max-content", "Use the max-content inline size or max-content block size, as appropriate to "
                    "the writing mode."},
    {"min-content", "Use the min-content inline size or min-content block size, as appropriate to "
                    "the writing mode."},
};
constexpr WebValue kCssValues_613[] = {
    {"normal", "Default attribute which specifies no blending"},
    {"multiply",
     "The source color is multiplied by the destination color and replaces the destination."},
    {"screen", "Multiplies the complements of the backdrop and source color values, then "
               "complements the result."},
    {"overlay", "Multiplies or screens the colors, depending on the backdrop color value."},
    {"darken", "Selects the darker of the backdrop and source colors."},
    {"lighten", "Selects the lighter of the backdrop and source colors."},
    {"color-dodge", "Brightens the backdrop color to reflect the source color."},
    {"color-burn", "Darkens the backdrop color to reflect the source color."},
    {"hard-light", "Multiplies or screens the colors, depending on the source color value."},
    {"soft-light", "Darkens or lightens the colors, depending on the source color value."},
    {"difference", "Subtracts the darker of the two constituent colors from the lighter color.."},
    {"exclusion",
     "Produces an effect similar to that of the Difference mode but lower in contrast."},
    {"hue", "Creates a color with the hue of the source color and the saturation and luminosity of "
            "the backdrop color."},
    {"saturation", "Creates a color with the saturation of the source color and the hue and "
                   "luminosity of the backdrop color."},
    {"color", "Creates a color with the hue and saturation of the source color and the luminosity "
              "of the backdrop color."},
    {"luminosity", "Creates a color with the luminosity of the source color and the hue and "
                   "saturation of the backdrop color."},
};
constexpr WebValue kCssValues_614[] = {
    {"none", "No motion path gets created."},
    {"path()", "Defines an SVG path as a string, with optional 'fill-rule' as the first argument."},
    {"auto",
     "Indicates that the object is rotated by the angle of the direction of the motion path."},
    {"reverse", "Indicates that the object is rotated by the angle of the direction of the motion "
                "path plus 180 degrees."},
};
constexpr WebValue kCssValues_616[] = {
    {"none", "No motion path gets created."},
    {"path()", "Defines an SVG path as a string, with optional 'fill-rule' as the first argument."},
};
constexpr WebValue kCssValues_617[] = {
    {"auto",
     "Indicates that the object is rotated by the angle of the direction of the motion path."},
    {"reverse", "Indicates that the object is rotated by the angle of the direction of the motion "
                "path plus 180 degrees."},
};
constexpr WebValue kCssValues_618[] = {
    {"auto", "The user agent automatically determines which element to navigate the focus to in "
             "response to directional navigational input."},
    {"current", "Indicates that the user agent should target the frame that the element is in."},
    {"root", "Indicates that the user agent should target the full window."},
};
constexpr WebValue kCssValues_619[] = {
    {"auto",
     "The element's sequential navigation order is assigned automatically by the user agent."},
};
constexpr WebValue kCssValues_620[] = {
    {"auto", "The user agent automatically determines which element to navigate the focus to in "
             "response to directional navigational input."},
    {"current", "Indicates that the user agent should target the frame that the element is in."},
    {"root", "Indicates that the user agent should target the full window."},
};
constexpr WebValue kCssValues_621[] = {
    {"auto", "The user agent automatically determines which element to navigate the focus to in "
             "response to directional navigational input."},
    {"current", "Indicates that the user agent should target the frame that the element is in."},
    {"root", "Indicates that the user agent should target the full window."},
};
constexpr WebValue kCssValues_622[] = {
    {"auto", "The user agent automatically determines which element to navigate the focus to in "
             "response to directional navigational input."},
    {"current", "Indicates that the user agent should target the frame that the element is in."},
    {"root", "Indicates that the user agent should target the full window."},
};
constexpr WebValue kCssValues_623[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_625[] = {
    {"contain", "The replaced content is sized to maintain its aspect ratio while fitting within "
                "the element's content box."},
    {"cover", "The replaced content is sized to maintain its aspect ratio while filling the "
              "element's entire content box."},
    {"fill", "The replaced content is sized to fill the element's content box."},
    {"none", "The replaced content is not resized to fit inside the element's content box"},
    {"scale-down", "Size the content as if 'none' or 'contain' were specified, whichever would "
                   "result in a smaller concrete object size."},
};
constexpr WebValue kCssValues_630[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well."},
};
constexpr WebValue kCssValues_631[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well."},
};
constexpr WebValue kCssValues_633[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well."},
};
constexpr WebValue kCssValues_634[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well."},
};
constexpr WebValue kCssValues_641[] = {
    {"auto", "Permits the user agent to render a custom outline style, typically the default "
             "platform style."},
    {"invert", "Performs a color inversion on the pixels on the screen."},
};
constexpr WebValue kCssValues_642[] = {
    {"invert", "Performs a color inversion on the pixels on the screen."},
};
constexpr WebValue kCssValues_644[] = {
    {"auto", "Permits the user agent to render a custom outline style, typically the default "
             "platform style."},
};
constexpr WebValue kCssValues_646[] = {
    {"auto", "The behavior of the 'auto' value is UA-dependent, but should cause a scrolling "
             "mechanism to be provided for overflowing boxes."},
    {"hidden", "Content is clipped and no scrolling mechanism should be provided to view the "
               "content outside the clipping region."},
    {"-moz-hidden-unscrollable",
     "Same as the standardized 'clip', except doesn't establish a block formatting context."},
    {"scroll",
     "Content is clipped and if the user agent uses a scrolling mechanism that is visible on the "
     "screen (such as a scroll bar or a panner), that mechanism should..."},
    {"visible", "Content is not clipped, i.e., it may be rendered outside the content box."},
};
constexpr WebValue kCssValues_647[] = {
    {"auto", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_648[] = {
    {"visible", ""}, {"hidden", ""}, {"clip", ""}, {"scroll", ""}, {"auto", ""},
};
constexpr WebValue kCssValues_649[] = {
    {"padding-box", ""},
    {"content-box", ""},
};
constexpr WebValue kCssValues_651[] = {
    {"visible", ""}, {"hidden", ""}, {"clip", ""}, {"scroll", ""}, {"auto", ""},
};
constexpr WebValue kCssValues_652[] = {
    {"break-word", "An otherwise unbreakable sequence of characters may be broken at an arbitrary "
                   "point if there are no otherwise-acceptable break points in the line."},
    {"normal", "Lines may break only at allowed break points."},
    {"anywhere",
     "There is a soft wrap opportunity around every typographic character unit, including around "
     "any punctuation character or preserved white spaces, or in the..."},
};
constexpr WebValue kCssValues_653[] = {
    {"auto", "The behavior of the 'auto' value is UA-dependent, but should cause a scrolling "
             "mechanism to be provided for overflowing boxes."},
    {"hidden", "Content is clipped and no scrolling mechanism should be provided to view the "
               "content outside the clipping region."},
    {"scroll",
     "Content is clipped and if the user agent uses a scrolling mechanism that is visible on the "
     "screen (such as a scroll bar or a panner), that mechanism should..."},
    {"visible", "Content is not clipped, i.e., it may be rendered outside the content box."},
};
constexpr WebValue kCssValues_654[] = {
    {"auto", "The behavior of the 'auto' value is UA-dependent, but should cause a scrolling "
             "mechanism to be provided for overflowing boxes."},
    {"hidden", "Content is clipped and no scrolling mechanism should be provided to view the "
               "content outside the clipping region."},
    {"scroll",
     "Content is clipped and if the user agent uses a scrolling mechanism that is visible on the "
     "screen (such as a scroll bar or a panner), that mechanism should..."},
    {"visible", "Content is not clipped, i.e., it may be rendered outside the content box."},
};
constexpr WebValue kCssValues_655[] = {
    {"none", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_658[] = {
    {"contain", ""},
    {"none", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_659[] = {
    {"contain", ""},
    {"none", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_660[] = {
    {"contain", ""},
    {"none", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_661[] = {
    {"contain", ""},
    {"none", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_675[] = {
    {"upright", ""},
    {"rotate-left", ""},
    {"rotate-right", ""},
};
constexpr WebValue kCssValues_676[] = {
    {"fill", ""},
    {"markers", ""},
    {"normal", "The element is painted with the standard order of painting operations."},
    {"stroke", ""},
};
constexpr WebValue kCssValues_677[] = {
    {"none", "No perspective transform is applied."},
};
constexpr WebValue kCssValues_682[] = {
    {"all", "The given element can be the target element for pointer events whenever the pointer "
            "is over either the interior or the perimeter of the element."},
    {"fill", "The given element can be the target element for pointer events whenever the pointer "
             "is over the interior of the element."},
    {"none", "The given element does not receive pointer events."},
    {"painted", "The given element can be the target element for pointer events when the pointer "
                "is over a \"painted\" area."},
    {"stroke", "The given element can be the target element for pointer events whenever the "
               "pointer is over the perimeter of the element."},
    {"visible",
     "The given element can be the target element for pointer events when the 'visibility' "
     "property is set to visible and the pointer is over either the interior..."},
    {"visibleFill",
     "The given element can be the target element for pointer events when the 'visibility' "
     "property is set to visible and when the pointer is over the interior of..."},
    {"visiblePainted",
     "The given element can be the target element for pointer events when the 'visibility' "
     "property is set to visible and when the pointer is over a 'painted' area."},
    {"visibleStroke",
     "The given element can be the target element for pointer events when the 'visibility' "
     "property is set to visible and when the pointer is over the perimeter..."},
};
constexpr WebValue kCssValues_683[] = {
    {"absolute", "The box's position (and possibly size) is specified with the 'top', 'right', "
                 "'bottom', and 'left' properties."},
    {"fixed", "The box's position is calculated according to the 'absolute' model, but in "
              "addition, the box is fixed with respect to some reference."},
    {"-ms-page", "The box's position is calculated according to the 'absolute' model."},
    {"relative", "The box's position is calculated according to the normal flow (this is called "
                 "the position in normal flow)."},
    {"static", "The box is a normal box, laid out according to the normal flow."},
    {"sticky", "The box's position is calculated according to the normal flow."},
    {"-webkit-sticky", "The box's position is calculated according to the normal flow."},
};
constexpr WebValue kCssValues_691[] = {
    {"economy", ""},
    {"exact", ""},
};
constexpr WebValue kCssValues_692[] = {
    {"none", "The 'open-quote' and 'close-quote' values of the 'content' property produce no "
             "quotations marks, as if they were 'no-open-quote' and 'no-close-quote'..."},
};
constexpr WebValue kCssValues_694[] = {
    {"auto", "The range depends on the counter system."},
    {"infinite", "If used as the first value in a range, it represents negative infinity;"},
};
constexpr WebValue kCssValues_695[] = {
    {"normal", ""},    {"source-order", ""}, {"flex-visual", ""}, {"flex-flow", ""},
    {"grid-rows", ""}, {"grid-columns", ""}, {"grid-order", ""},
};
constexpr WebValue kCssValues_697[] = {
    {"both", "The UA presents a bidirectional resizing mechanism to allow the user to adjust both "
             "the height and the width of the element."},
    {"horizontal", "The UA presents a unidirectional horizontal resizing mechanism to allow the "
                   "user to adjust only the width of the element."},
    {"none", "The UA does not present a resizing mechanism on the element, and the user is given "
             "no direct manipulation mechanism to resize the element."},
    {"vertical", "The UA presents a unidirectional vertical resizing mechanism to allow the user "
                 "to adjust only the height of the element."},
};
constexpr WebValue kCssValues_698[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well"},
};
constexpr WebValue kCssValues_701[] = {
    {"auto", "The user agent determines how the ruby contents are aligned."},
    {"center", "The ruby content is centered within its box."},
    {"distribute-letter",
     "If the width of the ruby text is smaller than that of the base, then the ruby text contents "
     "are evenly distributed across the width of the base, with the..."},
    {"distribute-space",
     "If the width of the ruby text is smaller than that of the base, then the ruby text contents "
     "are evenly distributed across the width of the base, with a..."},
    {"left", "The ruby text content is aligned with the start edge of the base."},
    {"line-edge", "If the ruby text is not adjacent to a line edge, it is aligned as in 'auto'."},
    {"right", "The ruby text content is aligned with the end edge of the base."},
    {"start", "The ruby text content is aligned with the start edge of the base."},
    {"space-between", "The ruby content expands as defined for normal text justification (as "
                      "defined by 'text-justify'),"},
    {"space-around",
     "As for 'space-between' except that there exists an extra justification opportunities whose "
     "space is distributed half before and half after the ruby content."},
};
constexpr WebValue kCssValues_702[] = {
    {"separate", ""},
    {"collapse", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_703[] = {
    {"auto", "The ruby text can overhang text adjacent to the base on either side."},
    {"end", "The ruby text can overhang the text that follows it."},
    {"none", "The ruby text cannot overhang any text adjacent to its base, only its own base."},
    {"start", "The ruby text can overhang the text that precedes it."},
};
constexpr WebValue kCssValues_704[] = {
    {"after", "The ruby text appears after the base."},
    {"before", "The ruby text appears before the base."},
    {"inline", ""},
    {"right", "The ruby text appears on the right of the base."},
};
constexpr WebValue kCssValues_705[] = {
    {"attr(x)", "The value of attribute 'x' is a string value."},
    {"none", "No spanning."},
};
constexpr WebValue kCssValues_709[] = {
    {"auto", "Scrolls in an instant fashion."},
    {"smooth",
     "Scrolls in a smooth fashion using a user-agent-defined timing function and time period."},
};
constexpr WebValue kCssValues_710[] = {
    {"none", ""},
    {"nearest", ""},
};
constexpr WebValue kCssValues_722[] = {
    {"none", ""},
    {"before", ""},
    {"after", ""},
};
constexpr WebValue kCssValues_735[] = {
    {"normal", ""},
    {"always", ""},
};
constexpr WebValue kCssValues_736[] = {
    {"none", "The visual viewport of this scroll container must ignore snap points, if any, when "
             "scrolled."},
    {"mandatory", "The visual viewport of this scroll container is guaranteed to rest on a snap "
                  "point when there are no active scrolling operations."},
    {"proximity", "The visual viewport of this scroll container may come to rest on a snap point "
                  "at the termination of a scroll at the discretion of the UA given the..."},
};
constexpr WebValue kCssValues_737[] = {
    {"none", ""},
    {"auto", ""},
};
constexpr WebValue kCssValues_751[] = {
    {"auto", ""},
    {"thin", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_754[] = {
    {"margin-box", "The background is painted within (clipped to) the margin box."},
    {"none", "The float area is unaffected."},
};
constexpr WebValue kCssValues_755[] = {
    {"auto", "Suppresses aural rendering."},
    {"crispEdges", "Emphasize the contrast between clean edges of artwork over rendering speed and "
                   "geometric precision."},
    {"geometricPrecision", "Emphasize geometric precision over speed and crisp edges."},
    {"optimizeSpeed", "Emphasize rendering speed over geometric precision and crisp edges."},
};
constexpr WebValue kCssValues_759[] = {
    {"url()", "Reference font by URL"},
    {"format()", "Optional hint describing the format of the font resource."},
    {"local()", "Format-specific string that identifies a locally available copy of a given font."},
};
constexpr WebValue kCssValues_762[] = {
    {"url()",
     "A URL reference to a paint server element, which is an element that defines a paint server."},
    {"none", "No paint is applied in this layer."},
};
constexpr WebValue kCssValues_764[] = {
    {"none", "Indicates that no dashing is used."},
};
constexpr WebValue kCssValues_766[] = {
    {"butt",
     "Indicates that the stroke for each subpath does not extend beyond its two endpoints."},
    {"round", "Indicates that at each end of each subpath, the shape representing the stroke will "
              "be extended by a half circle with a radius equal to the stroke width."},
    {"square", "Indicates that at the end of each subpath, the shape representing the stroke will "
               "be extended by a rectangle with the same width as the stroke width and..."},
};
constexpr WebValue kCssValues_767[] = {
    {"bevel", "Indicates that a bevelled corner is to be used to join path segments."},
    {"miter", "Indicates that a sharp corner is to be used to join path segments."},
    {"round", "Indicates that a round corner is to be used to join path segments."},
};
constexpr WebValue kCssValues_774[] = {
    {"additive",
     "Represents \"sign-value\" numbering systems, which, rather than using reusing digits in "
     "different positions to change their value, define additional digits..."},
    {"alphabetic",
     "Interprets the list of counter symbols as digits to an alphabetic numbering system, similar "
     "to the default lower-alpha counter style, which wraps from \"a\"..."},
    {"cyclic", "Cycles repeatedly through its provided symbols, looping back to the beginning when "
               "it reaches the end of the list."},
    {"extends", "Use the algorithm of another counter style, but alter other aspects."},
    {"fixed", "Runs through its list of counter symbols once, then falls back."},
    {"numeric", "interprets the list of counter symbols as digits to a \"place-value\" numbering "
                "system, similar to the default 'decimal' counter style."},
    {"symbolic", "Cycles repeatedly through its provided symbols, doubling, tripling, etc."},
};
constexpr WebValue kCssValues_776[] = {
    {"auto", "Use any automatic table layout algorithm."},
    {"fixed", "Use the fixed table layout algorithm."},
};
constexpr WebValue kCssValues_777[] = {
    {"center", "The inline contents are centered within the line box."},
    {"end", "The inline contents are aligned to the end edge of the line box."},
    {"justify",
     "The text is justified according to the method specified by the 'text-justify' property."},
    {"left", "The inline contents are aligned to the left edge of the line box."},
    {"right", "The inline contents are aligned to the right edge of the line box."},
    {"start", "The inline contents are aligned to the start edge of the line box."},
};
constexpr WebValue kCssValues_778[] = {
    {"auto", "Content on the affected line is aligned per 'text-align' unless 'text-align' is set "
             "to 'justify', in which case it is 'start-aligned'."},
    {"center", "The inline contents are centered within the line box."},
    {"justify",
     "The text is justified according to the method specified by the 'text-justify' property."},
    {"left", "The inline contents are aligned to the left edge of the line box."},
    {"right", "The inline contents are aligned to the right edge of the line box."},
};
constexpr WebValue kCssValues_779[] = {
    {"end", "The rendered characters are aligned such that the end of the resulting rendered text "
            "is at the initial current text position."},
    {"middle", "The rendered characters are aligned such that the geometric middle of the "
               "resulting rendered text is at the initial current text position."},
    {"start", "The rendered characters are aligned such that the start of the resulting rendered "
              "text is at the initial current text position."},
};
constexpr WebValue kCssValues_783[] = {
    {"none", ""},
    {"trim-start", ""},
    {"trim-end", ""},
    {"trim-both", ""},
};
constexpr WebValue kCssValues_785[] = {
    {"dashed", "Produces a dashed line style."},
    {"dotted", "Produces a dotted line."},
    {"double", "Produces a double line."},
    {"line-through", "Each line of text has a line through the middle."},
    {"none", "Produces no line."},
    {"overline", "Each line of text has a line above it."},
    {"solid", "Produces a solid line."},
    {"underline", "Each line of text is underlined."},
    {"wavy", "Produces a wavy line."},
};
constexpr WebValue kCssValues_788[] = {
    {"line-through", "Each line of text has a line through the middle."},
    {"none", "Neither produces nor inhibits text decoration."},
    {"overline", "Each line of text has a line above it."},
    {"underline", "Each line of text is underlined."},
};
constexpr WebValue kCssValues_790[] = {
    {"auto", ""},
    {"all", ""},
    {"none", ""},
};
constexpr WebValue kCssValues_791[] = {
    {"dashed", "Produces a dashed line style."}, {"dotted", "Produces a dotted line."},
    {"double", "Produces a double line."},       {"none", "Produces no line."},
    {"solid", "Produces a solid line."},         {"wavy", "Produces a wavy line."},
};
constexpr WebValue kCssValues_798[] = {
    {"auto", "The UA determines the justification algorithm to follow, based on a balance between "
             "performance and adequate presentation quality."},
    {"distribute",
     "Justification primarily changes spacing both at word separators and at grapheme cluster "
     "boundaries in all scripts except those in the connected and cursive..."},
    {"distribute-all-lines", ""},
    {"inter-cluster", "Justification primarily changes spacing at word separators and at grapheme "
                      "cluster boundaries in clustered scripts."},
    {"inter-ideograph", "Justification primarily changes spacing at word separators and at "
                        "inter-graphemic boundaries in scripts that use no word spaces."},
    {"inter-word", "Justification primarily changes spacing at word separators."},
    {"kashida", "Justification primarily stretches Arabic and related scripts through the use of "
                "kashida or other calligraphic elongation."},
    {"newspaper", ""},
};
constexpr WebValue kCssValues_799[] = {
    {"sideways", "This value is equivalent to 'sideways-right' in 'vertical-rl' writing mode and "
                 "equivalent to 'sideways-left' in 'vertical-lr' writing mode."},
    {"sideways-right", "In vertical writing modes, this causes text to be set as if in a "
                       "horizontal layout, but rotated 90° clockwise."},
    {"upright", "In vertical writing modes, characters from horizontal-only scripts are rendered "
                "upright, i.e. in their standard horizontal orientation."},
};
constexpr WebValue kCssValues_800[] = {
    {"clip", "Clip inline content that overflows."},
    {"ellipsis", "Render an ellipsis character (U+2026) to represent clipped inline content."},
};
constexpr WebValue kCssValues_801[] = {
    {"auto", ""},
    {"geometricPrecision", "Indicates that the user agent shall emphasize geometric precision over "
                           "legibility and rendering speed."},
    {"optimizeLegibility", "Indicates that the user agent shall emphasize legibility over "
                           "rendering speed and geometric precision."},
    {"optimizeSpeed", "Indicates that the user agent shall emphasize rendering speed over "
                      "legibility and geometric precision."},
};
constexpr WebValue kCssValues_802[] = {
    {"none", "No shadow."},
};
constexpr WebValue kCssValues_804[] = {
    {"space-all", ""},
    {"normal", ""},
    {"space-first", ""},
    {"trim-start", ""},
};
constexpr WebValue kCssValues_805[] = {
    {"capitalize", "Puts the first typographic letter unit of each word in titlecase."},
    {"lowercase", "Puts all letters in lowercase."},
    {"none", "No effects."},
    {"uppercase", "Puts all letters in uppercase."},
};
constexpr WebValue kCssValues_807[] = {
    {"above", ""},
    {"auto", "The user agent may use any algorithm to determine the underline's position."},
    {"below", "The underline is aligned with the under edge of the element's content box."},
};
constexpr WebValue kCssValues_809[] = {
    {"wrap", ""},
    {"nowrap", ""},
};
constexpr WebValue kCssValues_810[] = {
    {"auto", ""},
    {"balance", ""},
    {"stable", ""},
    {"pretty", ""},
};
constexpr WebValue kCssValues_821[] = {
    {"auto", "For non-replaced elements, the effect of this value depends on which of related "
             "properties have the value 'auto' as well"},
};
constexpr WebValue kCssValues_822[] = {
    {"auto", "The user agent may determine any permitted touch behaviors for touches that begin on "
             "the element."},
    {"cross-slide-x", ""},
    {"cross-slide-y", ""},
    {"double-tap-zoom", ""},
    {"manipulation", "The user agent may consider touches that begin on the element only for the "
                     "purposes of scrolling and continuous zooming."},
    {"none", "Touches that begin on the element must not trigger default touch behaviors."},
    {"pan-x", "The user agent may consider touches that begin on the element only for the purposes "
              "of horizontally scrolling the element's nearest ancestor with..."},
    {"pan-y", "The user agent may consider touches that begin on the element only for the purposes "
              "of vertically scrolling the element's nearest ancestor with vertically..."},
    {"pinch-zoom", ""},
};
constexpr WebValue kCssValues_823[] = {
    {"matrix()",
     "Specifies a 2D transformation in the form of a transformation matrix of six values."},
    {"matrix3d()", "Specifies a 3D transformation as a 4x4 homogeneous matrix of 16 values in "
                   "column-major order."},
    {"none", ""},
    {"perspective()", "Specifies a perspective projection matrix."},
    {"rotate()", "Specifies a 2D rotation by the angle specified in the parameter about the origin "
                 "of the element, as defined by the transform-origin property."},
    {"rotate3d()", "Specifies a clockwise 3D rotation by the angle specified in last parameter "
                   "about the [x,y,z] direction vector described by the first 3 parameters."},
    {"rotateX('angle')", "Specifies a clockwise rotation by the given angle about the X axis."},
    {"rotateY('angle')", "Specifies a clockwise rotation by the given angle about the Y axis."},
    {"rotateZ('angle')", "Specifies a clockwise rotation by the given angle about the Z axis."},
    {"scale()",
     "Specifies a 2D scale operation by the [sx,sy] scaling vector described by the 2 parameters."},
    {"scale3d()", "Specifies a 3D scale operation by the [sx,sy,sz] scaling vector described by "
                  "the 3 parameters."},
    {"scaleX()", "Specifies a scale operation using the [sx,1] scaling vector, where sx is given "
                 "as the parameter."},
    {"scaleY()", "Specifies a scale operation using the [sy,1] scaling vector, where sy is given "
                 "as the parameter."},
    {"scaleZ()", "Specifies a scale operation using the [1,1,sz] scaling vector, where sz is given "
                 "as the parameter."},
    {"skew()", "Specifies a skew transformation along the X and Y axes."},
    {"skewX()", "Specifies a skew transformation along the X axis by the given angle."},
    {"skewY()", "Specifies a skew transformation along the Y axis by the given angle."},
    {"translate()",
     "Specifies a 2D translation by the vector [tx, ty], where tx is the first translation-value "
     "parameter and ty is the optional second translation-value parameter."},
    {"translate3d()",
     "Specifies a 3D translation by the vector [tx,ty,tz], with tx, ty and tz being the first, "
     "second and third translation-value parameters respectively."},
    {"translateX()", "Specifies a translation by the given amount in the X direction."},
    {"translateY()", "Specifies a translation by the given amount in the Y direction."},
    {"translateZ()", "Specifies a translation by the given amount in the Z direction."},
};
constexpr WebValue kCssValues_824[] = {
    {"content-box", ""}, {"border-box", ""}, {"fill-box", ""}, {"stroke-box", ""}, {"view-box", ""},
};
constexpr WebValue kCssValues_826[] = {
    {"flat",
     "All children of this element are rendered flattened into the 2D plane of the element."},
    {"preserve-3d",
     "Flattening is not performed, so children maintain their position in 3D space."},
};
constexpr WebValue kCssValues_827[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_831[] = {
    {"all", "Every property that is able to undergo a transition will do so."},
    {"none", "No property will transition."},
};
constexpr WebValue kCssValues_836[] = {
    {"bidi-override", "Inside the element, reordering is strictly in sequence according to the "
                      "'direction' property;"},
    {"embed", "If the element is inline-level, this value opens an additional level of embedding "
              "with respect to the bidirectional algorithm."},
    {"isolate",
     "The contents of the element are considered to be inside a separate, independent paragraph."},
    {"isolate-override", "This combines the isolation behavior of 'isolate' with the directional "
                         "override behavior of 'bidi-override'"},
    {"normal", "The element does not open an additional level of embedding with respect to the "
               "bidirectional algorithm."},
    {"plaintext",
     "For the purposes of the Unicode bidirectional algorithm, the base directionality of each "
     "bidi paragraph for which the element forms the containing block is..."},
};
constexpr WebValue kCssValues_837[] = {
    {"U+26", "Ampersand."},
    {"U+20-24F, U+2B0-2FF, U+370-4FF, U+1E00-1EFF, U+2000-20CF, U+2100-23FF, U+2500-26FF, "
     "U+E000-F8FF, U+FB00-FB4F",
     "WGL4 character set (Pan-European)."},
    {"U+20-17F, U+2B0-2FF, U+2000-206F, U+20A0-20CF, U+2100-21FF, U+2600-26FF",
     "The Multilingual European Subset No."},
    {"U+20-2FF, U+370-4FF, U+1E00-20CF, U+2100-23FF, U+2500-26FF, U+FB00-FB4F, U+FFF0-FFFD",
     "The Multilingual European Subset No."},
    {"U+20-4FF, U+530-58F, U+10D0-10FF, U+1E00-23FF, U+2440-245F, U+2500-26FF, U+FB00-FB4F, "
     "U+FE20-FE2F, U+FFF0-FFFD",
     "The Multilingual European Subset No."},
    {"U+00-7F", "Basic Latin (ASCII)."},
    {"U+80-FF", "Latin-1 Supplement."},
    {"U+100-17F", "Latin Extended-A."},
    {"U+180-24F", "Latin Extended-B."},
    {"U+1E00-1EFF", "Latin Extended Additional."},
    {"U+250-2AF", "International Phonetic Alphabet Extensions."},
    {"U+370-3FF", "Greek and Coptic."},
    {"U+1F00-1FFF", "Greek Extended."},
    {"U+400-4FF", "Cyrillic."},
    {"U+500-52F", "Cyrillic Supplement."},
    {"U+00-52F, U+1E00-1FFF, U+2200-22FF", "Latin, Greek, Cyrillic, some punctuation and symbols."},
    {"U+530-58F", "Armenian."},
    {"U+590-5FF", "Hebrew."},
    {"U+600-6FF", "Arabic."},
    {"U+750-77F", "Arabic Supplement."},
    {"U+8A0-8FF", "Arabic Extended-A."},
    {"U+700-74F", "Syriac."},
    {"U+900-97F", "Devanagari."},
    {"U+980-9FF", "Bengali."},
    {"U+A00-A7F", "Gurmukhi."},
    {"U+A80-AFF", "Gujarati."},
    {"U+B00-B7F", "Oriya."},
    {"U+B80-BFF", "Tamil."},
    {"U+C00-C7F", "Telugu."},
    {"U+C80-CFF", "Kannada."},
    {"U+D00-D7F", "Malayalam."},
    {"U+D80-DFF", "Sinhala."},
    {"U+118A0-118FF", "Warang Citi."},
    {"U+E00-E7F", "Thai."},
    {"U+1A20-1AAF", "Tai Tham."},
    {"U+AA80-AADF", "Tai Viet."},
    {"U+E80-EFF", "Lao."},
    {"U+F00-FFF", "Tibetan."},
    {"U+1000-109F", "Myanmar (Burmese)."},
    {"U+10A0-10FF", "Georgian."},
    {"U+1200-137F", "Ethiopic."},
    {"U+1380-139F", "Ethiopic Supplement."},
    {"U+2D80-2DDF", "Ethiopic Extended."},
    {"U+AB00-AB2F", "Ethiopic Extended-A."},
    {"U+1780-17FF", "Khmer."},
    {"U+1800-18AF", "Mongolian."},
    {"U+1B80-1BBF", "Sundanese."},
    {"U+1CC0-1CCF", "Sundanese Supplement."},
    {"U+4E00-9FD5", "CJK (Chinese, Japanese, Korean) Unified Ideographs."},
    {"U+3400-4DB5", "CJK Unified Ideographs Extension A."},
    {"U+2F00-2FDF", "Kangxi Radicals."},
    {"U+2E80-2EFF", "CJK Radicals Supplement."},
    {"U+1100-11FF", "Hangul Jamo."},
    {"U+AC00-D7AF", "Hangul Syllables."},
    {"U+3040-309F", "Hiragana."},
    {"U+30A0-30FF", "Katakana."},
    {"U+A5, U+4E00-9FFF, U+30??, U+FF00-FF9F",
     "Japanese Kanji, Hiragana and Katakana characters plus Yen/Yuan symbol."},
    {"U+A4D0-A4FF", "Lisu."},
    {"U+A000-A48F", "Yi Syllables."},
    {"U+A490-A4CF", "Yi Radicals."},
    {"U+2000-206F", "General Punctuation."},
    {"U+3000-303F", "CJK Symbols and Punctuation."},
    {"U+2070-209F", "Superscripts and Subscripts."},
    {"U+20A0-20CF", "Currency Symbols."},
    {"U+2100-214F", "Letterlike Symbols."},
    {"U+2150-218F", "Number Forms."},
    {"U+2190-21FF", "Arrows."},
    {"U+2200-22FF", "Mathematical Operators."},
    {"U+2300-23FF", "Miscellaneous Technical."},
    {"U+E000-F8FF", "Private Use Area."},
    {"U+FB00-FB4F", "Alphabetic Presentation Forms."},
    {"U+FB50-FDFF", "Arabic Presentation Forms-A."},
    {"U+1F600-1F64F", "Emoji."},
    {"U+2600-26FF", "Emoji."},
    {"U+1F300-1F5FF", "Emoji."},
    {"U+1F900-1F9FF", "Emoji."},
    {"U+1F680-1F6FF", "Emoji."},
};
constexpr WebValue kCssValues_838[] = {
    {"all", "The content of the element must be selected atomically"},
    {"auto", ""},
    {"contain", "UAs must not allow a selection which is started in this element to be extended "
                "outside of this element."},
    {"none", "The UA must not allow selections to be started in this element."},
    {"text", "The element imposes no constraint on the selection."},
};
constexpr WebValue kCssValues_839[] = {
    {"none", ""},         {"non-scaling-stroke", ""}, {"non-scaling-size", ""},
    {"non-rotation", ""}, {"fixed-position", ""},
};
constexpr WebValue kCssValues_840[] = {
    {"auto", "Align the dominant baseline of the parent box with the equivalent, or heuristically "
             "reconstructed, baseline of the element inline box."},
    {"baseline", "Align the 'alphabetic' baseline of the element with the 'alphabetic' baseline of "
                 "the parent element."},
    {"bottom",
     "Align the after edge of the extended inline box with the after-edge of the line box."},
    {"middle",
     "Align the 'middle' baseline of the inline element with the middle baseline of the parent."},
    {"sub",
     "Lower the baseline of the box to the proper position for subscripts of the parent's box."},
    {"super",
     "Raise the baseline of the box to the proper position for superscripts of the parent's box."},
    {"text-bottom",
     "Align the bottom of the box with the after-edge of the parent element's font."},
    {"text-top", "Align the top of the box with the before-edge of the parent element's font."},
    {"top",
     "Align the before edge of the extended inline box with the before-edge of the line box."},
    {"-webkit-baseline-middle", ""},
};
constexpr WebValue kCssValues_847[] = {
    {"collapse", "Table-specific."},
    {"hidden", "The generated box is invisible (fully transparent, nothing is drawn), but still "
               "affects layout."},
    {"visible", "The generated box is visible."},
};
constexpr WebValue kCssValues_849[] = {
    {"collapse", ""},        {"preserve", ""},     {"preserve-breaks", ""},
    {"preserve-spaces", ""}, {"break-spaces", ""},
};
constexpr WebValue kCssValues_851[] = {
    {"auto", "The width depends on the values of other properties."},
    {"fit-content", "Use the fit-content inline size or fit-content block size, as appropriate to "
                    "the writing mode."},
    {"max-content", "Use the max-content inline size or max-content block size, as appropriate to "
                    "the writing mode."},
    {"min-content", "Use the min-content inline size or min-content block size, as appropriate to "
                    "the writing mode."},
};
constexpr WebValue kCssValues_852[] = {
    {"auto", "Expresses no particular intent."},
    {"contents", "Indicates that the author expects to animate or change something about the "
                 "element's contents in the near future."},
    {"scroll-position", "Indicates that the author expects to animate or change the scroll "
                        "position of the element in the near future."},
};
constexpr WebValue kCssValues_853[] = {
    {"break-all", "Lines may break between any two grapheme clusters for non-CJK scripts."},
    {"keep-all", "Block characters can no longer create implied break points."},
    {"normal", "Breaks non-CJK scripts according to their own rules."},
};
constexpr WebValue kCssValues_854[] = {
    {"normal", "No additional spacing is applied."},
};
constexpr WebValue kCssValues_855[] = {
    {"break-word", "An otherwise unbreakable sequence of characters may be broken at an arbitrary "
                   "point if there are no otherwise-acceptable break points in the line."},
    {"normal", "Lines may break only at allowed break points."},
};
constexpr WebValue kCssValues_856[] = {
    {"horizontal-tb", "Top-to-bottom block flow direction."},
    {"sideways-lr", "Left-to-right block flow direction."},
    {"sideways-rl", "Right-to-left block flow direction."},
    {"vertical-lr", "Left-to-right block flow direction."},
    {"vertical-rl", "Right-to-left block flow direction."},
};
constexpr WebValue kCssValues_859[] = {
    {"auto", "The stack level of the generated box in the current stacking context is 0."},
};
constexpr WebValue kCssValues_860[] = {
    {"normal", ""},
};
constexpr CssProperty kCssProperties[] = {
    {"-moz-animation",
     "Shorthand property combines six of the animation properties into a single property.",
     kCssValues_0, false},
    {"-moz-animation-delay", "Defines when the animation will start.", {}, false},
    {"-moz-animation-direction",
     "Defines whether or not the animation should play in reverse on alternate cycles.",
     kCssValues_2, false},
    {"-moz-animation-duration",
     "Defines the length of time that an animation takes to complete one cycle.",
     {},
     false},
    {"-moz-animation-iteration-count", "Defines the number of times an animation cycle is played.",
     kCssValues_4, false},
    {"-moz-animation-name", "Defines a list of animations that apply.", kCssValues_5, false},
    {"-moz-animation-play-state", "Defines whether the animation is running or paused.",
     kCssValues_6, false},
    {"-moz-animation-timing-function",
     "Describes how the animation will progress over one cycle of its duration.",
     {},
     false},
    {"-moz-appearance",
     "Used in Gecko (Firefox) to display an element using a platform-native styling based on the "
     "operating system's theme.",
     kCssValues_8, false},
    {"-moz-backface-visibility",
     "Determines whether or not the 'back' side of a transformed element is visible when facing "
     "the viewer.",
     kCssValues_9, false},
    {"-moz-background-clip", "Determines the background painting area.", kCssValues_10, false},
    {"-moz-background-inline-policy",
     "In Gecko-based applications like Firefox, the -moz-background-inline-policy CSS property "
     "specifies how the background image of an inline element is...",
     kCssValues_11, false},
    {"-moz-background-origin",
     "For elements rendered as a single box, specifies the background positioning area.",
     {},
     false},
    {"-moz-binding",
     "The -moz-binding CSS property is used by Mozilla-based applications to attach an XBL binding "
     "to a DOM element.",
     {},
     false},
    {"-moz-border-bottom-colors", "Sets a list of colors for the bottom border.", {}, true},
    {"-moz-border-image",
     "Shorthand property for setting 'border-image-source', 'border-image-slice', "
     "'border-image-width', 'border-image-outset' and 'border-image-repeat'.",
     kCssValues_15, false},
    {"-moz-border-left-colors", "Sets a list of colors for the bottom border.", {}, true},
    {"-moz-border-right-colors", "Sets a list of colors for the bottom border.", {}, true},
    {"-moz-border-top-colors",
     "Ske Firefox, -moz-border-bottom-colors sets a list of colors for the bottom border.",
     {},
     true},
    {"-moz-box-align",
     "Specifies how a XUL box aligns its contents across (perpendicular to) the direction of its "
     "layout.",
     kCssValues_19, false},
    {"-moz-box-direction",
     "Specifies whether a box lays out its contents normally (from the top or left edge), or in "
     "reverse (from the bottom or right edge).",
     kCssValues_20, false},
    {"-moz-box-flex",
     "Specifies how a box grows to fill the box that contains it, in the direction of the "
     "containing box's layout.",
     {},
     false},
    {"-moz-box-flexgroup",
     "Flexible elements can be assigned to flex groups using the 'box-flex-group' property.",
     {},
     false},
    {"-moz-box-ordinal-group", "Indicates the ordinal group the element belongs to.", {}, false},
    {"-moz-box-orient",
     "In Mozilla applications, -moz-box-orient specifies whether a box lays out its contents "
     "horizontally or vertically.",
     kCssValues_24, false},
    {"-moz-box-pack", "Specifies how a box packs its contents in the direction of its layout.",
     kCssValues_25, false},
    {"-moz-box-sizing", "Box Model addition in CSS3.", kCssValues_26, false},
    {"-moz-column-count",
     "Describes the optimal number of columns into which the content of the element will be "
     "flowed.",
     kCssValues_27, false},
    {"-moz-column-gap", "Sets the gap between columns.", kCssValues_28, false},
    {"-moz-column-rule",
     "Shorthand for setting 'column-rule-width', 'column-rule-style', and 'column-rule-color' at "
     "the same place in the style sheet.",
     {},
     true},
    {"-moz-column-rule-color", "Sets the color of the column rule", {}, true},
    {"-moz-column-rule-style",
     "Sets the style of the rule between columns of an element.",
     {},
     false},
    {"-moz-column-rule-width", "Sets the width of the rule between columns.", {}, false},
    {"-moz-column-width", "This property describes the width of columns in multicol elements.",
     kCssValues_33, false},
    {"-moz-columns", "A shorthand property which sets both 'column-width' and 'column-count'.",
     kCssValues_34, false},
    {"-moz-context-properties",
     "If you reference an SVG image in a webpage (such as with the <img> element or as a "
     "background image), the SVG image can coordinate with the embedding...",
     {},
     false},
    {"-moz-font-feature-settings", "Provides low-level control over OpenType font features.",
     kCssValues_36, false},
    {"-moz-hyphens",
     "Controls whether hyphenation is allowed to create more break opportunities within a line of "
     "text.",
     kCssValues_37, false},
    {"-moz-orient",
     "The -moz-orient CSS property specifies the orientation of the element to which it's applied.",
     kCssValues_38, false},
    {"-moz-outline-radius",
     "In Mozilla applications like Firefox, the -moz-outline-radius CSS property can be used to "
     "give an element's outline rounded corners.",
     {},
     false},
    {"-moz-outline-radius-bottomleft",
     "In Mozilla applications, the -moz-outline-radius-bottomleft CSS property can be used to "
     "round the bottom-left corner of an element's outline.",
     {},
     false},
    {"-moz-outline-radius-bottomright",
     "In Mozilla applications, the -moz-outline-radius-bottomright CSS property can be used to "
     "round the bottom-right corner of an element's outline.",
     {},
     false},
    {"-moz-outline-radius-topleft",
     "In Mozilla applications, the -moz-outline-radius-topleft CSS property can be used to round "
     "the top-left corner of an element's outline.",
     {},
     false},
    {"-moz-outline-radius-topright",
     "In Mozilla applications, the -moz-outline-radius-topright CSS property can be used to round "
     "the top-right corner of an element's outline.",
     {},
     false},
    {"-moz-perspective",
     "Applies the same transform as the perspective(<number>) transform function, except that it "
     "applies only to the positioned or transformed children of the...",
     kCssValues_44, false},
    {"-moz-perspective-origin", "Establishes the origin for the perspective property.", {}, false},
    {"-moz-stack-sizing", "-moz-stack-sizing is an extended CSS property.", kCssValues_46, false},
    {"-moz-text-align-last",
     "Describes how the last line of a block or a line right before a forced line break is aligned "
     "when 'text-align' is set to 'justify'.",
     kCssValues_47, false},
    {"-moz-text-blink",
     "The -moz-text-blink non-standard Mozilla CSS extension specifies the blink mode.",
     kCssValues_48, false},
    {"-moz-text-decoration-color",
     "Specifies the color of text decoration (underlines overlines, and line-throughs) set on the "
     "element with text-decoration-line.",
     {},
     true},
    {"-moz-text-decoration-line",
     "Specifies what line decorations, if any, are added to the element.", kCssValues_50, false},
    {"-moz-text-decoration-style",
     "Specifies the line style for underline, line-through and overline text decoration.",
     kCssValues_51, false},
    {"-moz-text-size-adjust",
     "Specifies a size adjustment for displaying text content in mobile browsers.", kCssValues_52,
     false},
    {"-moz-transform",
     "A two-dimensional transformation is applied to an element through the 'transform' property.",
     kCssValues_53, false},
    {"-moz-transform-origin",
     "Establishes the origin of transformation for an element.",
     {},
     false},
    {"-moz-transition",
     "Shorthand property combines four of the transition properties into a single property.",
     kCssValues_55, false},
    {"-moz-transition-delay", "Defines when the transition will start.", {}, false},
    {"-moz-transition-duration",
     "Specifies how long the transition from the old value to the new value should take.",
     {},
     false},
    {"-moz-transition-property",
     "Specifies the name of the CSS property to which the transition is applied.", kCssValues_58,
     false},
    {"-moz-transition-timing-function",
     "Describes how the intermediate values used during a transition will be calculated.",
     {},
     false},
    {"-moz-user-modify", "The -moz-user-modify property has no effect.", kCssValues_60, false},
    {"-moz-user-select", "Controls the appearance of selection.", kCssValues_61, false},
    {"-moz-window-dragging",
     "The -moz-window-dragging CSS property specifies whether a window is draggable or not.",
     kCssValues_62, false},
    {"-moz-window-shadow",
     "The -moz-window-shadow CSS property specifies whether a window will have a shadow.",
     kCssValues_63, false},
    {"-ms-accelerator", "IE only.", kCssValues_64, false},
    {"-ms-behavior", "IE only.", {}, false},
    {"-ms-block-progression", "Sets the block-progression value and the flow orientation",
     kCssValues_66, false},
    {"-ms-content-zoom-chaining",
     "Specifies the zoom behavior that occurs when a user hits the zoom limit during a "
     "manipulation.",
     kCssValues_67, false},
    {"-ms-content-zoom-limit",
     "Shorthand property for the -ms-content-zoom-limit-min and -ms-content-zoom-limit-max "
     "properties.",
     {},
     false},
    {"-ms-content-zoom-limit-max", "Specifies the maximum zoom factor.", {}, false},
    {"-ms-content-zoom-limit-min", "Specifies the minimum zoom factor.", {}, false},
    {"-ms-content-zoom-snap",
     "Shorthand property for the -ms-content-zoom-snap-type and -ms-content-zoom-snap-points "
     "properties.",
     kCssValues_71, false},
    {"-ms-content-zoom-snap-points", "Defines where zoom snap-points are located.", kCssValues_72,
     false},
    {"-ms-content-zoom-snap-type", "Specifies how zooming is affected by defined snap-points.",
     kCssValues_73, false},
    {"-ms-content-zooming", "Specifies whether zooming is enabled.", kCssValues_74, false},
    {"-ms-filter", "IE only.", {}, false},
    {"-ms-flex", "specifies the parameters of a flexible length.", kCssValues_76, false},
    {"-ms-flex-align",
     "Aligns flex items along the cross axis of the current line of the flex container.",
     kCssValues_77, false},
    {"-ms-flex-direction",
     "Specifies how flex items are placed in the flex container, by setting the direction of the "
     "flex container's main axis.",
     kCssValues_78, false},
    {"-ms-flex-flow", "Specifies how flexbox items are placed in the flexbox.", kCssValues_79,
     false},
    {"-ms-flex-item-align",
     "Allows the default alignment along the cross axis to be overridden for individual flex "
     "items.",
     kCssValues_80, false},
    {"-ms-flex-line-pack",
     "Aligns a flex container's lines within the flex container when there is extra space in the "
     "cross-axis, similar to how 'justify-content' aligns individual...",
     kCssValues_81, false},
    {"-ms-flex-order",
     "Controls the order in which children of a flex container appear within the flex container, "
     "by assigning them to ordinal groups.",
     {},
     false},
    {"-ms-flex-pack",
     "Aligns flex items along the main axis of the current line of the flex container.",
     kCssValues_83, false},
    {"-ms-flex-wrap",
     "Controls whether the flex container is single-line or multi-line, and the direction of the "
     "cross-axis, which determines the direction new lines are stacked in.",
     kCssValues_84, false},
    {"-ms-flow-from", "Makes a block container a region and associates it with a named flow.",
     kCssValues_85, false},
    {"-ms-flow-into", "Places an element or its contents into a named flow.", kCssValues_86, false},
    {"-ms-grid-column", "Used to place grid items and explicitly defined grid cells in the Grid.",
     kCssValues_87, false},
    {"-ms-grid-column-align", "Aligns the columns in a grid.", kCssValues_88, false},
    {"-ms-grid-column-span", "Specifies the number of columns to span.", {}, false},
    {"-ms-grid-columns", "Lays out the columns of the grid.", {}, false},
    {"-ms-grid-layer",
     "Grid-layer is similar in concept to z-index, but avoids overloading the meaning of the "
     "z-index property, which is applicable only to positioned elements.",
     {},
     false},
    {"-ms-grid-row",
     "grid-row is used to place grid items and explicitly defined grid cells in the Grid.",
     kCssValues_92, false},
    {"-ms-grid-row-align", "Aligns the rows in a grid.", kCssValues_93, false},
    {"-ms-grid-row-span", "Specifies the number of rows to span.", {}, false},
    {"-ms-grid-rows", "Lays out the columns of the grid.", {}, false},
    {"-ms-high-contrast-adjust",
     "Specifies if properties should be adjusted in high contrast mode.", kCssValues_96, false},
    {"-ms-hyphenate-limit-chars",
     "Specifies the minimum number of characters in a hyphenated word.", kCssValues_97, false},
    {"-ms-hyphenate-limit-lines",
     "Indicates the maximum number of successive hyphenated lines in an element.", kCssValues_98,
     false},
    {"-ms-hyphenate-limit-zone",
     "Specifies the maximum amount of unfilled space (before justification) that may be left in "
     "the line box before hyphenation is triggered to pull part of a...",
     {},
     false},
    {"-ms-hyphens",
     "Controls whether hyphenation is allowed to create more break opportunities within a line of "
     "text.",
     kCssValues_100, false},
    {"-ms-ime-align",
     "Aligns the Input Method Editor (IME) candidate window box relative to the element on which "
     "the IME composition is active.",
     kCssValues_101, false},
    {"-ms-ime-mode", "Controls the state of the input method editor for text fields.",
     kCssValues_102, false},
    {"-ms-interpolation-mode",
     "Gets or sets the interpolation (resampling) method used to stretch images.", kCssValues_103,
     false},
    {"-ms-layout-grid",
     "Sets or retrieves the composite document grid properties that specify the layout of text "
     "characters.",
     kCssValues_104, false},
    {"-ms-layout-grid-char",
     "Sets or retrieves the size of the character grid used for rendering the text content of an "
     "element.",
     kCssValues_105, false},
    {"-ms-layout-grid-line",
     "Sets or retrieves the gridline value used for rendering the text content of an element.",
     kCssValues_106, false},
    {"-ms-layout-grid-mode", "Gets or sets whether the text layout grid uses two dimensions.",
     kCssValues_107, false},
    {"-ms-layout-grid-type",
     "Sets or retrieves the type of grid used for rendering the text content of an element.",
     kCssValues_108, false},
    {"-ms-line-break",
     "Specifies what set of line breaking restrictions are in effect within the element.",
     kCssValues_109, false},
    {"-ms-overflow-style",
     "Specify whether content is clipped when it overflows the element's content area.",
     kCssValues_110, false},
    {"-ms-perspective",
     "Applies the same transform as the perspective(<number>) transform function, except that it "
     "applies only to the positioned or transformed children of the...",
     kCssValues_111, false},
    {"-ms-perspective-origin", "Establishes the origin for the perspective property.", {}, false},
    {"-ms-perspective-origin-x", "Establishes the origin for the perspective property.", {}, false},
    {"-ms-perspective-origin-y", "Establishes the origin for the perspective property.", {}, false},
    {"-ms-progress-appearance",
     "Gets or sets a value that specifies whether a progress control displays as a bar or a ring.",
     kCssValues_115, false},
    {"-ms-scroll-chaining",
     "Gets or sets a value that indicates the scrolling behavior that occurs when a user hits the "
     "content boundary during a manipulation.",
     kCssValues_116, false},
    {"-ms-scroll-limit",
     "Gets or sets a shorthand value that sets values for the -ms-scroll-limit-x-min, "
     "-ms-scroll-limit-y-min, -ms-scroll-limit-x-max, and -ms-scroll-limit-y-max...",
     kCssValues_117, false},
    {"-ms-scroll-limit-x-max",
     "Gets or sets a value that specifies the maximum value for the scrollLeft property.",
     kCssValues_118, false},
    {"-ms-scroll-limit-x-min",
     "Gets or sets a value that specifies the minimum value for the scrollLeft property.",
     {},
     false},
    {"-ms-scroll-limit-y-max",
     "Gets or sets a value that specifies the maximum value for the scrollTop property.",
     kCssValues_120, false},
    {"-ms-scroll-limit-y-min",
     "Gets or sets a value that specifies the minimum value for the scrollTop property.",
     {},
     false},
    {"-ms-scroll-rails",
     "Gets or sets a value that indicates whether or not small motions perpendicular to the "
     "primary axis of motion will result in either changes to both the...",
     kCssValues_122, false},
    {"-ms-scroll-snap-points-x",
     "Gets or sets a value that defines where snap-points will be located along the x-axis.",
     kCssValues_123, false},
    {"-ms-scroll-snap-points-y",
     "Gets or sets a value that defines where snap-points will be located along the y-axis.",
     kCssValues_124, false},
    {"-ms-scroll-snap-type",
     "Gets or sets a value that defines what type of snap-point should be used for the current "
     "element.",
     kCssValues_125, false},
    {"-ms-scroll-snap-x",
     "Gets or sets a shorthand value that sets values for the -ms-scroll-snap-type and "
     "-ms-scroll-snap-points-x properties.",
     kCssValues_126, false},
    {"-ms-scroll-snap-y",
     "Gets or sets a shorthand value that sets values for the -ms-scroll-snap-type and "
     "-ms-scroll-snap-points-y properties.",
     kCssValues_127, false},
    {"-ms-scroll-translation",
     "Gets or sets a value that specifies whether vertical-to-horizontal scroll wheel translation "
     "occurs on the specified element.",
     kCssValues_128, false},
    {"-ms-scrollbar-3dlight-color",
     "Determines the color of the top and left edges of the scroll box and scroll arrows of a "
     "scroll bar.",
     {},
     true},
    {"-ms-scrollbar-arrow-color",
     "Determines the color of the arrow elements of a scroll arrow.",
     {},
     true},
    {"-ms-scrollbar-base-color",
     "Determines the color of the main elements of a scroll bar, which include the scroll box, "
     "track, and scroll arrows.",
     {},
     true},
    {"-ms-scrollbar-darkshadow-color",
     "Determines the color of the gutter of a scroll bar.",
     {},
     true},
    {"-ms-scrollbar-face-color",
     "Determines the color of the scroll box and scroll arrows of a scroll bar.",
     {},
     true},
    {"-ms-scrollbar-highlight-color",
     "Determines the color of the top and left edges of the scroll box and scroll arrows of a "
     "scroll bar.",
     {},
     true},
    {"-ms-scrollbar-shadow-color",
     "Determines the color of the bottom and right edges of the scroll box and scroll arrows of a "
     "scroll bar.",
     {},
     true},
    {"-ms-scrollbar-track-color",
     "Determines the color of the track element of a scroll bar.",
     {},
     true},
    {"-ms-text-align-last",
     "Describes how the last line of a block or a line right before a forced line break is aligned "
     "when 'text-align' is set to 'justify'.",
     kCssValues_137, false},
    {"-ms-text-autospace",
     "Determines whether or not a full-width punctuation mark character should be trimmed if it "
     "appears at the beginning of a line, so that its 'ink' lines up...",
     kCssValues_138, false},
    {"-ms-text-combine-horizontal",
     "This property specifies the combination of multiple characters into the space of a single "
     "character.",
     kCssValues_139, false},
    {"-ms-text-justify",
     "Selects the justification algorithm used when 'text-align' is set to 'justify'.",
     kCssValues_140, false},
    {"-ms-text-kashida-space",
     "Sets or retrieves the ratio of kashida expansion to white space expansion when justifying "
     "lines of text in the object.",
     {},
     false},
    {"-ms-text-overflow", "Text can overflow for example when it is prevented from wrapping",
     kCssValues_142, false},
    {"-ms-text-size-adjust",
     "Specifies a size adjustment for displaying text content in mobile browsers.", kCssValues_143,
     false},
    {"-ms-text-underline-position",
     "Sets the position of an underline specified on the same element.", kCssValues_144, false},
    {"-ms-touch-action",
     "Gets or sets a value that indicates whether and how a given region can be manipulated by the "
     "user.",
     kCssValues_145, false},
    {"-ms-touch-select",
     "Gets or sets a value that toggles the 'gripper' visual elements that enable touch text "
     "selection.",
     kCssValues_146, false},
    {"-ms-transform",
     "A two-dimensional transformation is applied to an element through the 'transform' property.",
     kCssValues_147, false},
    {"-ms-transform-origin", "Establishes the origin of transformation for an element.", {}, false},
    {"-ms-transform-origin-x",
     "The x coordinate of the origin for transforms applied to an element with respect to its "
     "border box.",
     {},
     false},
    {"-ms-transform-origin-y",
     "The y coordinate of the origin for transforms applied to an element with respect to its "
     "border box.",
     {},
     false},
    {"-ms-transform-origin-z",
     "The z coordinate of the origin for transforms applied to an element with respect to its "
     "border box.",
     {},
     false},
    {"-ms-user-select", "Controls the appearance of selection.", kCssValues_152, false},
    {"-ms-word-break", "Specifies line break opportunities for non-CJK scripts.", kCssValues_153,
     false},
    {"-ms-word-wrap",
     "Specifies whether the UA may break within a word to prevent overflow when an "
     "otherwise-unbreakable string is too long to fit.",
     kCssValues_154, false},
    {"-ms-wrap-flow",
     "An element becomes an exclusion when its 'wrap-flow' property has a computed value other "
     "than 'auto'.",
     kCssValues_155, false},
    {"-ms-wrap-margin",
     "Gets or sets a value that is used to offset the inner wrap shape from other shapes.",
     {},
     false},
    {"-ms-wrap-through", "Specifies if an element inherits its parent wrapping context.",
     kCssValues_157, false},
    {"-ms-writing-mode", "Shorthand property for both 'direction' and 'block-progression'.",
     kCssValues_158, false},
    {"-ms-zoom", "Sets or retrieves the magnification scale of the object.", kCssValues_159, false},
    {"-ms-zoom-animation",
     "Gets or sets a value that indicates whether an animation is used when zooming.",
     kCssValues_160, false},
    {"-o-animation",
     "Shorthand property combines six of the animation properties into a single property.",
     kCssValues_161, false},
    {"-o-animation-delay", "Defines when the animation will start.", {}, false},
    {"-o-animation-direction",
     "Defines whether or not the animation should play in reverse on alternate cycles.",
     kCssValues_163, false},
    {"-o-animation-duration",
     "Defines the length of time that an animation takes to complete one cycle.",
     {},
     false},
    {"-o-animation-fill-mode",
     "Defines what values are applied by the animation outside the time it is executing.",
     kCssValues_165, false},
    {"-o-animation-iteration-count", "Defines the number of times an animation cycle is played.",
     kCssValues_166, false},
    {"-o-animation-name", "Defines a list of animations that apply.", kCssValues_167, false},
    {"-o-animation-play-state", "Defines whether the animation is running or paused.",
     kCssValues_168, false},
    {"-o-animation-timing-function",
     "Describes how the animation will progress over one cycle of its duration.",
     {},
     false},
    {"-o-border-image",
     "Shorthand property for setting 'border-image-source', 'border-image-slice', "
     "'border-image-width', 'border-image-outset' and 'border-image-repeat'.",
     kCssValues_170, false},
    {"-o-object-fit",
     "Specifies how the contents of a replaced element should be scaled relative to the box "
     "established by its used height and width.",
     kCssValues_171, false},
    {"-o-object-position",
     "Determines the alignment of the replaced element inside its box.",
     {},
     false},
    {"-o-tab-size",
     "This property determines the width of the tab character (U+0009), in space characters "
     "(U+0020), when rendered.",
     {},
     false},
    {"-o-table-baseline",
     "Determines which row of a inline-table should be used as baseline of inline-table.",
     {},
     false},
    {"-o-text-overflow", "Text can overflow for example when it is prevented from wrapping",
     kCssValues_175, false},
    {"-o-transform",
     "A two-dimensional transformation is applied to an element through the 'transform' property.",
     kCssValues_176, false},
    {"-o-transform-origin", "Establishes the origin of transformation for an element.", {}, false},
    {"-o-transition",
     "Shorthand property combines four of the transition properties into a single property.",
     kCssValues_178, false},
    {"-o-transition-delay", "Defines when the transition will start.", {}, false},
    {"-o-transition-duration",
     "Specifies how long the transition from the old value to the new value should take.",
     {},
     false},
    {"-o-transition-property",
     "Specifies the name of the CSS property to which the transition is applied.", kCssValues_181,
     false},
    {"-o-transition-timing-function",
     "Describes how the intermediate values used during a transition will be calculated.",
     {},
     false},
    {"-webkit-animation",
     "Shorthand property combines six of the animation properties into a single property.",
     kCssValues_183, false},
    {"-webkit-animation-delay", "Defines when the animation will start.", {}, false},
    {"-webkit-animation-direction",
     "Defines whether or not the animation should play in reverse on alternate cycles.",
     kCssValues_185, false},
    {"-webkit-animation-duration",
     "Defines the length of time that an animation takes to complete one cycle.",
     {},
     false},
    {"-webkit-animation-fill-mode",
     "Defines what values are applied by the animation outside the time it is executing.",
     kCssValues_187, false},
    {"-webkit-animation-iteration-count",
     "Defines the number of times an animation cycle is played.", kCssValues_188, false},
    {"-webkit-animation-name", "Defines a list of animations that apply.", kCssValues_189, false},
    {"-webkit-animation-play-state", "Defines whether the animation is running or paused.",
     kCssValues_190, false},
    {"-webkit-animation-timing-function",
     "Describes how the animation will progress over one cycle of its duration.",
     {},
     false},
    {"-webkit-appearance",
     "Changes the appearance of buttons and other controls to resemble native controls.",
     kCssValues_192, false},
    {"-webkit-backdrop-filter",
     "Applies a filter effect where the first filter in the list takes the element's background "
     "image as the input image.",
     kCssValues_193, false},
    {"-webkit-backface-visibility",
     "Determines whether or not the 'back' side of a transformed element is visible when facing "
     "the viewer.",
     kCssValues_194, false},
    {"-webkit-background-clip", "Determines the background painting area.", {}, false},
    {"-webkit-background-composite", "", kCssValues_196, false},
    {"-webkit-background-origin",
     "For elements rendered as a single box, specifies the background positioning area.",
     {},
     false},
    {"-webkit-border-before",
     "The -webkit-border-before CSS property is a shorthand property for setting the individual "
     "logical block start border property values in a single place in...",
     {},
     false},
    {"-webkit-border-before-color",
     "The -webkit-border-before-color CSS property sets the color of the individual logical block "
     "start border in a single place in the style sheet.",
     {},
     false},
    {"-webkit-border-before-style",
     "The -webkit-border-before-style CSS property sets the style of the individual logical block "
     "start border in a single place in the style sheet.",
     {},
     false},
    {"-webkit-border-before-width",
     "The -webkit-border-before-width CSS property sets the width of the individual logical block "
     "start border in a single place in the style sheet.",
     {},
     false},
    {"-webkit-border-image",
     "Shorthand property for setting 'border-image-source', 'border-image-slice', "
     "'border-image-width', 'border-image-outset' and 'border-image-repeat'.",
     kCssValues_202, false},
    {"-webkit-box-align",
     "Specifies the alignment of nested elements within an outer flexible box element.",
     kCssValues_203, false},
    {"-webkit-box-direction",
     "In webkit applications, -webkit-box-direction specifies whether a box lays out its contents "
     "normally (from the top or left edge), or in reverse (from the...",
     kCssValues_204, false},
    {"-webkit-box-flex", "Specifies an element's flexibility.", {}, false},
    {"-webkit-box-flex-group",
     "Flexible elements can be assigned to flex groups using the 'box-flex-group' property.",
     {},
     false},
    {"-webkit-box-ordinal-group", "Indicates the ordinal group the element belongs to.", {}, false},
    {"-webkit-box-orient",
     "In webkit applications, -webkit-box-orient specifies whether a box lays out its contents "
     "horizontally or vertically.",
     kCssValues_208, false},
    {"-webkit-box-pack",
     "Specifies alignment of child elements within the current element in the direction of "
     "orientation.",
     kCssValues_209, false},
    {"-webkit-box-reflect", "Defines a reflection of a border box.", kCssValues_210, false},
    {"-webkit-box-sizing", "Box Model addition in CSS3.", kCssValues_211, false},
    {"-webkit-break-after", "Describes the page/column break behavior before the generated box.",
     kCssValues_212, false},
    {"-webkit-break-before", "Describes the page/column break behavior before the generated box.",
     kCssValues_213, false},
    {"-webkit-break-inside", "Describes the page/column break behavior inside the generated box.",
     kCssValues_214, false},
    {"-webkit-column-break-after",
     "Describes the page/column break behavior before the generated box.", kCssValues_215, false},
    {"-webkit-column-break-before",
     "Describes the page/column break behavior before the generated box.", kCssValues_216, false},
    {"-webkit-column-break-inside",
     "Describes the page/column break behavior inside the generated box.", kCssValues_217, false},
    {"-webkit-column-count",
     "Describes the optimal number of columns into which the content of the element will be "
     "flowed.",
     kCssValues_218, false},
    {"-webkit-column-gap", "Sets the gap between columns.", kCssValues_219, false},
    {"-webkit-column-rule",
     "This property is a shorthand for setting 'column-rule-width', 'column-rule-style', and "
     "'column-rule-color' at the same place in the style sheet.",
     {},
     true},
    {"-webkit-column-rule-color", "Sets the color of the column rule", {}, true},
    {"-webkit-column-rule-style",
     "Sets the style of the rule between columns of an element.",
     {},
     false},
    {"-webkit-column-rule-width", "Sets the width of the rule between columns.", {}, false},
    {"-webkit-column-span", "Describes the page/column break behavior after the generated box.",
     kCssValues_224, false},
    {"-webkit-column-width", "This property describes the width of columns in multicol elements.",
     kCssValues_225, false},
    {"-webkit-columns", "A shorthand property which sets both 'column-width' and 'column-count'.",
     kCssValues_226, false},
    {"-webkit-filter",
     "Processes an element's rendering before it is displayed in the document, by applying one or "
     "more filter effects.",
     kCssValues_227, false},
    {"-webkit-flow-from", "Makes a block container a region and associates it with a named flow.",
     kCssValues_228, false},
    {"-webkit-flow-into", "Places an element or its contents into a named flow.", kCssValues_229,
     false},
    {"-webkit-font-feature-settings",
     "This property provides low-level control over OpenType font features.", kCssValues_230,
     false},
    {"-webkit-hyphens",
     "Controls whether hyphenation is allowed to create more break opportunities within a line of "
     "text.",
     kCssValues_231, false},
    {"-webkit-line-break",
     "Specifies line-breaking rules for CJK (Chinese, Japanese, and Korean) text.", kCssValues_232,
     false},
    {"-webkit-line-clamp",
     "The -webkit-line-clamp CSS property allows limiting of the contents of a block container to "
     "the specified number of lines.",
     {},
     false},
    {"-webkit-margin-bottom-collapse", "", kCssValues_234, false},
    {"-webkit-margin-collapse", "", kCssValues_235, false},
    {"-webkit-margin-start", "", kCssValues_236, false},
    {"-webkit-margin-top-collapse", "", kCssValues_237, false},
    {"-webkit-mask",
     "The mask CSS property alters the visibility of an element by either partially or fully "
     "hiding it.",
     {},
     false},
    {"-webkit-mask-attachment",
     "If a -webkit-mask-image is specified, -webkit-mask-attachment determines whether the mask "
     "image's position is fixed within the viewport, or scrolls along...",
     {},
     false},
    {"-webkit-mask-clip",
     "Determines the mask painting area, which determines the area that is affected by the mask.",
     {},
     false},
    {"-webkit-mask-composite",
     "The -webkit-mask-composite property specifies the manner in which multiple mask images "
     "applied to the same element are composited with one another.",
     {},
     false},
    {"-webkit-mask-image", "Sets the mask layer image of an element.", kCssValues_242, false},
    {"-webkit-mask-origin", "Specifies the mask positioning area.", {}, false},
    {"-webkit-mask-position",
     "The mask-position CSS property sets the initial position, relative to the mask position "
     "layer defined by mask-origin, for each defined mask image.",
     {},
     false},
    {"-webkit-mask-position-x",
     "The -webkit-mask-position-x CSS property sets the initial horizontal position of a mask "
     "image.",
     {},
     false},
    {"-webkit-mask-position-y",
     "The -webkit-mask-position-y CSS property sets the initial vertical position of a mask image.",
     {},
     false},
    {"-webkit-mask-repeat",
     "Specifies how mask layer images are tiled after they have been sized and positioned.",
     {},
     false},
    {"-webkit-mask-repeat-x",
     "The -webkit-mask-repeat-x property specifies whether and how a mask image is repeated "
     "(tiled) horizontally.",
     kCssValues_248, false},
    {"-webkit-mask-repeat-y",
     "The -webkit-mask-repeat-y property specifies whether and how a mask image is repeated "
     "(tiled) vertically.",
     kCssValues_249, false},
    {"-webkit-mask-size", "Specifies the size of the mask layer images.", kCssValues_250, false},
    {"-webkit-nbsp-mode", "Defines the behavior of nonbreaking spaces within text.", kCssValues_251,
     false},
    {"-webkit-overflow-scrolling",
     "Specifies whether to use native-style scrolling in an overflow:scroll element.",
     kCssValues_252, false},
    {"-webkit-padding-start", "", {}, false},
    {"-webkit-perspective",
     "Applies the same transform as the perspective(<number>) transform function, except that it "
     "applies only to the positioned or transformed children of the...",
     kCssValues_254, false},
    {"-webkit-perspective-origin",
     "Establishes the origin for the perspective property.",
     {},
     false},
    {"-webkit-region-fragment",
     "The 'region-fragment' property controls the behavior of the last region associated with a "
     "named flow.",
     kCssValues_256, false},
    {"-webkit-tap-highlight-color", "", {}, true},
    {"-webkit-text-fill-color", "", {}, true},
    {"-webkit-text-size-adjust",
     "Specifies a size adjustment for displaying text content in mobile browsers.", kCssValues_259,
     false},
    {"-webkit-text-stroke", "", {}, true},
    {"-webkit-text-stroke-color", "", {}, true},
    {"-webkit-text-stroke-width", "", {}, false},
    {"-webkit-touch-callout", "", kCssValues_263, false},
    {"-webkit-transform",
     "A two-dimensional transformation is applied to an element through the 'transform' property.",
     kCssValues_264, false},
    {"-webkit-transform-origin",
     "Establishes the origin of transformation for an element.",
     {},
     false},
    {"-webkit-transform-origin-x",
     "The x coordinate of the origin for transforms applied to an element with respect to its "
     "border box.",
     {},
     false},
    {"-webkit-transform-origin-y",
     "The y coordinate of the origin for transforms applied to an element with respect to its "
     "border box.",
     {},
     false},
    {"-webkit-transform-origin-z",
     "The z coordinate of the origin for transforms applied to an element with respect to its "
     "border box.",
     {},
     false},
    {"-webkit-transform-style", "Defines how nested elements are rendered in 3D space.",
     kCssValues_269, false},
    {"-webkit-transition",
     "Shorthand property combines four of the transition properties into a single property.",
     kCssValues_270, false},
    {"-webkit-transition-delay", "Defines when the transition will start.", {}, false},
    {"-webkit-transition-duration",
     "Specifies how long the transition from the old value to the new value should take.",
     {},
     false},
    {"-webkit-transition-property",
     "Specifies the name of the CSS property to which the transition is applied.", kCssValues_273,
     false},
    {"-webkit-transition-timing-function",
     "Describes how the intermediate values used during a transition will be calculated.",
     {},
     false},
    {"-webkit-user-drag", "", kCssValues_275, false},
    {"-webkit-user-modify", "Determines whether a user can edit the content of an element.",
     kCssValues_276, false},
    {"-webkit-user-select", "Controls the appearance of selection.", kCssValues_277, false},
    {"accent-color", "Sets the color of the elements accent", {}, false},
    {"additive-symbols", "@counter-style descriptor.", {}, false},
    {"align-content",
     "Aligns a flex container's lines within the flex container when there is extra space in the "
     "cross-axis, similar to how 'justify-content' aligns individual...",
     kCssValues_280, false},
    {"align-items",
     "Aligns flex items along the cross axis of the current line of the flex container.",
     kCssValues_281, false},
    {"align-self",
     "Allows the default alignment along the cross axis to be overridden for individual flex "
     "items.",
     kCssValues_282, false},
    {"align-tracks",
     "The align-tracks CSS property sets the alignment in the masonry axis for grid containers "
     "that have masonry in their block axis.",
     {},
     false},
    {"alignment-baseline",
     "The alignment-baseline CSS property specifies the specific baseline used to align the box's "
     "text and inline-level contents.",
     kCssValues_284, false},
    {"all",
     "Shorthand that resets all properties except 'direction' and 'unicode-bidi'.",
     {},
     false},
    {"alt",
     "Provides alternative text for assistive technology to replace the generated content of a "
     "::before or ::after element.",
     {},
     false},
    {"anchor-name",
     "The anchor-name property declares that an element is an anchor element, and gives it a list "
     "of anchor names to be targeted by.",
     {},
     false},
    {"anchor-scope",
     "This property scopes the specified anchor names, and lookups for these anchor names, to this "
     "element’s subtree",
     {},
     false},
    {"animation",
     "Shorthand property combines six of the animation properties into a single property.",
     kCssValues_289, false},
    {"animation-composition",
     "The composite operation to use when multiple animations affect the same property.",
     {},
     false},
    {"animation-delay", "Defines when the animation will start.", {}, false},
    {"animation-direction",
     "Defines whether or not the animation should play in reverse on alternate cycles.",
     kCssValues_292, false},
    {"animation-duration",
     "Defines the length of time that an animation takes to complete one cycle.",
     {},
     false},
    {"animation-fill-mode",
     "Defines what values are applied by the animation outside the time it is executing.",
     kCssValues_294, false},
    {"animation-iteration-count", "Defines the number of times an animation cycle is played.",
     kCssValues_295, false},
    {"animation-name", "Defines a list of animations that apply.", kCssValues_296, false},
    {"animation-play-state", "Defines whether the animation is running or paused.", kCssValues_297,
     false},
    {"animation-range",
     "The animation-range CSS shorthand property is used to set the start and end of an "
     "animation's attachment range along its timeline, i.e. where along the...",
     {},
     false},
    {"animation-range-end",
     "The animation-range-end CSS property is used to set the end of an animation's attachment "
     "range along its timeline, i.e. where along the timeline an...",
     {},
     false},
    {"animation-range-start",
     "The animation-range-start CSS property is used to set the start of an animation's attachment "
     "range along its timeline, i.e. where along the timeline an...",
     {},
     false},
    {"animation-timeline",
     "Specifies the names of one or more @scroll-timeline at-rules to describe the element's "
     "scroll animations.",
     {},
     false},
    {"animation-timing-function",
     "Describes how the animation will progress over one cycle of its duration.",
     {},
     false},
    {"animation-trigger", "", {}, false},
    {"appearance",
     "Changes the appearance of buttons and other controls to resemble native controls.",
     {},
     false},
    {"ascent-override", "Describes the ascent metric of a font.", {}, false},
    {"aspect-ratio",
     "The aspect-ratio CSS property sets a preferred aspect ratio for the box, which will be used "
     "in the calculation of auto sizes and some other layout functions.",
     {},
     false},
    {"backdrop-filter",
     "The backdrop-filter CSS property lets you apply graphical effects such as blurring or color "
     "shifting to the area behind an element.",
     {},
     false},
    {"backface-visibility",
     "Determines whether or not the 'back' side of a transformed element is visible when facing "
     "the viewer.",
     kCssValues_308, false},
    {"background",
     "Shorthand property for setting most background properties at the same place in the style "
     "sheet.",
     kCssValues_309, true},
    {"background-attachment",
     "Specifies whether the background images are fixed with regard to the viewport ('fixed') or "
     "scroll along with the element ('scroll') or its contents ('local').",
     kCssValues_310, false},
    {"background-blend-mode", "Defines the blending mode of each background layer.", kCssValues_311,
     false},
    {"background-clip", "Determines the background painting area.", {}, false},
    {"background-color", "Sets the background color of an element.", {}, true},
    {"background-image", "Sets the background image(s) of an element.", kCssValues_314, false},
    {"background-origin",
     "For elements rendered as a single box, specifies the background positioning area.",
     {},
     false},
    {"background-position",
     "Specifies the initial position of the background image(s) (after any resizing) within their "
     "corresponding background positioning area.",
     {},
     false},
    {"background-position-x",
     "If background images have been specified, this property specifies their initial position "
     "(after any resizing) within their corresponding background...",
     kCssValues_317, false},
    {"background-position-y",
     "If background images have been specified, this property specifies their initial position "
     "(after any resizing) within their corresponding background...",
     kCssValues_318, false},
    {"background-repeat",
     "Specifies how background images are tiled after they have been sized and positioned.",
     {},
     false},
    {"background-size", "Specifies the size of the background images.", kCssValues_320, false},
    {"base-palette",
     "The base-palette CSS descriptor is used to specify the name or index of a pre-defined "
     "palette to be used for creating a new palette.",
     {},
     false},
    {"baseline-shift",
     "Allows repositioning of the dominant-baseline relative to the dominant-baseline of the "
     "parent text content element.",
     {},
     false},
    {"baseline-source", "", kCssValues_323, false},
    {"behavior", "IE only.", {}, false},
    {"bleed",
     "The bleed CSS at-rule descriptor, used with the @page at-rule, specifies the extent of the "
     "page bleed area outside the page box.",
     {},
     false},
    {"block-size",
     "Size of an element in the direction opposite that of the direction specified by "
     "'writing-mode'.",
     kCssValues_326, false},
    {"border", "Shorthand property for setting border width, style, and color.", {}, true},
    {"border-block",
     "The border-block CSS property is a shorthand property for setting the individual logical "
     "block border property values in a single place in the style sheet.",
     {},
     false},
    {"border-block-color",
     "The border-block-color CSS property defines the color of the logical block borders of an "
     "element, which maps to a physical border color depending on the...",
     {},
     false},
    {"border-block-end", "Logical 'border-bottom'.", {}, true},
    {"border-block-end-color", "Logical 'border-bottom-color'.", {}, true},
    {"border-block-end-style", "Logical 'border-bottom-style'.", {}, false},
    {"border-block-end-width", "Logical 'border-bottom-width'.", {}, false},
    {"border-block-start", "Logical 'border-top'.", {}, true},
    {"border-block-start-color", "Logical 'border-top-color'.", {}, true},
    {"border-block-start-style", "Logical 'border-top-style'.", {}, false},
    {"border-block-start-width", "Logical 'border-top-width'.", {}, false},
    {"border-block-style",
     "The border-block-style CSS property defines the style of the logical block borders of an "
     "element, which maps to a physical border style depending on the...",
     {},
     false},
    {"border-block-width",
     "The border-block-width CSS property defines the width of the logical block borders of an "
     "element, which maps to a physical border width depending on the...",
     {},
     false},
    {"border-bottom", "Shorthand property for setting border width, style and color.", {}, true},
    {"border-bottom-color", "Sets the color of the bottom border.", {}, true},
    {"border-bottom-left-radius",
     "Defines the radii of the bottom left outer border edge.",
     {},
     false},
    {"border-bottom-right-radius",
     "Defines the radii of the bottom right outer border edge.",
     {},
     false},
    {"border-bottom-style", "Sets the style of the bottom border.", {}, false},
    {"border-bottom-width", "Sets the thickness of the bottom border.", {}, false},
    {"border-collapse", "Selects a table's border model.", kCssValues_346, false},
    {"border-color", "The color of the border around all four edges of an element.", {}, true},
    {"border-end-end-radius",
     "The border-end-end-radius CSS property defines a logical border radius on an element, which "
     "maps to a physical border radius that depends on on the...",
     {},
     false},
    {"border-end-start-radius",
     "The border-end-start-radius CSS property defines a logical border radius on an element, "
     "which maps to a physical border radius depending on the element's...",
     {},
     false},
    {"border-image",
     "Shorthand property for setting 'border-image-source', 'border-image-slice', "
     "'border-image-width', 'border-image-outset' and 'border-image-repeat'.",
     kCssValues_350, false},
    {"border-image-outset",
     "The values specify the amount by which the border image area extends beyond the border box "
     "on the top, right, bottom, and left sides respectively.",
     {},
     false},
    {"border-image-repeat",
     "Specifies how the images for the sides and the middle part of the border image are scaled "
     "and tiled.",
     kCssValues_352, false},
    {"border-image-slice",
     "Specifies inward offsets from the top, right, bottom, and left edges of the image, dividing "
     "it into nine regions.",
     kCssValues_353, false},
    {"border-image-source",
     "Specifies an image to use instead of the border styles given by the 'border-style' "
     "properties and as an additional background layer for the element.",
     kCssValues_354, false},
    {"border-image-width",
     "The four values of 'border-image-width' specify offsets that are used to divide the border "
     "image area into nine parts.",
     kCssValues_355, false},
    {"border-inline",
     "The border-inline CSS property is a shorthand property for setting the individual logical "
     "inline border property values in a single place in the style sheet.",
     {},
     false},
    {"border-inline-color",
     "The border-inline-color CSS property defines the color of the logical inline borders of an "
     "element, which maps to a physical border color depending on the...",
     {},
     false},
    {"border-inline-end", "Logical 'border-right'.", {}, true},
    {"border-inline-end-color", "Logical 'border-right-color'.", {}, true},
    {"border-inline-end-style", "Logical 'border-right-style'.", {}, false},
    {"border-inline-end-width", "Logical 'border-right-width'.", {}, false},
    {"border-inline-start", "Logical 'border-left'.", {}, true},
    {"border-inline-start-color", "Logical 'border-left-color'.", {}, true},
    {"border-inline-start-style", "Logical 'border-left-style'.", {}, false},
    {"border-inline-start-width", "Logical 'border-left-width'.", {}, false},
    {"border-inline-style",
     "The border-inline-style CSS property defines the style of the logical inline borders of an "
     "element, which maps to a physical border style depending on the...",
     {},
     false},
    {"border-inline-width",
     "The border-inline-width CSS property defines the width of the logical inline borders of an "
     "element, which maps to a physical border width depending on the...",
     {},
     false},
    {"border-left", "Shorthand property for setting border width, style and color", {}, true},
    {"border-left-color", "Sets the color of the left border.", {}, true},
    {"border-left-style", "Sets the style of the left border.", {}, false},
    {"border-left-width", "Sets the thickness of the left border.", {}, false},
    {"border-radius", "Defines the radii of the outer border edge.", {}, false},
    {"border-right", "Shorthand property for setting border width, style and color", {}, true},
    {"border-right-color", "Sets the color of the right border.", {}, true},
    {"border-right-style", "Sets the style of the right border.", {}, false},
    {"border-right-width", "Sets the thickness of the right border.", {}, false},
    {"border-spacing",
     "The lengths specify the distance that separates adjoining cell borders.",
     {},
     false},
    {"border-start-end-radius",
     "The border-start-end-radius CSS property defines a logical border radius on an element, "
     "which maps to a physical border radius depending on the element's...",
     {},
     false},
    {"border-start-start-radius",
     "The border-start-start-radius CSS property defines a logical border radius on an element, "
     "which maps to a physical border radius that depends on the...",
     {},
     false},
    {"border-style", "The style of the border around edges of an element.", {}, false},
    {"border-top", "Shorthand property for setting border width, style and color", {}, true},
    {"border-top-color", "Sets the color of the top border.", {}, true},
    {"border-top-left-radius", "Defines the radii of the top left outer border edge.", {}, false},
    {"border-top-right-radius", "Defines the radii of the top right outer border edge.", {}, false},
    {"border-top-style", "Sets the style of the top border.", {}, false},
    {"border-top-width", "Sets the thickness of the top border.", {}, false},
    {"border-width", "Shorthand that sets the four 'border--width' properties.", {}, false},
    {"bottom",
     "Specifies how far an absolutely positioned box's bottom margin edge is offset above the "
     "bottom edge of the box's 'containing block'.",
     kCssValues_388, false},
    {"box-decoration-break",
     "Specifies whether individual boxes are treated as broken pieces of one continuous box, or "
     "whether each box is individually wrapped with the border and padding.",
     kCssValues_389, false},
    {"box-shadow", "Attaches one or more drop-shadows to the box.", kCssValues_390, true},
    {"box-sizing", "Specifies the behavior of the 'width' and 'height' properties.", kCssValues_391,
     false},
    {"break-after", "Describes the page/column/region break behavior after the generated box.",
     kCssValues_392, false},
    {"break-before", "Describes the page/column/region break behavior before the generated box.",
     kCssValues_393, false},
    {"break-inside", "Describes the page/column/region break behavior inside the principal box.",
     kCssValues_394, false},
    {"caption-side", "Specifies the position of the caption box with respect to the table box.",
     kCssValues_395, false},
    {"caret", "Shorthand for setting caret-color and caret-shape.", {}, false},
    {"caret-animation", "", kCssValues_397, false},
    {"caret-color", "Controls the color of the text insertion indicator.", kCssValues_398, true},
    {"caret-shape", "Specifies the desired shape of the text insertion caret.", kCssValues_399,
     false},
    {"clear",
     "Indicates which sides of an element's box(es) may not be adjacent to an earlier floating "
     "box.",
     kCssValues_400, false},
    {"clip-path",
     "Specifies a clipping path where everything inside the path is visible and everything outside "
     "is clipped out.",
     kCssValues_401, false},
    {"clip-rule",
     "Indicates the algorithm which is to be used to determine what parts of the canvas are "
     "included inside the shape.",
     kCssValues_402, false},
    {"color", "Sets the color of an element's text", {}, true},
    {"color-interpolation-filters",
     "Specifies the color space for imaging operations performed via filter effects.",
     kCssValues_404, false},
    {"color-scheme",
     "The color-scheme CSS property allows an element to indicate which color schemes it can "
     "comfortably be rendered in.",
     {},
     false},
    {"column-count",
     "Describes the optimal number of columns into which the content of the element will be "
     "flowed.",
     kCssValues_406, false},
    {"column-fill",
     "In continuous media, this property will only be consulted if the length of columns has been "
     "constrained.",
     kCssValues_407, false},
    {"column-gap", "Sets the gap between columns.", kCssValues_408, false},
    {"column-height", "", {}, false},
    {"column-rule",
     "Shorthand for setting 'column-rule-width', 'column-rule-style', and 'column-rule-color' at "
     "the same place in the style sheet.",
     {},
     true},
    {"column-rule-color", "Sets the color of the column rule", {}, true},
    {"column-rule-style", "Sets the style of the rule between columns of an element.", {}, false},
    {"column-rule-width", "Sets the width of the rule between columns.", {}, false},
    {"column-span", "Describes the page/column break behavior after the generated box.",
     kCssValues_414, false},
    {"column-width", "Describes the width of columns in multicol elements.", kCssValues_415, false},
    {"column-wrap", "", kCssValues_416, false},
    {"columns", "A shorthand property which sets both 'column-width' and 'column-count'.",
     kCssValues_417, false},
    {"contain",
     "Indicates that an element and its contents are, as much as possible, independent of the rest "
     "of the document tree.",
     kCssValues_418, false},
    {"contain-intrinsic-block-size",
     "Block size of an element when the element is subject to size containment.",
     {},
     false},
    {"contain-intrinsic-height",
     "Height of an element when the element is subject to size containment.",
     {},
     false},
    {"contain-intrinsic-inline-size",
     "Inline size of an element when the element is subject to size containment.",
     {},
     false},
    {"contain-intrinsic-size",
     "Size of an element when the element is subject to size containment.",
     {},
     false},
    {"contain-intrinsic-width",
     "Width of an element when the element is subject to size containment.",
     {},
     false},
    {"container",
     "The container shorthand CSS property establishes the element as a query container and "
     "specifies the name or name for the containment context used in a...",
     {},
     false},
    {"container-name",
     "The container-name CSS property specifies a list of query container names used by the "
     "@container at-rule in a container query.",
     {},
     false},
    {"container-type",
     "The container-type CSS property is used to define the type of containment used in a "
     "container query.",
     {},
     false},
    {"content",
     "Determines which page-based occurrence of a given element is applied to a counter or string "
     "value.",
     kCssValues_427, false},
    {"content-visibility",
     "Controls whether or not an element renders its contents at all, along with forcing a strong "
     "set of containments, allowing user agents to potentially omit...",
     kCssValues_428, false},
    {"corner-block-end-shape", "", {}, false},
    {"corner-block-start-shape", "", {}, false},
    {"corner-bottom-left-shape", "", {}, false},
    {"corner-bottom-right-shape", "", {}, false},
    {"corner-bottom-shape", "", {}, false},
    {"corner-end-end-shape", "", {}, false},
    {"corner-end-start-shape", "", {}, false},
    {"corner-inline-end-shape", "", {}, false},
    {"corner-inline-start-shape", "", {}, false},
    {"corner-left-shape", "", {}, false},
    {"corner-right-shape", "", {}, false},
    {"corner-shape", "", {}, false},
    {"corner-start-end-shape", "", {}, false},
    {"corner-start-start-shape", "", {}, false},
    {"corner-top-left-shape", "", {}, false},
    {"corner-top-right-shape", "", {}, false},
    {"corner-top-shape", "", {}, false},
    {"counter-increment", "Manipulate the value of existing counters.", kCssValues_446, false},
    {"counter-reset",
     "Property accepts one or more names of counters (identifiers), each one optionally followed "
     "by an integer.",
     kCssValues_447, false},
    {"counter-set", "The counter-set CSS property sets a CSS counter to a given value.", {}, false},
    {"cursor", "Allows control over cursor appearance in an element", kCssValues_449, false},
    {"cx",
     "The cx CSS property defines the x-axis center point of an SVG circle or ellipse element.",
     {},
     false},
    {"cy",
     "The cy CSS property defines the y-axis center point of an SVG circle or ellipse elements.",
     {},
     false},
    {"d", "The d CSS property defines a path to be drawn by the SVG path element.", {}, false},
    {"descent-override", "Describes the descent metric of a font.", {}, false},
    {"direction",
     "Specifies the inline base direction or directionality of any bidi paragraph, embedding, "
     "isolate, or override established by the box.",
     kCssValues_454, false},
    {"display",
     "In combination with 'float' and 'position', determines the type of box or boxes that are "
     "generated for an element.",
     kCssValues_455, false},
    {"dominant-baseline",
     "The dominant-baseline CSS property specifies the specific baseline used to align the box's "
     "text and inline-level contents.",
     kCssValues_456, false},
    {"dynamic-range-limit", "", {}, false},
    {"empty-cells",
     "In the separated borders model, this property controls the rendering of borders and "
     "backgrounds around cells that have no visible content.",
     kCssValues_458, false},
    {"enable-background", "Deprecated.", kCssValues_459, false},
    {"fallback", "@counter-style descriptor.", {}, false},
    {"field-sizing",
     "The field-sizing CSS property enables you to control the sizing behavior of elements that "
     "are given a default preferred size, such as form control elements.",
     kCssValues_461, false},
    {"fill", "Paints the interior of the given graphical element.", kCssValues_462, true},
    {"fill-opacity",
     "Specifies the opacity of the painting operation used to paint the interior the current "
     "object.",
     {},
     false},
    {"fill-rule",
     "Indicates the algorithm (or winding rule) which is to be used to determine what parts of the "
     "canvas are included inside the shape.",
     kCssValues_464, false},
    {"filter",
     "Processes an element's rendering before it is displayed in the document, by applying one or "
     "more filter effects.",
     kCssValues_465, false},
    {"flex", "Specifies the components of a flexible length.", kCssValues_466, false},
    {"flex-basis", "Sets the flex basis.", kCssValues_467, false},
    {"flex-direction",
     "Specifies how flex items are placed in the flex container, by setting the direction of the "
     "flex container's main axis.",
     kCssValues_468, false},
    {"flex-flow", "Specifies how flexbox items are placed in the flexbox.", kCssValues_469, false},
    {"flex-grow", "Sets the flex grow factor.", {}, false},
    {"flex-shrink", "Sets the flex shrink factor.", {}, false},
    {"flex-wrap",
     "Controls whether the flex container is single-line or multi-line, and the direction of the "
     "cross-axis, which determines the direction new lines are stacked in.",
     kCssValues_472, false},
    {"float", "Specifies how a box should be floated.", kCssValues_473, false},
    {"flood-color",
     "Indicates what color to use to flood the current filter primitive subregion.",
     {},
     true},
    {"flood-opacity",
     "Indicates what opacity to use to flood the current filter primitive subregion.",
     {},
     false},
    {"font",
     "Shorthand property for setting 'font-style', 'font-variant', 'font-weight', 'font-size', "
     "'line-height', and 'font-family', at the same place in the style sheet.",
     kCssValues_476, false},
    {"font-display",
     "The font-display descriptor determines how a font face is displayed based on whether and "
     "when it is downloaded and ready to use.",
     kCssValues_477, false},
    {"font-family", "Specifies a prioritized list of font family names or generic family names.",
     kCssValues_478, false},
    {"font-feature-settings", "Provides low-level control over OpenType font features.",
     kCssValues_479, false},
    {"font-kerning", "Kerning is the contextual adjustment of inter-glyph spacing.", kCssValues_480,
     false},
    {"font-language-override",
     "The value of 'normal' implies that when rendering with OpenType fonts the language of the "
     "document is used to infer the OpenType language system, used to...",
     kCssValues_481, false},
    {"font-optical-sizing",
     "The font-optical-sizing CSS property allows developers to control whether browsers render "
     "text with slightly differing visual representations to optimize...",
     kCssValues_482, false},
    {"font-palette",
     "The font-palette CSS property allows specifying one of the many palettes contained in a font "
     "that a user agent should use for the font.",
     {},
     false},
    {"font-size", "Indicates the desired height of glyphs from the font.", kCssValues_484, false},
    {"font-size-adjust",
     "Preserves the readability of text when font fallback occurs by adjusting the font-size so "
     "that the x-height is the same regardless of the font used.",
     kCssValues_485, false},
    {"font-smooth",
     "The font-smooth CSS property controls the application of anti-aliasing when fonts are "
     "rendered.",
     {},
     false},
    {"font-style", "Allows italic or oblique faces to be selected.", kCssValues_487, false},
    {"font-synthesis",
     "Controls whether user agents are allowed to synthesize bold or oblique font faces when a "
     "font family lacks bold or italic faces.",
     kCssValues_488, false},
    {"font-synthesis-position",
     "The font-synthesis-position CSS property lets you specify whether or not a browser may "
     "synthesize the subscript and superscript \"position\" typefaces when...",
     kCssValues_489, false},
    {"font-synthesis-small-caps",
     "The font-synthesis-small-caps CSS property lets you specify whether or not the browser may "
     "synthesize small-caps typeface when it is missing in a font family.",
     kCssValues_490, false},
    {"font-synthesis-style",
     "The font-synthesis-style CSS property lets you specify whether or not the browser may "
     "synthesize the oblique typeface when it is missing in a font family.",
     kCssValues_491, false},
    {"font-synthesis-weight",
     "The font-synthesis-weight CSS property lets you specify whether or not the browser may "
     "synthesize the bold typeface when it is missing in a font family.",
     kCssValues_492, false},
    {"font-variant", "Specifies variant representations of the font", kCssValues_493, false},
    {"font-variant-alternates",
     "For any given character, fonts can provide a variety of alternate glyphs in addition to the "
     "default glyph for that character.",
     kCssValues_494, false},
    {"font-variant-caps", "Specifies control over capitalized forms.", kCssValues_495, false},
    {"font-variant-east-asian",
     "Allows control of glyph substitute and positioning in East Asian text.", kCssValues_496,
     false},
    {"font-variant-emoji",
     "The font-variant-emoji CSS property specifies the default presentation style for displaying "
     "emojis.",
     kCssValues_497, false},
    {"font-variant-ligatures", "Specifies control over which ligatures are enabled or disabled.",
     kCssValues_498, false},
    {"font-variant-numeric", "Specifies control over numerical forms.", kCssValues_499, false},
    {"font-variant-position", "Specifies the vertical position", kCssValues_500, false},
    {"font-variation-settings",
     "The font-variation-settings CSS property provides low-level control over OpenType or "
     "TrueType font variations, by specifying the four letter axis names of...",
     {},
     false},
    {"font-weight",
     "Specifies weight of glyphs in the font, their degree of blackness or stroke thickness.",
     kCssValues_502, false},
    {"font-width", "", {}, false},
    {"forced-color-adjust", "Allows authors to opt certain elements out of forced colors mode.",
     kCssValues_504, false},
    {"gap",
     "The gap CSS property is a shorthand property for row-gap and column-gap specifying the "
     "gutters between grid rows and columns.",
     {},
     false},
    {"glyph-orientation-horizontal",
     "Controls glyph orientation when the inline-progression-direction is horizontal.",
     {},
     false},
    {"glyph-orientation-vertical",
     "Controls glyph orientation when the inline-progression-direction is vertical.",
     kCssValues_507, false},
    {"grid",
     "The grid CSS property is a shorthand property that sets all of the explicit grid properties "
     "('grid-template-rows', 'grid-template-columns', and...",
     {},
     false},
    {"grid-area",
     "Determine a grid item's size and location within the grid by contributing a line, a span, or "
     "nothing (automatic) to its grid placement.",
     kCssValues_509, false},
    {"grid-auto-columns", "Specifies the size of implicitly created columns.", kCssValues_510,
     false},
    {"grid-auto-flow",
     "Controls how the auto-placement algorithm works, specifying exactly how auto-placed items "
     "get flowed into the grid.",
     kCssValues_511, false},
    {"grid-auto-rows", "Specifies the size of implicitly created rows.", kCssValues_512, false},
    {"grid-column", "Shorthand for 'grid-column-start' and 'grid-column-end'.", kCssValues_513,
     false},
    {"grid-column-end",
     "Determine a grid item's size and location within the grid by contributing a line, a span, or "
     "nothing (automatic) to its grid placement.",
     kCssValues_514, false},
    {"grid-column-start",
     "Determine a grid item's size and location within the grid by contributing a line, a span, or "
     "nothing (automatic) to its grid placement.",
     kCssValues_515, false},
    {"grid-row", "Shorthand for 'grid-row-start' and 'grid-row-end'.", kCssValues_516, false},
    {"grid-row-end",
     "Determine a grid item's size and location within the grid by contributing a line, a span, or "
     "nothing (automatic) to its grid placement.",
     kCssValues_517, false},
    {"grid-row-start",
     "Determine a grid item's size and location within the grid by contributing a line, a span, or "
     "nothing (automatic) to its grid placement.",
     kCssValues_518, false},
    {"grid-template",
     "Shorthand for setting grid-template-columns, grid-template-rows, and grid-template-areas in "
     "a single declaration.",
     kCssValues_519, false},
    {"grid-template-areas",
     "Specifies named grid areas, which are not associated with any particular grid item, but can "
     "be referenced from the grid-placement properties.",
     kCssValues_520, false},
    {"grid-template-columns",
     "specifies, as a space-separated track list, the line names and track sizing functions of the "
     "grid.",
     kCssValues_521, false},
    {"grid-template-rows",
     "specifies, as a space-separated track list, the line names and track sizing functions of the "
     "grid.",
     kCssValues_522, false},
    {"hanging-punctuation",
     "The hanging-punctuation CSS property specifies whether a punctuation mark should hang at the "
     "start or end of a line of text.",
     {},
     false},
    {"height",
     "Specifies the height of the content area, padding area or border area (depending on "
     "'box-sizing') of certain boxes.",
     kCssValues_524, false},
    {"hyphenate-character", "A hyphenate character used at the end of a line.", {}, false},
    {"hyphenate-limit-chars",
     "The hyphenate-limit-chars CSS property specifies the minimum word length to allow "
     "hyphenation of words as well as the minimum number of characters before...",
     {},
     false},
    {"hyphens",
     "Controls whether hyphenation is allowed to create more break opportunities within a line of "
     "text.",
     kCssValues_527, false},
    {"image-orientation",
     "Specifies an orthogonal rotation to be applied to an image before it is laid out.",
     kCssValues_528, false},
    {"image-rendering",
     "Provides a hint to the user-agent about what aspects of an image are most important to "
     "preserve when the image is scaled, to aid the user-agent in the...",
     kCssValues_529, false},
    {"image-resolution",
     "The image-resolution property specifies the intrinsic resolution of all raster images used "
     "in or on the element.",
     {},
     false},
    {"inherits",
     "Specifies the inherit flag of the custom property registration represented by the @property "
     "rule, controlling whether or not the property inherits by default.",
     kCssValues_531, false},
    {"initial-letter",
     "The initial-letter CSS property specifies styling for dropped, raised, and sunken initial "
     "letters.",
     {},
     false},
    {"initial-letter-align",
     "The initial-letter-align CSS property specifies the alignment of initial letters within a "
     "paragraph.",
     {},
     false},
    {"initial-value",
     "Specifies the initial value of the custom property registration represented by the @property "
     "rule, controlling the property’s initial value.",
     {},
     false},
    {"inline-size", "Size of an element in the direction specified by 'writing-mode'.",
     kCssValues_535, false},
    {"inset",
     "The inset CSS property defines the logical block and inline start and end offsets of an "
     "element, which map to physical offsets depending on the element's...",
     {},
     false},
    {"inset-block",
     "The inset-block CSS property defines the logical block start and end offsets of an element, "
     "which maps to physical offsets depending on the element's...",
     {},
     false},
    {"inset-block-end",
     "The inset-block-end CSS property defines the logical block end offset of an element, which "
     "maps to a physical offset depending on the element's writing...",
     {},
     false},
    {"inset-block-start",
     "The inset-block-start CSS property defines the logical block start offset of an element, "
     "which maps to a physical offset depending on the element's writing...",
     {},
     false},
    {"inset-inline",
     "The inset-inline CSS property defines the logical block start and end offsets of an element, "
     "which maps to physical offsets depending on the element's...",
     {},
     false},
    {"inset-inline-end",
     "The inset-inline-end CSS property defines the logical inline end inset of an element, which "
     "maps to a physical inset depending on the element's writing...",
     {},
     false},
    {"inset-inline-start",
     "The inset-inline-start CSS property defines the logical inline start inset of an element, "
     "which maps to a physical offset depending on the element's writing...",
     {},
     false},
    {"interactivity", "", kCssValues_543, false},
    {"interest-delay", "", {}, false},
    {"interest-delay-end", "", {}, false},
    {"interest-delay-start", "", {}, false},
    {"interpolate-size",
     "The interpolate-size CSS property allows you to enable animations and transitions between a "
     "<length-percentage> value and an intrinsic size value such as...",
     kCssValues_547, false},
    {"isolation", "In CSS setting to 'isolate' will turn the element into a stacking context.",
     kCssValues_548, false},
    {"justify-content",
     "Aligns flex items along the main axis of the current line of the flex container.",
     kCssValues_549, false},
    {"justify-items",
     "Defines the default justify-self for all items of the box, giving them the default way of "
     "justifying each box along the appropriate axis",
     kCssValues_550, false},
    {"justify-self",
     "Defines the way of justifying a box inside its container along the appropriate axis.",
     kCssValues_551, false},
    {"justify-tracks",
     "The justify-tracks CSS property sets the alignment in the masonry axis for grid containers "
     "that have masonry in their inline axis",
     {},
     false},
    {"kerning",
     "Indicates whether the user agent should adjust inter-glyph spacing based on kerning tables "
     "that are included in the relevant font or instead disable...",
     kCssValues_553, false},
    {"left",
     "Specifies how far an absolutely positioned box's left margin edge is offset to the right of "
     "the left edge of the box's 'containing block'.",
     kCssValues_554, false},
    {"letter-spacing",
     "Specifies the minimum, maximum, and optimal spacing between grapheme clusters.",
     kCssValues_555, false},
    {"lighting-color",
     "Defines the color of the light source for filter primitives 'feDiffuseLighting' and "
     "'feSpecularLighting'.",
     {},
     true},
    {"line-break",
     "Specifies what set of line breaking restrictions are in effect within the element.",
     kCssValues_557, false},
    {"line-clamp",
     "The line-clamp property allows limiting the contents of a block container to the specified "
     "number of lines;",
     {},
     false},
    {"line-gap-override", "Describes the line-gap metric of a font.", {}, false},
    {"line-height",
     "Determines the block-progression dimension of the text content area of an inline box.",
     kCssValues_560, false},
    {"line-height-step",
     "The line-height-step CSS property defines the step units for line box heights.",
     {},
     false},
    {"list-style",
     "Shorthand for setting 'list-style-type', 'list-style-position' and 'list-style-image'",
     kCssValues_562, false},
    {"list-style-image", "Sets the image that will be used as the list item marker.",
     kCssValues_563, false},
    {"list-style-position",
     "Specifies the position of the '::marker' pseudo-element's box in the list item.",
     kCssValues_564, false},
    {"list-style-type", "Used to construct the default contents of a list item's marker",
     kCssValues_565, false},
    {"margin", "Shorthand property to set values for the thickness of the margin area.",
     kCssValues_566, false},
    {"margin-block",
     "The margin-block CSS property defines the logical block start and end margins of an element, "
     "which maps to physical margins depending on the element's...",
     {},
     false},
    {"margin-block-end", "Logical 'margin-bottom'.", kCssValues_568, false},
    {"margin-block-start", "Logical 'margin-top'.", kCssValues_569, false},
    {"margin-bottom", "Shorthand property to set values for the thickness of the margin area.",
     kCssValues_570, false},
    {"margin-inline",
     "The margin-inline CSS property defines the logical inline start and end margins of an "
     "element, which maps to physical margins depending on the element's...",
     {},
     false},
    {"margin-inline-end", "Logical 'margin-right'.", kCssValues_572, false},
    {"margin-inline-start", "Logical 'margin-left'.", kCssValues_573, false},
    {"margin-left", "Shorthand property to set values for the thickness of the margin area.",
     kCssValues_574, false},
    {"margin-right", "Shorthand property to set values for the thickness of the margin area.",
     kCssValues_575, false},
    {"margin-top", "Shorthand property to set values for the thickness of the margin area.",
     kCssValues_576, false},
    {"margin-trim",
     "The margin-trim property allows the container to trim the margins of its children where they "
     "adjoin the container’s edges.",
     kCssValues_577, false},
    {"marker",
     "Specifies the marker symbol that shall be used for all points on the sets the value for all "
     "vertices on the given 'path' element or basic shape.",
     kCssValues_578, false},
    {"marker-end",
     "Specifies the marker that will be drawn at the last vertices of the given markable element.",
     kCssValues_579, false},
    {"marker-mid",
     "Specifies the marker that will be drawn at all vertices except the first and last.",
     kCssValues_580, false},
    {"marker-start",
     "Specifies the marker that will be drawn at the first vertices of the given markable element.",
     kCssValues_581, false},
    {"marks",
     "The marks CSS at-rule descriptor, used with the @page at-rule, adds crop and/or cross marks "
     "to the presentation of the document.",
     {},
     false},
    {"mask",
     "The mask CSS property alters the visibility of an element by either partially or fully "
     "hiding it.",
     {},
     false},
    {"mask-border",
     "The mask-border CSS property lets you create a mask along the edge of an element's border.",
     {},
     false},
    {"mask-border-mode",
     "The mask-border-mode CSS property specifies the blending mode used in a mask border.",
     kCssValues_585, false},
    {"mask-border-outset",
     "The mask-border-outset CSS property specifies the distance by which an element's mask border "
     "is set out from its border box.",
     {},
     false},
    {"mask-border-repeat",
     "The mask-border-repeat CSS property defines how the edge regions of a source image are "
     "adjusted to fit the dimensions of an element's mask border.",
     {},
     false},
    {"mask-border-slice",
     "The mask-border-slice CSS property divides the image specified by mask-border-source into "
     "regions.",
     {},
     false},
    {"mask-border-source",
     "The mask-border-source CSS property specifies the source image used to create an element's "
     "mask border.",
     {},
     false},
    {"mask-border-width",
     "The mask-border-width CSS property specifies the width of an element's mask border.",
     {},
     false},
    {"mask-clip",
     "The mask-clip CSS property determines the area, which is affected by a mask.",
     {},
     false},
    {"mask-composite",
     "The mask-composite CSS property represents a compositing operation used on the current mask "
     "layer with the mask layers below it.",
     {},
     false},
    {"mask-image", "Sets the mask layer image of an element.", kCssValues_593, false},
    {"mask-mode",
     "Indicates whether the mask layer image is treated as luminance mask or alpha mask.",
     kCssValues_594, false},
    {"mask-origin", "Specifies the mask positioning area.", {}, false},
    {"mask-position", "Specifies how mask layer images are positioned.", {}, false},
    {"mask-repeat",
     "Specifies how mask layer images are tiled after they have been sized and positioned.",
     {},
     false},
    {"mask-size", "Specifies the size of the mask layer images.", kCssValues_598, false},
    {"mask-type",
     "Defines whether the content of the <mask> element is treated as as luminance mask or alpha "
     "mask.",
     kCssValues_599, false},
    {"masonry-auto-flow",
     "The masonry-auto-flow CSS property modifies how items are placed when using masonry in CSS "
     "Grid Layout.",
     {},
     false},
    {"math-depth",
     "Describe a notion of \"depth\" for each element of a mathematical formula, with respect to "
     "the top-level container of that formula.",
     {},
     false},
    {"math-shift",
     "Used for positioning superscript during the layout of MathML scripted elements.",
     kCssValues_602, false},
    {"math-style",
     "The math-style property indicates whether MathML equations should render with normal or "
     "compact height.",
     kCssValues_603, false},
    {"max-block-size",
     "Maximum size of an element in the direction opposite that of the direction specified by "
     "'writing-mode'.",
     kCssValues_604, false},
    {"max-height", "Allows authors to constrain content height to a certain range.", kCssValues_605,
     false},
    {"max-inline-size", "Maximum size of an element in the direction specified by 'writing-mode'.",
     kCssValues_606, false},
    {"max-lines", "The max-lines property forces a break after a set number of lines", {}, false},
    {"max-width", "Allows authors to constrain content width to a certain range.", kCssValues_608,
     false},
    {"min-block-size",
     "Minimal size of an element in the direction opposite that of the direction specified by "
     "'writing-mode'.",
     {},
     false},
    {"min-height", "Allows authors to constrain content height to a certain range.", kCssValues_610,
     false},
    {"min-inline-size",
     "Minimal size of an element in the direction specified by 'writing-mode'.",
     {},
     false},
    {"min-width", "Allows authors to constrain content width to a certain range.", kCssValues_612,
     false},
    {"mix-blend-mode", "Defines the formula that must be used to mix the colors with the backdrop.",
     kCssValues_613, false},
    {"motion",
     "Shorthand property for setting 'motion-path', 'motion-offset' and 'motion-rotation'.",
     kCssValues_614, false},
    {"motion-offset",
     "A distance that describes the position along the specified motion path.",
     {},
     false},
    {"motion-path", "Specifies the motion path the element gets positioned at.", kCssValues_616,
     false},
    {"motion-rotation",
     "Defines the direction of the element while positioning along the motion path.",
     kCssValues_617, false},
    {"nav-down", "Provides an way to control directional focus navigation.", kCssValues_618, false},
    {"nav-index",
     "Provides an input-method-neutral way of specifying the sequential navigation order (also "
     "known as 'tabbing order').",
     kCssValues_619, false},
    {"nav-left", "Provides an way to control directional focus navigation.", kCssValues_620, false},
    {"nav-right", "Provides an way to control directional focus navigation.", kCssValues_621,
     false},
    {"nav-up", "Provides an way to control directional focus navigation.", kCssValues_622, false},
    {"navigation", "", kCssValues_623, false},
    {"negative", "@counter-style descriptor.", {}, false},
    {"object-fit",
     "Specifies how the contents of a replaced element should be scaled relative to the box "
     "established by its used height and width.",
     kCssValues_625, false},
    {"object-position",
     "Determines the alignment of the replaced element inside its box.",
     {},
     false},
    {"object-view-box",
     "Defines a rectangle as a viewable area (viewbox) within a replaced element, enabling the "
     "content of the replaced element to be zoomed or panned.",
     {},
     false},
    {"offset",
     "The offset CSS property is a shorthand property for animating an element along a defined "
     "path.",
     {},
     false},
    {"offset-anchor", "Defines an anchor point of the box positioned along the path.", {}, false},
    {"offset-block-end", "Logical 'bottom'.", kCssValues_630, false},
    {"offset-block-start", "Logical 'top'.", kCssValues_631, false},
    {"offset-distance",
     "The offset-distance CSS property specifies a position along an offset-path.",
     {},
     false},
    {"offset-inline-end", "Logical 'right'.", kCssValues_633, false},
    {"offset-inline-start", "Logical 'left'.", kCssValues_634, false},
    {"offset-path",
     "The offset-path CSS property specifies the offset path where the element gets positioned.",
     {},
     false},
    {"offset-position", "Specifies the initial position of the offset path.", {}, false},
    {"offset-rotate",
     "The offset-rotate CSS property defines the direction of the element while positioning along "
     "the offset path.",
     {},
     false},
    {"opacity",
     "Opacity of an element's text, where 1 is opaque and 0 is entirely transparent.",
     {},
     false},
    {"order",
     "Controls the order in which children of a flex container appear within the flex container, "
     "by assigning them to ordinal groups.",
     {},
     false},
    {"orphans",
     "Specifies the minimum number of line boxes in a block container that must be left in a "
     "fragment before a fragmentation break.",
     {},
     false},
    {"outline", "Shorthand property for 'outline-style', 'outline-width', and 'outline-color'.",
     kCssValues_641, true},
    {"outline-color", "The color of the outline.", kCssValues_642, true},
    {"outline-offset", "Offset the outline and draw it beyond the border edge.", {}, false},
    {"outline-style", "Style of the outline.", kCssValues_644, false},
    {"outline-width", "Width of the outline.", {}, false},
    {"overflow", "Shorthand for setting 'overflow-x' and 'overflow-y'.", kCssValues_646, false},
    {"overflow-anchor",
     "The overflow-anchor CSS property provides a way to opt out browser scroll anchoring behavior "
     "which adjusts scroll position to minimize content shifts.",
     kCssValues_647, false},
    {"overflow-block",
     "The overflow-block CSS media feature can be used to test how the output device handles "
     "content that overflows the initial containing block along the block axis.",
     kCssValues_648, false},
    {"overflow-clip-box",
     "The overflow-clip-box CSS property specifies relative to which box the clipping happens when "
     "there is an overflow.",
     kCssValues_649, false},
    {"overflow-clip-margin",
     "The overflow-clip-margin CSS property determines how far outside its bounds an element with "
     "overflow.",
     {},
     false},
    {"overflow-inline",
     "The overflow-inline CSS media feature can be used to test how the output device handles "
     "content that overflows the initial containing block along the inline...",
     kCssValues_651, false},
    {"overflow-wrap",
     "Specifies whether the UA may break within a word to prevent overflow when an "
     "otherwise-unbreakable string is too long to fit within the line box.",
     kCssValues_652, false},
    {"overflow-x", "Specifies the handling of overflow in the horizontal direction.",
     kCssValues_653, false},
    {"overflow-y", "Specifies the handling of overflow in the vertical direction.", kCssValues_654,
     false},
    {"overlay",
     "The overlay CSS property specifies whether an element appearing in the top layer (for "
     "example, a shown popover or modal {{htmlelement(\"dialog\")}} element)...",
     kCssValues_655, false},
    {"override-colors",
     "The override-colors CSS descriptor is used to override colors in the chosen base-palette for "
     "a color font.",
     {},
     false},
    {"overscroll-behavior",
     "The overscroll-behavior CSS property is shorthand for the overscroll-behavior-x and "
     "overscroll-behavior-y properties, which allow you to control the...",
     {},
     false},
    {"overscroll-behavior-block",
     "The overscroll-behavior-block CSS property sets the browser's behavior when the block "
     "direction boundary of a scrolling area is reached.",
     kCssValues_658, false},
    {"overscroll-behavior-inline",
     "The overscroll-behavior-inline CSS property sets the browser's behavior when the inline "
     "direction boundary of a scrolling area is reached.",
     kCssValues_659, false},
    {"overscroll-behavior-x",
     "The overscroll-behavior-x CSS property is allows you to control the browser's scroll "
     "overflow behavior — what happens when the boundary of a scrolling...",
     kCssValues_660, false},
    {"overscroll-behavior-y",
     "The overscroll-behavior-y CSS property is allows you to control the browser's scroll "
     "overflow behavior — what happens when the boundary of a scrolling...",
     kCssValues_661, false},
    {"pad", "@counter-style descriptor.", {}, false},
    {"padding",
     "Shorthand property to set values for the thickness of the padding area.",
     {},
     false},
    {"padding-block",
     "The padding-block CSS property defines the logical block start and end padding of an "
     "element, which maps to physical padding properties depending on the...",
     {},
     false},
    {"padding-block-end", "Logical 'padding-bottom'.", {}, false},
    {"padding-block-start", "Logical 'padding-top'.", {}, false},
    {"padding-bottom",
     "Shorthand property to set values for the thickness of the padding area.",
     {},
     false},
    {"padding-inline",
     "The padding-inline CSS property defines the logical inline start and end padding of an "
     "element, which maps to physical padding properties depending on the...",
     {},
     false},
    {"padding-inline-end", "Logical 'padding-right'.", {}, false},
    {"padding-inline-start", "Logical 'padding-left'.", {}, false},
    {"padding-left",
     "Shorthand property to set values for the thickness of the padding area.",
     {},
     false},
    {"padding-right",
     "Shorthand property to set values for the thickness of the padding area.",
     {},
     false},
    {"padding-top",
     "Shorthand property to set values for the thickness of the padding area.",
     {},
     false},
    {"page",
     "The page CSS property is used to specify the named page, a specific type of page defined by "
     "the @page at-rule.",
     {},
     false},
    {"page-orientation",
     "The page-orientation CSS descriptor for the @page at-rule controls the rotation of a printed "
     "page.",
     kCssValues_675, false},
    {"paint-order",
     "Controls the order that the three paint operations that shapes and text are rendered with.",
     kCssValues_676, false},
    {"perspective",
     "Applies the same transform as the perspective(<number>) transform function, except that it "
     "applies only to the positioned or transformed children of the...",
     kCssValues_677, false},
    {"perspective-origin", "Establishes the origin for the perspective property.", {}, false},
    {"place-content",
     "The place-content CSS shorthand property sets both the align-content and justify-content "
     "properties.",
     {},
     false},
    {"place-items",
     "The CSS place-items shorthand property sets both the align-items and justify-items "
     "properties.",
     {},
     false},
    {"place-self",
     "The place-self CSS property is a shorthand property sets both the align-self and "
     "justify-self properties.",
     {},
     false},
    {"pointer-events",
     "Specifies under what circumstances a given element can be the target element for a pointer "
     "event.",
     kCssValues_682, false},
    {"position", "The position CSS property sets how an element is positioned in a document.",
     kCssValues_683, false},
    {"position-anchor",
     "The position-anchor property defines the default anchor specifier for all anchor functions "
     "on the element, allowing multiple elements to use the same set of...",
     {},
     false},
    {"position-area",
     "The position-area CSS property enables an anchor-positioned element to be positioned "
     "relative to the edges of its associated anchor element by placing the...",
     {},
     false},
    {"position-try",
     "This shorthand sets both position-try-options and position-try-order.",
     {},
     false},
    {"position-try-fallbacks",
     "The position-try-fallbacks CSS property enables you to specify a list of one or more "
     "alternative position try fallback options for anchor-positioned...",
     {},
     false},
    {"position-try-order",
     "This property specifies the order in which the position options list will be tried.",
     {},
     false},
    {"position-visibility",
     "There are times when an element’s anchors are not appropriate for positioning the element "
     "with, and it would be better to simply not display the element...",
     {},
     false},
    {"prefix", "@counter-style descriptor.", {}, false},
    {"print-color-adjust",
     "Defines what optimization the user agent is allowed to do when adjusting the appearance for "
     "an output device.",
     kCssValues_691, false},
    {"quotes", "Specifies quotation marks for any number of embedded quotations.", kCssValues_692,
     false},
    {"r", "The r CSS property defines the radius of a circle.", {}, false},
    {"range", "@counter-style descriptor.", kCssValues_694, false},
    {"reading-flow", "", kCssValues_695, false},
    {"reading-order", "", {}, false},
    {"resize",
     "Specifies whether or not an element is resizable by the user, and if so, along which "
     "axis/axes.",
     kCssValues_697, false},
    {"right",
     "Specifies how far an absolutely positioned box's right margin edge is offset to the left of "
     "the right edge of the box's 'containing block'.",
     kCssValues_698, false},
    {"rotate",
     "The rotate CSS property allows you to specify rotation transforms individually and "
     "independently of the transform property.",
     {},
     false},
    {"row-gap", "The row-gap CSS property specifies the gutter between grid rows.", {}, false},
    {"ruby-align",
     "Specifies how text is distributed within the various ruby boxes when their contents do not "
     "exactly fill their respective boxes.",
     kCssValues_701, false},
    {"ruby-merge",
     "This property controls how ruby annotation boxes should be rendered when there are more than "
     "one in a ruby container box.",
     kCssValues_702, false},
    {"ruby-overhang",
     "Determines whether, and on which side, ruby text is allowed to partially overhang any "
     "adjacent text in addition to its own base, when the ruby text is wider...",
     kCssValues_703, false},
    {"ruby-position", "Used by the parent of elements with display.", kCssValues_704, false},
    {"ruby-span",
     "Determines whether, and on which side, ruby text is allowed to partially overhang any "
     "adjacent text in addition to its own base, when the ruby text is wider...",
     kCssValues_705, false},
    {"rx",
     "The rx CSS property defines the x-axis, or horizontal, radius of an SVG ellipse and the "
     "horizontal curve of the corners of an SVG rect rectangle.",
     {},
     false},
    {"ry",
     "The ry CSS property defines the y-axis, or vertical, radius of an SVG ellipse and the "
     "vertical curve of the corners of an SVG rect rectangle.",
     {},
     false},
    {"scale",
     "The scale CSS property allows you to specify scale transforms individually and independently "
     "of the transform property.",
     {},
     false},
    {"scroll-behavior",
     "Specifies the scrolling behavior for a scrolling box, when scrolling happens due to "
     "navigation or CSSOM scrolling APIs.",
     kCssValues_709, false},
    {"scroll-initial-target", "", kCssValues_710, false},
    {"scroll-margin",
     "The scroll-margin property is a shorthand property which sets all of the scroll-margin "
     "longhands, assigning values much like the margin property does for...",
     {},
     false},
    {"scroll-margin-block",
     "The scroll-margin-block property is a shorthand property which sets the scroll-margin "
     "longhands in the block dimension.",
     {},
     false},
    {"scroll-margin-block-end",
     "The scroll-margin-block-end property defines the margin of the scroll snap area at the end "
     "of the block dimension that is used for snapping this box to the...",
     {},
     false},
    {"scroll-margin-block-start",
     "The scroll-margin-block-start property defines the margin of the scroll snap area at the "
     "start of the block dimension that is used for snapping this box to...",
     {},
     false},
    {"scroll-margin-bottom",
     "The scroll-margin-bottom property defines the bottom margin of the scroll snap area that is "
     "used for snapping this box to the snapport.",
     {},
     false},
    {"scroll-margin-inline",
     "The scroll-margin-inline property is a shorthand property which sets the scroll-margin "
     "longhands in the inline dimension.",
     {},
     false},
    {"scroll-margin-inline-end",
     "The scroll-margin-inline-end property defines the margin of the scroll snap area at the end "
     "of the inline dimension that is used for snapping this box to...",
     {},
     false},
    {"scroll-margin-inline-start",
     "The scroll-margin-inline-start property defines the margin of the scroll snap area at the "
     "start of the inline dimension that is used for snapping this box...",
     {},
     false},
    {"scroll-margin-left",
     "The scroll-margin-left property defines the left margin of the scroll snap area that is used "
     "for snapping this box to the snapport.",
     {},
     false},
    {"scroll-margin-right",
     "The scroll-margin-right property defines the right margin of the scroll snap area that is "
     "used for snapping this box to the snapport.",
     {},
     false},
    {"scroll-margin-top",
     "The scroll-margin-top property defines the top margin of the scroll snap area that is used "
     "for snapping this box to the snapport.",
     {},
     false},
    {"scroll-marker-group", "", kCssValues_722, false},
    {"scroll-padding",
     "The scroll-padding property is a shorthand property which sets all of the scroll-padding "
     "longhands, assigning values much like the padding property does for...",
     {},
     false},
    {"scroll-padding-block",
     "The scroll-padding-block property is a shorthand property which sets the scroll-padding "
     "longhands for the block dimension.",
     {},
     false},
    {"scroll-padding-block-end",
     "The scroll-padding-block-end property defines offsets for the end edge in the block "
     "dimension of the optimal viewing region of the scrollport.",
     {},
     false},
    {"scroll-padding-block-start",
     "The scroll-padding-block-start property defines offsets for the start edge in the block "
     "dimension of the optimal viewing region of the scrollport.",
     {},
     false},
    {"scroll-padding-bottom",
     "The scroll-padding-bottom property defines offsets for the bottom of the optimal viewing "
     "region of the scrollport.",
     {},
     false},
    {"scroll-padding-inline",
     "The scroll-padding-inline property is a shorthand property which sets the scroll-padding "
     "longhands for the inline dimension.",
     {},
     false},
    {"scroll-padding-inline-end",
     "The scroll-padding-inline-end property defines offsets for the end edge in the inline "
     "dimension of the optimal viewing region of the scrollport.",
     {},
     false},
    {"scroll-padding-inline-start",
     "The scroll-padding-inline-start property defines offsets for the start edge in the inline "
     "dimension of the optimal viewing region of the scrollport.",
     {},
     false},
    {"scroll-padding-left",
     "The scroll-padding-left property defines offsets for the left of the optimal viewing region "
     "of the scrollport.",
     {},
     false},
    {"scroll-padding-right",
     "The scroll-padding-right property defines offsets for the right of the optimal viewing "
     "region of the scrollport.",
     {},
     false},
    {"scroll-padding-top",
     "The scroll-padding-top property defines offsets for the top of the optimal viewing region of "
     "the scrollport.",
     {},
     false},
    {"scroll-snap-align",
     "The scroll-snap-align property specifies the box’s snap position as an alignment of its snap "
     "area (as the alignment subject) within its snap container’s...",
     {},
     false},
    {"scroll-snap-stop",
     "The scroll-snap-stop CSS property defines whether the scroll container is allowed to \"pass "
     "over\" possible snap positions.",
     kCssValues_735, false},
    {"scroll-snap-type", "Defines how strictly snap points are enforced on the scroll container.",
     kCssValues_736, false},
    {"scroll-target-group", "", kCssValues_737, false},
    {"scroll-timeline",
     "Defines a name that can be used to identify the source element of a scroll timeline, along "
     "with the scrollbar axis that should provide the timeline.",
     {},
     false},
    {"scroll-timeline-axis",
     "Specifies the scrollbar that will be used to provide the timeline for a scroll-timeline "
     "animation",
     {},
     false},
    {"scroll-timeline-name",
     "Defines a name that can be used to identify an element as the source of a scroll-timeline.",
     {},
     false},
    {"scrollbar-3dlight-color",
     "Determines the color of the top and left edges of the scroll box and scroll arrows of a "
     "scroll bar.",
     {},
     true},
    {"scrollbar-arrow-color",
     "Determines the color of the arrow elements of a scroll arrow.",
     {},
     true},
    {"scrollbar-base-color",
     "Determines the color of the main elements of a scroll bar, which include the scroll box, "
     "track, and scroll arrows.",
     {},
     true},
    {"scrollbar-color",
     "The scrollbar-color CSS property sets the color of the scrollbar track and thumb.",
     {},
     false},
    {"scrollbar-darkshadow-color", "Determines the color of the gutter of a scroll bar.", {}, true},
    {"scrollbar-face-color",
     "Determines the color of the scroll box and scroll arrows of a scroll bar.",
     {},
     true},
    {"scrollbar-gutter",
     "The scrollbar-gutter CSS property allows authors to reserve space for the scrollbar, "
     "preventing unwanted layout changes as the content grows while also...",
     {},
     false},
    {"scrollbar-highlight-color",
     "Determines the color of the top and left edges of the scroll box and scroll arrows of a "
     "scroll bar.",
     {},
     true},
    {"scrollbar-shadow-color",
     "Determines the color of the bottom and right edges of the scroll box and scroll arrows of a "
     "scroll bar.",
     {},
     true},
    {"scrollbar-track-color",
     "Determines the color of the track element of a scroll bar.",
     {},
     true},
    {"scrollbar-width",
     "The scrollbar-width property allows the author to set the maximum thickness of an element’s "
     "scrollbars when they are shown.",
     kCssValues_751, false},
    {"shape-image-threshold",
     "Defines the alpha channel threshold used to extract the shape using an image.",
     {},
     false},
    {"shape-margin", "Adds a margin to a 'shape-outside'.", {}, false},
    {"shape-outside",
     "Specifies an orthogonal rotation to be applied to an image before it is laid out.",
     kCssValues_754, false},
    {"shape-rendering",
     "Provides hints about what tradeoffs to make as it renders vector graphics elements such as "
     "<path> elements and basic shapes such as circles and rectangles.",
     kCssValues_755, false},
    {"size",
     "The size CSS at-rule descriptor, used with the @page at-rule, defines the size and "
     "orientation of the box which is used to represent a page.",
     {},
     false},
    {"size-adjust", "A multiplier for glyph outlines and metrics of a font.", {}, false},
    {"speak-as",
     "The speak-as descriptor specifies how a counter symbol constructed with a given "
     "@counter-style will be represented in the spoken form.",
     {},
     false},
    {"src", "@font-face descriptor.", kCssValues_759, false},
    {"stop-color", "Indicates what color to use at that gradient stop.", {}, true},
    {"stop-opacity", "Defines the opacity of a given gradient stop.", {}, false},
    {"stroke", "Paints along the outline of the given graphical element.", kCssValues_762, true},
    {"stroke-color", "", {}, false},
    {"stroke-dasharray", "Controls the pattern of dashes and gaps used to stroke paths.",
     kCssValues_764, false},
    {"stroke-dashoffset",
     "Specifies the distance into the dash pattern to start the dash.",
     {},
     false},
    {"stroke-linecap",
     "Specifies the shape to be used at the end of open subpaths when they are stroked.",
     kCssValues_766, false},
    {"stroke-linejoin",
     "Specifies the shape to be used at the corners of paths or basic shapes when they are "
     "stroked.",
     kCssValues_767, false},
    {"stroke-miterlimit",
     "When two line segments meet at a sharp angle and miter joins have been specified for "
     "'stroke-linejoin', it is possible for the miter to extend far beyond...",
     {},
     false},
    {"stroke-opacity",
     "Specifies the opacity of the painting operation used to stroke the current object.",
     {},
     false},
    {"stroke-width", "Specifies the width of the stroke on the current object.", {}, false},
    {"suffix", "@counter-style descriptor.", {}, false},
    {"symbols", "@counter-style descriptor.", {}, false},
    {"syntax",
     "Specifies the syntax of the custom property registration represented by the @property rule, "
     "controlling how the property’s value is parsed at computed...",
     {},
     false},
    {"system", "@counter-style descriptor.", kCssValues_774, false},
    {"tab-size",
     "Determines the width of the tab character (U+0009), in space characters (U+0020), when "
     "rendered.",
     {},
     false},
    {"table-layout", "Controls the algorithm used to lay out the table cells, rows, and columns.",
     kCssValues_776, false},
    {"text-align",
     "Describes how inline contents of a block are horizontally aligned if the contents do not "
     "completely fill the line box.",
     kCssValues_777, false},
    {"text-align-last",
     "Describes how the last line of a block or a line right before a forced line break is aligned "
     "when 'text-align' is set to 'justify'.",
     kCssValues_778, false},
    {"text-anchor",
     "Used to align (start-, middle- or end-alignment) a string of text relative to a given point.",
     kCssValues_779, false},
    {"text-autospace", "", {}, false},
    {"text-box",
     "The text-box CSS property is a shorthand that corresponds to the text-box-trim and "
     "text-box-edge properties, which together specify the amount of space to...",
     {},
     false},
    {"text-box-edge",
     "The text-box-edge CSS property specifies an amount of space to trim from a text element's "
     "block container.",
     {},
     false},
    {"text-box-trim",
     "The text-box-trim CSS property specifies which of the over and under edges of text content "
     "to trim from a text element's block container.",
     kCssValues_783, false},
    {"text-combine-upright",
     "The text-combine-upright CSS property specifies the combination of multiple characters into "
     "the space of a single character.",
     {},
     false},
    {"text-decoration", "Decorations applied to font used for an element's text.", kCssValues_785,
     true},
    {"text-decoration-color",
     "Specifies the color of text decoration (underlines overlines, and line-throughs) set on the "
     "element with text-decoration-line.",
     {},
     true},
    {"text-decoration-inset", "", {}, false},
    {"text-decoration-line", "Specifies what line decorations, if any, are added to the element.",
     kCssValues_788, false},
    {"text-decoration-skip",
     "The text-decoration-skip CSS property specifies what parts of the element’s content any text "
     "decoration affecting the element must skip over.",
     {},
     false},
    {"text-decoration-skip-ink",
     "The text-decoration-skip-ink CSS property specifies how overlines and underlines are drawn "
     "when they pass over glyph ascenders and descenders.",
     kCssValues_790, false},
    {"text-decoration-style",
     "Specifies the line style for underline, line-through and overline text decoration.",
     kCssValues_791, false},
    {"text-decoration-thickness",
     "The text-decoration-thickness CSS property sets the thickness, or width, of the decoration "
     "line that is used on text in an element, such as a line-through...",
     {},
     false},
    {"text-emphasis",
     "The text-emphasis CSS property is a shorthand property for setting text-emphasis-style and "
     "text-emphasis-color in one declaration.",
     {},
     false},
    {"text-emphasis-color",
     "The text-emphasis-color CSS property defines the color used to draw emphasis marks on text "
     "being rendered in the HTML document.",
     {},
     false},
    {"text-emphasis-position",
     "The text-emphasis-position CSS property describes where emphasis marks are drawn at.",
     {},
     false},
    {"text-emphasis-style",
     "The text-emphasis-style CSS property defines the type of emphasis used.",
     {},
     false},
    {"text-indent",
     "Specifies the indentation applied to lines of inline content in a block.",
     {},
     false},
    {"text-justify",
     "Selects the justification algorithm used when 'text-align' is set to 'justify'.",
     kCssValues_798, false},
    {"text-orientation", "Specifies the orientation of text within a line.", kCssValues_799, false},
    {"text-overflow", "Text can overflow for example when it is prevented from wrapping.",
     kCssValues_800, false},
    {"text-rendering",
     "The creator of SVG content might want to provide a hint to the implementation about what "
     "tradeoffs to make as it renders text.",
     kCssValues_801, false},
    {"text-shadow", "Enables shadow effects to be applied to the text of the element.",
     kCssValues_802, true},
    {"text-size-adjust",
     "The text-size-adjust CSS property controls the text inflation algorithm used on some "
     "smartphones and tablets.",
     {},
     false},
    {"text-spacing-trim",
     "The text-spacing-trim CSS property controls the internal spacing set on "
     "Chinese/Japanese/Korean (CJK) punctuation characters between adjacent characters...",
     kCssValues_804, false},
    {"text-transform", "Controls capitalization effects of an element's text.", kCssValues_805,
     false},
    {"text-underline-offset",
     "The text-underline-offset CSS property sets the offset distance of an underline text "
     "decoration line (applied using text-decoration) from its original position.",
     {},
     false},
    {"text-underline-position", "Sets the position of an underline specified on the same element.",
     kCssValues_807, false},
    {"text-wrap",
     "The text-wrap CSS property controls how text inside an element is wrapped.",
     {},
     false},
    {"text-wrap-mode",
     "The text-wrap-mode CSS property controls whether the text inside an element is wrapped.",
     kCssValues_809, false},
    {"text-wrap-style",
     "The text-wrap-style CSS property controls how text inside an element is wrapped.",
     kCssValues_810, false},
    {"timeline-scope",
     "The timeline-scope CSS property modifies the scope of a named animation timeline.",
     {},
     false},
    {"timeline-trigger", "", {}, false},
    {"timeline-trigger-exit-range", "", {}, false},
    {"timeline-trigger-exit-range-end", "", {}, false},
    {"timeline-trigger-exit-range-start", "", {}, false},
    {"timeline-trigger-name", "", {}, false},
    {"timeline-trigger-range", "", {}, false},
    {"timeline-trigger-range-end", "", {}, false},
    {"timeline-trigger-range-start", "", {}, false},
    {"timeline-trigger-source", "", {}, false},
    {"top",
     "Specifies how far an absolutely positioned box's top margin edge is offset below the top "
     "edge of the box's 'containing block'.",
     kCssValues_821, false},
    {"touch-action",
     "Determines whether touch input may trigger default behavior supplied by user agent.",
     kCssValues_822, false},
    {"transform",
     "A two-dimensional transformation is applied to an element through the 'transform' property.",
     kCssValues_823, false},
    {"transform-box",
     "The transform-box CSS property defines the layout box to which the transform and "
     "transform-origin properties relate.",
     kCssValues_824, false},
    {"transform-origin", "Establishes the origin of transformation for an element.", {}, false},
    {"transform-style", "Defines how nested elements are rendered in 3D space.", kCssValues_826,
     false},
    {"transition",
     "Shorthand property combines four of the transition properties into a single property.",
     kCssValues_827, false},
    {"transition-behavior",
     "The transition-behavior CSS property specifies whether transitions will be started for "
     "properties whose animation behavior is discrete.",
     {},
     false},
    {"transition-delay", "Defines when the transition will start.", {}, false},
    {"transition-duration",
     "Specifies how long the transition from the old value to the new value should take.",
     {},
     false},
    {"transition-property",
     "Specifies the name of the CSS property to which the transition is applied.", kCssValues_831,
     false},
    {"transition-timing-function",
     "Describes how the intermediate values used during a transition will be calculated.",
     {},
     false},
    {"translate",
     "The translate CSS property allows you to specify translation transforms individually and "
     "independently of the transform property.",
     {},
     false},
    {"trigger-scope", "", {}, false},
    {"types", "", {}, false},
    {"unicode-bidi", "The level of embedding with respect to the bidirectional algorithm.",
     kCssValues_836, false},
    {"unicode-range", "@font-face descriptor.", kCssValues_837, false},
    {"user-select", "Controls the appearance of selection.", kCssValues_838, false},
    {"vector-effect",
     "The vector-effect CSS property suppresses specific transformation effects in SVG, thus "
     "permitting effects like a road on a map staying the same width no...",
     kCssValues_839, false},
    {"vertical-align",
     "Affects the vertical positioning of the inline boxes generated by an inline-level element "
     "inside a line box.",
     kCssValues_840, false},
    {"view-timeline",
     "The view-timeline CSS shorthand property is used to define a named view progress timeline, "
     "which is progressed through based on the change in visibility of...",
     {},
     false},
    {"view-timeline-axis",
     "The view-timeline-axis CSS property is used to specify the scrollbar direction that will be "
     "used to provide the timeline for a named view progress timeline...",
     {},
     false},
    {"view-timeline-inset",
     "The view-timeline-inset CSS property is used to specify one or two values representing an "
     "adjustment to the position of the scrollport (see Scroll container...",
     {},
     false},
    {"view-timeline-name",
     "The view-timeline-name CSS property is used to define the name of a named view progress "
     "timeline, which is progressed through based on the change in...",
     {},
     false},
    {"view-transition-class",
     "The view-transition-class CSS property provides the selected elements with an identifying "
     "class (a custom-ident), providing an additional method of styling...",
     {},
     false},
    {"view-transition-name",
     "The view-transition-name CSS property provides the selected element with a distinct "
     "identifying name (a custom-ident) and causes it to participate in a...",
     {},
     false},
    {"visibility", "Specifies whether the boxes generated by an element are rendered.",
     kCssValues_847, false},
    {"white-space", "Specifies how whitespace is handled in an element.", {}, false},
    {"white-space-collapse",
     "The white-space-collapse CSS property controls how white space inside an element is "
     "collapsed.",
     kCssValues_849, false},
    {"widows",
     "Specifies the minimum number of line boxes of a block container that must be left in a "
     "fragment after a break.",
     {},
     false},
    {"width",
     "Specifies the width of the content area, padding area or border area (depending on "
     "'box-sizing') of certain boxes.",
     kCssValues_851, false},
    {"will-change",
     "Provides a rendering hint to the user agent, stating what kinds of changes the author "
     "expects to perform on the element.",
     kCssValues_852, false},
    {"word-break", "Specifies line break opportunities for non-CJK scripts.", kCssValues_853,
     false},
    {"word-spacing", "Specifies additional spacing between \"words\".", kCssValues_854, false},
    {"word-wrap",
     "Specifies whether the UA may break within a word to prevent overflow when an "
     "otherwise-unbreakable string is too long to fit.",
     kCssValues_855, false},
    {"writing-mode", "This is a shorthand property for both 'direction' and 'block-progression'.",
     kCssValues_856, false},
    {"x",
     "The x CSS property defines the x-axis coordinate of the top left corner of the SVG rect "
     "shape, image image, foreignObject viewport or nested svg viewport...",
     {},
     false},
    {"y",
     "The y CSS property defines the y-axis coordinate of the top left corner of the SVG rect "
     "shape, image image, foreignObject viewport and nested svg viewport...",
     {},
     false},
    {"z-index",
     "For a positioned box, the 'z-index' property specifies the stack level of the box in the "
     "current stacking context and whether the box establishes a local...",
     kCssValues_859, false},
    {"zoom", "Non-standard.", kCssValues_860, false},
};

} // namespace

std::span<const WebElement> WebElements()
{
    return kElements;
}

std::span<const WebAttribute> WebGlobalAttributes()
{
    return kGlobalAttributes;
}

std::span<const CssProperty> CssProperties()
{
    return kCssProperties;
}

} // namespace tarnel
