#pragma once

// Helpers of the tests that look into a real embedded browser.

#include <QElapsedTimer>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <utility>

namespace uitest {

// Runs a script in the page's own world and waits for its result (null after the timeout).
inline QVariant evalJs(QWebEngineView *view, const QString &script, int timeoutMs = 10000)
{
    auto state = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    view->page()->runJavaScript(script, [state](const QVariant &v) {
        state->first = true;
        state->second = v;
    });
    QElapsedTimer clock;
    clock.start();
    while (!state->first && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return state->second;
}

} // namespace uitest
