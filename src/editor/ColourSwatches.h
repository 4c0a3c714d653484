#pragma once

#include "colourscheme.h"

#include "TextSurface.h"
#include "colourvalues.h"

#include <QColor>
#include <QObject>

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CPageColourer;
class CTarnelView;

// The colour values a source view shows, each underlined in its own colour; a double click on
// one asks for another colour and writes it in the value's own form.
class CColourSwatches : public QObject
{
    Q_OBJECT
public:
    // After the tag editing's indicators (8 to 10).
    static constexpr int kIndicator = 11;
    // A faint box behind a light colour's value, whose underline would not show on the paper.
    static constexpr int kLightBackdrop = 12;
    // Asks for a colour, starting at `initial`, offering its opacity too when `withAlpha`;
    // nullopt when the person cancels.
    using Chooser = std::function<std::optional<QColor>(const QColor &initial, bool withAlpha)>;

    explicit CColourSwatches(CTarnelView *view);
    // Values faint on this paper get the box; the values shown are marked again.
    void applyColours(const tarnel::EditorColours &colours);
    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CPageColourer &colourer() const;
    // Marks the values shown, once control is back in the event loop.
    void refreshSoon();
    void refresh();
    std::uint32_t m_paper = 0xFFFFFF;
    void textChanging(const tarnel::TextChange &change);
    // The bytes shown and a few lines around them; on a long line only near what shows.
    std::pair<std::size_t, std::size_t> shownBytes() const;
    // Offers another colour for the value under `point`; false when there is none.
    bool chooseAt(const QPoint &point);

    CTarnelView *m_view;
    CTextSurface m_text;
    Chooser m_chooser;
    // The stretch this view marked last, moved with the text since, and what it marked there.
    std::pair<std::size_t, std::size_t> m_marked{0, 0};
    std::vector<tarnel::ColourValue> m_shown;
    bool m_refreshQueued = false;
};
