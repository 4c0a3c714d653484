#include "BrowserPreviews.h"

#include "LivePreviewPane.h"
#include "MyFrame.h"
#include "PreviewProfile.h"
#include "PreviewSchemeHandler.h"

QObject *CBrowserPreviews::newProfile(QObject *owner)
{
    return new CPreviewProfile(owner);
}

CDocFrame *CBrowserPreviews::newPreviewFrame(CTarnelDoc *document, QObject *profile,
                                             std::function<bool()> takeReloadRequest)
{
    return new CMyFrame(document, static_cast<CPreviewProfile *>(profile),
                        std::move(takeReloadRequest));
}

CLivePreviewSide *CBrowserPreviews::newLivePreviewPane(CTarnelDoc *document, QObject *profile,
                                                       QWidget *parent)
{
    return new CLivePreviewPane(document, static_cast<CPreviewProfile *>(profile), parent);
}

CPreviewModule *tarnel_preview_module()
{
    // Before any browser object exists: the engine takes schemes only until its first.
    CPreviewSchemeHandler::registerScheme();
    static CBrowserPreviews previews;
    return &previews;
}
