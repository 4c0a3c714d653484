#pragma once

#include <QObject>
#include <QUrl>

// Takes the file: URLs the editor hands to the desktop (QDesktopServices::openUrl) and passes
// them to the launcher that stays outside the editor's sealed network.
class CDesktopOpener : public QObject
{
    Q_OBJECT
public:
    // `launcher`: the editor's end of the launcher's socket (see netseal::sealProcess).
    explicit CDesktopOpener(int launcher, QObject *parent = nullptr);
    ~CDesktopOpener() override;

public slots:
    void open(const QUrl &url);

private:
    int m_launcher;
};
