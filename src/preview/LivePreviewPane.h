#pragma once

#include "PreviewModule.h"
#include "previewwidth.h"

class CLivePreview;
class CPreviewProfile;
class CTarnelDoc;
class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QScrollArea;

// The live preview with a slim bar over it: the width the page is laid out at (a phone's, a
// tablet's, or the pane's whole width) and its zoom. A fixed width is centred, in CSS pixels
// whatever the zoom, so that the page's media queries answer as on that device. Both are
// remembered for the page's file in the profile and taken again when its preview opens.
class CLivePreviewPane : public CLivePreviewSide
{
    Q_OBJECT
public:
    CLivePreviewPane(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent = nullptr);

    CLivePreview *preview() const { return m_preview; }
    // The live preview in a pane the window holds, nullptr while none is shown.
    static CLivePreview *previewIn(CLivePreviewSide *side)
    {
        auto *pane = qobject_cast<CLivePreviewPane *>(side);
        return pane ? pane->preview() : nullptr;
    }
    void followCaret(std::size_t caret) override;
    void editTextAtCaret() override;
    void reloadPage() override;
    tarnel::PreviewLayout layout() const { return m_layout; }
    void setPreviewWidth(tarnel::PreviewWidth width);
    void setZoomPercent(int percent);
    void zoomIn();
    void zoomOut();

    // The profile's key of the page at `path` (its absolute path, hashed).
    static QString settingsKey(const QString &path);

private:
    QWidget *makeBar();
    QAbstractButton *widthButton(const QString &text, tarnel::PreviewWidth width);
    void applyLayout();
    void remember() const;
    tarnel::PreviewLayout remembered() const;

    CTarnelDoc *m_document;
    CLivePreview *m_preview;
    QScrollArea *m_area;
    QWidget *m_stage; // holds the preview, centred
    QHBoxLayout *m_stageLayout;
    QButtonGroup *m_widths;
    QLabel *m_zoomLabel;
    tarnel::PreviewLayout m_layout;
};
