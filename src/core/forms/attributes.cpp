#include "attributes.h"

namespace tarnel {

std::string QuotedValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    for (char c : value) {
        if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    out += '"';
    return out;
}

AttributeList &AttributeList::Add(std::string_view name, std::string_view value)
{
    if (value.empty())
        return *this;
    m_text += ' ';
    m_text += name;
    m_text += '=';
    m_text += QuotedValue(value);
    return *this;
}

AttributeList &AttributeList::AddFlag(std::string_view name, bool ticked)
{
    if (ticked) {
        m_text += ' ';
        m_text += name;
    }
    return *this;
}

AttributeList &AttributeList::AddRaw(std::string_view text)
{
    m_text += text;
    return *this;
}

} // namespace tarnel
