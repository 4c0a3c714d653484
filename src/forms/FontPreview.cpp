#include "FontPreview.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
const QString kSample = QStringLiteral("ABC abc");
}

CFontPreview::CFontPreview(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void CFontPreview::setSample(const QString &face, const QColor &textColour,
                             const QColor &backgroundColour)
{
    m_face = face;
    m_textColour = textColour;
    m_backgroundColour = backgroundColour;
    update();
}

QFont CFontPreview::sampleFont() const
{
    QFont font(m_face.isEmpty() ? this->font().family() : m_face);
    font.setPixelSize(20);
    return font;
}

QSize CFontPreview::sizeHint() const
{
    const QFontMetrics metrics(sampleFont());
    return {metrics.horizontalAdvance(kSample) + 40, metrics.height() + 16};
}

void CFontPreview::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(sampleFont());
    const QFontMetrics metrics(painter.font());
    const QRect area = contentsRect().adjusted(0, 4, 0, 0);
    QRect cell(0, 0, metrics.horizontalAdvance(kSample), metrics.height());
    cell.moveTop(area.top());
    cell.moveLeft(area.left() + (area.width() - cell.width()) / 2);
    // The background colour fills only the text's own cell, as a highlighted run would.
    painter.fillRect(cell, m_backgroundColour);
    painter.setPen(m_textColour);
    painter.drawText(cell, Qt::AlignCenter, kSample);
}
