#include "InstanceChannel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

#include <utility>

namespace {

// What a request starts with, so that a stray connection is not read as pages.
constexpr quint32 kRequestMark = 0x54524e31; // "TRN1"
constexpr char kReceived = 'k';

QString runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

} // namespace

CInstanceChannel::CInstanceChannel(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
}

CInstanceChannel::~CInstanceChannel() = default;

QString CInstanceChannel::serverName()
{
    // A display's name may hold any character (a host, a path): the file name takes its hash.
    const QByteArray display = QGuiApplication::platformName().toUtf8() + '\n' +
                               qgetenv("DISPLAY") + '\n' + qgetenv("WAYLAND_DISPLAY");
    const QByteArray hash = QCryptographicHash::hash(display, QCryptographicHash::Sha1).toHex();
    return QDir(runtimeFolder())
        .filePath(QStringLiteral("tarnel-%1-%2.socket")
                      .arg(QString::number(::getuid()), QString::fromLatin1(hash.left(16))));
}

CInstanceChannel::Claim CInstanceChannel::claim(const QStringList &pages, int timeoutMs)
{
    const QString name = serverName();
    QDeadlineTimer deadline(timeoutMs);
    QLockFile lock(name + QStringLiteral(".lock"));
    if (!lock.tryLock(timeoutMs))
        return Claim::Alone;
    if (handOver(pages, int(deadline.remainingTime())))
        return Claim::HandedOver;
    // Nobody answered: whatever socket is there belongs to an editor that is gone (or hangs).
    QLocalServer::removeServer(name);
    if (!m_server->listen(name))
        return Claim::Alone;
    connect(m_server, &QLocalServer::newConnection, this, &CInstanceChannel::answerPending);
    return Claim::Serving;
}

bool CInstanceChannel::handOver(const QStringList &pages, int timeoutMs)
{
    // In a shared temporary folder another user could be listening under this name: pages
    // go only to a socket of our own.
    const QFileInfo server(serverName());
    if (server.exists() && server.ownerId() != ::getuid())
        return false;
    QDeadlineTimer deadline(qMax(timeoutMs, 0));
    QLocalSocket socket;
    socket.connectToServer(server.filePath());
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << kRequestMark << pages;
    socket.write(request);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kReceived;
}

void CInstanceChannel::startAnswering()
{
    if (m_answering)
        return;
    m_answering = true;
    for (const QStringList &pages : std::exchange(m_waiting, {}))
        emit pagesHandedOver(pages);
}

void CInstanceChannel::answerPending()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void CInstanceChannel::readRequest(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.startTransaction();
    quint32 mark = 0;
    QStringList pages;
    in >> mark >> pages;
    if (!in.commitTransaction())
        return; // the rest is still coming
    if (mark != kRequestMark) {
        socket->abort();
        return;
    }
    // Told before the pages open: opening may ask questions (and the editor may still be
    // starting), and the start waiting for the answer would take it for a hung editor.
    socket->putChar(kReceived);
    socket->flush();
    socket->disconnectFromServer();
    if (m_answering)
        emit pagesHandedOver(pages);
    else
        m_waiting.append(pages);
}
