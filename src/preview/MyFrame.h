#pragma once

#include "DocFrame.h"

#include <functional>

class CMyView;
class CPreviewProfile;

// The preview window ("HTML View") of a document, always maximised.
class CMyFrame : public CDocFrame
{
    Q_OBJECT
public:
    // `takeReloadRequest` reads and clears the editor's request to reload the preview.
    CMyFrame(CTarnelDoc *document, CPreviewProfile *profile,
             std::function<bool()> takeReloadRequest, QWidget *parent = nullptr);

    CView *activeView() const override;
    void initialUpdate() override;
    void onActivated() override;
    CMyView *previewView() const { return m_view; }

protected:
    QString captionBase() const override;

private:
    CMyView *m_view;
};
