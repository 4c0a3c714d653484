#pragma once

#include "completion.h"

#include <QObject>

#include <cstddef>
#include <string>
#include <vector>

class CTarnelView;
class CTextSurface;
class QKeyEvent;

// The completion list of one source view. It never takes the keyboard: what is typed goes
// into the page and narrows the list; Enter or Tab takes the selected entry, Escape or a
// character that cannot go on with a name closes it.
class CCompletion : public QObject
{
    Q_OBJECT
public:
    CCompletion(CTarnelView *view, CTextSurface &text);

    // After `typed` went into the page: opens the list the text before the caret asks for.
    // `opensNames` says the colouring found a "<" or a blank inside a tag.
    void afterTyped(char typed, bool opensNames);
    // A key for the open list (taking an entry, Down on a fresh list); true when handled.
    bool handleKey(const QKeyEvent *event);
    bool isShown() const;

    // How chosen names are spelled.
    static void setNameCase(tarnel::NameCase nameCase);

private:
    void offer(const tarnel::CompletionContext &context);
    std::vector<std::string> fileEntries(const tarnel::CompletionContext &context) const;
    void take(const std::string &entry, std::size_t start);

    CTarnelView *m_view;
    CTextSurface &m_text;
    tarnel::CompletionKind m_kind = tarnel::CompletionKind::None;
    bool m_fresh = false; // shown and not moved in yet
};
