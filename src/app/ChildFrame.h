#pragma once

#include "DocFrame.h"

#include <functional>

class CLivePreviewSide;
class CTarnelView;
class CSiteTree;
class QSplitter;

// The source window: the outline (190 pixels) left of the source view, always maximised, and
// on request the live preview right of the source.
class CChildFrame : public CDocFrame
{
    Q_OBJECT
public:
    // `previewProfile` gives the browser profile when the live preview first opens (nullptr,
    // said to the user, when the browser cannot load).
    CChildFrame(CTarnelDoc *document, std::function<QObject *()> previewProfile,
                QWidget *parent = nullptr);

    CView *activeView() const override;
    void initialUpdate() override;
    CTarnelView *sourceView() const { return m_view; }
    CSiteTree *outline() const { return m_outline; }
    QSplitter *splitter() const { return m_wndSplitter; }
    // The live preview with its bar of widths and zoom while it is shown, else nullptr.
    CLivePreviewSide *livePreviewPane() const { return m_livePreviewPane; }
    void toggleLivePreview();
    // Reopens the element whose tag starts at `tagStart` in its form, as a double click in
    // the outline does.
    void reeditElement(std::size_t tagStart);

protected:
    QString captionBase() const override;
    void showEvent(QShowEvent *event) override;

private:
    void openLivePreview();
    void closeLivePreview();
    void goToElement(std::size_t tagStart);
    // F2: the text of the element at the caret becomes editable in the live preview.
    void editInLivePreview();
    // Writes what was edited in the live preview, as one undo step.
    void writeEditedText(std::size_t begin, std::size_t end, const std::string &bytes);

    bool m_sized = false;
    QSplitter *m_wndSplitter;
    CSiteTree *m_outline;
    CTarnelView *m_view;
    std::function<QObject *()> m_previewProfile;
    CLivePreviewSide *m_livePreviewPane = nullptr;
    int m_livePreviewWidth = 0; // the width it had when last closed in this window
};
