#pragma once

#include "PreviewModule.h"

// The browser side as the window asks for it.
class CBrowserPreviews final : public CPreviewModule
{
public:
    QObject *newProfile(QObject *owner) override;
    CDocFrame *newPreviewFrame(CTarnelDoc *document, QObject *profile,
                               std::function<bool()> takeReloadRequest) override;
    CLivePreviewSide *newLivePreviewPane(CTarnelDoc *document, QObject *profile,
                                         QWidget *parent) override;
};

// The library's entry: the browser side, once the scheme previews are served under is known.
extern "C" __attribute__((visibility("default"))) CPreviewModule *tarnel_preview_module();
