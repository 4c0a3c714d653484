#pragma once

// Helpers shared by the UI tests: start the real application objects offscreen, answer
// modal dialogs, and read the source view's bytes.

#include "ChildFrame.h"
#include "DocManager.h"
#include "MainFrame.h"
#include "TarnelApp.h"
#include "TarnelDoc.h"
#include "TarnelView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace uitest {

// Each test program is a session of its own (XDG_RUNTIME_DIR, set before the application
// object exists): an editor it starts, in the program or as a process, hands its pages only to
// another of the same program, never to one of a test running beside it or to the user's own.
// It has a profile and recovery copies of its own too (XDG_CONFIG_HOME, XDG_DATA_HOME; a test
// may name others before the first QSettings): the windows and pages one closes, and the copies
// one leaves, are not what the next one starts with.
inline const bool kOwnSession = [] {
    static QTemporaryDir runtime;
    static QTemporaryDir config;
    static QTemporaryDir data;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    return runtime.isValid() && config.isValid() && data.isValid();
}();

// Runs `handle` on the next modal widget that opens (polling, so it also works for dialogs
// opened from inside another modal loop). Gives up after `timeoutMs`; a watch still waiting
// when the test program ends goes with the application.
inline void whenModal(std::function<void(QWidget *)> handle, int timeoutMs = 10000)
{
    auto *timer = new QTimer(QCoreApplication::instance());
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, handle, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        } else if (clock.elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

// Answers the next message box with `button` and reports its text through `text`.
inline void answerMessageBox(QMessageBox::StandardButton button, QString *text = nullptr)
{
    whenModal([button, text](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box) {
            w->close();
            return;
        }
        if (text)
            *text = box->text();
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->close();
    });
}

// The running editor: application object, main window and the first page.
struct Editor
{
    std::unique_ptr<CTarnelApp> app = std::make_unique<CTarnelApp>();

    bool start(const QStringList &pages = {}, bool show = false)
    {
        const bool ok = app->InitInstance(pages, show);
        if (ok)
            frame()->show();
        return ok;
    }
    CMainFrame *frame() const { return app->mainFrame(); }
    CChildFrame *activeSource() const
    {
        return qobject_cast<CChildFrame *>(frame()->mdiArea()->activeSubWindow());
    }
    CTarnelView *view() const { return activeSource() ? activeSource()->sourceView() : nullptr; }
    CTarnelDoc *doc() const { return view() ? view()->GetDocument() : nullptr; }
};

inline QByteArray viewBytes(const CTarnelView *view)
{
    const std::string text = view->pageText();
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Writes `values` into the editor's profile under `configHome` (what XDG_CONFIG_HOME names).
inline void writeProfile(const QString &configHome, const QVariantMap &values)
{
    QSettings profile(configHome + "/Local AppWizard-Generated Applications/Editor.conf",
                      QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        profile.setValue(it.key(), it.value());
}

// Lets closed windows and deferred deletions finish.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Types `text` key by key as a person does, holding Shift for the characters that need it; a
// line feed is the Return key. With `msPerKey`, at that pace, the editor's timers running
// between keys.
inline void typeText(QWidget *view, const QString &text, int msPerKey = 0)
{
    for (const QChar c : text) {
        if (msPerKey > 0)
            QTest::qWait(msPerKey);
        const bool shifted = c.isUpper() || QStringLiteral("<>\"!:?").contains(c);
        if (shifted)
            QTest::keyPress(view, Qt::Key_Shift);
        if (c == QLatin1Char('\n'))
            QTest::keyClick(view, Qt::Key_Return);
        else
            QTest::keyClicks(view, QString(c));
        if (shifted)
            QTest::keyRelease(view, Qt::Key_Shift);
    }
}

// Caret line (0-based) of the view.
inline int caretLine(const CTarnelView *view)
{
    int line = 0, index = 0;
    view->getCursorPosition(&line, &index);
    return line;
}

} // namespace uitest
