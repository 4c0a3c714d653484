#pragma once

#include "colouring.h"
#include "completion.h"

#include <QObject>
#include <QRect>

#include <cstddef>
#include <string>
#include <vector>

class CTarnelView;
class CTextSurface;
class QKeyEvent;
class QLabel;

// The completion list of one source view. It never takes the keyboard: what is typed goes
// into the page and narrows the list; Tab takes the selected entry, and so does Enter once the
// user moved in the list (before that, Enter is a line break); Escape or a character that
// cannot go on with a name closes it. It opens only where a tag can start or inside a tag:
// never in a comment, a script or any text-only element's content. In CSS (STYLE content and
// STYLE values) it offers properties and their values. Beside the list a line describes the
// entry selected.
class CCompletion : public QObject
{
    Q_OBJECT
public:
    CCompletion(CTarnelView *view, CTextSurface &text);

    // After `typed` went into the page at a place that reads as `where`: opens the list the
    // text before the caret asks for.
    void afterTyped(char typed, const tarnel::CaretContext &where);
    // A key for the open list (taking an entry, Down on a fresh list); true when handled.
    bool handleKey(const QKeyEvent *event);
    bool isShown() const;

private:
    // Offers what the text before the caret asks for.
    void offerAtCaret();
    void offer(const tarnel::CompletionContext &context);
    std::vector<std::string> fileEntries(const tarnel::CompletionContext &context) const;
    void take(const std::string &entry, std::size_t start);
    // The CSS context at the caret, when the caret stands in CSS.
    tarnel::CompletionContext cssContextAtCaret() const;
    void describe(const std::string &entry);

    CTarnelView *m_view;
    CTextSurface &m_text;
    tarnel::CompletionContext m_offered; // what the open list offers (kind, element, ...)
    QLabel *m_description;               // beside the list; owned by the view
    std::string m_describedEntry;        // what it shows, and beside which list
    QRect m_describedList;
    bool m_fresh = false;  // shown and not moved in yet
    bool m_chosen = false; // the user moved in the list since it opened
};
