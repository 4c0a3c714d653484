// Colouring, rewriting and the completion list through the running editor: what the user
// types is coloured (and listed names rewritten) as a pass from the top would, undo puts text
// back without rewriting it, a run of typing is one undo step, and the completion list opens
// where the text says it should.

#include "UiTestSupport.h"

#include "ColourSwatches.h"

#include "../core/colourtestsupport.h"
#include "EditorSettings.h"
#include "SiteTree.h"
#include "colourscheme.h"
#include "colourtracker.h"
#include "commandids.h"
#include "scanner.h"

#include <QFontInfo>
#include <QLabel>

using namespace uitest;
using tarnel::ID_EDIT_CUT;
using tarnel::ID_EDIT_PASTE;
using tarnel::ID_EDIT_UNDO;

namespace {

// One letter a byte, as the core tests write styles (see tarnel::test::StyleLetter).
char letter(long style)
{
    return style >= 0 && style < tarnel::StyleCount
               ? tarnel::test::StyleLetter(static_cast<tarnel::Style>(style))
               : '?';
}

QByteArray styleLetters(const CTarnelView *view, int from, int to)
{
    QByteArray letters;
    for (int i = from; i < to; ++i)
        letters += letter(
            view->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(i)));
    return letters;
}

QByteArray allStyleLetters(const CTarnelView *view)
{
    return styleLetters(view, 0, int(view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)));
}

// The letters a pass from the top gives the view's current text.
QByteArray fullPassLetters(const CTarnelView *view)
{
    const std::string text = view->pageText();
    tarnel::ColourTracker tracker;
    QByteArray letters;
    for (std::uint8_t style : tracker.ColourAll(text).styles)
        letters += letter(style);
    return letters;
}

// All the view's styles as letters, read in one call (a big page has millions).
QByteArray bulkStyleLetters(const CTarnelView *view)
{
    const qsizetype length = view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    QByteArray cells(2 * length + 2, 0);
    struct
    {
        long cpMin, cpMax;
        char *text;
    } range{0, long(length), cells.data()};
    view->SendScintilla(QsciScintillaBase::SCI_GETSTYLEDTEXT, 0UL, &range);
    QByteArray letters(length, '.');
    for (qsizetype i = 0; i < length; ++i)
        letters[i] = letter(static_cast<unsigned char>(cells[2 * i + 1]));
    return letters;
}

int lineStart(const CTarnelView *view, int line)
{
    return int(view->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                   static_cast<unsigned long>(line)));
}

QByteArray lineBytes(const CTarnelView *view, int line)
{
    const QByteArray all = viewBytes(view);
    const int from = lineStart(view, line);
    int to = from;
    while (to < all.size() && all[to] != '\r' && all[to] != '\n')
        ++to;
    return all.mid(from, to - from);
}

// Whether the completion list is showing, and its selected entry.
bool listShown(const CTarnelView *view)
{
    return view->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
}

QByteArray listSelection(const CTarnelView *view)
{
    char entry[256] = {};
    view->SendScintilla(QsciScintillaBase::SCI_AUTOCGETCURRENTTEXT, 0UL, entry);
    return entry;
}

// A view on a fresh page whose text is `text`, caret at `caret` (-1: the end).
CTarnelView *pageWith(Editor &editor, const QByteArray &text, int caret = -1)
{
    CTarnelView *view = editor.view();
    view->selectAll();
    view->InsertSnippet(text.toStdString(), false);
    view->setFocus();
    const int at = caret < 0 ? int(text.size()) : caret;
    view->selectBytes(at, at);
    return view;
}

} // namespace

class TestColouring : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // These pages are written in lower case: the rewrites to the list's spelling are
        // what is tested here, so the list's spelling is chosen rather than the page's.
        QVERIFY(m_profile.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_profile.path()));
        writeProfile(m_profile.path(), {{"Editor/NameCase", int(tarnel::NameCase::List)}});
    }

    void stylesLookAsTheirKinds()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        struct Look
        {
            int style;
            long colour; // 0x00BBGGRR
            bool bold;
        };
        const Look looks[] = {{0, 0x000000, false}, {1, 0xFF0000, true},  {2, 0xFF00FF, false},
                              {3, 0x008000, false}, {4, 0xFF8000, false}, {5, 0xFF0080, false}};
        for (const Look &look : looks) {
            QCOMPARE(view->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE,
                                         static_cast<unsigned long>(look.style)),
                     look.colour);
            QCOMPARE(view->SendScintilla(QsciScintillaBase::SCI_STYLEGETBOLD,
                                         static_cast<unsigned long>(look.style)) != 0,
                     look.bold);
        }
    }

    // Under a dark desktop the editor follows it, every colour around the text included, in a
    // fixed-pitch face; the choice in Preferences overrides the desktop either way.
    void theColoursFollowTheDesktopUnlessChosen()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        auto send = [view](int message, long style) {
            return view->SendScintilla(message, static_cast<unsigned long>(style));
        };
        const QPalette lightPalette = QApplication::palette();
        QPalette darkPalette = lightPalette;
        darkPalette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
        darkPalette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
        darkPalette.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(darkPalette);
        const tarnel::EditorColours &dark = tarnel::ColoursOf(tarnel::Scheme::Dark);
        QTRY_COMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, 0), long(dark.paper));
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, QsciScintillaBase::STYLE_LINENUMBER),
                 long(dark.margin));
        QCOMPARE(send(QsciScintillaBase::SCI_GETCARETLINEBACK, 0), long(dark.currentLine));
        for (int style = 0; style < tarnel::StyleCount; ++style) {
            const long fore = send(QsciScintillaBase::SCI_STYLEGETFORE, style);
            QVERIFY2(tarnel::ContrastRatio(std::uint32_t(fore), dark.paper) >=
                         tarnel::ReadableContrast,
                     qPrintable(QString::number(style)));
        }
        QVERIFY(QFontInfo(view->font()).fixedPitch());

        EditorSettings chosen = EditorSettings::current();
        chosen.scheme = tarnel::SchemeChoice::Light;
        EditorSettings::setCurrent(chosen);
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, 0), 0xFFFFFFL);
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETFORE, 1), 0xFF0000L);
        QApplication::setPalette(lightPalette);
        chosen.scheme = tarnel::SchemeChoice::Dark;
        EditorSettings::setCurrent(chosen);
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, 0), long(dark.paper));
        EditorSettings::setCurrent({});
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, 0), 0xFFFFFFL);
    }

    void typingColoursAndRewrites_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("styles");
        QTest::newRow("image tag")
            << "<img src=" << QByteArray("<IMG SRC=") << QByteArray(".KKK.CCC.");
        QTest::newRow("line break") << "<br" << QByteArray("<BR") << QByteArray(".KK");
        QTest::newRow("body outside a tag stays as typed")
            << "body" << QByteArray("body") << QByteArray("....");
        QTest::newRow("numbers outside and in a tag")
            << "100 <img width=100>" << QByteArray("100 <IMG WIDTH=100>")
            << QByteArray("NNN..KKK.CCCCC.NNN.");
        QTest::newRow("quoted value, quotes included")
            << "<a href=\"x y\">" << QByteArray("<A HREF=\"x y\"></A>")
            << QByteArray(".K.CCCC.SSSSS...K.");
        QTest::newRow("a comment keeps its words")
            << "<!-- <img src=x> -->" << QByteArray("<!-- <img src=x> -->")
            << QByteArray("####################");
        QTest::newRow("script content is not rewritten")
            << "<script>if (a<b) img=1;" << QByteArray("<SCRIPT>if (a<b) img=1;</SCRIPT>")
            << QByteArray(".KKKKKK.kk...........n...KKKKKK.");
        QTest::newRow("unquoted value is not rewritten")
            << "<p class=title>" << QByteArray("<P CLASS=title></P>")
            << QByteArray(".K.CCCCC.........K.");
        QTest::newRow("hyphenated name looked up whole")
            << "<meta http-equiv=x>" << QByteArray("<META HTTP-EQUIV=x>")
            << QByteArray(".KKKK.CCCCCCCCCC...");
    }

    void typingColoursAndRewrites()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, styles);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->setFocus();
        QTest::keyClicks(view, typed);
        QCOMPARE(lineBytes(view, 6), line);
        const int from = lineStart(view, 6);
        QCOMPARE(styleLetters(view, from, from + int(line.size())), styles);
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
    }

    void editInTheSecondLineOfATag()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, "<IMG SRC=a\n WIDTH=1>\nx", 13);
        QTest::keyClicks(view, "alt ");
        QCOMPARE(lineBytes(view, 1), QByteArray(" ALT WIDTH=1>"));
        QCOMPARE(styleLetters(view, lineStart(view, 1), lineStart(view, 1) + 13),
                 QByteArray(".CCC.CCCCC.N."));
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
    }

    void typingOnALowerCasePageChangesOnlyWhatIsTyped()
    {
        const QString path = m_dir.filePath("lower.htm");
        const QByteArray content = "<img src=a>\r\n<p>x</p>\r\n";
        const QByteArray typed = "<img src=ax>\r\n<p>x</p>\r\n";
        QVERIFY(writeFile(path, content));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        view->setFocus();
        view->selectBytes(10, 10); // before the ">" of the image tag
        QTest::keyClicks(view, "x");
        QCOMPARE(viewBytes(view), typed);
        QCOMPARE(int(view->CharIndexAtCaret()), 11);
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), content);
        QVERIFY(!editor.doc()->isModified());
        QApplication::setActiveWindow(editor.frame());         // for the window's Ctrl+Y
        QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier); // redo
        QCOMPARE(viewBytes(view), typed);
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
    }

    // Typing merges into one undo step with the rewrites it caused; redo brings back exactly
    // what was there. `written` is what the keys leave at the caret.
    void aRunOfTypingIsOneUndoStep_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QByteArray>("written");
        const QByteArray prose = "see the link for a map of the main area\nand a small menu.";
        QTest::newRow("words") << QByteArray() << 0 << "Hello world" << QByteArray("Hello world");
        QTest::newRow("names rewritten as they are typed")
            << QByteArray() << 0 << "<img src=a.gif>" << QByteArray("<IMG SRC=a.gif>");
        QTest::newRow("a tag typed before prose leaves the prose")
            << prose << 0 << "<br>" << QByteArray("<BR>");
        QTest::newRow("over lines") << QByteArray() << 0 << "<br>\nab" << QByteArray("<BR>\r\nab");
    }

    void aRunOfTypingIsOneUndoStep()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QByteArray, written);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, page, caret);
        const QByteArray before = viewBytes(view);
        const QByteArray after = before.left(caret) + written + before.mid(caret);
        typeText(view, keys);
        QCOMPARE(viewBytes(view), after);
        QApplication::setActiveWindow(editor.frame()); // for the window's Ctrl+Z
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(viewBytes(view), before);
        QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(viewBytes(view), after);
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), before);
    }

    void aRunOfDeletionsIsOneUndoStep_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QByteArray>("after");
        // Each key joins a name again, and the rewrite joins the step.
        QTest::newRow("backspaces") << int(Qt::Key_Backspace) << 5 << QByteArray("<IMG>");
        QTest::newRow("deletes") << int(Qt::Key_Delete) << 3 << QByteArray("<IMG>");
    }

    void aRunOfDeletionsIsOneUndoStep()
    {
        QFETCH(int, key);
        QFETCH(int, caret);
        QFETCH(QByteArray, after);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, "<imx g>", caret);
        const QByteArray before = viewBytes(view);
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(view, Qt::Key(key));
        QCOMPARE(viewBytes(view), after);
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), before);
    }

    void aRunOfTypingEndsAtACaretMoveAndAtASave()
    {
        const QString path = m_dir.filePath("run.htm");
        QVERIFY(writeFile(path, "x"));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        view->setFocus();
        view->selectBytes(1, 1);
        QTest::keyClicks(view, "ab");
        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClicks(view, "cd");
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), QByteArray("xab"));
        QTest::keyClicks(view, "ef");
        editor.frame()->action(tarnel::ID_FILE_SAVE)->trigger();
        QCOMPARE(readFile(path), QByteArray("xabef"));
        QTest::keyClicks(view, "gh");
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), QByteArray("xabef"));
        QVERIFY(!editor.doc()->isModified());
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), QByteArray("xab"));
        QVERIFY(editor.doc()->isModified());
    }

    // Each window keeps its own run: keys in a New Window of the page, even where the other
    // window's run ended, are an undo step of their own.
    void aRunOfTypingEndsInAnotherWindow()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *first = pageWith(editor, "x");
        CTarnelView second(editor.doc());
        QTest::keyClicks(first, "ab");
        second.selectBytes(3, 3);
        QTest::keyClicks(&second, "cd");
        QCOMPARE(viewBytes(first), QByteArray("xabcd"));
        second.commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(first), QByteArray("xab"));
    }

    void loadedPageIsColouredAndNotModified()
    {
        const QString path = m_dir.filePath("page.htm");
        const QByteArray content = "<html>\n<!-- a\ncomment -->\n<img src=\"a.gif\" width=10>\n"
                                   "<script>\nif (a<b) x = '<img>';\n</script>\n</html>\n";
        QVERIFY(writeFile(path, content));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        QCOMPARE(viewBytes(view), content);
        QVERIFY(!editor.doc()->isModified());
        const QByteArray letters = allStyleLetters(view);
        QCOMPARE(letters, fullPassLetters(view));
        QVERIFY(letters.contains("KKKK"));
        QVERIFY(letters.contains("###"));
    }

    void snippetsGoInAsBuilt()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->InsertSnippet("<span style=\"x\">", false);
        QCOMPARE(lineBytes(view, 6), QByteArray("<span style=\"x\">"));
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
    }

    // On a long line a key is coloured the moment its change is made, before the editor
    // places the caret: the colours, the rewrites and one undo step come out as elsewhere.
    void keysOnALongLineColourAsAPassFromTheTop()
    {
        Editor editor;
        QVERIFY(editor.start());
        QByteArray line;
        while (line.size() < 40000)
            line += "<div class=\"c\"><img src=\"a.gif\"><b>bold</b> text</div>";
        const int middle = line.indexOf("<b>", line.size() / 2);
        CTarnelView *view = pageWith(editor, line, middle);
        const QByteArray before = viewBytes(view);
        QTest::keyClicks(view, "<p title=\"x\">");
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
        QCOMPARE(viewBytes(view).mid(middle, 17), QByteArray("<P TITLE=\"x\"></P>"));
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
        while (viewBytes(view) != before && view->isUndoAvailable())
            view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
    }

    // A page too big to style at once gets its styles a stretch at a time between events:
    // what a window shows is coloured at once wherever it looks, an edit anywhere meanwhile
    // is coloured, and in the end every byte has the style a pass from the top gives. Its
    // outline, read on a second thread while the keys go in, ends as a reading now lists it.
    void aBigPageIsStyledBetweenEvents()
    {
        const QString path = m_dir.filePath("big.htm");
        const QByteArray block = "<P CLASS=\"x\">text <B>bold</B> <!-- a\r\ncomment -->\r\n"
                                 "<SCRIPT>var s = \"<b>\";</SCRIPT><A HREF=\"p.htm\">link</A>\r\n";
        QByteArray page;
        page.reserve(17 << 20);
        while (page.size() < (17 << 20))
            page += block;
        QVERIFY(writeFile(path, page));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        const auto endStyled = [view] {
            return view->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
        };
        QVERIFY(endStyled() < page.size());
        view->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
        view->viewport()->repaint();
        const int last = int(page.size()) - 1;
        QCOMPARE(styleLetters(view, last - 4000, last),
                 fullPassLetters(view).mid(last - 4000, 4000));
        view->setFocus();
        QTest::keyClicks(view, "<i>");
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(9 << 20));
        QTest::keyClicks(view, "<!-- ");
        QTRY_COMPARE_WITH_TIMEOUT(endStyled(),
                                  view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH), 60000);
        QVERIFY(bulkStyleLetters(view) == fullPassLetters(view));
        int links = 0;
        const QByteArray text = viewBytes(view);
        tarnel::ScanElements(std::string_view(text.constData(), std::size_t(text.size())),
                             [&links](tarnel::OutlineCategory category, const auto &) {
                                 links += category == tarnel::OutlineCategory::Hyperlinks;
                             });
        QTRY_COMPARE_WITH_TIMEOUT(
            editor.activeSource()->outline()->entryCount(CSiteTree::Hyperlinks), links, 60000);
    }

    void newWindowShowsTheSameColours()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *first = editor.view();
        auto *second = new CTarnelView(editor.doc());
        second->OnInitialUpdate();
        QCOMPARE(second->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, 1UL), 0xFF0000L);
        first->setFocus();
        QTest::keyClicks(first, "<img");
        QCOMPARE(allStyleLetters(second), fullPassLetters(first));
        QCOMPARE(lineBytes(second, 6), QByteArray("<IMG"));
        delete second;
    }

    // A shortcut carries its letter as text offscreen; it types nothing and opens no list,
    // even with the caret after a "<".
    void aShortcutOpensNoList_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+Y, nothing to redo") << int(Qt::Key_Y);
        QTest::newRow("Ctrl+A") << int(Qt::Key_A);
    }

    void aShortcutOpensNoList()
    {
        QFETCH(int, key);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, "<");
        QTest::keyClick(view, Qt::Key(key), Qt::ControlModifier);
        QVERIFY(!listShown(view));
        QCOMPARE(viewBytes(view), QByteArray("<"));
    }

    void completionListOpensWhereTheTextSays_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("< in text") << QByteArray("x") << 1 << "<" << true;
        QTest::newRow("blank inside a tag") << QByteArray("<IMG") << 4 << " " << true;
        QTest::newRow("blank inside a tag whose > follows")
            << QByteArray("<IMG>") << 4 << " " << true;
        QTest::newRow("blank inside a quoted value")
            << QByteArray("<IMG ALT=\"a") << 11 << " " << false;
        QTest::newRow("blank after the quoted value")
            << QByteArray("<IMG ALT=\"a\"") << 12 << " " << true;
        QTest::newRow("< inside a quoted value")
            << QByteArray("<IMG ALT=\"a") << 11 << "<" << false;
        QTest::newRow("blank in text") << QByteArray("<P>a") << 4 << " " << false;
        QTest::newRow("letter inside a tag") << QByteArray("<IMG ") << 5 << "z" << false;
    }

    void completionListOpensWhereTheTextSays()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, page, caret);
        QTest::keyClicks(view, typed);
        QCOMPARE(listShown(view), opens);
        QByteArray expected = page;
        expected.insert(caret, typed.toLatin1());
        QCOMPARE(viewBytes(view), expected);
    }

    // The list never takes the keyboard: typed characters go into the page and narrow it;
    // Tab takes the entry in the list's spelling, and so does Enter after a move in the list
    // (before that, Enter is the line break typed); Escape or a character that cannot go on
    // with a name closes it, each leaving the keys typed in the page.
    void typingNarrowsTheList_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("last"); // the key after them, 0 for none
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("shown");
        QTest::newRow("narrowed, any case") << "<iM" << 0 << QByteArray("<IM") << true;
        QTest::newRow("Enter after a move takes it")
            << "<im" << int(Qt::Key_Down) << QByteArray("<IMG") << false;
        QTest::newRow("Enter untouched is a line break")
            << "<im" << int(Qt::Key_Return) << QByteArray("<Im") << false;
        QTest::newRow("Tab takes it")
            << "<tab" << int(Qt::Key_Tab) << QByteArray("<TABLE") << false;
        QTest::newRow("Escape closes it")
            << "<ta" << int(Qt::Key_Escape) << QByteArray("<ta") << false;
        QTest::newRow("blank closes it, attributes follow")
            << "<ta " << 0 << QByteArray("<ta ") << true;
        QTest::newRow("no name goes on") << "<qx" << 0 << QByteArray("<Qx") << false;
        QTest::newRow("attributes of the tag")
            << "<img sr" << int(Qt::Key_Tab) << QByteArray("<IMG SRC") << false;
        QTest::newRow("fixed values")
            << "<p align=c" << int(Qt::Key_Tab) << QByteArray("<P ALIGN=CENTER") << false;
    }

    void typingNarrowsTheList()
    {
        QFETCH(QString, keys);
        QFETCH(int, last);
        QFETCH(QByteArray, line);
        QFETCH(bool, shown);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->setFocus();
        typeText(view, keys);
        if (last == Qt::Key_Down) { // a step into the fresh list, then Enter
            QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
        } else if (last) {
            QTest::keyClick(view, Qt::Key(last));
        }
        QCOMPARE(lineBytes(view, 6), line);
        QCOMPARE(listShown(view), shown);
        // After a line break the caret starts the next line.
        const int caret =
            last == Qt::Key_Return ? lineStart(view, 7) : lineStart(view, 6) + int(line.size());
        QCOMPARE(int(view->CharIndexAtCaret()), caret);
        QCOMPARE(allStyleLetters(view), fullPassLetters(view));
    }

    void theListHoldsOnlyTheNamesTyped()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->setFocus();
        typeText(view, "<iM");
        QCOMPARE(listSelection(view), QByteArray("IMG"));
        // The first entry: the names before it are gone from the list.
        QCOMPARE(view->SendScintilla(QsciScintillaBase::SCI_AUTOCGETCURRENT), 0L);
    }

    // In a style sheet the list offers properties as one begins and values after its ":",
    // Tab writes just the entry, and a line beside the list describes the one selected.
    void aStyleSheetLineTakesPropertiesAndValues()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, "<style>\n\n</style>", 8);
        typeText(view, "p { ma");
        QVERIFY(listShown(view));
        QCOMPARE(listSelection(view), QByteArray("margin"));
        const auto *description = view->findChild<QLabel *>("completionDescription");
        QVERIFY(description);
        QTRY_VERIFY(description->isVisible());
        QVERIFY(!description->text().isEmpty());
        QTest::keyClick(view, Qt::Key_Tab);
        QVERIFY(!description->isVisible());
        typeText(view, ": 0 au");
        QCOMPARE(listSelection(view), QByteArray("auto"));
        QTest::keyClick(view, Qt::Key_Tab);
        typeText(view, "; /* ma");
        QVERIFY(!listShown(view)); // not in a comment
        QCOMPARE(lineBytes(view, 1), QByteArray("p { margin: 0 auto; /* ma"));
    }

    void closingTagListStartsWithTheInnermostOpenElement()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWith(editor, "<DIV><B>x");
        typeText(view, "</");
        QVERIFY(listShown(view));
        QCOMPARE(listSelection(view), QByteArray("B"));
        QTest::keyClick(view, Qt::Key_Down); // a fresh list: Down selects the first entry
        QCOMPARE(listSelection(view), QByteArray("B"));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(listSelection(view), QByteArray("DIV"));
    }

    void fileNamesFromThePageFolder()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("pics"));
        QVERIFY(writeFile(m_dir.filePath("pics/sun.png"), "x"));
        const QString path = m_dir.filePath("files.htm");
        QVERIFY(writeFile(path, ""));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        view->setFocus();
        typeText(view, "<img src=\"p");
        QCOMPARE(listSelection(view), QByteArray("pics/"));
        QTest::keyClick(view, Qt::Key_Tab); // the folder, then what is in it
        QCoreApplication::processEvents();
        QCOMPARE(listSelection(view), QByteArray("sun.png"));
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(viewBytes(view), QByteArray("<IMG SRC=\"pics/sun.png"));
    }

    // A colour value shows a swatch in its colour; a double click on one writes the colour
    // chosen in the value's own form, one undo step; a double click elsewhere selects a word.
    void aDoubleClickOnASwatchWritesTheChosenColour()
    {
        Editor editor;
        QVERIFY(editor.start());
        const QByteArray page = "<style>p { color: #f00 }</style><body bgcolor=\"white\">";
        CTarnelView *view = pageWith(editor, page);
        auto *swatches = view->findChild<CColourSwatches *>();
        QVERIFY(swatches);
        const auto swatchAt = [view](const QByteArray &word) {
            return view->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                                       static_cast<unsigned long>(CColourSwatches::kIndicator),
                                       static_cast<long>(viewBytes(view).indexOf(word) + 1));
        };
        const long bit = QsciScintillaBase::SC_INDICVALUEBIT;
        QTRY_COMPARE(swatchAt("#f00"), bit | 0x0000ff);
        QCOMPARE(swatchAt("white"), bit | 0xffffff);
        QCOMPARE(swatchAt("color"), 0L);

        std::optional<QColor> answer = QColor(0, 0, 255);
        QList<QPair<QColor, bool>> asked;
        swatches->setChooser([&](const QColor &initial, bool withAlpha) {
            asked.append({initial, withAlpha});
            return answer;
        });
        const auto doubleClick = [view](const QByteArray &word) {
            const long at = viewBytes(view).indexOf(word) + 1;
            const QPoint point(
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, at)) + 2,
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, at)) + 4);
            // As a person's: a click, then the second press (the double click) and its release.
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, point);
        };
        doubleClick("#f00");
        QCOMPARE(asked, (QList<QPair<QColor, bool>>{{QColor(255, 0, 0), false}}));
        QCOMPARE(viewBytes(view), QByteArray(page).replace("#f00", "#00f"));
        answer.reset();
        doubleClick("white");
        QCOMPARE(viewBytes(view), QByteArray(page).replace("#f00", "#00f"));
        answer = QColor(0, 0, 128);
        doubleClick("white");
        QCOMPARE(viewBytes(view),
                 QByteArray(page).replace("#f00", "#00f").replace("white", "navy"));
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), QByteArray(page).replace("#f00", "#00f"));
        view->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), page);

        asked.clear();
        doubleClick("body");
        QVERIFY(asked.isEmpty());
        QCOMPARE(view->selectedText(), QStringLiteral("body"));
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_profile;
};

QTEST_MAIN(TestColouring)
#include "tst_colouring.moc"
