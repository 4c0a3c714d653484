#include "PageColourer.h"

#include "BgrColour.h"
#include "EditorSettings.h"
#include "TarnelDoc.h"

#include <QColor>
#include <QTimer>

#include <chrono>
#include <vector>

using namespace tarnel;

namespace {

// The text as the editor holds it, read a few lines at a time: asking for a range moves the
// editor's gap only when the range spans it, so a keystroke never copies the whole page.
class SurfaceText final : public TextSource
{
public:
    explicit SurfaceText(const CTextSurface &surface)
        : m_surface(surface)
        , m_size(surface.length())
    {}
    std::size_t Size() const override { return m_size; }
    std::string_view Bytes(std::size_t from, std::size_t to) override
    {
        return to <= from ? std::string_view() : m_surface.bytes(from, to - from);
    }

private:
    const CTextSurface &m_surface;
    std::size_t m_size;
};

// The rewrites in the page's letter case, leaving out those that would change nothing.
std::vector<Rewrite> inNameCase(std::span<const Rewrite> rewrites, TextSource &text,
                                NameCase nameCase)
{
    std::vector<Rewrite> cased;
    for (const Rewrite &rewrite : rewrites) {
        Rewrite spelled{rewrite.position, SpellName(rewrite.text, {}, nameCase)};
        if (text.Bytes(rewrite.position, rewrite.position + rewrite.text.size()) != spelled.text)
            cased.push_back(std::move(spelled));
    }
    return cased;
}

// Colouring a key the moment its change is in the text spares the editor laying the caret's
// line out twice: once to place the caret, then again to paint the colours that came after.
// Hearing that moment costs a count of the characters before the change (see
// CTextSurface::reportChangesMade), so it pays only on long lines: a layout costs about 10 ns a
// byte of the line, the count about 4 ns a byte before the caret.
bool worthColouringAtOnce(EditCommand command, const CTextSurface &window)
{
    if (command != EditCommand::TypedCharacter && command != EditCommand::DeleteKey &&
        command != EditCommand::BackspaceKey)
        return false;
    constexpr std::size_t longLine = 16 * 1024;
    const std::size_t caret = window.caret();
    const std::size_t line = window.lineOf(caret);
    const std::size_t end =
        line + 1 < window.lineCount() ? window.lineStart(line + 1) : window.length();
    const std::size_t length = end - window.lineStart(line);
    return length >= longLine && length * 5 >= caret * 2;
}

} // namespace

CPageColourer::CPageColourer(CTarnelDoc *document)
    : QObject(document)
    , m_document(document)
    , m_surface(document->textSurface())
{
    connect(document, &CTarnelDoc::aboutToChange, this, &CPageColourer::onModified);
    m_surface.onStylesNeeded(this, [this](std::size_t position) { styleUpTo(position); });
    m_surface.onChangeMade(this, [this] {
        if (m_colourAtOnce && !m_colouring)
            colourSoFar();
    });
    colourAll();
}

void CPageColourer::defineStyles(CTextSurface &surface) const
{
    const Scheme scheme = EditorSettings::current().schemeInForce();
    for (int i = 0; i < StyleCount; ++i) {
        const auto style = static_cast<Style>(i);
        const StyleLook look = LookIn(scheme, style, m_tracker.Engine().Look(style));
        surface.defineStyle(i, colourOfBgr(look.colour), look.bold);
    }
}

CPageColourer::~CPageColourer()
{
    if (m_opening)
        m_openingDone.wait();
}

void CPageColourer::onModified(const TextChange &change)
{
    // The change is about to be made: the pass over the page must have read it first.
    finishOpening();
    // Only the top of a page tells its letter case.
    if (change.position < PageCaseReach)
        m_pageCase.reset();
    if (m_colouring)
        return;
    if (change.position + change.removed <= m_styledTo)
        m_styledTo += change.inserted - change.removed;
    else if (change.position < m_styledTo)
        m_styledTo = change.position;
    m_pending = m_pending ? Merge(*m_pending, change) : change;
    if (m_depth == 0 && !m_flushQueued) {
        // Nobody will tell us when this change is over: colour it once control is back.
        m_flushQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_flushQueued = false;
                if (m_depth == 0) {
                    emit changedOutsideCommand();
                    flush();
                }
            },
            Qt::QueuedConnection);
    }
}

void CPageColourer::flush()
{
    if (m_pending || m_coloured)
        colourPending(false);
}

namespace {
// Colouring a page costs about 4 ns a byte, and handing the styles to the editor as much
// again: a page bigger than this shows with its first stretch coloured, while the whole page
// is coloured on another thread; the rest of the styles follow between events (or when the
// editor is about to show them). A 100 MB page then shows in about half a second.
constexpr std::size_t colouredWhenOpened = 4 << 20;
// A megabyte of lines at a time: a big page's styles never sit in a second buffer.
constexpr std::size_t styleStretch = 1 << 20;

// One past the line break that ends the line holding byte `at` (or the text's end).
std::size_t EndOfLineAt(std::string_view text, std::size_t at)
{
    const std::size_t lf = text.find('\n', at);
    return lf == std::string_view::npos ? text.size() : lf + 1;
}
} // namespace

CaretContext CPageColourer::contextAt(std::size_t position)
{
    finishOpening();
    flush();
    SurfaceText text(m_surface);
    return m_tracker.ContextAt(text, position);
}

std::optional<std::vector<ColourValue>> CPageColourer::colourValuesIn(std::size_t from,
                                                                      std::size_t to)
{
    // Inside a command the text is half made; colouring now would also cost it its rewrites.
    if (m_depth > 0)
        return std::nullopt;
    // Nor while a big page's opening pass runs: the window would wait for all of it.
    if (m_opening && m_openingDone.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return std::nullopt;
    finishOpening();
    flush();
    SurfaceText text(m_surface);
    return FindColourValues(m_tracker, text, from, to);
}

void CPageColourer::colourAll()
{
    const std::string_view text = m_document->textView();
    m_styledTo = 0;
    if (text.size() <= colouredWhenOpened) {
        m_tracker.ColourAll(text, styleStretch,
                            [&](const Recolouring &stretch) { applyStyles(stretch); });
        m_surface.markStyledTo(m_styledTo);
        return;
    }
    // The first lines now, from a pass of their own: what comes after them cannot change how
    // they read. Their last line is styled again from the whole pass, to be sure.
    const std::string_view firstLines = text.substr(0, EndOfLineAt(text, styleStretch));
    ColourTracker first(m_tracker.Engine());
    first.ColourAll(firstLines, styleStretch,
                    [&](const Recolouring &stretch) { applyStyles(stretch); });
    const std::size_t lastLine = firstLines.rfind('\n', firstLines.size() - 2);
    m_styledTo = lastLine == std::string_view::npos ? 0 : lastLine + 1;
    m_surface.markStyledTo(m_styledTo);
    // The editor's text does not move until it changes, and every change is heard before it
    // is made (onModified), which waits for this pass first.
    m_opening = std::make_unique<ColourTracker>(m_tracker.Engine());
    m_openingDone = std::async(std::launch::async, [tracker = m_opening.get(), text] {
        tracker->ColourAll(text, styleStretch, [](const Recolouring &) {});
    });
    QTimer::singleShot(0, this, &CPageColourer::styleMore);
}

void CPageColourer::finishOpening()
{
    if (!m_opening)
        return;
    m_openingDone.wait();
    m_tracker = std::move(*m_opening);
    m_opening.reset();
    emit openingColoured();
}

void CPageColourer::styleUpTo(std::size_t position)
{
    // Mid-command the kept states do not match the text yet; the command's end styles.
    const std::size_t end = std::min(position, m_surface.length());
    if (m_pending || m_styledTo >= end)
        return;
    // Far past the styled part (the user went there, or the page opened at its end): the
    // lines a window can show, ending at `position`; the stretches between events reach them
    // later. The editor asks again at every paint until then, which costs a fraction of a
    // millisecond.
    std::size_t from = m_styledTo;
    if (end - m_styledTo > styleStretch) {
        constexpr std::size_t shownLines = 500, shownBytes = 256 << 10;
        const std::size_t line = m_surface.lineOf(end - 1);
        from = std::max(m_surface.lineStart(line > shownLines ? line - shownLines : 0),
                        end > shownBytes ? end - shownBytes : 0);
    }
    if (m_opening && m_openingDone.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        styleShownWhileOpening(from, end);
        return;
    }
    finishOpening();
    SurfaceText text(m_surface);
    applyStyles(m_tracker.StylesOf(text, from, end));
}

void CPageColourer::styleShownWhileOpening(std::size_t from, std::size_t end)
{
    if (m_shownWhileOpening.begin <= from && end <= m_shownWhileOpening.end)
        return;
    // A pass of its own from the top to the shown lines, as an editor that styles only what
    // it shows makes it: the whole page's pass would make the window wait for the rest.
    const std::string_view text = m_document->textView();
    const std::size_t through = EndOfLineAt(text, end - 1);
    ColourTracker pass(m_tracker.Engine());
    pass.ColourAll(text.substr(0, through), styleStretch, [&](const Recolouring &stretch) {
        if (stretch.End() <= from)
            return;
        const std::size_t skip = from > stretch.start ? from - stretch.start : 0;
        applyStyles({stretch.start + skip, stretch.styles.subspan(skip), {}});
    });
    m_shownWhileOpening = {from, through};
}

void CPageColourer::styleMore()
{
    // While the whole page is being coloured, the event loop runs on.
    if (m_opening && m_openingDone.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QTimer::singleShot(20, this, &CPageColourer::styleMore);
        return;
    }
    const std::size_t before = m_styledTo;
    styleUpTo(m_styledTo + styleStretch);
    if (m_styledTo >= m_surface.length())
        return;
    if (m_styledTo > before)
        QMetaObject::invokeMethod(this, &CPageColourer::styleMore, Qt::QueuedConnection);
    else // a command is under way (a form may be open): look again a little later
        QTimer::singleShot(50, this, &CPageColourer::styleMore);
}

bool CPageColourer::colourPending(bool rewrite, TextChange *coloured)
{
    colourSoFar();
    if (!m_coloured)
        return false;
    const TextChange change = *m_coloured;
    m_coloured.reset();
    if (coloured)
        *coloured = change;
    if (rewrite)
        applyRewrites(m_rewrites);
    m_rewrites.clear();
    emit m_document->changed(change);
    return true;
}

void CPageColourer::colourSoFar()
{
    if (!m_pending)
        return;
    const TextChange change = *m_pending;
    m_pending.reset();
    SurfaceText text(m_surface);
    m_tracker.SetLowerCaseSpelling(nameCase() == NameCase::Lower);
    const Recolouring recolouring = m_tracker.Edited(text, change);
    // Rewrites found before a later change of the same command may have moved: only the last
    // colouring's are sure to be where they were found.
    m_rewrites.assign(recolouring.rewrites.begin(), recolouring.rewrites.end());
    m_coloured = m_coloured ? Merge(*m_coloured, change) : change;
    applyStyles(recolouring);
}

void CPageColourer::applyStyles(const Recolouring &recolouring)
{
    m_surface.setStyles(recolouring.start, recolouring.styles);
    if (recolouring.start <= m_styledTo)
        m_styledTo = std::max(m_styledTo, recolouring.End());
    // The bytes after the recoloured lines kept their styles, but an edit makes the editor
    // forget that: tell it again, so painting does not ask for styles it has.
    m_surface.markStyledTo(m_styledTo);
}

NameCase CPageColourer::nameCase()
{
    const NameCase chosen = EditorSettings::current().nameCase;
    if (chosen != NameCase::AsPage)
        return chosen;
    if (!m_pageCase)
        m_pageCase = PageNameCase(m_surface.bytes(0, std::min(m_surface.length(), PageCaseReach)));
    return *m_pageCase;
}

void CPageColourer::applyRewrites(std::span<const Rewrite> rewrites)
{
    const NameCase spelling = nameCase();
    if (rewrites.empty() || spelling == NameCase::AsTyped)
        return;
    // A replacement moves carets at its start; every window keeps its selection instead
    // (a rewrite never changes a length, so the positions stay right).
    struct Kept
    {
        CTextSurface *surface;
        std::size_t anchor, caret;
    };
    std::vector<Kept> kept;
    for (CTextSurface *surface : m_document->surfacesShowing())
        kept.push_back({surface, surface->anchor(), surface->caret()});
    SurfaceText text(m_surface);
    const std::vector<Rewrite> cased = inNameCase(rewrites, text, spelling);
    m_colouring = true;
    for (const Rewrite &rewrite : JoinRewritesByLine(cased, text)) {
        // A replacement leaves its bytes unstyled; a rewrite only changes letter case.
        const auto styles = m_surface.styles(rewrite.position, rewrite.text.size());
        m_surface.replace(rewrite.position, rewrite.position + rewrite.text.size(), rewrite.text);
        m_surface.setStyles(rewrite.position, styles);
    }
    m_colouring = false;
    for (const Kept &k : kept)
        if (k.surface->anchor() != k.anchor || k.surface->caret() != k.caret)
            // Without scrolling: the caret is where it was, and bringing it into view would
            // lay its whole line out again.
            k.surface->restoreSelection(k.anchor, k.caret);
}

CPageColourer::Edit::Edit(CPageColourer &colourer, EditCommand command, const CTextSurface &surface)
    : m_colourer(colourer)
    , m_command(command)
    , m_outer(colourer.m_depth == 0)
{
    if (m_outer) {
        // A change left over from outside any command is neither part of the keys before it
        // nor this command's to rewrite.
        if (m_colourer.m_pending)
            emit m_colourer.changedOutsideCommand();
        m_colourer.flush();
        m_colourer.m_kind = ClassifyEdit(command, m_colourer.m_kind);
        emit m_colourer.commandStarting(&surface, command);
        // The rewrites join the command's own undo step (inside a run of keys' step, if a
        // window keeps one open).
        m_grouped = RewritesAfter(command);
        if (m_grouped)
            m_colourer.m_surface.beginUndoGroup();
        m_colourer.m_colourAtOnce = worthColouringAtOnce(command, surface);
        if (m_colourer.m_colourAtOnce)
            m_colourer.m_surface.reportChangesMade(true);
    }
    ++m_colourer.m_depth;
}

CPageColourer::Edit::~Edit()
{
    finish();
}

CPageColourer::Outcome CPageColourer::Edit::finish()
{
    if (m_finished)
        return {};
    m_finished = true;
    --m_colourer.m_depth;
    if (!m_outer)
        return {};
    if (m_colourer.m_colourAtOnce) {
        m_colourer.m_colourAtOnce = false;
        m_colourer.m_surface.reportChangesMade(false);
    }
    Outcome outcome;
    outcome.changed = m_colourer.colourPending(RewritesAfter(m_command), &outcome.change);
    if (m_grouped)
        m_colourer.m_surface.endUndoGroup();
    if (outcome.changed) {
        // A command that changed nothing keeps its kind: a paste then follows "a cut".
        outcome.kind = m_colourer.m_kind;
        m_colourer.m_kind = EditKind::None;
    }
    return outcome;
}
