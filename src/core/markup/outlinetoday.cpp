#include "outlinetoday.h"

#include <algorithm>
#include <string>

namespace tarnel {

namespace {

// Longer heading texts are cut: an outline entry is a reminder, not the text.
constexpr std::size_t kHeadingTextLimit = 120;

int HeadingLevel(std::string_view name)
{
    if (name.size() != 2 || LowerAscii(name[0]) != 'h' || name[1] < '1' || name[1] > '6')
        return 0;
    return name[1] - '0';
}

bool HasToken(std::string_view list, std::string_view token)
{
    std::size_t i = 0;
    while (i < list.size()) {
        while (i < list.size() && list[i] == ' ')
            ++i;
        std::size_t end = list.find(' ', i);
        if (end == std::string_view::npos)
            end = list.size();
        if (EqualsNoCase(list.substr(i, end - i), token))
            return true;
        i = end;
    }
    return false;
}

void AppendCollapsed(std::string &out, std::string_view piece)
{
    for (const char c : piece) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
        if (blank) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else if (out.size() < kHeadingTextLimit) {
            out += c;
        }
    }
}

// The text between a heading's tags, up to its end tag (or the next heading, where a
// browser would close it).
std::string HeadingText(std::string_view text, std::size_t contentStart)
{
    std::string out;
    std::size_t from = contentStart;
    TagCursor cursor(text, contentStart);
    while (const auto tag = cursor.Next()) {
        AppendCollapsed(out, text.substr(from, tag->begin - from));
        from = tag->end;
        if (HeadingLevel(tag->name) != 0)
            break;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

void VisitTodaysTag(std::string_view text, const TagToken &tag, bool &inMedia,
                    const TodayVisitor &visit)
{
    const std::string_view name = tag.name;
    if (!MayBeTodaysTag(name))
        return;
    const bool media = EqualsNoCase(name, "video") || EqualsNoCase(name, "audio");
    if (tag.isEndTag) {
        inMedia = inMedia && !media;
        return;
    }
    ElementRecord record;
    record.index = tag.begin;
    if (media) {
        inMedia = true;
        record.value = TagValue(text, tag.begin, "src");
        if (record.value.empty())
            record.value = std::string(name);
        visit(TodayCategory::Media, record, 0);
    } else if (EqualsNoCase(name, "source") && inMedia) {
        record.value = TagValue(text, tag.begin, "src");
        visit(TodayCategory::Media, record, 1);
    } else if (EqualsNoCase(name, "embed") || EqualsNoCase(name, "object")) {
        record.value = TagValue(text, tag.begin, EqualsNoCase(name, "embed") ? "src" : "data");
        if (!record.value.empty())
            visit(TodayCategory::Media, record, 0);
    } else if (const int level = HeadingLevel(name)) {
        record.value = HeadingText(text, tag.end);
        visit(TodayCategory::Headings, record, level);
    } else if (EqualsNoCase(name, "script")) {
        record.value = TagValue(text, tag.begin, "src");
        if (!record.value.empty())
            visit(TodayCategory::ScriptsAndStyles, record, 0);
    } else if (EqualsNoCase(name, "link") &&
               HasToken(TagValue(text, tag.begin, "rel"), "stylesheet")) {
        record.value = TagValue(text, tag.begin, "href");
        if (!record.value.empty())
            visit(TodayCategory::ScriptsAndStyles, record, 0);
    }
}

void ScanTodaysElements(std::string_view text, const TodayVisitor &visit)
{
    bool inMedia = false;
    TagCursor cursor(text);
    while (const auto tag = cursor.Next())
        VisitTodaysTag(text, *tag, inMedia, visit);
}

void HeadingTree::Clear()
{
    m_levels.clear();
    m_parents.clear();
    m_rows.clear();
    m_children.resize(1);
    m_children.front().clear();
}

int HeadingTree::ChildCountAmong(int parent, int nodes) const
{
    const std::vector<int> &children = Children(parent);
    return int(std::lower_bound(children.begin(), children.end(), nodes) - children.begin());
}

void HeadingTree::Append(int level)
{
    int parent = Size() - 1;
    while (parent >= 0 && m_levels[std::size_t(parent)] >= level)
        parent = Parent(parent);
    std::vector<int> &siblings = m_children[std::size_t(parent + 1)];
    m_rows.push_back(int(siblings.size()));
    siblings.push_back(Size());
    m_parents.push_back(parent);
    m_levels.push_back(static_cast<signed char>(level));
    m_children.emplace_back();
}

} // namespace tarnel
