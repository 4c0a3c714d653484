#pragma once

#include <QString>

#include <string>
#include <string_view>

// Text between the page and what the user sees and types (forms, outline labels). The page
// is bytes in its own encoding: UTF-8, or one byte a character (read as Latin-1) for a page
// that is not valid UTF-8. A character the page cannot hold is written as "&#N;".
class CPageCodec
{
public:
    explicit CPageCodec(bool utf8 = true)
        : m_utf8(utf8)
    {}

    bool isUtf8() const { return m_utf8; }
    // True when every character of `text` is one the page can hold as it is (toPage writes
    // the others as references).
    bool holds(const QString &text) const;
    QString toText(std::string_view pageBytes) const;
    std::string toPage(const QString &text) const;

private:
    bool m_utf8;
};
