#include "WebEngineSetup.h"

#include "BrowserEnvironment.h"
#include "PreviewSchemeHandler.h"

void prepareWebEngine(int argc, char **argv)
{
    prepareBrowserEnvironment(argc, argv);
    CPreviewSchemeHandler::registerScheme();
}
