#pragma once
#include <span>
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
    // ` NAME` for a ticked boolean attribute, or nothing.
    AttributeList &AddFlag(std::string_view name, bool ticked);
    // Literal text for the few attributes written some other way (no quotes, extra blanks).
    AttributeList &AddRaw(std::string_view text);

    const std::string &Text() const { return m_text; }
    bool Empty() const { return m_text.empty(); }

private:
    std::string m_text;
};

// One attribute of a form that can be reopened, and the field it is written from. A form's
// table lists its attributes in the order its builder writes them; the builder writes the
// tag from it, and re-editing reads the tag back and rewrites changed fields through it, so
// an attribute is named once.
template <class Fields> struct FieldAttribute
{
    std::string_view name;
    std::string Fields::*field = nullptr;
    // The field is a tick (anything when ticked) and the attribute its bare name.
    bool flag = false;
    // Written from several fields, or from a tick as a word (LOADING="lazy"), in place of
    // `field`. Reading such an attribute back is the form's own.
    std::string (*computed)(const Fields &) = nullptr;

    std::string ValueIn(const Fields &fields) const
    {
        return computed ? computed(fields) : fields.*field;
    }
};

template <class Fields> using AttributeTable = std::span<const FieldAttribute<Fields>>;

// Every attribute of `table` for `fields`, in the table's order; empty ones are left out.
template <class Fields>
AttributeList &AddAttributes(AttributeList &list, const Fields &fields,
                             AttributeTable<Fields> table)
{
    for (const FieldAttribute<Fields> &attribute : table) {
        if (attribute.flag)
            list.AddFlag(attribute.name, !(fields.*attribute.field).empty());
        else
            list.Add(attribute.name, attribute.ValueIn(fields));
    }
    return list;
}

template <class Fields>
std::string AttributesText(const Fields &fields, AttributeTable<Fields> table)
{
    AttributeList list;
    return AddAttributes(list, fields, table).Text();
}

} // namespace tarnel
