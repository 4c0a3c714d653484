#pragma once

#include <QRect>
#include <QString>

class CPageCodec;
class CTextSurface;

// What the last Find or Replace looked for; Find Next (F3) repeats it.
struct FindOptions
{
    QString what;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false;
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
    // What the status bar says when nothing matched.
    static QString notFoundMessage(const FindOptions &options);

    // Selects the next match; false when there is none (the selection stays).
    bool findNext(const FindOptions &options);
    // Replaces the selection when it is a match, then finds the next one.
    bool replaceCurrent(const FindOptions &options);
    // Replaces every match in the page as one undo step; returns how many.
    int replaceAll(const FindOptions &options);
    // Where the selection (the match found) shows on the screen.
    QRect selectionOnScreen() const;

private:
    bool selectionMatches(const FindOptions &options) const;

    CTextSurface &m_text;
    const CPageCodec &m_codec;
};
