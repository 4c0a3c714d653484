#include "PausedJob.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

CPausedJob::CPausedJob(QObject *parent, int pauseMs, std::function<Work()> prepare)
    : QObject(parent)
    , m_prepare(std::move(prepare))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(pauseMs);
    connect(&m_pause, &QTimer::timeout, this, &CPausedJob::runNow);
}

void CPausedJob::changed()
{
    ++m_generation;
    m_pause.start();
}

void CPausedJob::runNow()
{
    m_pause.stop();
    if (m_running) {
        m_runAgain = true;
        return;
    }
    m_running = true;
    const quint64 generation = m_generation;
    auto *watcher = new QFutureWatcher<Delivery>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        m_running = false;
        if (std::exchange(m_runAgain, false) || generation != m_generation) {
            // A change's own pause runs the job again; a request to run now does it here.
            if (!m_pause.isActive())
                runNow();
            return;
        }
        if (const Delivery deliver = watcher->result())
            deliver();
    });
    watcher->setFuture(QtConcurrent::run(m_prepare()));
}
