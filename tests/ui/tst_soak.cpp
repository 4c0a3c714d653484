// A long random editing session on one page through the real source view: typing (with the
// completion list answered), deletions, cuts and pastes, Insert snippets and forms, re-edits
// from the outline, saves, and undo and redo in runs. After every step the colours are those
// of a pass from the top, the outline is a fresh scan of the text, and a text that differs
// from the saved one is modified; at the end undoing everything gives back the page as opened
// and redoing everything the last text.
//
// Seeded and reproducible: TARNEL_SOAK_SEED picks the seed (else a random one, printed),
// TARNEL_SOAK_STEPS the number of steps, TARNEL_SOAK_SECONDS a running time instead, and
// TARNEL_SOAK_PAGES a folder that keeps pages of the run (snapshots, the last page, the page
// of a failure) as seeds for the fuzzers.

#include "UiTestSupport.h"

#include "AppletDlg.h"
#include "FormDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "SiteTree.h"
#include "colourtracker.h"
#include "commandids.h"
#include "scanner.h"
#include "snippets.h"

#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QSet>

#include <deque>
#include <map>
#include <random>

#ifndef TARNEL_SOAK_DEFAULT_STEPS
#define TARNEL_SOAK_DEFAULT_STEPS 1500
#endif

using namespace uitest;
using namespace tarnel;

namespace {

struct Settings
{
    unsigned seed = 0;
    long steps = TARNEL_SOAK_DEFAULT_STEPS;
    double seconds = 0; // when set, steps run until this much time has passed
    QString pagesFolder;
};

Settings settingsFromEnvironment()
{
    Settings settings;
    bool given = false;
    settings.seed = qEnvironmentVariable("TARNEL_SOAK_SEED").toUInt(&given);
    if (!given)
        settings.seed = std::random_device()();
    if (const long steps = qEnvironmentVariable("TARNEL_SOAK_STEPS").toLong(); steps > 0)
        settings.steps = steps;
    settings.seconds = qEnvironmentVariable("TARNEL_SOAK_SECONDS").toDouble();
    settings.pagesFolder = qEnvironmentVariable("TARNEL_SOAK_PAGES");
    return settings;
}

// What is typed, pasted and filled in: the characters that change how a page is coloured
// and scanned, and whole tags.
const char *const kPieces[] = {"<",           ">",
                               "\"",          "'",
                               " ",           "\n",
                               "\t",          "=",
                               "img",         "a",
                               "src",         " href=",
                               "x",           "hello ",
                               "<!--",        "-->",
                               "<script>",    "</",
                               "</a>",        "</script",
                               "<style>",     "100",
                               "<img src=",   "<a href=\"",
                               "\">",         "<applet",
                               "code",        " width=",
                               "&quot;",      "<br>",
                               "a<b",         "'\"",
                               "<p>",         "-- ",
                               "\n\n",        "<textarea>",
                               "</TEXTAREA>", "<A HREF='x.htm'>link</A>"};
// The same for the style sheets and scripts a page holds.
const char *const kCodePieces[] = {"/*",
                                   "*/",
                                   "//",
                                   "`",
                                   "${",
                                   "}",
                                   "{",
                                   ";",
                                   "/x/g",
                                   "return",
                                   "\\",
                                   "&#233;",
                                   "@media x",
                                   " style=\"color: red\"",
                                   "<script type=module>",
                                   "<style type=x>"};
const char *const kValues[] = {"",     "a.gif",   "x y.png",   "10",    "50%",       "\"q\"",
                               "it's", "<b>",     "a>b",       "clock", "h?a=1&b=2", "LEFT",
                               "top",  "t.class", "Next page", "&amp;", "-->",       "<!--"};

constexpr long kLargestPage = 6000; // the fuzzers take inputs up to 8 KB

} // namespace

class Soak
{
public:
    Soak(Editor &editor, unsigned seed)
        : m_editor(editor)
        , m_view(editor.view())
        , m_tree(editor.activeSource()->outline())
        , m_rng(seed)
    {
        m_original = viewBytes(m_view);
        m_saved = m_original;
        // Every text the page holds after a command, so that undo and redo can be held to
        // texts the page really had.
        m_had.insert(qHash(m_original));
        QObject::connect(m_editor.doc(), &CTarnelDoc::changed, &m_modalPoll,
                         [this] { m_had.insert(qHash(viewBytes(m_view))); });
        QObject::connect(&m_modalPoll, &QTimer::timeout, &m_modalPoll, [this] { answerModal(); });
        m_modalPoll.start(0);
    }

    // One random step; what it did goes to the step log.
    void step()
    {
        if (length() > kLargestPage) {
            deleteRange(int(pick(1500)) + 500);
            return;
        }
        const unsigned roll = pick(100);
        if (roll < 36)
            typePiece();
        else if (roll < 48)
            pressDeletes();
        else if (roll < 53)
            cutAndPaste();
        else if (roll < 58)
            copyAndPaste();
        else if (roll < 62)
            pasteAPiece();
        else if (roll < 67)
            insertSnippet();
        else if (roll < 71)
            insertWithForm();
        else if (roll < 76)
            reedit();
        else if (roll < 84)
            undoRun();
        else if (roll < 91)
            redoRun();
        else if (roll < 95)
            moveCaret();
        else if (roll < 97)
            save();
        else
            saveEditAndUndoBack();
    }

    // What is wrong after a step, empty when all holds. Rescans the outline first: the
    // view does that itself once typing pauses.
    QString problem()
    {
        QCoreApplication::processEvents();
        if (QString colours = colourProblem(); !colours.isEmpty())
            return colours;
        if (QString outline = outlineProblem(); !outline.isEmpty())
            return outline;
        if (viewBytes(m_view) != m_saved && !m_editor.doc()->isModified())
            return "the text differs from the saved text but is not modified";
        return m_problem;
    }

    // Undoes everything, then redoes everything; what is wrong, empty when all holds. The
    // last text is the one with nothing left to redo.
    QString undoAndRedoEverything()
    {
        redoEverything();
        const QByteArray last = viewBytes(m_view);
        for (int guard = 0; canUndo() && guard < 10000000; ++guard) {
            m_view->commands().run(ID_EDIT_UNDO);
            if (!m_had.contains(qHash(viewBytes(m_view))))
                return "undo shows a text the page never had: " + viewBytes(m_view);
        }
        if (viewBytes(m_view) != m_original)
            return "undoing everything does not give back the page as opened";
        if (!m_savedDuringRun && m_editor.doc()->isModified())
            return "the page as opened is modified after undoing everything";
        if (QString p = problem(); !p.isEmpty())
            return "after undoing everything: " + p;
        for (int guard = 0; canRedo() && guard < 10000000; ++guard) {
            m_view->commands().run(ID_EDIT_REDO);
            if (!m_had.contains(qHash(viewBytes(m_view))))
                return "redo shows a text the page never had: " + viewBytes(m_view);
        }
        if (viewBytes(m_view) != last)
            return "redoing everything does not give back the last text";
        if (QString p = problem(); !p.isEmpty())
            return "after redoing everything: " + p;
        return {};
    }

    QStringList recentSteps() const { return {m_log.begin(), m_log.end()}; }
    QString counts() const
    {
        QStringList parts;
        for (const auto &[name, count] : m_counts)
            parts << QStringLiteral("%1 %2").arg(name).arg(count);
        return parts.join(", ");
    }

private:
    unsigned pick(unsigned n) { return n ? unsigned(m_rng() % n) : 0; }
    bool chance(unsigned percent) { return pick(100) < percent; }
    const char *piece()
    {
        const unsigned at = pick(std::size(kPieces) + std::size(kCodePieces));
        return at < std::size(kPieces) ? kPieces[at] : kCodePieces[at - std::size(kPieces)];
    }
    std::string value() { return kValues[pick(std::size(kValues))]; }
    int length() const { return int(m_view->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)); }
    bool canUndo() const { return m_view->SendScintilla(QsciScintillaBase::SCI_CANUNDO) != 0; }
    bool canRedo() const { return m_view->SendScintilla(QsciScintillaBase::SCI_CANREDO) != 0; }

    void note(const char *kind, const QString &detail = {})
    {
        ++m_counts[kind];
        m_log.push_back(
            QStringLiteral("%1 %2 at %3").arg(kind, detail).arg(m_view->CharIndexAtCaret()));
        if (m_log.size() > 12)
            m_log.pop_front();
    }

    void caretAnywhere()
    {
        const int at = int(pick(unsigned(length()) + 1));
        m_view->selectBytes(std::size_t(at), std::size_t(at));
    }

    // Selects up to `most` bytes from a random place.
    void selectSome(int most)
    {
        const int from = int(pick(unsigned(length()) + 1));
        const int to = qMin(length(), from + int(pick(unsigned(most)) + 1));
        m_view->selectBytes(std::size_t(from), std::size_t(to));
    }

    // Key by key; a line feed is the Return key and a tab the Tab key.
    void typeKeys(const QString &text)
    {
        for (const QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(m_view, Qt::Key_Return);
            else if (c == QLatin1Char('\t'))
                QTest::keyClick(m_view, Qt::Key_Tab);
            else
                QTest::keyClicks(m_view, QString(c));
        }
    }

    // Most typing goes on where the last left off, so runs of typing build up.
    void typePiece()
    {
        if (chance(10))
            selectSome(20);
        else if (chance(40))
            caretAnywhere();
        const QString typed = QString::fromLatin1(piece());
        note("type", typed);
        typeKeys(typed);
    }

    void pressDeletes()
    {
        if (chance(20))
            selectSome(30);
        else if (chance(60))
            caretAnywhere();
        const bool forward = chance(50);
        const int presses = int(pick(4)) + 1;
        note(forward ? "delete" : "backspace", QString::number(presses));
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(m_view, forward ? Qt::Key_Delete : Qt::Key_Backspace);
    }

    void deleteRange(int size)
    {
        const int from = int(pick(unsigned(length() - size)));
        m_view->selectBytes(std::size_t(from), std::size_t(from + size));
        note("delete range", QString::number(size));
        QTest::keyClick(m_view, Qt::Key_Delete);
    }

    void cutAndPaste()
    {
        selectSome(80);
        note("cut and paste");
        m_view->commands().run(ID_EDIT_CUT);
        if (chance(70)) {
            caretAnywhere();
            m_view->commands().run(ID_EDIT_PASTE);
        }
    }

    void copyAndPaste()
    {
        selectSome(120);
        m_view->commands().run(ID_EDIT_COPY);
        if (chance(70))
            caretAnywhere();
        else
            selectSome(10);
        note("copy and paste");
        m_view->commands().run(ID_EDIT_PASTE);
    }

    // Text from elsewhere, with line feeds or CR LF.
    void pasteAPiece()
    {
        QString text;
        for (unsigned i = pick(6) + 1; i > 0; --i)
            text += QString::fromLatin1(piece());
        if (chance(30))
            text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
        QApplication::clipboard()->setText(text);
        chance(20) ? selectSome(15) : caretAnywhere();
        note("paste", text);
        m_view->commands().run(ID_EDIT_PASTE);
    }

    std::string builtSnippet()
    {
        switch (pick(7)) {
        case 0:
            return BuildImageTag(imageFields());
        case 1:
            return BuildAppletTag(appletFields());
        case 2:
            return BuildLink(linkFields());
        case 3: {
            MetaFields fields{value(), value(), value(), value(), value()};
            return Validate(fields) ? BuildImageTag(imageFields()) : BuildMetaTag(fields);
        }
        case 4:
            return BuildOrderedList({});
        case 5:
            return DefinitionList();
        default: {
            FormattedTextFields fields;
            fields.text = value() + value();
            fields.underline = chance(50);
            return BuildFormattedText(fields);
        }
        }
    }

    ImageFields imageFields()
    {
        ImageFields fields;
        fields.imageSource = value() + "a.gif";
        fields.width = value();
        fields.comment = value();
        fields.align = value();
        return fields;
    }

    AppletFields appletFields()
    {
        AppletFields fields;
        fields.fileName = value() + "c.class";
        fields.comment = value();
        fields.name = value();
        return fields;
    }

    LinkFields linkFields()
    {
        LinkFields fields;
        fields.kind = LinkKind(pick(3));
        fields.url = value() + "x.htm";
        fields.imageSource = value() + "p.gif";
        fields.fileName = value() + "t.class";
        fields.linkText = value() + "text" + value();
        return fields;
    }

    void insertSnippet()
    {
        chance(20) ? selectSome(30) : caretAnywhere();
        note("snippet");
        m_view->InsertSnippet(builtSnippet(), false);
    }

    void insertWithForm()
    {
        static const int commands[] = {ID_INSERT_IMAGE,  ID_INSERT_APPLETS,   ID_INSERT_LINK,
                                       ID_INSERT_TABLES, ID_INSERT_MARQUEE,   ID_INSERT_META,
                                       ID_LIST_ORDERED,  ID_LIST_UNORDERED,   ID_LIST_DEFINING,
                                       ID_INSERT_SOUND,  ID_INSERT_BACKGROUND};
        const int id = commands[pick(std::size(commands))];
        chance(15) ? selectSome(20) : caretAnywhere();
        note("insert form", QString::number(id));
        m_view->commands().run(id);
    }

    void reedit()
    {
        std::vector<std::pair<CSiteTree::Category, int>> entries;
        for (auto category : {CSiteTree::Applets, CSiteTree::Hyperlinks, CSiteTree::Images})
            for (int row = 0; row < m_tree->entryCount(category); ++row)
                entries.emplace_back(category, row);
        if (entries.empty())
            return typePiece();
        const auto [category, row] = entries[pick(unsigned(entries.size()))];
        note("re-edit", m_tree->entryText(category, row));
        emit m_tree->doubleClicked(m_tree->entryIndex(category, row));
    }

    void undoRun()
    {
        const int count = int(pick(6)) + 1;
        note("undo", QString::number(count));
        for (int i = 0; i < count; ++i)
            m_view->commands().run(ID_EDIT_UNDO);
    }

    void redoRun()
    {
        const int count = int(pick(6)) + 1;
        note("redo", QString::number(count));
        for (int i = 0; i < count; ++i)
            m_view->commands().run(ID_EDIT_REDO);
    }

    void redoEverything()
    {
        for (int guard = 0; canRedo() && guard < 10000000; ++guard)
            m_view->commands().run(ID_EDIT_REDO);
    }

    void moveCaret()
    {
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};
        note("move caret");
        for (unsigned i = pick(3) + 1; i > 0; --i)
            QTest::keyClick(m_view, keys[pick(std::size(keys))]);
    }

    void save()
    {
        note("save");
        m_editor.frame()->action(ID_FILE_SAVE)->trigger();
        m_saved = viewBytes(m_view);
        m_savedDuringRun = true;
        if (readFile(m_editor.doc()->path()) != m_saved)
            m_problem = "the saved file differs from the text";
        else if (m_editor.doc()->isModified())
            m_problem = "the page is modified right after saving";
    }

    // An edit after a save, undone until the page is no longer modified, is back at the
    // saved text. (A page is also modified by an edit that wrote what was there, such as a
    // re-edit confirmed unchanged.)
    void saveEditAndUndoBack()
    {
        save();
        const unsigned roll = pick(5);
        roll == 0   ? typePiece()
        : roll == 1 ? pressDeletes()
        : roll == 2 ? pasteAPiece()
        : roll == 3 ? insertSnippet()
                    : reedit();
        note("undo back to the save");
        for (int i = 0; i < 40 && m_editor.doc()->isModified() && canUndo(); ++i)
            m_view->commands().run(ID_EDIT_UNDO);
        if (m_editor.doc()->isModified())
            m_problem = "undo does not lead back to the saved state";
        else if (viewBytes(m_view) != m_saved)
            m_problem = "back at the saved state, the text differs from the saved text";
    }

    // Answers every modal window as it opens: the Insert and re-edit
    // forms and their refusals. A form is answered from a timer of its own, because OK may
    // open a refusal inside it, which this poll (still running) could not answer.
    void answerModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            ++m_counts["refusal"];
            box->done(QMessageBox::Ok);
        } else if (modal == m_answered) {
            static_cast<QDialog *>(modal)->reject(); // OK was refused: give up
        } else if (modal != m_answering) {
            m_answering = modal;
            QTimer::singleShot(0, modal, [this, modal] {
                m_answering = nullptr;
                m_answered = modal;
                answerForm(static_cast<QDialog *>(modal));
            });
        }
    }

    void answerForm(QDialog *form)
    {
        ++m_counts["form"];
        if (chance(15)) {
            form->reject();
            return;
        }
        if (chance(60)) {
            if (auto *image = qobject_cast<CImgDlg *>(form))
                image->setFields(imageFields());
            else if (auto *applet = qobject_cast<CAppletDlg *>(form))
                applet->setFields(appletFields());
            else if (auto *link = qobject_cast<CLinkDlg *>(form))
                link->setFields(linkFields());
        }
        form->accept();
    }

    QString colourProblem() const
    {
        const std::string text = m_view->pageText();
        ColourTracker tracker;
        const std::span<const std::uint8_t> expected = tracker.ColourAll(text).styles;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const long shown = m_view->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, i);
            if (shown != expected[i])
                return QStringLiteral("byte %1 has style %2, a pass from the top gives %3")
                    .arg(i)
                    .arg(shown)
                    .arg(expected[i]);
        }
        return {};
    }

    QString outlineProblem()
    {
        m_view->rescanOutline();
        const std::string text = m_view->pageText();
        const std::pair<CSiteTree::Category, std::vector<ElementRecord>> scans[] = {
            {CSiteTree::Applets, ScanApplets(text)},
            {CSiteTree::Hyperlinks, ScanLinks(text)},
            {CSiteTree::Images, ScanImages(text)}};
        for (const auto &[category, records] : scans) {
            if (m_tree->entryCount(category) != int(records.size()))
                return QStringLiteral("outline category %1 has %2 entries, a scan finds %3")
                    .arg(category)
                    .arg(m_tree->entryCount(category))
                    .arg(records.size());
            for (int row = 0; row < int(records.size()); ++row) {
                const ElementRecord &record = records[std::size_t(row)];
                if (m_tree->entryText(category, row) != QString::fromStdString(record.value) ||
                    m_tree->entryPosition(category, row) != record.index)
                    return QStringLiteral("outline entry %1 of category %2 is %3 at %4, a scan "
                                          "finds %5 at %6")
                        .arg(row)
                        .arg(category)
                        .arg(m_tree->entryText(category, row))
                        .arg(m_tree->entryPosition(category, row))
                        .arg(QString::fromStdString(record.value))
                        .arg(record.index);
            }
        }
        return {};
    }

    Editor &m_editor;
    CTarnelView *m_view;
    CSiteTree *m_tree;
    std::mt19937 m_rng;
    QByteArray m_original;
    QSet<size_t> m_had; // hashes of every text the page had
    QByteArray m_saved;
    bool m_savedDuringRun = false;
    QString m_problem; // found by a step itself
    QTimer m_modalPoll;
    QPointer<QWidget> m_answering;
    QPointer<QWidget> m_answered;
    std::map<QString, long> m_counts;
    std::deque<QString> m_log;
};

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void randomEditingKeepsEveryInvariant()
    {
        const Settings settings = settingsFromEnvironment();
        qInfo("soak: seed %u (TARNEL_SOAK_SEED=%u repeats this run)", settings.seed, settings.seed);
        std::mt19937 pagePicker(settings.seed);
        const QStringList pages = QDir(TARNEL_TEST_DATA "/pages").entryList({"*.htm"});
        QVERIFY(!pages.isEmpty());
        const QString path = m_dir.filePath("page.htm");
        QVERIFY(QFile::copy(TARNEL_TEST_DATA "/pages/" + pages[int(pagePicker() % pages.size())],
                            path));
        Editor editor;
        QVERIFY(editor.start({path}));
        QCOMPARE(viewBytes(editor.view()), readFile(path));
        editor.view()->setFocus();
        Soak soak(editor, settings.seed);

        QElapsedTimer clock;
        clock.start();
        long step = 0;
        for (; settings.seconds > 0 ? clock.elapsed() < settings.seconds * 1000
                                    : step < settings.steps;
             ++step) {
            soak.step();
            if (const QString problem = soak.problem(); !problem.isEmpty())
                fail(editor, settings, QStringLiteral("step %1: %2").arg(step).arg(problem), soak);
            if (QTest::currentTestFailed())
                return;
            if (step % 500 == 0)
                keepPage(settings, editor, QString::number(step));
        }
        keepPage(settings, editor, "last");
        if (const QString problem = soak.undoAndRedoEverything(); !problem.isEmpty())
            return fail(editor, settings, QStringLiteral("at the end: %1").arg(problem), soak);
        qInfo("soak: seed %u, %ld steps in %.1f s, last page %zu bytes; %s", settings.seed, step,
              clock.elapsed() / 1000.0, editor.view()->pageText().size(),
              qPrintable(soak.counts()));
    }

private:
    void fail(Editor &editor, const Settings &settings, const QString &what, const Soak &soak)
    {
        keepPage(settings, editor, "failed");
        qWarning().noquote() << "last steps:\n  " + soak.recentSteps().join("\n  ");
        qWarning().noquote() << "page:" << viewBytes(editor.view());
        QFAIL(qPrintable(
            QStringLiteral("seed %1, %2 (%3)").arg(settings.seed).arg(what, soak.counts())));
    }

    // Writes the page into the pages folder, if one was given.
    static void keepPage(const Settings &settings, Editor &editor, const QString &name)
    {
        if (settings.pagesFolder.isEmpty())
            return;
        QDir().mkpath(settings.pagesFolder);
        writeFile(QStringLiteral("%1/soak-%2-%3.htm")
                      .arg(settings.pagesFolder)
                      .arg(settings.seed)
                      .arg(name),
                  viewBytes(editor.view()));
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
