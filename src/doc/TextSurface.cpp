#include "TextSurface.h"

#include "BgrColour.h"
#include <Qsci/qsciscintillabase.h>

#include <QColor>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

unsigned long wparam(std::size_t value)
{
    return static_cast<unsigned long>(value);
}

long lparam(std::size_t value)
{
    return static_cast<long>(value);
}

std::size_t position(long value)
{
    return value < 0 ? 0 : static_cast<std::size_t>(value);
}

} // namespace

void CTextSurface::showTextOf(const CTextSurface &owner)
{
    m_editor->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL,
                            owner.m_editor->SendScintillaPtrResult(Sci::SCI_GETDOCPOINTER));
}

void CTextSurface::detachText()
{
    m_editor->SendScintilla(Sci::SCI_SETDOCPOINTER, 0UL, static_cast<void *>(nullptr));
}

void CTextSurface::reportChangesBeforehand()
{
    reportChangesMade(false);
}

void CTextSurface::reportChangesMade(bool report)
{
    const int ahead = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;
    const int made = Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT;
    m_editor->SendScintilla(Sci::SCI_SETMODEVENTMASK, wparam(report ? ahead | made : ahead));
}

void CTextSurface::onChangeMade(QObject *context, std::function<void()> heard) const
{
    QObject::connect(m_editor, &Sci::SCN_MODIFIED, context,
                     [heard = std::move(heard)](int, int type, const char *, int length, int, int,
                                                int, int, int, int) {
                         if (length > 0 &&
                             (type & (Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT)))
                             heard();
                     });
}

void CTextSurface::onChangeAhead(QObject *context, std::function<void(const Change &)> heard) const
{
    QObject::connect(m_editor, &Sci::SCN_MODIFIED, context,
                     [heard = std::move(heard)](int position, int type, const char *, int length,
                                                int, int, int, int, int, int) {
                         if (length <= 0)
                             return;
                         const auto at = static_cast<std::size_t>(position);
                         const auto count = static_cast<std::size_t>(length);
                         if (type & Sci::SC_MOD_BEFOREINSERT)
                             heard({at, 0, count});
                         else if (type & Sci::SC_MOD_BEFOREDELETE)
                             heard({at, count, 0});
                     });
}

std::size_t CTextSurface::length() const
{
    return position(m_editor->SendScintilla(Sci::SCI_GETLENGTH));
}

std::string_view CTextSurface::bytes(std::size_t start, std::size_t count) const
{
    if (count == 0)
        return {};
    static_assert(sizeof(long) >= sizeof(void *), "SendScintilla returns the pointer as a long");
    const auto *data = reinterpret_cast<const char *>(
        m_editor->SendScintilla(Sci::SCI_GETRANGEPOINTER, wparam(start), lparam(count)));
    return {data, count};
}

std::string_view CTextSurface::all() const
{
    const std::size_t size = length();
    if (size == 0)
        return {};
    const auto *data =
        static_cast<const char *>(m_editor->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return {data, size};
}

void CTextSurface::replace(std::size_t start, std::size_t end, std::string_view bytes)
{
    m_editor->SendScintilla(Sci::SCI_SETTARGETRANGE, wparam(start), lparam(end));
    // The editor insists on a pointer, even to no bytes.
    m_editor->SendScintilla(Sci::SCI_REPLACETARGET, wparam(bytes.size()),
                            bytes.empty() ? "" : bytes.data());
}

void CTextSurface::append(std::string_view bytes)
{
    if (!bytes.empty())
        m_editor->SendScintilla(Sci::SCI_APPENDTEXT, wparam(bytes.size()), bytes.data());
}

void CTextSurface::clear()
{
    m_editor->SendScintilla(Sci::SCI_CLEARALL);
}

void CTextSurface::reserve(std::size_t bytes)
{
    m_editor->SendScintilla(Sci::SCI_ALLOCATE, wparam(bytes));
}

void CTextSurface::setUndoCollection(bool collect)
{
    m_editor->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, collect ? 1UL : 0UL);
}

void CTextSurface::forgetUndoHistory()
{
    m_editor->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
}

void CTextSurface::beginUndoGroup()
{
    m_editor->SendScintilla(Sci::SCI_BEGINUNDOACTION);
}

void CTextSurface::endUndoGroup()
{
    m_editor->SendScintilla(Sci::SCI_ENDUNDOACTION);
}

bool CTextSurface::canUndo() const
{
    return m_editor->SendScintilla(Sci::SCI_CANUNDO) != 0;
}

bool CTextSurface::canRedo() const
{
    return m_editor->SendScintilla(Sci::SCI_CANREDO) != 0;
}

void CTextSurface::undo()
{
    m_editor->SendScintilla(Sci::SCI_UNDO);
}

bool CTextSurface::isModified() const
{
    return m_editor->SendScintilla(Sci::SCI_GETMODIFY) != 0;
}

void CTextSurface::setSavePoint()
{
    m_editor->SendScintilla(Sci::SCI_SETSAVEPOINT);
}

std::size_t CTextSurface::caret() const
{
    return position(m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS));
}

std::size_t CTextSurface::anchor() const
{
    return position(m_editor->SendScintilla(Sci::SCI_GETANCHOR));
}

std::size_t CTextSurface::selectionStart() const
{
    return position(m_editor->SendScintilla(Sci::SCI_GETSELECTIONSTART));
}

std::size_t CTextSurface::selectionEnd() const
{
    return position(m_editor->SendScintilla(Sci::SCI_GETSELECTIONEND));
}

void CTextSurface::allowSeveralCarets()
{
    m_editor->SendScintilla(Sci::SCI_SETMULTIPLESELECTION, 1);
    m_editor->SendScintilla(Sci::SCI_SETADDITIONALSELECTIONTYPING, 1);
    m_editor->SendScintilla(Sci::SCI_SETMULTIPASTE, Sci::SC_MULTIPASTE_EACH);
}

std::size_t CTextSurface::selectionCount() const
{
    return std::size_t(m_editor->SendScintilla(Sci::SCI_GETSELECTIONS));
}

std::vector<std::pair<std::size_t, std::size_t>> CTextSurface::selections() const
{
    std::vector<std::pair<std::size_t, std::size_t>> all(selectionCount());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = {std::size_t(m_editor->SendScintilla(Sci::SCI_GETSELECTIONNCARET, wparam(i))),
                  std::size_t(m_editor->SendScintilla(Sci::SCI_GETSELECTIONNANCHOR, wparam(i)))};
    return all;
}

void CTextSurface::addCaret(std::size_t position)
{
    m_editor->SendScintilla(Sci::SCI_ADDSELECTION, wparam(position), lparam(position));
}

void CTextSurface::select(std::size_t anchor, std::size_t caret)
{
    m_editor->SendScintilla(Sci::SCI_SETSEL, wparam(anchor), lparam(caret));
}

void CTextSurface::restoreSelection(std::size_t anchor, std::size_t caret)
{
    m_editor->SendScintilla(Sci::SCI_SETCURRENTPOS, wparam(caret));
    m_editor->SendScintilla(Sci::SCI_SETANCHOR, wparam(anchor));
}

void CTextSurface::clearSelection()
{
    m_editor->SendScintilla(Sci::SCI_SETEMPTYSELECTION, wparam(caret()));
}

void CTextSurface::moveCaretTo(std::size_t position)
{
    m_editor->SendScintilla(Sci::SCI_GOTOPOS, wparam(position));
}

std::size_t CTextSurface::positionAt(const QPoint &point) const
{
    return position(m_editor->SendScintilla(Sci::SCI_POSITIONFROMPOINT,
                                            static_cast<unsigned long>(point.x()),
                                            static_cast<long>(point.y())));
}

std::optional<std::size_t> CTextSurface::characterAt(const QPoint &point) const
{
    const long at = m_editor->SendScintilla(Sci::SCI_CHARPOSITIONFROMPOINTCLOSE,
                                            static_cast<unsigned long>(point.x()),
                                            static_cast<long>(point.y()));
    if (at < 0)
        return std::nullopt;
    return position(at);
}

QPoint CTextSurface::pointOf(std::size_t position) const
{
    return {static_cast<int>(
                m_editor->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, lparam(position))),
            static_cast<int>(
                m_editor->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, lparam(position)))};
}

QRect CTextSurface::screenRectOf(std::size_t start, std::size_t end) const
{
    const QPoint from = pointOf(start);
    const QPoint to = pointOf(end);
    const int right = to.y() == from.y() ? to.x() : m_editor->viewport()->width();
    const int height = int(m_editor->SendScintilla(Sci::SCI_TEXTHEIGHT, wparam(lineOf(start))));
    return {m_editor->viewport()->mapToGlobal(from), QSize(std::max(1, right - from.x()), height)};
}

void CTextSurface::defineStyle(int style, const QColor &colour, bool bold)
{
    m_editor->SendScintilla(Sci::SCI_STYLESETFORE, static_cast<unsigned long>(style), colour);
    m_editor->SendScintilla(Sci::SCI_STYLESETBOLD, static_cast<unsigned long>(style),
                            static_cast<long>(bold));
}

void CTextSurface::defineSquiggle(int indicator, const QColor &colour)
{
    const auto id = static_cast<unsigned long>(indicator);
    m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, id, static_cast<long>(Sci::INDIC_SQUIGGLE));
    m_editor->SendScintilla(Sci::SCI_INDICSETFORE, id, colour);
    m_editor->SendScintilla(Sci::SCI_INDICSETUNDER, id, 1L);
}

void CTextSurface::defineHiddenMark(int indicator)
{
    m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, static_cast<unsigned long>(indicator),
                            static_cast<long>(Sci::INDIC_HIDDEN));
}

void CTextSurface::markRange(int indicator, std::size_t start, std::size_t length)
{
    m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
    m_editor->SendScintilla(Sci::SCI_INDICATORFILLRANGE, wparam(start), lparam(length));
}

void CTextSurface::clearMarks(int indicator)
{
    m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
    m_editor->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, lparam(length()));
}

void CTextSurface::clearMarks(int indicator, std::size_t start, std::size_t end)
{
    end = std::min(end, length());
    if (start >= end)
        return;
    m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, wparam(indicator));
    m_editor->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, wparam(start), lparam(end - start));
}

void CTextSurface::defineColourSwatch(int indicator)
{
    m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, wparam(indicator),
                            lparam(Sci::INDIC_COMPOSITIONTHICK));
    m_editor->SendScintilla(Sci::SCI_INDICSETFLAGS, wparam(indicator),
                            lparam(Sci::SC_INDICFLAG_VALUEBEFORE));
    m_editor->SendScintilla(Sci::SCI_INDICSETUNDER, wparam(indicator), 1L);
}

void CTextSurface::defineBackdrop(int indicator, const QColor &colour)
{
    m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, wparam(indicator),
                            lparam(Sci::INDIC_STRAIGHTBOX));
    m_editor->SendScintilla(Sci::SCI_INDICSETFORE, wparam(indicator), colour);
    m_editor->SendScintilla(Sci::SCI_INDICSETALPHA, wparam(indicator), 40L);
    m_editor->SendScintilla(Sci::SCI_INDICSETOUTLINEALPHA, wparam(indicator), 120L);
    m_editor->SendScintilla(Sci::SCI_INDICSETUNDER, wparam(indicator), 1L);
}

void CTextSurface::markColour(int indicator, std::size_t start, std::size_t length,
                              const QColor &colour)
{
    const auto bgr = static_cast<unsigned long>(colour.red()) |
                     static_cast<unsigned long>(colour.green()) << 8 |
                     static_cast<unsigned long>(colour.blue()) << 16;
    m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, wparam(indicator));
    m_editor->SendScintilla(Sci::SCI_SETINDICATORVALUE, bgr | Sci::SC_INDICVALUEBIT);
    m_editor->SendScintilla(Sci::SCI_INDICATORFILLRANGE, wparam(start), lparam(length));
    // The value is the text's, not the indicator's: every other mark is filled with 1.
    m_editor->SendScintilla(Sci::SCI_SETINDICATORVALUE, 1UL);
}

bool CTextSurface::isMarked(int indicator, std::size_t position) const
{
    return m_editor->SendScintilla(Sci::SCI_INDICATORVALUEAT, static_cast<unsigned long>(indicator),
                                   lparam(position)) != 0;
}

void CTextSurface::defineLineMarker(int marker, const QColor &colour)
{
    const auto id = static_cast<unsigned long>(marker);
    m_editor->SendScintilla(Sci::SCI_MARKERDEFINE, id, static_cast<long>(Sci::SC_MARK_CIRCLE));
    m_editor->SendScintilla(Sci::SCI_MARKERSETFORE, id, colour.darker(150));
    m_editor->SendScintilla(Sci::SCI_MARKERSETBACK, id, colour);
}

void CTextSurface::showMarkersInMargin(int margin, int markerMask, int width)
{
    const auto id = static_cast<unsigned long>(margin);
    m_editor->SendScintilla(Sci::SCI_SETMARGINTYPEN, id, static_cast<long>(Sci::SC_MARGIN_SYMBOL));
    m_editor->SendScintilla(Sci::SCI_SETMARGINMASKN, id, static_cast<long>(markerMask));
    m_editor->SendScintilla(Sci::SCI_SETMARGINWIDTHN, id, static_cast<long>(width));
}

void CTextSurface::markLine(std::size_t line, int marker)
{
    m_editor->SendScintilla(Sci::SCI_MARKERADD, wparam(line), static_cast<long>(marker));
}

void CTextSurface::clearLineMarkers(int marker)
{
    m_editor->SendScintilla(Sci::SCI_MARKERDELETEALL, static_cast<unsigned long>(marker));
}

int CTextSurface::lineMarkers(std::size_t line) const
{
    return static_cast<int>(m_editor->SendScintilla(Sci::SCI_MARKERGET, wparam(line)));
}

std::size_t CTextSurface::lineOf(std::size_t position) const
{
    return ::position(m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, wparam(position)));
}

void CTextSurface::reportPointerRests(int ms)
{
    m_editor->SendScintilla(Sci::SCI_SETMOUSEDWELLTIME, static_cast<unsigned long>(ms));
}

void CTextSurface::resetStyles()
{
    m_editor->SendScintilla(Sci::SCI_STYLECLEARALL);
}

void CTextSurface::setStyles(std::size_t start, std::span<const std::uint8_t> styles)
{
    if (styles.empty())
        return;
    m_editor->SendScintilla(Sci::SCI_STARTSTYLING, wparam(start), 0L);
    m_editor->SendScintilla(Sci::SCI_SETSTYLINGEX, wparam(styles.size()),
                            reinterpret_cast<const char *>(styles.data()));
}

std::vector<std::uint8_t> CTextSurface::styles(std::size_t start, std::size_t count) const
{
    std::vector<std::uint8_t> styles(count);
    for (std::size_t i = 0; i < count; ++i)
        styles[i] = std::uint8_t(m_editor->SendScintilla(Sci::SCI_GETSTYLEAT, wparam(start + i)));
    return styles;
}

void CTextSurface::onStylesNeeded(QObject *context, std::function<void(std::size_t)> needed) const
{
    QObject::connect(m_editor, &Sci::SCN_STYLENEEDED, context,
                     [needed = std::move(needed)](int at) { needed(position(at)); });
}

void CTextSurface::markStyledTo(std::size_t end)
{
    m_editor->SendScintilla(Sci::SCI_STARTSTYLING, wparam(end), 0L);
}

void CTextSurface::trackScrollWidth()
{
    m_editor->SendScintilla(Sci::SCI_SETSCROLLWIDTH, 1UL);
    m_editor->SendScintilla(Sci::SCI_SETSCROLLWIDTHTRACKING, 1UL);
}

void CTextSurface::scrollToLeftEdge()
{
    m_editor->SendScintilla(Sci::SCI_SETXOFFSET, 0UL);
}

std::optional<std::pair<std::size_t, std::size_t>>
CTextSurface::find(std::string_view needle, std::size_t from, std::size_t to, FindFlags flags)
{
    if (needle.empty())
        return std::nullopt;
    int searchFlags = 0;
    if (flags.matchCase)
        searchFlags |= Sci::SCFIND_MATCHCASE;
    if (flags.wholeWord)
        searchFlags |= Sci::SCFIND_WHOLEWORD;
    if (flags.regex)
        searchFlags |= Sci::SCFIND_REGEXP | Sci::SCFIND_CXX11REGEX;
    m_editor->SendScintilla(Sci::SCI_SETSEARCHFLAGS, wparam(searchFlags));
    m_editor->SendScintilla(Sci::SCI_SETTARGETRANGE, wparam(from), lparam(to));
    const long found =
        m_editor->SendScintilla(Sci::SCI_SEARCHINTARGET, wparam(needle.size()), needle.data());
    if (found < 0)
        return std::nullopt;
    return std::pair{static_cast<std::size_t>(found),
                     position(m_editor->SendScintilla(Sci::SCI_GETTARGETEND))};
}

std::size_t CTextSurface::replaceFound(std::size_t start, std::size_t end,
                                       std::string_view replacement)
{
    m_editor->SendScintilla(Sci::SCI_SETTARGETRANGE, wparam(start), lparam(end));
    return position(m_editor->SendScintilla(Sci::SCI_REPLACETARGETRE, wparam(replacement.size()),
                                            replacement.empty() ? "" : replacement.data()));
}

std::size_t CTextSurface::positionAfter(std::size_t at) const
{
    return position(m_editor->SendScintilla(Sci::SCI_POSITIONAFTER, wparam(at)));
}

std::size_t CTextSurface::positionBefore(std::size_t at) const
{
    return position(m_editor->SendScintilla(Sci::SCI_POSITIONBEFORE, wparam(at)));
}

void CTextSurface::showCompletionList(std::size_t typedLength,
                                      const std::vector<std::string> &entries,
                                      std::string_view stops)
{
    // The editor places its list on the screen under the caret, and crashes when there is
    // none there (a window dragged partly off the screens, a view never shown).
    const QPoint caretOnScreen = m_editor->viewport()->mapToGlobal(pointOf(caret()));
    if (!m_editor->isVisible() || !QGuiApplication::screenAt(caretOnScreen))
        return;
    std::string list;
    for (const std::string &entry : entries) {
        if (!list.empty())
            list += '\n';
        list += entry;
    }
    m_editor->SendScintilla(Sci::SCI_AUTOCSETSEPARATOR, wparam('\n'));
    m_editor->SendScintilla(Sci::SCI_AUTOCSETIGNORECASE, 1UL);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR,
                            wparam(Sci::SC_CASEINSENSITIVEBEHAVIOUR_IGNORECASE));
    m_editor->SendScintilla(Sci::SCI_AUTOCSETORDER, wparam(Sci::SC_ORDER_CUSTOM));
    m_editor->SendScintilla(Sci::SCI_AUTOCSETAUTOHIDE, 1UL);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETCHOOSESINGLE, 0UL);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETCANCELATSTART, 1UL);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETMAXHEIGHT, 12UL);
    const std::string stopList(stops);
    m_editor->SendScintilla(Sci::SCI_AUTOCSTOPS, 0UL, stopList.c_str());
    m_editor->SendScintilla(Sci::SCI_AUTOCSHOW, wparam(typedLength), list.c_str());
}

bool CTextSurface::completionListShown() const
{
    return m_editor->SendScintilla(Sci::SCI_AUTOCACTIVE) != 0;
}

void CTextSurface::closeCompletionList()
{
    m_editor->SendScintilla(Sci::SCI_AUTOCCANCEL);
}

void CTextSurface::completeFromList()
{
    m_editor->SendScintilla(Sci::SCI_AUTOCCOMPLETE);
}

void CTextSurface::onCompletionChosen(QObject *context,
                                      std::function<void(const std::string &, std::size_t)> chosen)
{
    QsciScintillaBase *editor = m_editor;
    QObject::connect(editor, QOverload<const char *, int, int, int>::of(&Sci::SCN_AUTOCSELECTION),
                     context,
                     [editor, chosen = std::move(chosen)](const char *entry, int start, int, int) {
                         const std::string taken(entry);
                         // Cancelling here keeps the editor from inserting the entry itself.
                         editor->SendScintilla(Sci::SCI_AUTOCCANCEL);
                         chosen(taken, position(start));
                     });
}

void CTextSurface::onCompletionHighlighted(QObject *context,
                                           std::function<void(const std::string &)> highlighted)
{
    QObject::connect(m_editor, &Sci::SCN_AUTOCSELECTIONCHANGE, context,
                     [highlighted = std::move(highlighted)](const char *entry, int, int) {
                         highlighted(std::string(entry ? entry : ""));
                     });
}

void CTextSurface::onCompletionClosed(QObject *context, std::function<void()> closed)
{
    QObject::connect(m_editor, &Sci::SCN_AUTOCCANCELLED, context, closed);
    QObject::connect(m_editor, &Sci::SCN_AUTOCCOMPLETED, context, closed);
}

std::string CTextSurface::completionListCurrent() const
{
    if (!completionListShown())
        return {};
    const long length =
        m_editor->SendScintilla(Sci::SCI_AUTOCGETCURRENTTEXT, 0UL, static_cast<char *>(nullptr));
    std::string entry(std::size_t(std::max(0L, length)), '\0');
    if (length > 0)
        m_editor->SendScintilla(Sci::SCI_AUTOCGETCURRENTTEXT, 0UL, entry.data());
    return entry;
}

QRect CTextSurface::completionListRect() const
{
    if (!completionListShown())
        return {};
    // The editor's list is a list widget of its own, a window placed by the caret, made anew
    // each time it shows: the last one made is the one shown.
    const QList<QListWidget *> lists = m_editor->findChildren<QListWidget *>();
    for (auto list = lists.crbegin(); list != lists.crend(); ++list)
        if ((*list)->isVisible())
            return QRect((*list)->mapToGlobal(QPoint(0, 0)), (*list)->size());
    return {};
}

void CTextSurface::defineHighlight(int highlight, const QColor &colour)
{
    m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, wparam(highlight), lparam(Sci::INDIC_ROUNDBOX));
    m_editor->SendScintilla(Sci::SCI_INDICSETFORE, wparam(highlight), colour);
    m_editor->SendScintilla(Sci::SCI_INDICSETALPHA, wparam(highlight), lparam(90));
    m_editor->SendScintilla(Sci::SCI_INDICSETUNDER, wparam(highlight), 1L);
}

void CTextSurface::addHighlight(int highlight, std::size_t start, std::size_t end)
{
    m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, wparam(highlight));
    m_editor->SendScintilla(Sci::SCI_INDICATORFILLRANGE, wparam(start), lparam(end - start));
}

void CTextSurface::clearHighlight(int highlight, std::size_t start, std::size_t end)
{
    m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, wparam(highlight));
    m_editor->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, wparam(start), lparam(end - start));
}

std::size_t CTextSurface::columnOf(std::size_t at) const
{
    // The editor counts a column character by character from the line's start: on a long
    // (minified) line that is megabytes a key, so there the column is the bytes before.
    constexpr std::size_t longLine = 4096;
    const std::size_t start = lineStart(lineOf(at));
    if (at - start > longLine)
        return at - start;
    return position(m_editor->SendScintilla(Sci::SCI_GETCOLUMN, wparam(at)));
}

std::size_t CTextSurface::lineStart(std::size_t line) const
{
    return position(m_editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, wparam(line)));
}

std::size_t CTextSurface::lineCount() const
{
    return position(m_editor->SendScintilla(Sci::SCI_GETLINECOUNT));
}

void CTextSurface::showLineNumbers(bool show)
{
    constexpr unsigned long numbers = 0;
    m_editor->SendScintilla(Sci::SCI_SETMARGINTYPEN, numbers, lparam(Sci::SC_MARGIN_NUMBER));
    m_lineNumbers = show;
    m_lineNumberDigits = 0;
    if (show)
        fitLineNumbers();
    else
        m_editor->SendScintilla(Sci::SCI_SETMARGINWIDTHN, numbers, 0L);
}

void CTextSurface::fitLineNumbers()
{
    if (!m_lineNumbers)
        return;
    int digits = 6;
    for (std::size_t lines = lineCount(); lines >= 1000000; lines /= 10)
        ++digits;
    if (digits == m_lineNumberDigits)
        return;
    m_lineNumberDigits = digits;
    const std::string widest = "_" + std::string(std::size_t(digits), '9');
    m_editor->SendScintilla(
        Sci::SCI_SETMARGINWIDTHN, 0UL,
        m_editor->SendScintilla(Sci::SCI_TEXTWIDTH, wparam(Sci::STYLE_LINENUMBER), widest.c_str()));
}

void CTextSurface::applyColours(const tarnel::EditorColours &colours)
{
    const auto colour = colourOfBgr;
    const auto defaults = wparam(Sci::STYLE_DEFAULT);
    m_editor->SendScintilla(Sci::SCI_STYLESETFORE, defaults, colour(colours.text));
    m_editor->SendScintilla(Sci::SCI_STYLESETBACK, defaults, colour(colours.paper));
    resetStyles();
    const auto numbers = wparam(Sci::STYLE_LINENUMBER);
    m_editor->SendScintilla(Sci::SCI_STYLESETFORE, numbers, colour(colours.lineNumbers));
    m_editor->SendScintilla(Sci::SCI_STYLESETBACK, numbers, colour(colours.margin));
    m_editor->SendScintilla(Sci::SCI_SETCARETFORE, colour(colours.caret));
    m_editor->SendScintilla(Sci::SCI_SETCARETLINEBACK, colour(colours.currentLine));
    m_editor->SendScintilla(Sci::SCI_SETCARETLINEVISIBLE, 1UL);
    m_editor->SendScintilla(Sci::SCI_SETCARETLINEVISIBLEALWAYS, 1UL);
    m_editor->SendScintilla(Sci::SCI_SETFOLDMARGINCOLOUR, 1UL, colour(colours.margin));
    m_editor->SendScintilla(Sci::SCI_SETFOLDMARGINHICOLOUR, 1UL, colour(colours.margin));
    for (int marker = Sci::SC_MARKNUM_FOLDEREND; marker <= int(Sci::SC_MARKNUM_FOLDEROPEN);
         ++marker) {
        m_editor->SendScintilla(Sci::SCI_MARKERSETFORE, wparam(marker),
                                colour(colours.foldMarkerFace));
        m_editor->SendScintilla(Sci::SCI_MARKERSETBACK, wparam(marker),
                                colour(colours.foldMarkerEdge));
    }
}

void CTextSurface::showFoldMargin(int margin)
{
    const unsigned long m = wparam(margin);
    m_editor->SendScintilla(Sci::SCI_SETMARGINTYPEN, m, lparam(Sci::SC_MARGIN_SYMBOL));
    m_editor->SendScintilla(Sci::SCI_SETMARGINMASKN, m, lparam(Sci::SC_MASK_FOLDERS));
    m_editor->SendScintilla(Sci::SCI_SETMARGINWIDTHN, m, 14L);
    m_editor->SendScintilla(Sci::SCI_SETMARGINSENSITIVEN, m, 1L);
    const std::pair<int, int> boxes[] = {
        {Sci::SC_MARKNUM_FOLDEROPEN, Sci::SC_MARK_BOXMINUS},
        {Sci::SC_MARKNUM_FOLDER, Sci::SC_MARK_BOXPLUS},
        {Sci::SC_MARKNUM_FOLDERSUB, Sci::SC_MARK_VLINE},
        {Sci::SC_MARKNUM_FOLDERTAIL, Sci::SC_MARK_LCORNER},
        {Sci::SC_MARKNUM_FOLDEREND, Sci::SC_MARK_BOXPLUSCONNECTED},
        {Sci::SC_MARKNUM_FOLDEROPENMID, Sci::SC_MARK_BOXMINUSCONNECTED},
        {Sci::SC_MARKNUM_FOLDERMIDTAIL, Sci::SC_MARK_TCORNER},
    };
    for (const auto &[marker, symbol] : boxes)
        m_editor->SendScintilla(Sci::SCI_MARKERDEFINE, wparam(marker), lparam(symbol));
    // Scintilla opens and closes folds itself on a click, shows a hidden line the caret
    // reaches, and opens a fold whose head an edit took away.
    m_editor->SendScintilla(Sci::SCI_SETAUTOMATICFOLD,
                            wparam(Sci::SC_AUTOMATICFOLD_SHOW | Sci::SC_AUTOMATICFOLD_CLICK |
                                   Sci::SC_AUTOMATICFOLD_CHANGE));
    m_editor->SendScintilla(Sci::SCI_SETFOLDFLAGS, wparam(Sci::SC_FOLDFLAG_LINEAFTER_CONTRACTED));
}

void CTextSurface::setFoldLevels(std::size_t firstLine, std::span<const tarnel::LineFold> levels)
{
    constexpr std::uint32_t deepest = Sci::SC_FOLDLEVELNUMBERMASK - Sci::SC_FOLDLEVELBASE;
    const std::size_t lines = lineCount();
    for (std::size_t i = 0; i < levels.size() && firstLine + i < lines; ++i) {
        const long level = Sci::SC_FOLDLEVELBASE + std::min(levels[i].depth, deepest) +
                           (levels[i].header ? Sci::SC_FOLDLEVELHEADERFLAG : 0);
        const unsigned long line = wparam(firstLine + i);
        if (m_editor->SendScintilla(Sci::SCI_GETFOLDLEVEL, line) != level)
            m_editor->SendScintilla(Sci::SCI_SETFOLDLEVEL, line, level);
    }
}

bool CTextSurface::isFoldHead(std::size_t line) const
{
    return m_editor->SendScintilla(Sci::SCI_GETFOLDLEVEL, wparam(line)) &
           Sci::SC_FOLDLEVELHEADERFLAG;
}

bool CTextSurface::isLineShown(std::size_t line) const
{
    return m_editor->SendScintilla(Sci::SCI_GETLINEVISIBLE, wparam(line)) != 0;
}
