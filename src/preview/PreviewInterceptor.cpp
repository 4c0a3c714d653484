#include "PreviewInterceptor.h"

#include "PreviewPage.h"
#include "previewaccess.h"

CPreviewInterceptor::CPreviewInterceptor(QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent)
{}

void CPreviewInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    info.block(!tarnel::MayLoad(CPreviewPage::request(info.requestUrl(), info.firstPartyUrl())));
}
