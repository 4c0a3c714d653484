#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};

// [0] is written by the handler, [1] read by the event loop.
int g_socket[2] = {-1, -1};

extern "C" void onTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char number = static_cast<char>(signalNumber);
    // A full socket already holds a signal the loop will read.
    (void)!::write(g_socket[0], &number, 1);
    errno = savedErrno;
}

} // namespace

CTerminationSignals::CTerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_socket) != 0)
        return;
    // The handler must never block, however many signals arrive before the loop reads.
    ::fcntl(g_socket[0], F_SETFL, ::fcntl(g_socket[0], F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_socket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CTerminationSignals::readSignal);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

CTerminationSignals::~CTerminationSignals()
{
    if (!m_notifier)
        return;
    for (const int signalNumber : kSignals)
        std::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    ::close(g_socket[0]);
    ::close(g_socket[1]);
    g_socket[0] = g_socket[1] = -1;
}

void CTerminationSignals::readSignal()
{
    char number = 0;
    if (::read(g_socket[1], &number, 1) == 1)
        emit received(number);
}
