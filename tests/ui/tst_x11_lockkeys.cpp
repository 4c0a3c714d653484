// The CAP, NUM and SCRL indicators follow the keyboard's lock keys. Needs an X server: ctest
// runs it under xvfb-run.

#include "UiTestSupport.h"

#include "LockKeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <qguiapplication_platform.h>

#include <X11/XKBlib.h>
// X11's event names are macros that would hide QEvent's.
#undef KeyPress
#undef KeyRelease

using namespace uitest;

namespace {

Display *display()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

void lockModifier(unsigned int mask, bool on)
{
    XkbLockModifiers(display(), XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(display(), False);
}

QLabel *indicator(CMainFrame *frame, const QString &text)
{
    for (QLabel *label : frame->statusBar()->findChildren<QLabel *>())
        if (label->text() == text)
            return label;
    return nullptr;
}

} // namespace

class TestLockKeys : public QObject
{
    Q_OBJECT
private slots:
    void indicatorsFollowTheLockKeys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<uint>("modifier");
        // Caps Lock locks the Lock modifier and Num Lock Mod2, as X keyboard maps have it.
        QTest::newRow("caps") << "CAP" << int(Qt::Key_CapsLock) << uint(LockMask);
        QTest::newRow("num") << "NUM" << int(Qt::Key_NumLock) << uint(Mod2Mask);
    }

    void indicatorsFollowTheLockKeys()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(uint, modifier);
        if (!display())
            QSKIP("needs an X server");
        Editor editor;
        QVERIFY(editor.start({}, true));
        QLabel *label = indicator(editor.frame(), text);
        QVERIFY(label);
        QVERIFY(queryLockKeys().has_value());
        for (const bool on : {true, false}) {
            lockModifier(modifier, on);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(editor.view(), &release);
            QCOMPARE(label->isEnabled(), on);
        }
        // Only the keys' own indicator changes.
        for (const QString &other :
             {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")})
            if (other != text)
                QVERIFY(!indicator(editor.frame(), other)->isEnabled());
    }
};

QTEST_MAIN(TestLockKeys)
#include "tst_x11_lockkeys.moc"
