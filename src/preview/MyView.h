#pragma once

#include "View.h"

#include <QWebEngineView>

#include <functional>

class CPreviewProfile;

// The HTML View: the page rendered by an embedded browser from the document's shown copy,
// rewritten from the current text whenever the editor asks for a reload.
class CMyView : public QWebEngineView, public CView
{
    Q_OBJECT
public:
    CMyView(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent = nullptr);
    ~CMyView() override;

    QWidget *widget() override { return this; }
    // The preview shows the copy, not the live text: notifications change nothing here.
    void OnUpdate(CView *sender, int hint, const tarnel::ElementRecord *record) override;

    // Reads and clears the editor's request to reload the preview (set on every switch to
    // the HTML View).
    std::function<bool()> takeReloadRequest;

    // The window became active: reloads when a reload was requested.
    void OnActivateView();
    // Writes the current text into the shown copy and loads it.
    void ReloadPreview();

private:
    void addCommands();
    void onFocusChanged(QWidget *old, QWidget *now);
    bool holdsFocus(QWidget *widget) const;

    CPreviewProfile *m_profile;
    QString m_allowedCopy;
};
