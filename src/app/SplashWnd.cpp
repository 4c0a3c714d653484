#include "SplashWnd.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

CSplashWnd::CSplashWnd(QWidget *owner)
    : QDialog(owner, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("splash"));
    setModal(false);
    setFixedSize(280, 150);
    setStyleSheet(QStringLiteral("#splash { background: #fdfdf8; border: 2px solid #33507a; }"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/tarnel.svg")).pixmap(48, 48));
    auto *name = new QLabel(QStringLiteral("<b style='font-size:20pt'>Tarnel</b>"), this);
    row->addStretch();
    row->addWidget(icon);
    row->addWidget(name);
    row->addStretch();
    layout->addStretch();
    layout->addLayout(row);
    auto *line = new QLabel(tr("HTML page editor"), this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    layout->addStretch();
}

CSplashWnd *CSplashWnd::Create(QWidget *owner)
{
    auto *splash = new CSplashWnd(owner);
    if (!splash->winId()) {
        qWarning("Warning: creation of CSplashWnd dialog failed\n");
        delete splash;
        return nullptr;
    }
    return splash;
}
