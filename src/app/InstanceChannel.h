#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One editor per user and display: the first start serves a local socket, and a later start
// hands its pages to it instead of opening a second editor. A lock file makes two starts at
// the same moment take turns, so only one of them becomes the server; a socket left behind by
// an editor that died is taken over.
class CInstanceChannel : public QObject
{
    Q_OBJECT
public:
    explicit CInstanceChannel(QObject *parent = nullptr);
    ~CInstanceChannel() override;

    // The socket of this user's editor on this display (needs the application object: the
    // platform is part of the name), in XDG_RUNTIME_DIR, else the temporary folder.
    static QString serverName();

    enum class Claim { HandedOver, Serving, Alone };
    // Hands `pages` (absolute paths) to the running editor: HandedOver, and this start ends.
    // Otherwise this start serves the later ones (Serving), or, when it can do neither within
    // `timeoutMs`, runs on its own (Alone).
    Claim claim(const QStringList &pages, int timeoutMs = 10000);
    // From now on handed-over pages are told by pagesHandedOver, those that came before first.
    // Until then a serving channel takes them and says so, so the later start can end.
    void startAnswering();

signals:
    void pagesHandedOver(const QStringList &pages);

private:
    bool handOver(const QStringList &pages, int timeoutMs);
    void answerPending();
    void readRequest(QLocalSocket *socket);

    QLocalServer *m_server;
    bool m_answering = false;
    QList<QStringList> m_waiting;
};
