#pragma once

#include "View.h"

#include <QWebEngineView>

#include <functional>

class CPreviewPage;
class CPreviewProfile;

// The HTML View: the page rendered by an embedded browser from the document's text as it was
// taken at the last reload the editor asked for; nothing is written to disk for it.
class CMyView : public QWebEngineView, public CView
{
    Q_OBJECT
public:
    CMyView(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent = nullptr);
    ~CMyView() override;

    static constexpr Kind kViewKind = Kind::Preview;
    QWidget *widget() override { return this; }
    Kind kind() const override { return kViewKind; }
    // Reads and clears the editor's request to reload the preview (set on every switch to
    // the HTML View).
    std::function<bool()> takeReloadRequest;

    // The window became active: reloads when a reload was requested.
    void OnActivateView();
    // Takes the current text and shows it.
    void ReloadPreview();

signals:
    // What the page tried and the preview refused (a link, a dialog), for the status bar.
    void statusMessage(const QString &text, int timeoutMs);

protected:
    // The browser takes its input through a child widget (replaced when its renderer is):
    // clicks and Enter are watched there.
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addCommands();
    void onFocusChanged(QWidget *old, QWidget *now);
    bool holdsFocus(QWidget *widget) const;

    CPreviewProfile *m_profile;
    CPreviewPage *m_page;
    QPoint m_pressedAt; // where the left button went down, to tell a click from a drag
    QString m_pageName; // this preview's own name (and origin) under the preview scheme
};
