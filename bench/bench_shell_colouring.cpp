// Colouring through the real editor on a generated 10 MB page, offscreen: a full pass against
// QScintilla's own HTML lexer on the same text, a keystroke anywhere and at the end of a large
// page against a small one, opening a large page, and what each accessibility cure saves.
#include "EditorAccessibility.h"
#include "PageColourer.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "benchpage.h"
#include "colourtracker.h"

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t LargePage = 10u << 20;
constexpr std::size_t SmallPage = 10u << 10;

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Milliseconds of `run`, median of `count` runs, `prepare` untimed before each.
double timeMs(int count, const std::function<void()> &run,
              const std::function<void(int)> &prepare = {})
{
    std::vector<double> samples;
    for (int i = 0; i < count; ++i) {
        if (prepare)
            prepare(i);
        QElapsedTimer clock;
        clock.start();
        run();
        samples.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return median(samples);
}

std::string makePage(std::size_t bytes)
{
    return MakeBenchPage(bytes, std::max<std::size_t>(1, bytes / 1024));
}

// A page in the editor as the application shows it: the document and one source view.
struct Window
{
    explicit Window(const std::string &text)
        : doc(std::make_unique<CTarnelDoc>())
    {
        doc->setInitialText(text);
        view = std::make_unique<CTarnelView>(doc.get());
        view->resize(900, 700);
        view->show();
        QApplication::setActiveWindow(view.get());
        view->setFocus();
        QApplication::processEvents();
    }
    ~Window()
    {
        view.reset();
        doc.reset();
    }

    long length() const { return view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH); }
    void caretTo(long position)
    {
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(position));
        QApplication::processEvents();
    }
    void type(char c)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QString(QLatin1Char(c)));
        QApplication::sendEvent(view.get(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QString(QLatin1Char(c)));
        QApplication::sendEvent(view.get(), &release);
    }
    void repaint() { view->viewport()->repaint(); }

    std::unique_ptr<CTarnelDoc> doc;
    std::unique_ptr<CTarnelView> view;
};

// Keystrokes at random places of the page, caret moves untimed.
double keystrokeAnywhereMs(Window &window, int count, bool withRepaint)
{
    std::mt19937 rng(11);
    return timeMs(
        count,
        [&] {
            window.type('x');
            if (withRepaint)
                window.repaint();
        },
        [&](int) { window.caretTo(long(rng() % std::uint32_t(window.length()))); });
}

double keystrokeAtEndMs(Window &window, int count)
{
    return timeMs(
        count,
        [&] {
            window.type('x');
            window.repaint();
        },
        [&](int) { window.caretTo(window.length()); });
}

void fullPass(const std::string &page, const char *what, double goal)
{
    QsciScintilla ours;
    ours.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(page.size()),
                       page.data());
    tarnel::ColourTracker tracker;
    const double oursMs = timeMs(9, [&] {
        const auto *text = static_cast<const char *>(
            ours.SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
        // A megabyte of lines at a time, as a page is coloured when it opens.
        tracker.ColourAll(std::string_view(text, page.size()), 1 << 20,
                          [&](const tarnel::Recolouring &r) {
                              ours.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING,
                                                 static_cast<unsigned long>(r.start), 0L);
                              ours.SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                                                 static_cast<unsigned long>(r.styles.size()),
                                                 reinterpret_cast<const char *>(r.styles.data()));
                          });
    });

    QsciScintilla theirs;
    QsciLexerHTML lexer;
    theirs.setLexer(&lexer);
    theirs.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(page.size()),
                         page.data());
    const double lexerMs =
        timeMs(9, [&] { theirs.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L); });

    const double mb = double(page.size()) / (1 << 20);
    std::printf("ROW full colouring pass, %.0f MB%s: ours %.1f ms (%.0f MB/s), QsciLexerHTML %.1f "
                "ms (%.0f MB/s), ratio %.1fx (goal >= %.0f)\n",
                mb, what, oursMs, mb / oursMs * 1000, lexerMs, mb / lexerMs * 1000,
                lexerMs / oursMs, goal);
}

// The second keystroke at each place: the editor's gap is already there.
double keystrokeInPlaceMs(Window &window, int count)
{
    std::mt19937 rng(13);
    return timeMs(
        count, [&] { window.type('x'); },
        [&](int) {
            window.caretTo(long(rng() % std::uint32_t(window.length())));
            window.type('x');
        });
}

// The anchor: a bare editor window, no colouring, taking the same keystrokes.
double bareKeystrokeMs(const std::string &page, int count)
{
    QsciScintilla bare;
    bare.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                       static_cast<unsigned long>(QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                                  QsciScintillaBase::SC_MOD_BEFOREDELETE));
    bare.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(page.size()),
                       page.data());
    bare.resize(900, 700);
    bare.show();
    QApplication::setActiveWindow(&bare);
    bare.setFocus();
    std::mt19937 rng(11);
    return timeMs(
        count,
        [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QApplication::sendEvent(&bare, &press);
        },
        [&](int) {
            const auto length = bare.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
            bare.SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                               static_cast<unsigned long>(rng() % std::uint32_t(length)));
            QApplication::processEvents();
        });
}

void keystrokes(const std::string &large, const std::string &small)
{
    const double bare = bareKeystrokeMs(large, 201);
    Window big(large);
    const double anywhere = keystrokeAnywhereMs(big, 201, false);
    const double inPlace = keystrokeInPlaceMs(big, 201);
    const double anywherePainted = keystrokeAnywhereMs(big, 101, true);
    const double endLarge = keystrokeAtEndMs(big, 101);
    Window little(small);
    const double endSmall = keystrokeAtEndMs(little, 101);
    std::printf(
        "ROW keystroke anywhere in 10 MB: %.3f ms (goal < 0.5), the next one there %.3f ms, "
        "with repaint %.3f ms; a bare editor window without colouring %.3f ms "
        "(ratio %.2f)\n",
        anywhere, inPlace, anywherePainted, bare, anywhere / bare);
    std::printf("keystroke + repaint at the end: 10 MB %.3f ms, 10 KB %.3f ms, ratio %.2f "
                "(goal <= 1.5)\n",
                endLarge, endSmall, endLarge / endSmall);
}

void opening(const std::string &large)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.htm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(large.data(), qint64(large.size())) < 0)
        return;
    file.close();
    bool coloured = true;
    const double ms = timeMs(3, [&] {
        CTarnelDoc doc;
        doc.OnOpenDocument(path);
        CTarnelView view(&doc);
        view.OnInitialUpdate();
        coloured = coloured && view.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) ==
                                   view.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    });
    std::printf("opening 10 MB until coloured: %.1f ms (goal < 1000)%s\n", ms,
                coloured ? "" : " NOT FULLY COLOURED");
}

// Each cure measured by taking it away from a fresh window (QScintilla's interface is made
// when a window first gets the focus, so each case needs its own).
void accessibilityCures(const std::string &large)
{
    const auto measure = [&](bool plainInterface, bool beforeOnly) {
        Window window(large); // installs the plain interface
        if (!plainInterface) {
            removeEditorAccessibility();
            if (QAccessibleInterface *plain =
                    QAccessible::queryAccessibleInterface(window.view.get()))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
        }
        // What a screen reader's bridge does first: ask for the editor's interface.
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window.view.get());
        std::printf("  (interface: %s)\n",
                    iface && iface->textInterface() ? "QScintilla's" : "plain");
        if (!beforeOnly)
            window.view->SendScintilla(
                QsciScintillaBase::SCI_SETMODEVENTMASK,
                static_cast<unsigned long>(QsciScintillaBase::SC_MODEVENTMASKALL));
        std::mt19937 rng(5);
        const double move =
            timeMs(51, [&] { window.caretTo(long(rng() % std::uint32_t(window.length()))); });
        const double key = keystrokeAnywhereMs(window, 51, true);
        return std::pair(move, key);
    };
    const auto cured = measure(true, true);
    const auto noPlain = measure(false, true);
    const auto neither = measure(false, false);
    installEditorAccessibility();
    std::printf("accessibility, 10 MB, caret move / keystroke + repaint anywhere:\n"
                "  both cures              %.3f / %.3f ms\n"
                "  no plain interface      %.3f / %.3f ms\n"
                "  no cure (all mod events) %.3f / %.3f ms\n",
                cured.first, cured.second, noPlain.first, noPlain.second, neither.first,
                neither.second);
}

// Keys in the middle of a page's 1 MB SCRIPT or STYLE, of lines and on one line, typed
// before `word`: in a style sheet where a property begins, so the key opens the completion list.
void keystrokeInCode(const char *element, const std::string &line, const char *word)
{
    for (const bool oneLine : {false, true}) {
        std::string page = std::string("<html><body><p>x</p><") + element + ">\n";
        while (page.size() < (1u << 20))
            (page += line) += oneLine ? ' ' : '\n';
        page += std::string("</") + element + "></body></html>\n";
        Window window(page);
        const long middle = long(page.find(word, page.size() / 2));
        const char key = word[0];
        const double typed = timeMs(
            101, [&] { window.type(key); }, [&](int) { window.caretTo(middle); });
        // On one line the editor lays the whole line out after each key, coloured or not.
        const double bare = bareKeystrokeMs(page, 51);
        std::printf("ROW keystroke inside a 1 MB %s %s: %.3f ms (goal < 1); a bare editor "
                    "window without colouring %.3f ms\n",
                    element, oneLine ? "on one line" : "of lines", typed, bare);
    }
}

void keystrokeInAScript()
{
    keystrokeInCode("SCRIPT", "  if (items[i].value / total > 0.5) { count += `n ${i}`.length; } ",
                    "count");
}

void keystrokeInAStyleSheet()
{
    keystrokeInCode("STYLE", "  ul.menu > li a:hover { color: #336699; margin: 0 auto; } ",
                    "margin");
}

void minifiedPage()
{
    // One line of 1 MB: Scintilla lays a whole line out again when it changes.
    std::string line = makePage(1u << 20);
    std::replace(line.begin(), line.end(), '\n', ' ');
    Window window(line);
    const double key = keystrokeAnywhereMs(window, 11, false);
    const double painted = keystrokeAnywhereMs(window, 11, true);
    window.view->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE,
                               static_cast<unsigned long>(QsciScintillaBase::SC_CACHE_DOCUMENT));
    window.view->SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE, 1UL << 14);
    const double cached = keystrokeAnywhereMs(window, 11, true);
    std::printf("1 MB single-line page: keystroke %.1f ms, with repaint %.1f ms, with document "
                "layout cache and a large position cache %.1f ms\n",
                key, painted, cached);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Sections to run, by name; all when none is given.
    const QStringList only = app.arguments().mid(1);
    const auto wanted = [&](const char *name) {
        return only.isEmpty() || only.contains(QLatin1String(name));
    };
    const std::string large = makePage(LargePage);
    const std::string small = makePage(SmallPage);
    if (wanted("pass"))
        fullPass(large, "", 6);
    if (wanted("codepass"))
        fullPass(MakeCodeBenchPage(LargePage), ", lines a third CSS and a third JavaScript", 3);
    if (wanted("script"))
        keystrokeInAScript();
    if (wanted("style"))
        keystrokeInAStyleSheet();
    if (wanted("keystroke"))
        keystrokes(large, small);
    if (wanted("open"))
        opening(large);
    if (wanted("accessibility"))
        accessibilityCures(large);
    if (wanted("minified"))
        minifiedPage();
    return 0;
}
