#include "PageCodec.h"

#include "pagetext.h"

#include <algorithm>

QString CPageCodec::toText(std::string_view pageBytes) const
{
    const auto size = static_cast<qsizetype>(pageBytes.size());
    return m_utf8 ? QString::fromUtf8(pageBytes.data(), size)
                  : QString::fromLatin1(pageBytes.data(), size);
}

std::string CPageCodec::toPage(const QString &text) const
{
    if (m_utf8) {
        const QByteArray bytes = text.toUtf8();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return tarnel::OneBytePerCharacter(text.toStdU32String());
}

bool CPageCodec::holds(const QString &text) const
{
    if (m_utf8)
        return true;
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}
