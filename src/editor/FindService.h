#pragma once

#include <QRect>

#include <QString>
#include <cstddef>
#include <optional>
#include <utility>

class CPageCodec;
class CTextSurface;

// What the last Find or Replace looked for; Find Next (F3) repeats it.
struct FindOptions
{
    QString what;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false;
    // `what` is an ECMAScript regular expression; \1-\9 in `replaceWith` stand for its groups.
    bool regex = false;
    bool down = true;
    // Going on from the other end of the page when this end has no more matches.
    bool wrap = false;
};

// Finding and replacing in one surface's text, in the page's encoding. A match found is
// selected; searching down starts after the selection, up before it.
class CFindService
{
public:
    CFindService(CTextSurface &text, const CPageCodec &codec)
        : m_text(text)
        , m_codec(codec)
    {}

    // The options every window's Find Next repeats.
    static FindOptions &lastOptions();
    // What the status bar says when nothing matched, or when the expression is not one.
    static QString notFoundMessage(const FindOptions &options);
    static bool patternIsValid(const FindOptions &options);

    // Selects the next match; false when there is none (the selection stays).
    bool findNext(const FindOptions &options);
    // Replaces the selection when it is a match, then finds the next one.
    bool replaceCurrent(const FindOptions &options);
    // Replaces every match in the page as one undo step; returns how many.
    int replaceAll(const FindOptions &options);
    // Where the selection (the match found) shows on the screen.
    QRect selectionOnScreen() const;

private:
    // The next match from `from` towards `to`; an empty one right at `from` (a "^" at the
    // caret) is passed over, or Find Next would stay on it.
    std::optional<std::pair<std::size_t, std::size_t>>
    nextMatch(const FindOptions &options, std::size_t from, std::size_t to) const;
    bool selectionMatches(const FindOptions &options) const;
    std::size_t replaceMatch(const FindOptions &options, std::size_t start, std::size_t end);

    CTextSurface &m_text;
    const CPageCodec &m_codec;
};
