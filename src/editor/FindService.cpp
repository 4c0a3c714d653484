#include "FindService.h"

#include "PageCodec.h"
#include "TextSurface.h"

#include <QCoreApplication>

namespace {

CTextSurface::FindFlags flagsOf(const FindOptions &options)
{
    return {options.matchCase, options.wholeWord};
}

} // namespace

FindOptions &CFindService::lastOptions()
{
    static FindOptions options;
    return options;
}

QString CFindService::notFoundMessage(const FindOptions &options)
{
    return QCoreApplication::translate("CFindReplaceDlg", "Cannot find the string '%1'.")
        .arg(options.what);
}

bool CFindService::findNext(const FindOptions &options)
{
    if (options.what.isEmpty())
        return false;
    const std::string needle = m_codec.toPage(options.what);
    const std::size_t end = m_text.length();
    const std::size_t from = options.down ? m_text.selectionEnd() : m_text.selectionStart();
    // Backwards when the range runs from its end to its start.
    auto match = m_text.find(needle, from, options.down ? end : 0, flagsOf(options));
    if (!match && options.wrap)
        match = m_text.find(needle, options.down ? 0 : end, from, flagsOf(options));
    if (!match)
        return false;
    m_text.select(match->first, match->second);
    return true;
}

bool CFindService::selectionMatches(const FindOptions &options) const
{
    const std::size_t start = m_text.selectionStart();
    const std::size_t end = m_text.selectionEnd();
    if (start == end)
        return false;
    const QString selected = m_codec.toText(m_text.bytes(start, end - start));
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return selected.compare(options.what, cs) == 0;
}

bool CFindService::replaceCurrent(const FindOptions &options)
{
    if (selectionMatches(options)) {
        const std::string replacement = m_codec.toPage(options.replaceWith);
        const std::size_t start = m_text.selectionStart();
        {
            CEditGroup group(m_text);
            m_text.replace(start, m_text.selectionEnd(), replacement);
        }
        m_text.moveCaretTo(start + replacement.size());
    }
    return findNext(options);
}

int CFindService::replaceAll(const FindOptions &options)
{
    if (options.what.isEmpty())
        return 0;
    const std::string needle = m_codec.toPage(options.what);
    const std::string replacement = m_codec.toPage(options.replaceWith);
    int count = 0;
    CEditGroup group(m_text);
    std::size_t from = 0;
    while (const auto match = m_text.find(needle, from, m_text.length(), flagsOf(options))) {
        m_text.replace(match->first, match->second, replacement);
        from = match->first + replacement.size();
        ++count;
    }
    return count;
}

QRect CFindService::selectionOnScreen() const
{
    return m_text.screenRectOf(m_text.selectionStart(), m_text.selectionEnd());
}
