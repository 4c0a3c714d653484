#include "DesktopOpener.h"

#include "NetworkSeal.h"

#include <QDesktopServices>

CDesktopOpener::CDesktopOpener(int launcher, QObject *parent)
    : QObject(parent)
    , m_launcher(launcher)
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

CDesktopOpener::~CDesktopOpener()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void CDesktopOpener::open(const QUrl &url)
{
    if (!netseal::openOutside(m_launcher, url.toString(QUrl::FullyEncoded).toStdString()))
        qWarning("Cannot hand %s to the desktop", qPrintable(url.toString()));
}
