#pragma once

#include "elementrecord.h"

class CTarnelDoc;
class QWidget;

// A view of a document: the source view, the outline and the preview. Views never call each
// other; they talk through CTarnelDoc::UpdateAllViews with a hint and an element record.
class CView
{
public:
    explicit CView(CTarnelDoc *document)
        : m_document(document)
    {
    }
    virtual ~CView() = default;
    CView(const CView &) = delete;
    CView &operator=(const CView &) = delete;

    CTarnelDoc *GetDocument() const { return m_document; }
    virtual QWidget *widget() = 0;

    // Called once after the frame holding the view was made.
    virtual void OnInitialUpdate() {}
    // A notification from another view of the same document (sender is never this view).
    virtual void OnUpdate(CView *sender, int hint, const tarnel::ElementRecord *record)
    {
        (void)sender, (void)hint, (void)record;
    }

    // Command routing: the main frame asks the active view whether it handles a command
    // (enabling the menu entry) and hands it the command when triggered.
    virtual bool handlesCommand(int id) const
    {
        (void)id;
        return false;
    }
    virtual void onCommand(int id) { (void)id; }

private:
    CTarnelDoc *m_document;
};
