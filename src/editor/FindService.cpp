#include "FindService.h"

#include "PageCodec.h"
#include "TextSurface.h"

#include <QCoreApplication>

#include <regex>

namespace {

CTextSurface::FindFlags flagsOf(const FindOptions &options)
{
    return {options.matchCase, options.wholeWord, options.regex};
}

} // namespace

FindOptions &CFindService::lastOptions()
{
    static FindOptions options;
    return options;
}

bool CFindService::patternIsValid(const FindOptions &options)
{
    if (!options.regex)
        return true;
    try {
        // The editor's own search reads the expression with the same grammar.
        std::regex(options.what.toStdString(), std::regex::ECMAScript);
        return true;
    } catch (const std::regex_error &) {
        return false;
    }
}

QString CFindService::notFoundMessage(const FindOptions &options)
{
    if (!patternIsValid(options))
        return QCoreApplication::translate("CFindReplaceDlg", "'%1' is not a regular expression.")
            .arg(options.what);
    return QCoreApplication::translate("CFindReplaceDlg", "Cannot find the string '%1'.")
        .arg(options.what);
}

std::optional<std::pair<std::size_t, std::size_t>>
CFindService::nextMatch(const FindOptions &options, std::size_t from, std::size_t to) const
{
    const std::string needle = m_codec.toPage(options.what);
    auto match = m_text.find(needle, from, to, flagsOf(options));
    if (match && match->first == match->second && match->first == from) {
        const std::size_t next =
            to >= from ? m_text.positionAfter(from) : m_text.positionBefore(from);
        match = next == from ? std::nullopt : m_text.find(needle, next, to, flagsOf(options));
    }
    return match;
}

bool CFindService::findNext(const FindOptions &options)
{
    if (options.what.isEmpty() || !patternIsValid(options))
        return false;
    const std::size_t end = m_text.length();
    const std::size_t from = options.down ? m_text.selectionEnd() : m_text.selectionStart();
    // Backwards when the range runs from its end to its start.
    auto match = nextMatch(options, from, options.down ? end : 0);
    if (!match && options.wrap)
        match = nextMatch(options, options.down ? 0 : end, from);
    if (!match)
        return false;
    m_text.select(match->first, match->second);
    return true;
}

bool CFindService::selectionMatches(const FindOptions &options) const
{
    const std::size_t start = m_text.selectionStart();
    const std::size_t end = m_text.selectionEnd();
    if (options.regex) {
        // Also leaves the match's groups for the replacement.
        const auto match = m_text.find(m_codec.toPage(options.what), start, end, flagsOf(options));
        return match && match->first == start && match->second == end;
    }
    if (start == end)
        return false;
    const QString selected = m_codec.toText(m_text.bytes(start, end - start));
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return selected.compare(options.what, cs) == 0;
}

// Writes the replacement over a match just found; returns its length.
std::size_t CFindService::replaceMatch(const FindOptions &options, std::size_t start,
                                       std::size_t end)
{
    const std::string replacement = m_codec.toPage(options.replaceWith);
    if (options.regex)
        return m_text.replaceFound(start, end, replacement);
    m_text.replace(start, end, replacement);
    return replacement.size();
}

bool CFindService::replaceCurrent(const FindOptions &options)
{
    if (patternIsValid(options) && selectionMatches(options)) {
        const std::size_t start = m_text.selectionStart();
        std::size_t written = 0;
        {
            CEditGroup group(m_text);
            written = replaceMatch(options, start, m_text.selectionEnd());
        }
        m_text.moveCaretTo(start + written);
    }
    return findNext(options);
}

int CFindService::replaceAll(const FindOptions &options)
{
    if (options.what.isEmpty() || !patternIsValid(options))
        return 0;
    int count = 0;
    CEditGroup group(m_text);
    const std::string needle = m_codec.toPage(options.what);
    std::size_t from = 0;
    while (const auto match = m_text.find(needle, from, m_text.length(), flagsOf(options))) {
        from = match->first + replaceMatch(options, match->first, match->second);
        ++count;
        // After an empty match ("^", "$") the search goes on from the next character.
        if (match->first == match->second) {
            if (from >= m_text.length())
                break;
            from = m_text.positionAfter(from);
        }
    }
    return count;
}

QRect CFindService::selectionOnScreen() const
{
    return m_text.screenRectOf(m_text.selectionStart(), m_text.selectionEnd());
}
