#include "ColourSwatches.h"

#include "PageColourer.h"
#include "TarnelDoc.h"
#include "TarnelView.h"

#include <QColorDialog>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

using namespace tarnel;

namespace {

// Lines marked above and below those shown, so a small scroll shows its swatches at once.
constexpr std::size_t kMarginLines = 5;
// How far around what shows a long line is read, and at most how much is read a time.
constexpr std::size_t kLongLineSlack = 4096;
constexpr std::size_t kMostBytes = 64 * 1024;

QColor toQColor(Rgba colour)
{
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

Rgba fromQColor(const QColor &colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue()), static_cast<std::uint8_t>(colour.alpha())};
}

// Near the paper's own colour: its underline alone would not show.
bool faintOn(Rgba colour, std::uint32_t paper)
{
    const std::uint32_t bgr =
        colour.red | std::uint32_t(colour.green) << 8 | std::uint32_t(colour.blue) << 16;
    return ContrastRatio(bgr, paper) < 1.5;
}

// A position moved as `change` moves the text after it.
std::size_t moved(std::size_t position, const TextChange &change)
{
    if (position <= change.position)
        return position;
    if (position < change.position + change.removed)
        return change.position;
    return position - change.removed + change.inserted;
}

} // namespace

CColourSwatches::CColourSwatches(CTarnelView *view)
    : QObject(view)
    , m_view(view)
    , m_text(view)
    , m_chooser([view](const QColor &initial, bool withAlpha) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(
            initial, view, tr("Colour"),
            withAlpha ? QColorDialog::ShowAlphaChannel : QColorDialog::ColorDialogOptions());
        return chosen.isValid() ? std::optional(chosen) : std::nullopt;
    })
{
    m_text.defineColourSwatch(kIndicator);
    CTarnelDoc *document = view->GetDocument();
    connect(document, &CTarnelDoc::aboutToChange, this, &CColourSwatches::textChanging);
    connect(document, &CTarnelDoc::changed, this, &CColourSwatches::refreshSoon);
    connect(document, &CTarnelDoc::reloaded, this, [this] {
        m_marked = {0, 0};
        m_shown.clear();
        refreshSoon();
    });
    connect(view, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated &
            (QsciScintillaBase::SC_UPDATE_V_SCROLL | QsciScintillaBase::SC_UPDATE_H_SCROLL))
            refreshSoon();
    });
    connect(&colourer(), &CPageColourer::openingColoured, this, &CColourSwatches::refreshSoon);
    view->viewport()->installEventFilter(this);
    refreshSoon();
}

void CColourSwatches::applyColours(const tarnel::EditorColours &colours)
{
    m_paper = colours.paper;
    const int edge = IsDarkColour(colours.paper) ? 0xA0 : 0x60;
    m_text.defineBackdrop(kLightBackdrop, QColor(edge, edge, edge));
    m_shown.clear();
    refreshSoon();
}

CPageColourer &CColourSwatches::colourer() const
{
    return m_view->GetDocument()->colourer();
}

bool CColourSwatches::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier &&
            chooseAt(mouse->position().toPoint()))
            return true;
        break;
    }
    case QEvent::Resize:
    case QEvent::Show:
        refreshSoon();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CColourSwatches::refreshSoon()
{
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, &CColourSwatches::refresh);
}

void CColourSwatches::textChanging(const TextChange &change)
{
    m_marked = {moved(m_marked.first, change), moved(m_marked.second, change)};
}

std::pair<std::size_t, std::size_t> CColourSwatches::shownBytes() const
{
    const QRect area = m_view->viewport()->rect();
    const std::size_t topLeft = m_text.positionAt(area.topLeft());
    const std::size_t bottomRight = m_text.positionAt(area.bottomRight());
    const std::size_t firstLine = m_text.lineOf(topLeft);
    const std::size_t lastLine = m_text.lineOf(bottomRight) + kMarginLines;
    const std::size_t lineFrom =
        m_text.lineStart(firstLine > kMarginLines ? firstLine - kMarginLines : 0);
    const std::size_t lineTo =
        lastLine + 1 < m_text.lineCount() ? m_text.lineStart(lastLine + 1) : m_text.length();
    const std::size_t from =
        std::max(lineFrom, topLeft > kLongLineSlack ? topLeft - kLongLineSlack : 0);
    const std::size_t to = std::min({lineTo, bottomRight + kLongLineSlack, from + kMostBytes});
    return {from, std::max(from, to)};
}

void CColourSwatches::refresh()
{
    m_refreshQueued = false;
    const std::pair<std::size_t, std::size_t> shown = shownBytes();
    std::optional<std::vector<ColourValue>> values =
        colourer().colourValuesIn(shown.first, shown.second);
    if (!values || (shown == m_marked && *values == m_shown))
        return;
    // Marks belong to the text: what this view marked before goes, so no swatch is left on
    // bytes that changed while they were out of sight.
    for (const int indicator : {kIndicator, kLightBackdrop}) {
        m_text.clearMarks(indicator, m_marked.first, m_marked.second);
        m_text.clearMarks(indicator, shown.first, shown.second);
    }
    for (const ColourValue &value : *values) {
        m_text.markColour(kIndicator, value.begin, value.end - value.begin, toQColor(value.colour));
        if (faintOn(value.colour, m_paper))
            m_text.markRange(kLightBackdrop, value.begin, value.end - value.begin);
    }
    m_marked = shown;
    m_shown = std::move(*values);
}

bool CColourSwatches::chooseAt(const QPoint &point)
{
    const std::optional<std::size_t> at = m_text.characterAt(point);
    if (!at || m_view->isReadOnly() || !m_text.isMarked(kIndicator, *at))
        return false;
    // The mark says where to look; the value itself is read again from the text.
    const std::vector<ColourValue> values =
        colourer().colourValuesIn(*at, *at + 1).value_or(std::vector<ColourValue>());
    const auto value = std::find_if(values.begin(), values.end(), [&](const ColourValue &v) {
        return v.begin <= *at && *at < v.end;
    });
    if (value == values.end())
        return false;
    const std::string written(m_text.bytes(value->begin, value->end - value->begin));
    const std::optional<QColor> chosen = m_chooser(toQColor(value->colour), value->hasAlpha);
    // The chooser runs an event loop: the value is written over only as it still stands.
    if (!chosen || m_text.length() < value->end ||
        m_text.bytes(value->begin, value->end - value->begin) != written)
        return true;
    const std::string replacement = WriteColourLike(written, fromQColor(*chosen));
    if (replacement != written)
        m_view->replaceBytes(value->begin, value->end, replacement);
    return true;
}
