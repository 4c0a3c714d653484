#pragma once

#include <QMdiSubWindow>

#include <functional>

class CTarnelDoc;
class CView;

// A document window: the source window (CChildFrame) or the preview window (CMyFrame).
class CDocFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    explicit CDocFrame(CTarnelDoc *document, QWidget *parent = nullptr);

    CTarnelDoc *document() const { return m_document; }
    // The view that receives commands while this window is active.
    virtual CView *activeView() const = 0;
    // Called once after the views exist (first fill, first outline scan, first load).
    virtual void initialUpdate() = 0;
    // Called when the window becomes the active one.
    virtual void onActivated() {}

    // Asked before the window closes; false keeps it open (e.g. the user cancelled saving).
    std::function<bool(CDocFrame *)> canClose;

    void updateCaption();

signals:
    // A message for the main window's status bar.
    void statusMessage(const QString &text, int timeoutMs);

protected:
    void closeEvent(QCloseEvent *event) override;
    virtual QString captionBase() const = 0;

private:
    CTarnelDoc *m_document;
};
