#pragma once
#include "elementrecord.h"
#include "scanner.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

// What a page of today adds to its outline: its media, its headings and the scripts and style
// sheets it loads. Read with the same tag scanner as the other categories, so nothing inside
// a comment or a script is listed.
namespace tarnel {

enum class TodayCategory { Media, Headings, ScriptsAndStyles };

// `level`: a heading's number (1 to 6); for media 1 for a SOURCE of the VIDEO or AUDIO
// before it, else 0; 0 for scripts and styles. A record's value is what its entry shows:
// the address (SRC, DATA of an OBJECT, HREF of a style sheet) or a heading's text, tags
// left out and blanks collapsed; a VIDEO or AUDIO without SRC shows its name.
using TodayVisitor =
    std::function<void(TodayCategory category, const ElementRecord &record, int level)>;

void ScanTodaysElements(std::string_view text, const TodayVisitor &visit);

// The same for one tag, so that the outline's scan lists these beside its other categories in
// one pass. `inMedia` says whether a VIDEO or AUDIO is open; start with false. A tag of no
// interest costs a look at its name.
void VisitTodaysTag(std::string_view text, const TagToken &tag, bool &inMedia,
                    const TodayVisitor &visit);

// False for a tag name VisitTodaysTag has nothing to do with, told from its first letter and
// length, so the outline's scan passes over most tags without a call.
inline bool MayBeTodaysTag(std::string_view name)
{
    if (name.size() < 2 || name.size() > 6 || name.size() == 3)
        return false;
    switch (LowerAscii(name[0])) {
    case 'a':
    case 'e':
    case 'h':
    case 'l':
    case 'o':
    case 's':
    case 'v':
        return true;
    default:
        return false;
    }
}

// The headings as a tree: for each level, the row of the nearest heading above it with a
// smaller level, -1 for one at the top. An H3 after an H1 hangs under the H1.
std::vector<int> HeadingParents(std::span<const int> levels);

} // namespace tarnel
