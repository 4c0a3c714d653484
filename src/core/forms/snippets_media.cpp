#include "snippets_media.h"

#include "attributes.h"
#include "usertext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace tarnel {

const char *const kMediaFileFilter =
    " Media Files (*.mp4;*.webm;*.ogv;*.ogg;*.mp3;*.m4a;*.wav;*.opus;*.flac)|"
    "*.mp4;*.webm;*.ogv;*.ogg;*.mp3;*.m4a;*.wav;*.opus;*.flac| All Files (*.*)|*.*||";

const char *const kWebPictureFileFilter =
    " Pictures (*.jpg;*.jpeg;*.png;*.webp;*.avif;*.gif;*.svg)|"
    "*.jpg;*.jpeg;*.png;*.webp;*.avif;*.gif;*.svg| All Files (*.*)|*.*||";

namespace {

std::string LowerExtension(std::string_view path)
{
    const std::size_t cut = path.find_first_of("?#");
    path = path.substr(0, cut);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return {};
    std::string extension(path.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

bool Ticked(const std::string &check)
{
    return !check.empty();
}

} // namespace

std::string MediaTypeOf(std::string_view path, bool video)
{
    struct Known
    {
        std::string_view extension, type;
    };
    static constexpr std::array<Known, 12> known = {{
        {"mp4", "video/mp4"},
        {"m4v", "video/mp4"},
        {"ogv", "video/ogg"},
        {"mov", "video/quicktime"},
        {"mp3", "audio/mpeg"},
        {"m4a", "audio/mp4"},
        {"oga", "audio/ogg"},
        {"opus", "audio/ogg"},
        {"wav", "audio/wav"},
        {"flac", "audio/flac"},
        {"aac", "audio/aac"},
        {"weba", "audio/webm"},
    }};
    const std::string extension = LowerExtension(path);
    if (extension == "webm" || extension == "ogg")
        return std::string(video ? "video/" : "audio/") + extension;
    for (const Known &entry : known)
        if (entry.extension == extension)
            return std::string(entry.type);
    return {};
}

// ---- Media ----

std::span<const std::string_view> MediaElements()
{
    static constexpr std::array<std::string_view, 2> entries = {"AUDIO", "VIDEO"};
    return entries;
}

std::span<const std::string_view> MediaPreloads()
{
    static constexpr std::array<std::string_view, 3> entries = {"auto", "metadata", "none"};
    return entries;
}

std::optional<std::string> Validate(const MediaFields &fields)
{
    if (fields.element.empty())
        return USER_TEXT("You must choose Video or Audio!!");
    if (fields.source.empty())
        return USER_TEXT("You must enter Media source!!");
    return std::nullopt;
}

AttributeTable<MediaFields> MediaAttributes()
{
    using F = MediaFields;
    static constexpr FieldAttribute<F> table[] = {
        {"SRC", &F::source},
        {"POSTER", &F::poster},
        {"WIDTH", &F::width},
        {"HEIGHT", &F::height},
        {"CONTROLS", &F::controls, true},
        {"AUTOPLAY", &F::autoplay, true},
        {"MUTED", &F::muted, true},
        {"LOOP", &F::loop, true},
        {"PRELOAD", &F::preload},
    };
    return table;
}

std::string BuildMediaTag(const MediaFields &fields)
{
    const bool video = fields.element != "AUDIO";
    const std::string element = video ? "VIDEO" : "AUDIO";
    std::vector<std::string> sources;
    for (const std::string *source : {&fields.source, &fields.source2, &fields.source3})
        if (!source->empty())
            sources.push_back(*source);
    MediaFields written = fields;
    written.source = sources.size() == 1 ? sources.front() : std::string();
    if (!video)
        written.poster = written.width = written.height = std::string();
    const std::string attributes = AttributesText(written, MediaAttributes());

    std::string tag = "<" + element + attributes + ">";
    if (sources.size() > 1) {
        tag += "\n";
        for (const std::string &source : sources) {
            AttributeList entry;
            entry.Add("SRC", source).Add("TYPE", MediaTypeOf(source, video));
            tag += "<SOURCE" + entry.Text() + ">\n";
        }
        if (!fields.fallback.empty())
            tag += fields.fallback + "\n";
    } else {
        tag += fields.fallback;
    }
    return tag + "</" + element + ">\n";
}

// ---- Picture ----

std::optional<std::string> Validate(const PictureFields &fields)
{
    if (fields.source.empty())
        return USER_TEXT("You must enter Picture source!!");
    return std::nullopt;
}

std::optional<std::string> Warning(const PictureFields &fields)
{
    if (fields.alt.empty())
        return USER_TEXT("The picture has no Alternate Text: anyone who cannot see it learns "
                         "nothing of it. Insert it all the same?");
    return std::nullopt;
}

namespace {

struct Candidate
{
    const std::string &source, &width, &media;
};

// "a.jpg 480w": the width tells the browser which file suits the space it has.
std::string SrcsetEntry(const Candidate &candidate)
{
    return candidate.width.empty() ? candidate.source
                                   : candidate.source + " " + candidate.width + "w";
}

std::array<Candidate, 3> Candidates(const PictureFields &fields)
{
    static const std::string none;
    return {{{fields.source, fields.width, none},
             {fields.source2, fields.width2, fields.media2},
             {fields.source3, fields.width3, fields.media3}}};
}

} // namespace

std::string PictureSrcset(const PictureFields &fields)
{
    std::string srcset;
    int inSrcset = 0;
    for (const Candidate &candidate : Candidates(fields))
        if (!candidate.source.empty() && candidate.media.empty())
            srcset += (inSrcset++ ? ", " : "") + SrcsetEntry(candidate);
    // One file alone needs no choosing.
    return inSrcset > 1 ? srcset : std::string();
}

namespace {

std::string LazyLoading(const PictureFields &fields)
{
    return Ticked(fields.lazy) ? "lazy" : "";
}

} // namespace

AttributeTable<PictureFields> PictureAttributes()
{
    using F = PictureFields;
    static constexpr FieldAttribute<F> table[] = {
        {"SRC", &F::source},
        {.name = "SRCSET", .computed = PictureSrcset},
        {"SIZES", &F::sizes},
        {"ALT", &F::alt},
        {"WIDTH", &F::width},
        {"HEIGHT", &F::height},
        {.name = "LOADING", .computed = LazyLoading},
    };
    return table;
}

std::string BuildPictureTag(const PictureFields &fields)
{
    std::string sources;
    for (const Candidate &candidate : Candidates(fields)) {
        if (candidate.source.empty() || candidate.media.empty())
            continue;
        AttributeList entry;
        entry.Add("MEDIA", candidate.media).Add("SRCSET", candidate.source);
        sources += "<SOURCE" + entry.Text() + ">\n";
    }
    PictureFields written = fields;
    // SIZES tells which SRCSET file suits the space; with one file there is nothing to tell.
    if (PictureSrcset(fields).empty())
        written.sizes.clear();
    const std::string image = "<IMG" + AttributesText(written, PictureAttributes()) + ">\n";
    if (sources.empty())
        return image;
    return "<PICTURE>\n" + sources + image + "</PICTURE>\n";
}

} // namespace tarnel
