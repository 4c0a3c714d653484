#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGHUP (a shutdown, the session ending) turned into a Qt signal on the event
// loop. The handler itself only writes the signal's number into a socket, the one thing a
// signal handler may safely do; the work happens when the loop reads it. While an object of
// this class lives, those signals no longer end the process: whoever listens decides.
class CTerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit CTerminationSignals(QObject *parent = nullptr);
    ~CTerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
