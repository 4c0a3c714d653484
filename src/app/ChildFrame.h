#pragma once

#include "DocFrame.h"

class CTarnelView;
class CSiteTree;
class QSplitter;

// The source window: the outline (190 pixels) left of the source view, always maximised.
class CChildFrame : public CDocFrame
{
    Q_OBJECT
public:
    explicit CChildFrame(CTarnelDoc *document, QWidget *parent = nullptr);

    CView *activeView() const override;
    void initialUpdate() override;
    CTarnelView *sourceView() const { return m_view; }
    CSiteTree *outline() const { return m_outline; }
    QSplitter *splitter() const { return m_wndSplitter; }

protected:
    QString captionBase() const override;
    void showEvent(QShowEvent *event) override;

private:
    bool m_sized = false;
    QSplitter *m_wndSplitter;
    CSiteTree *m_outline;
    CTarnelView *m_view;
};
