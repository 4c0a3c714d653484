#include "PageColourer.h"

#include "TarnelDoc.h"
#include "View.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include <vector>

using namespace tarnel;

namespace {

// The text as the editor holds it, read a few lines at a time: asking for a range moves the
// editor's gap only when the range spans it, so a keystroke never copies the whole page.
class SurfaceText final : public TextSource
{
public:
    explicit SurfaceText(const QsciScintilla *surface)
        : m_surface(surface)
        , m_size(static_cast<std::size_t>(surface->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)))
    {}
    std::size_t Size() const override { return m_size; }
    std::string_view Bytes(std::size_t from, std::size_t to) override
    {
        if (to <= from)
            return {};
        const auto *bytes = reinterpret_cast<const char *>(m_surface->SendScintilla(
            QsciScintillaBase::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from),
            static_cast<long>(to - from)));
        return {bytes, to - from};
    }

private:
    const QsciScintilla *m_surface;
    std::size_t m_size;
};

QColor fromBgr(std::uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::vector<QsciScintilla *> surfacesShowing(CTarnelDoc *document)
{
    std::vector<QsciScintilla *> surfaces;
    for (CView *view : document->views())
        if (auto *surface = dynamic_cast<QsciScintilla *>(view->widget()))
            surfaces.push_back(surface);
    return surfaces;
}

} // namespace

CPageColourer &CPageColourer::of(CTarnelDoc *document)
{
    if (auto *colourer =
            document->findChild<CPageColourer *>(QString(), Qt::FindDirectChildrenOnly))
        return *colourer;
    return *new CPageColourer(document);
}

CPageColourer::CPageColourer(CTarnelDoc *document)
    : QObject(document)
    , m_document(document)
    , m_surface(document->surface())
{
    // Only the before-change notifications: they carry every change, undo and redo
    // included, and the after-change ones make Qt's accessibility bridge count characters
    // from the start of the page on every edit.
    m_surface->SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                             static_cast<unsigned long>(QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                                        QsciScintillaBase::SC_MOD_BEFOREDELETE));
    connect(m_surface, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int, int) {
                onModified(position, type, length);
            });
    // A save point set inside the run's group would lie inside one undo step; closing the
    // group right after keeps it on the step's boundary.
    connect(m_surface, &QsciScintillaBase::SCN_SAVEPOINTREACHED, this, [this] { endKeyRun(); });
    colourAll();
}

void CPageColourer::defineStyles(QsciScintilla *surface) const
{
    for (int i = 0; i < StyleCount; ++i) {
        const StyleLook look = m_tracker.Engine().Look(static_cast<Style>(i));
        surface->SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, static_cast<unsigned long>(i),
                               fromBgr(look.colour));
        surface->SendScintilla(QsciScintillaBase::SCI_STYLESETBOLD, static_cast<unsigned long>(i),
                               static_cast<long>(look.bold));
    }
}

void CPageColourer::onModified(int position, int type, int length)
{
    if (m_colouring || length <= 0)
        return;
    const auto at = static_cast<std::size_t>(position);
    const auto count = static_cast<std::size_t>(length);
    TextChange change;
    if (type & QsciScintillaBase::SC_MOD_BEFOREINSERT)
        change = {at, 0, count};
    else if (type & QsciScintillaBase::SC_MOD_BEFOREDELETE)
        change = {at, count, 0};
    else
        return;
    m_pending = m_pending ? Merge(*m_pending, change) : change;
    if (m_depth == 0 && !m_flushQueued) {
        // Nobody will tell us when this change is over: colour it once control is back.
        m_flushQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_flushQueued = false;
                if (m_depth == 0) {
                    // A change from elsewhere is not part of the keys before it.
                    endKeyRun();
                    flush();
                }
            },
            Qt::QueuedConnection);
    }
}

void CPageColourer::flush()
{
    if (m_pending)
        colourPending(false);
}

void CPageColourer::endKeyRun()
{
    if (m_keyRun == KeyRun::None)
        return;
    m_keyRun = KeyRun::None;
    m_surface->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
}

void CPageColourer::beginKeyRun(KeyRun run)
{
    m_keyRun = run;
    m_surface->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
}

CPageColourer::KeyRun CPageColourer::keyRunOf(EditCommand command)
{
    switch (command) {
    case EditCommand::TypedCharacter:
        return KeyRun::Typing;
    case EditCommand::BackspaceKey:
        return KeyRun::Backspaces;
    case EditCommand::DeleteKey:
        return KeyRun::Deletes;
    default:
        return KeyRun::None;
    }
}

bool CPageColourer::continuesKeyRun(KeyRun run, const QsciScintilla *surface) const
{
    if (m_keyRun != run)
        return false;
    const long caret = surface->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    return caret == surface->SendScintilla(QsciScintillaBase::SCI_GETANCHOR) &&
           static_cast<std::size_t>(caret) == m_runEnd;
}

bool CPageColourer::opensCompletionList(std::size_t caret)
{
    flush();
    SurfaceText text(m_surface);
    return m_tracker.OpensCompletionList(text, caret);
}

void CPageColourer::colourAll()
{
    const std::string_view text = m_document->textView();
    QsciScintilla *s = m_surface;
    // A megabyte of lines at a time: a big page's styles never sit in a second buffer.
    m_tracker.ColourAll(text, 1 << 20, [s](const Recolouring &stretch) {
        s->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING,
                         static_cast<unsigned long>(stretch.start), 0L);
        s->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                         static_cast<unsigned long>(stretch.styles.size()),
                         reinterpret_cast<const char *>(stretch.styles.data()));
    });
    applyStyles({});
}

bool CPageColourer::colourPending(bool rewrite)
{
    if (!m_pending)
        return false;
    const TextChange change = *m_pending;
    m_pending.reset();
    SurfaceText text(m_surface);
    const Recolouring recolouring = m_tracker.Edited(text, change);
    if (rewrite)
        applyRewrites(recolouring);
    applyStyles(recolouring);
    return true;
}

void CPageColourer::applyStyles(const Recolouring &recolouring)
{
    QsciScintilla *s = m_surface;
    if (!recolouring.styles.empty()) {
        s->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING,
                         static_cast<unsigned long>(recolouring.start), 0L);
        s->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                         static_cast<unsigned long>(recolouring.styles.size()),
                         reinterpret_cast<const char *>(recolouring.styles.data()));
    }
    // The bytes after the recoloured lines kept their styles: tell Scintilla the whole page
    // is styled, so painting does not ask for styles again.
    s->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING,
                     static_cast<unsigned long>(s->SendScintilla(QsciScintillaBase::SCI_GETLENGTH)),
                     0L);
}

void CPageColourer::applyRewrites(const Recolouring &recolouring)
{
    if (recolouring.rewrites.empty())
        return;
    // A replacement moves carets at its start; every window keeps its selection instead
    // (a rewrite never changes a length, so the positions stay right).
    struct Kept
    {
        QsciScintilla *surface;
        long anchor, caret;
    };
    std::vector<Kept> kept;
    for (QsciScintilla *surface : surfacesShowing(m_document))
        kept.push_back({surface, surface->SendScintilla(QsciScintillaBase::SCI_GETANCHOR),
                        surface->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)});
    m_colouring = true;
    SurfaceText text(m_surface);
    for (const Rewrite &rewrite : JoinRewritesByLine(recolouring.rewrites, text)) {
        const auto start = static_cast<long>(rewrite.position);
        m_surface->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, start,
                                 start + static_cast<long>(rewrite.text.size()));
        m_surface->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET,
                                 static_cast<unsigned long>(rewrite.text.size()),
                                 rewrite.text.data());
    }
    m_colouring = false;
    for (const Kept &k : kept)
        if (k.surface->SendScintilla(QsciScintillaBase::SCI_GETANCHOR) != k.anchor ||
            k.surface->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS) != k.caret) {
            // Without scrolling: the caret is where it was, and bringing it into view would
            // lay its whole line out again.
            k.surface->SendScintilla(QsciScintillaBase::SCI_SETCURRENTPOS,
                                     static_cast<unsigned long>(k.caret));
            k.surface->SendScintilla(QsciScintillaBase::SCI_SETANCHOR,
                                     static_cast<unsigned long>(k.anchor));
        }
}

CPageColourer::Edit::Edit(CPageColourer &colourer, EditCommand command,
                          const QsciScintilla *surface)
    : m_colourer(colourer)
    , m_command(command)
    , m_outer(colourer.m_depth == 0)
{
    if (m_outer) {
        // A change left over from outside any command is neither part of the keys before it
        // nor this command's to rewrite.
        if (m_colourer.m_pending)
            m_colourer.endKeyRun();
        m_colourer.flush();
        m_colourer.m_kind = ClassifyEdit(command, m_colourer.m_kind);
        const KeyRun run = keyRunOf(command);
        m_inRun = run != KeyRun::None;
        if (m_inRun) {
            if (!m_colourer.continuesKeyRun(run, surface)) {
                m_colourer.endKeyRun();
                m_colourer.beginKeyRun(run);
            }
        } else {
            m_colourer.endKeyRun();
            // The rewrites join the command's own undo step.
            m_grouped = RewritesAfter(command);
            if (m_grouped)
                m_colourer.m_surface->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
        }
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
    Outcome outcome;
    // Typing leaves the caret after what it wrote, a deletion where the bytes were.
    if (m_inRun && m_colourer.m_pending)
        m_colourer.m_runEnd = m_colourer.m_pending->position + m_colourer.m_pending->inserted;
    outcome.changed = m_colourer.colourPending(RewritesAfter(m_command));
    if (m_grouped)
        m_colourer.m_surface->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    if (outcome.changed) {
        // A command that changed nothing keeps its kind: a paste then follows "a cut".
        outcome.kind = m_colourer.m_kind;
        m_colourer.m_kind = EditKind::None;
    }
    return outcome;
}
