#include "LivePreview.h"

#include "PreviewBridge.h"
#include "PreviewPage.h"
#include "PreviewProfile.h"
#include "PreviewSchemeHandler.h"
#include "TarnelDoc.h"
#include "livepreview.h"
#include "pagecheck.h"
#include "pagetext.h"

#include <QApplication>
#include <QChildEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMouseEvent>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWheelEvent>

#include <csignal>
#include <utility>

using namespace tarnel;

static void initLivePreviewResources()
{
    Q_INIT_RESOURCE(livepreview);
}

namespace {

constexpr int kLoadPatienceMs = 5000;

QString resourceText(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The helpers, put into every page the preview shows, in the editor's own script world.
QWebEngineScript helperScript()
{
    initLivePreviewResources();
    QWebEngineScript script;
    script.setName(QStringLiteral("tarnel-live-preview"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(
        resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + QLatin1Char('\n') +
        resourceText(QStringLiteral(":/livepreview/morphdom.js")) + QLatin1Char('\n') +
        resourceText(QStringLiteral(":/livepreview/livepreview.js")));
    return script;
}

QString jsString(const QString &text)
{
    // A JSON array of one string is a valid script literal; the brackets are cut off.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QByteArray bytesOf(const std::string &text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CLivePreview::CLivePreview(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent)
    : QWebEngineView(parent)
    , m_document(document)
    , m_profile(profile)
    , m_bridge(new CPreviewBridge(this))
{
    static int previews = 0;
    m_pageName = QStringLiteral("live%1").arg(++previews);
    m_page = new CPreviewPage(profile, this);
    m_page->setReportsLinks(false);
    m_page->scripts().insert(helperScript());
    setPage(m_page);
    auto *channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("tarnel"), m_bridge);
    m_page->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    connect(m_bridge, &CPreviewBridge::textEditEnded, this, &CLivePreview::textEditEnded);
    connect(m_bridge, &CPreviewBridge::painted, this, [this](int round) {
        if (round != m_round)
            return; // of a change since overtaken
        m_paintedRound = round;
        if (m_inStep)
            emit painted();
    });
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
    connect(m_page, &CPreviewPage::refused, this,
            [this](const QString &text) { emit statusMessage(text, 10000); });
    connect(m_page, &QWebEnginePage::loadFinished, this, &CLivePreview::loadFinished);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, &CLivePreview::rendererGone);

    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &CLivePreview::bringInStep);
    m_caretPause.setSingleShot(true);
    m_caretPause.setInterval(30);
    connect(&m_caretPause, &QTimer::timeout, this, &CLivePreview::showCaretElement);
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(kLoadPatienceMs);
    connect(&m_watchdog, &QTimer::timeout, this, &CLivePreview::gaveUpWaiting);

    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CLivePreview::usedFileChanged);
    connect(document, &CTarnelDoc::changed, this, &CLivePreview::textChanged);
    // A text replaced as a whole, or saved into another folder, is loaded afresh.
    connect(document, &CTarnelDoc::reloaded, this, &CLivePreview::reloadSoon);
    connect(document, &CTarnelDoc::saved, this, [this] {
        if (m_document->path() != m_shownPath)
            reloadSoon();
    });
    bringInStep();
}

CLivePreview::~CLivePreview()
{
    // The page answers its pending scripts (empty) as it goes: they must find this preview
    // still whole and closing.
    m_closing = true;
    delete m_page;
    m_profile->pages()->forgetPage(m_pageName);
}

void CLivePreview::gaveUpWaiting()
{
    emit statusMessage(tr("The page keeps the live preview busy; it shows the text as it was."),
                       10000);
    if (m_loading) {
        stop(); // what has come so far stays shown
        m_loading = false;
    }
    // A page whose scripts never let it answer holds its renderer for good: a new load would
    // wait on it too. Without it, the next change starts a renderer afresh.
    const qint64 renderer = m_page->renderProcessPid();
    if (renderer > 0)
        ::kill(pid_t(renderer), SIGKILL);
    rendererGone();
}

void CLivePreview::rendererGone()
{
    ++m_round;
    m_loading = false;
    m_patching = false;
    m_watchdog.stop();
    m_shownHead.clear();
    m_rendererGone = true;
    m_textEdit.reset();
}

void CLivePreview::textChanged(const TextChange &change)
{
    m_changeSinceShown = m_changeSinceShown ? Merge(*m_changeSinceShown, change) : change;
    m_inStep = false;
    m_pause.start();
}

void CLivePreview::reloadSoon()
{
    m_shownHead.clear();
    m_inStep = false;
    m_pause.start();
}

void CLivePreview::bringInStep()
{
    // One change at a time: a page still loading or patching is brought in step after.
    if (m_loading || m_patching) {
        m_pause.start();
        return;
    }
    const std::string_view text = m_document->textView();
    watchUsedFiles(text);
    const std::string_view head = HeadPart(text);
    const TextChange change = m_changeSinceShown.value_or(TextChange{});
    m_changeSinceShown.reset();
    // A page's scripts build and change what it shows: patched, their work would be undone.
    if (m_shownHead.empty() || head != m_shownHead || m_page->url().isEmpty() ||
        RunsScripts(text)) {
        m_shownHead.assign(head);
        // The page is loaded as written; its marks follow in the patch made once it is there,
        // so that no mark ever stands where the page's scripts could move it.
        m_marksToGive = bytesOf(m_marks.Mark(text, nullptr).text);
        loadPage(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    } else {
        // Elements outside the change keep their marks, so the patch touches only the rest.
        patchBody(bytesOf(m_marks.Mark(text, &change).text), false);
    }
}

void CLivePreview::loadPage(const QByteArray &page)
{
    const QString path = m_document->path();
    const QFileInfo file(path);
    const QString fileName = path.isEmpty() ? QStringLiteral("untitled.htm") : file.fileName();
    const QString folder = path.isEmpty() ? QString() : file.absolutePath();
    const QUrl url = m_profile->pages()->showPage(m_pageName, page, fileName, folder);
    m_shownPath = path;
    m_loading = true;
    m_textEdit.reset(); // a page loaded afresh edits nothing
    m_watchdog.start();
    const int round = ++m_round;
    if (m_rendererGone) {
        m_rendererGone = false;
        m_scrollToRestore = QPoint();
        load(url);
        return;
    }
    const bool bypassCache = std::exchange(m_bypassCache, false);
    // The place the user was reading is taken again once the new page is there.
    m_page->runJavaScript(QStringLiteral("window.tarnelPreview ? tarnelPreview.scroll() : [0,0]"),
                          QWebEngineScript::ApplicationWorld,
                          [this, url, round, bypassCache](const QVariant &at) {
                              if (m_closing || round != m_round)
                                  return;
                              const QVariantList xy = at.toList();
                              if (xy.size() == 2)
                                  m_scrollToRestore = QPoint(xy[0].toInt(), xy[1].toInt());
                              // A file beside the page changed: the page's pictures and
                              // scripts are fetched again, not taken from the cache.
                              if (bypassCache && m_page->url() == url)
                                  m_page->triggerAction(QWebEnginePage::ReloadAndBypassCache);
                              else
                                  load(url);
                          });
}

void CLivePreview::patchBody(const QByteArray &marked, bool givesMarks, bool withHelpers)
{
    // The served copy follows too (without marks), so that a reload shows the same.
    const QString path = m_document->path();
    const std::string_view text = m_document->textView();
    if (!givesMarks)
        m_profile->pages()->showPage(
            m_pageName, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
            path.isEmpty() ? QStringLiteral("untitled.htm") : QFileInfo(path).fileName(),
            path.isEmpty() ? QString() : QFileInfo(path).absolutePath());
    const QString html = m_document->codec().toText(std::string_view(marked.data(), marked.size()));
    m_patching = true;
    m_watchdog.start();
    const int round = ++m_round;
    // After a load the page is as its source and its scripts made it: it only takes the marks.
    QString script = (givesMarks ? QStringLiteral("tarnelPreview.adopt(%1, %2)")
                                 : QStringLiteral("tarnelPreview.patch(%1, %2)"))
                         .arg(jsString(html))
                         .arg(round);
    if (withHelpers)
        script.prepend(helperScript().sourceCode() + QLatin1String("\n;"));
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [this, round, marked, givesMarks, withHelpers](const QVariant &patched) {
                              if (m_closing || round != m_round)
                                  return;
                              m_patching = false;
                              m_watchdog.stop();
                              // No answer at all: the page started without the helpers (Qt
                              // WebEngine now and then leaves a page's scripts out of the
                              // first document after a renderer ended). They come with the
                              // patch, once.
                              if (!patched.isValid() && !withHelpers) {
                                  patchBody(marked, givesMarks, true);
                                  return;
                              }
                              // A page without a body to patch (a frameset) has nothing to
                              // click on, and stays as loaded.
                              if (patched.toBool() || givesMarks) {
                                  nowInStep();
                              } else {
                                  m_shownHead.clear(); // no body to patch: load instead
                                  bringInStep();
                              }
                          });
}

void CLivePreview::reloadPage()
{
    m_bypassCache = true;
    reloadSoon();
}

void CLivePreview::watchUsedFiles(std::string_view text)
{
    const QString page = m_document->path();
    QStringList used;
    if (!page.isEmpty()) {
        const QDir folder = QFileInfo(page).absoluteDir();
        const bool utf8 = IsValidUtf8(text);
        for (const std::string &relative : FilesUsedBy(text, utf8))
            used.append(QDir::cleanPath(folder.absoluteFilePath(QString::fromStdString(relative))));
    }
    if (used == m_used)
        return;
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    m_used = used;
    for (const QString &file : std::as_const(m_used))
        if (QFileInfo::exists(file))
            m_watcher.addPath(file);
}

void CLivePreview::usedFileChanged(const QString &path)
{
    // A program that saves by writing a new file and renaming it ends the watch: start again.
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
        m_watcher.addPath(path);
    if (!path.endsWith(QLatin1String(".css"), Qt::CaseInsensitive)) {
        reloadPage();
        return;
    }
    const QString swap =
        QStringLiteral("window.tarnelPreview ? tarnelPreview.refreshStyleSheet(%1) : false")
            .arg(jsString(QFileInfo(path).fileName()));
    m_page->runJavaScript(swap, QWebEngineScript::ApplicationWorld,
                          [this](const QVariant &swapped) {
                              if (!m_closing && !swapped.toBool())
                                  reloadPage();
                          });
}

void CLivePreview::loadFinished(bool ok)
{
    if (!m_loading)
        return; // the page's own moves within itself
    m_loading = false;
    m_watchdog.stop();
    if (!ok)
        emit statusMessage(tr("The live preview could not show the page."), 10000);
    m_page->runJavaScript(QStringLiteral("window.scrollTo(%1, %2)")
                              .arg(m_scrollToRestore.x())
                              .arg(m_scrollToRestore.y()),
                          QWebEngineScript::ApplicationWorld);
    patchBody(m_marksToGive, true);
}

void CLivePreview::nowInStep()
{
    if (m_pause.isActive())
        return; // typed on meanwhile
    m_inStep = true;
    showCaretElement();
    emit updated();
    if (m_paintedRound == m_round)
        emit painted();
}

void CLivePreview::followCaret(std::size_t caret)
{
    m_caret = caret;
    m_caretPause.start();
}

void CLivePreview::showCaretElement()
{
    if (!m_inStep)
        return; // shown once the preview is in step
    const auto holding = ElementHolding(m_document->textView(), m_caret);
    const auto mark = holding ? m_marks.MarkOf(*holding) : std::nullopt;
    const long long index = mark ? static_cast<long long>(*mark) : -1;
    m_page->runJavaScript(
        QStringLiteral("window.tarnelPreview && tarnelPreview.show(%1)").arg(index),
        QWebEngineScript::ApplicationWorld, [this](const QVariant &shown) {
            if (!m_closing)
                emit caretShown(shown.toBool());
        });
}

void CLivePreview::askForMarkAt(const QPoint &at)
{
    // A click in the text being edited moves the caret in it, not in the source.
    if (!m_inStep || m_textEdit)
        return;
    const QString ask = QStringLiteral("window.tarnelPreview ? tarnelPreview.at(%1, %2) : -1")
                            .arg(at.x())
                            .arg(at.y());
    m_page->runJavaScript(ask, QWebEngineScript::ApplicationWorld, [this](const QVariant &answer) {
        if (m_closing)
            return;
        bool ok = false;
        const long long mark = answer.toLongLong(&ok);
        // The page's own scripts may change marks: only a mark of the text still shown counts.
        if (!ok || !m_inStep || m_textEdit || mark < 0)
            return;
        if (const auto tagStart = m_marks.StartOf(static_cast<std::size_t>(mark)))
            emit elementClicked(*tagStart);
    });
}

void CLivePreview::askForDoubleClickAt(const QPoint &at)
{
    if (!m_inStep || m_textEdit)
        return;
    const QString ask =
        QStringLiteral("window.tarnelPreview ? tarnelPreview.doubleClicked(%1, %2) : [-1, false]")
            .arg(at.x())
            .arg(at.y());
    m_page->runJavaScript(
        ask, QWebEngineScript::ApplicationWorld, [this, at](const QVariant &answer) {
            const QVariantList markAndForm = answer.toList();
            if (m_closing || !m_inStep || m_textEdit || markAndForm.size() != 2)
                return;
            bool ok = false;
            const long long mark = markAndForm[0].toLongLong(&ok);
            const auto tagStart =
                ok && mark >= 0 ? m_marks.StartOf(static_cast<std::size_t>(mark)) : std::nullopt;
            if (!tagStart)
                return;
            // A picture, link or applet opens its form; any other element's text is edited.
            if (markAndForm[1].toBool())
                emit elementDoubleClicked(*tagStart);
            else
                editText(*tagStart, at);
        });
}

void CLivePreview::editTextAtCaret()
{
    if (!m_inStep || m_textEdit)
        return;
    if (const auto holding = ElementHolding(m_document->textView(), m_caret))
        editText(*holding);
}

namespace {

QString whyNotEditable(NotEditable reason)
{
    switch (reason) {
    case NotEditable::NoText:
        return CLivePreview::tr("This element has no text to edit here.");
    case NotEditable::NoEndTag:
        return CLivePreview::tr(
            "This text cannot be edited here: its element's end tag is not written.");
    case NotEditable::HoldsMarkup:
        return CLivePreview::tr("This text cannot be edited here: it holds markup.");
    case NotEditable::UnmappedReference:
        return CLivePreview::tr(
            "This text cannot be edited here: it holds a character reference to edit in the "
            "source.");
    }
    return {};
}

} // namespace

void CLivePreview::editText(std::size_t tagStart, std::optional<QPoint> at)
{
    const std::string_view page = m_document->textView();
    const auto editable = EditableTextOf(page, tagStart, m_document->isUtf8());
    const auto mark = m_marks.MarkOf(tagStart);
    if (const auto *reason = std::get_if<NotEditable>(&editable)) {
        emit statusMessage(whyNotEditable(*reason), 10000);
        return;
    }
    if (!mark)
        return;
    const EditableText &text = std::get<EditableText>(editable);
    m_textEdit =
        TextEdit{*mark, text,
                 std::string(page.substr(text.contentBegin, text.contentEnd - text.contentBegin))};
    setFocus(); // a click before the double click gave it to the source
    const QString point = at ? QStringLiteral(", %1, %2").arg(at->x()).arg(at->y()) : QString();
    const QString start = QStringLiteral("window.tarnelPreview ? tarnelPreview.edit(%1, %2%3) : ''")
                              .arg(*mark)
                              .arg(jsString(QString::fromUtf8(text.shown)), point);
    m_page->runJavaScript(
        start, QWebEngineScript::ApplicationWorld, [this](const QVariant &answer) {
            if (m_closing || !m_textEdit)
                return;
            if (answer.toString() == QLatin1String("editing")) {
                m_textEdit->started = true;
                return;
            }
            m_textEdit.reset();
            emit statusMessage(answer.toString() == QLatin1String("changed")
                                   ? tr("This text cannot be edited here: the page's scripts "
                                        "changed it.")
                                   : tr("The live preview is not ready to edit this text yet."),
                               10000);
        });
}

void CLivePreview::textEditEnded(int mark, const QString &outcome, const QString &text)
{
    if (!m_textEdit || mark < 0 || m_textEdit->mark != std::size_t(mark))
        return;
    const TextEdit edit = *std::exchange(m_textEdit, std::nullopt);
    if (outcome == QLatin1String("changed"))
        emit statusMessage(tr("The page's scripts changed the text while it was edited: nothing "
                              "was written."),
                           10000);
    if (outcome != QLatin1String("kept"))
        return;
    // What is written goes where the text stood when the edit began, and only there.
    const std::string_view page = m_document->textView();
    const EditableText &was = edit.text;
    if (page.size() < was.contentEnd ||
        page.substr(was.contentBegin, was.contentEnd - was.contentBegin) != edit.content ||
        m_marks.MarkOf(was.tagStart) != edit.mark) {
        emit statusMessage(tr("The page changed while its text was edited: nothing was written."),
                           10000);
        return;
    }
    const QByteArray typed = text.toUtf8();
    const auto replacement =
        WriteBackText(page, was, std::string_view(typed.constData(), std::size_t(typed.size())),
                      m_document->isUtf8(), m_document->lineBreak());
    if (replacement)
        emit textEdited(replacement->begin, replacement->end, replacement->bytes);
}

void CLivePreview::childEvent(QChildEvent *event)
{
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

bool CLivePreview::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // The page losing the keyboard to another window ends the edit as leaving the text does.
    if (type == QEvent::FocusOut && m_textEdit)
        m_page->runJavaScript(QStringLiteral("window.tarnelPreview && tarnelPreview.endEdit(true)"),
                              QWebEngineScript::ApplicationWorld);
    if (type == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
            return QWebEngineView::eventFilter(watched, event);
        emit wheelZoomed(wheel->angleDelta().y() > 0);
        return true; // the engine's own zoom would leave the bar's figure behind
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return QWebEngineView::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            m_pressedAt = mouse->position().toPoint();
        break;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton &&
            (mouse->position().toPoint() - m_pressedAt).manhattanLength() <
                QApplication::startDragDistance())
            askForMarkAt(mouse->position().toPoint());
        break;
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton)
            askForDoubleClickAt(mouse->position().toPoint());
        break;
    default:
        break;
    }
    return QWebEngineView::eventFilter(watched, event);
}
