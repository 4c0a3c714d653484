#pragma once
#include "attributes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Fields, validation and builders of the media (VIDEO, AUDIO) and picture (IMG with SRCSET,
// PICTURE) forms: what a page of today uses where the image form writes DYNSRC. Every text
// field holds exactly what the user typed; values go through AttributeList, so only a
// double quote is escaped. A check field is ticked when it holds anything.
namespace tarnel {

extern const char *const kMediaFileFilter;
extern const char *const kWebPictureFileFilter;

// The MIME type a browser is told for a media file, guessed from its extension; empty when
// the extension is unknown. "ogg" and "webm" hold video or sound, so the element decides.
std::string MediaTypeOf(std::string_view path, bool video);

// ---- Media ----

struct MediaFields
{
    std::string element = "VIDEO"; // VIDEO or AUDIO
    std::string source;
    std::string source2;
    std::string source3;
    std::string poster; // video only, as are width and height
    std::string width;
    std::string height;
    std::string controls = "1";
    std::string autoplay;
    std::string muted;
    std::string loop;
    std::string preload;
    std::string fallback;

    bool operator==(const MediaFields &) const = default;
};

std::span<const std::string_view> MediaElements();
std::span<const std::string_view> MediaPreloads();
std::optional<std::string> Validate(const MediaFields &fields);
// The VIDEO or AUDIO tag: SRC, POSTER, WIDTH, HEIGHT, CONTROLS, AUTOPLAY, MUTED, LOOP, PRELOAD.
AttributeTable<MediaFields> MediaAttributes();
// One source: `<VIDEO SRC="a.mp4" ...>fallback</VIDEO>`. Several: each one a SOURCE line
// with its TYPE, since a SRC on the element would make browsers skip them all.
std::string BuildMediaTag(const MediaFields &fields);

// ---- Picture ----

struct PictureFields
{
    std::string source;
    std::string width; // the first picture's, also its SRCSET width
    std::string height;
    std::string source2;
    std::string width2;
    std::string media2; // a media condition: the picture becomes a PICTURE SOURCE
    std::string source3;
    std::string width3;
    std::string media3;
    std::string sizes;
    std::string alt;
    std::string lazy;

    bool operator==(const PictureFields &) const = default;
};

std::optional<std::string> Validate(const PictureFields &fields);
// Asked before inserting: a picture without ALT text is lost to anyone who cannot see it.
std::optional<std::string> Warning(const PictureFields &fields);
// The IMG: SRC, SRCSET, SIZES, ALT, WIDTH, HEIGHT, LOADING. SRCSET is written from the
// pictures without a media condition, LOADING from the Lazy tick.
AttributeTable<PictureFields> PictureAttributes();
// An IMG whose SRCSET lists the pictures without a media condition ("a.jpg 480w, ..."); the
// pictures with one come first as SOURCE entries of a PICTURE around it.
std::string BuildPictureTag(const PictureFields &fields);
// The SRCSET of that IMG ("a.jpg 480w, b.jpg 800w"); empty when it offers one file or none.
std::string PictureSrcset(const PictureFields &fields);

} // namespace tarnel
