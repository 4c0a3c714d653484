#pragma once
#include "elementrecord.h"
#include "scanner.h"

#include <functional>
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

// The headings as a tree, built as they come in page order: each hangs under the nearest
// heading above it with a smaller level, or at the top. An H3 after an H1 hangs under the H1.
// Nodes are the headings' rows in page order; -1 stands for the top.
class HeadingTree
{
public:
    void Clear();
    void Append(int level);

    int Size() const { return int(m_parents.size()); }
    int Parent(int node) const { return m_parents[std::size_t(node)]; }
    // A node's row among its parent's children.
    int Row(int node) const { return m_rows[std::size_t(node)]; }
    int ChildCount(int parent) const { return int(Children(parent).size()); }
    // The children among the first `nodes` nodes.
    int ChildCountAmong(int parent, int nodes) const;
    int Child(int parent, int row) const { return Children(parent)[std::size_t(row)]; }

private:
    const std::vector<int> &Children(int parent) const
    {
        return m_children[std::size_t(parent + 1)];
    }

    std::vector<signed char> m_levels;
    std::vector<int> m_parents;
    std::vector<int> m_rows;
    std::vector<std::vector<int>> m_children = std::vector<std::vector<int>>(1); // the top first
};

} // namespace tarnel
