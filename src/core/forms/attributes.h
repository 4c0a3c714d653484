#pragma once
#include <string>
#include <string_view>

namespace tarnel {

// A quoted attribute value: a double quote inside it is written as &quot; so the tag stays
// well formed. Nothing else is escaped.
std::string QuotedValue(std::string_view value);

// Builds an attribute list the way every Insert form writes one: for each non-empty field,
// one blank, the name, "=" and the value in double quotes. Empty fields contribute nothing.
class AttributeList
{
public:
    // ` NAME="value"`, or nothing when the value is empty.
    AttributeList &Add(std::string_view name, std::string_view value);
    // Literal text for the few attributes written some other way (no quotes, extra blanks).
    AttributeList &AddRaw(std::string_view text);

    const std::string &Text() const { return m_text; }
    bool Empty() const { return m_text.empty(); }

private:
    std::string m_text;
};

} // namespace tarnel
