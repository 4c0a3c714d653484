#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

// The formatted-text form's sample box: "ABC abc" in the chosen face, on the chosen
// background colour, in the chosen text colour.
class CFontPreview : public QFrame
{
    Q_OBJECT
public:
    explicit CFontPreview(QWidget *parent = nullptr);

    void setSample(const QString &face, const QColor &textColour, const QColor &backgroundColour);
    QString face() const { return m_face; }
    QColor textColour() const { return m_textColour; }
    QColor backgroundColour() const { return m_backgroundColour; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont sampleFont() const;

    QString m_face;
    QColor m_textColour = Qt::black;
    QColor m_backgroundColour = Qt::white;
};
