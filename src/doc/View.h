#pragma once

#include "CommandHandlers.h"
#include "elementrecord.h"

class CTarnelDoc;
class QWidget;

// A view of a document: the source view, the outline and the preview. Views never call each
// other; they follow the document's signals and ask the document for what they need.
class CView
{
public:
    explicit CView(CTarnelDoc *document)
        : m_document(document)
    {}
    virtual ~CView() = default;
    CView(const CView &) = delete;
    CView &operator=(const CView &) = delete;

    // What a view shows of its document: windows, menus and tabs follow it.
    enum class Kind { Source, Outline, Preview };

    CTarnelDoc *GetDocument() const { return m_document; }
    virtual QWidget *widget() = 0;
    virtual Kind kind() const = 0;

    // Called once after the frame holding the view was made.
    virtual void OnInitialUpdate() {}
    // The commands this view answers while its window is active.
    CCommandHandlers &commands() { return m_commands; }
    const CCommandHandlers &commands() const { return m_commands; }

private:
    CTarnelDoc *m_document;
    CCommandHandlers m_commands;
};
