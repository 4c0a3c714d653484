#include "basehref.h"

#include "scanner.h"

namespace tarnel {

namespace {

std::string EscapedAttribute(std::string_view value)
{
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.size() - at >= prefix.size() &&
           EqualsNoCase(text.substr(at, prefix.size()), prefix);
}

// Where the BASE goes in a page without HEAD: anything before a DOCTYPE would turn the
// browser to quirks mode.
std::size_t TopOfPage(std::string_view page)
{
    std::size_t at = page.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    std::size_t doctype = at;
    while (doctype < page.size() && (page[doctype] == ' ' || page[doctype] == '\t' ||
                                     page[doctype] == '\r' || page[doctype] == '\n'))
        ++doctype;
    if (StartsWithNoCase(page, doctype, "<!doctype")) {
        const std::size_t end = page.find('>', doctype);
        if (end != std::string_view::npos)
            at = end + 1;
    }
    return at;
}

} // namespace

std::string WithBaseHref(std::string_view page, std::string_view folderUrl)
{
    std::size_t insertAt = std::string_view::npos;
    TagCursor cursor(page);
    while (const auto tag = cursor.Next()) {
        if (tag->isEndTag)
            continue;
        if (EqualsNoCase(tag->name, "base")) {
            for (const TagAttribute &attribute : TagAttributes(page, tag->begin))
                if (EqualsNoCase(attribute.name, "href"))
                    return std::string(page);
        } else if (insertAt == std::string_view::npos && EqualsNoCase(tag->name, "head")) {
            insertAt = tag->end;
        }
    }
    if (insertAt == std::string_view::npos)
        insertAt = TopOfPage(page);
    std::string out;
    out.reserve(page.size() + folderUrl.size() + 16);
    out.append(page.substr(0, insertAt));
    out += "<BASE HREF=\"" + EscapedAttribute(folderUrl) + "\">";
    out.append(page.substr(insertAt));
    return out;
}

} // namespace tarnel
