#pragma once

// Helpers of the shell benchmarks: the real editor offscreen, key presses that repaint as a
// person's would, and the process's peak memory.

#include "ChildFrame.h"
#include "DocManager.h"
#include "MainFrame.h"
#include "TarnelApp.h"
#include "TarnelDoc.h"
#include "TarnelView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <time.h>
#include <vector>

namespace shellbench {

// Peak and current resident memory of this process, in megabytes.
inline double StatusMegabytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size())) / 1024.0;
    return 0;
}
inline double PeakMegabytes()
{
    return StatusMegabytes("VmHWM:");
}
inline double CurrentMegabytes()
{
    return StatusMegabytes("VmRSS:");
}

inline bool WriteFile(const QString &path, const std::string &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

inline CTarnelView *ActiveView(CTarnelApp &app)
{
    auto *frame = qobject_cast<CChildFrame *>(app.mainFrame()->mdiArea()->activeSubWindow());
    return frame ? frame->sourceView() : nullptr;
}

// One key press and release, then the events it leaves queued (timers that fired
// meanwhile), then the repaint: milliseconds of the process's CPU time for each.
struct KeyTimes
{
    double key = 0, events = 0, repaint = 0;
    double total() const { return key + events + repaint; }
};

// The CPU time the whole process spent, threads included: unlike the wall clock, it does not
// count the time other programs on a busy machine took.
class CpuClock
{
public:
    CpuClock() { restart(); }
    void restart() { m_start = now(); }
    qint64 nsecsElapsed() const { return now() - m_start; }

private:
    static qint64 now()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    qint64 m_start = 0;
};

inline KeyTimes TimedKey(QWidget *view, Qt::Key key, const QString &text)
{
    KeyTimes times;
    CpuClock clock;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(view, &release);
    times.key = clock.nsecsElapsed() / 1e6;
    clock.restart();
    QApplication::processEvents();
    times.events = clock.nsecsElapsed() / 1e6;
    clock.restart();
    if (auto *area = qobject_cast<QAbstractScrollArea *>(view))
        area->viewport()->repaint();
    times.repaint = clock.nsecsElapsed() / 1e6;
    return times;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace shellbench
