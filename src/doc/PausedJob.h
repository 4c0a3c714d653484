#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A job on a page that waits for its changes to pause, runs on a worker thread on a copy of
// what it needs, and hands its result over on this thread unless the page changed meanwhile.
// One runs at a time: a change while it runs, or a request to run now, starts the next once
// it is over, so a big page never has several copies of its text in flight.
class CPausedJob : public QObject
{
    Q_OBJECT
public:
    // What to do with a result, back on this thread.
    using Delivery = std::function<void()>;
    // The work, run on a worker thread.
    using Work = std::function<Delivery()>;
    // `prepare` runs on this thread when the job starts: it copies what the work reads.
    CPausedJob(QObject *parent, int pauseMs, std::function<Work()> prepare);

    // The page changed: a result under way is stale, and the job runs after the pause.
    void changed();
    // Runs at once (after the one under way, if any).
    void runNow();
    // Neither waiting for a pause nor running: the last result handed over is the page's.
    bool idle() const { return !m_running && !m_pause.isActive(); }

private:
    std::function<Work()> m_prepare;
    QTimer m_pause;
    quint64 m_generation = 0; // counts the changes; the result of an older page is dropped
    bool m_running = false;
    bool m_runAgain = false;
};
