#include "FontDlg.h"

#include "FontCombo.h"
#include "FontPreview.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>

namespace {

QColor toQColor(tarnel::Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

tarnel::Rgb toRgb(const QColor &colour)
{
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

// Both colour buttons start the chooser at black, whatever was chosen before.
std::optional<QColor> chooseColour(QWidget *parent)
{
    const QColor chosen =
        QColorDialog::getColor(Qt::black, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

QPushButton *plainButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CFontDlg::CFontDlg(QWidget *parent)
    : CFormDlg(tr("Dialog"), parent)
{
    QGridLayout *layout = grid();

    auto *top = new QHBoxLayout;
    m_faces = new CFontCombo(this);
    m_faces->setMinimumContentsLength(18);
    auto *facesCaption = new QLabel(tr("Font Names"), this);
    facesCaption->setBuddy(m_faces);
    m_sizes = new QComboBox(this);
    m_sizes->addItems(listEntries(tarnel::kFontSizeEntries));
    m_styles = new QComboBox(this);
    m_styles->setEditable(true);
    m_styles->setInsertPolicy(QComboBox::NoInsert);
    m_styles->setCompleter(nullptr);
    m_styles->addItems(listEntries(tarnel::kFontStyleEntries));
    m_underline = new QCheckBox(tr("Underline"), this);
    top->addWidget(facesCaption);
    top->addWidget(m_faces, 1);
    top->addWidget(m_sizes);
    top->addWidget(m_styles);
    top->addWidget(m_underline);
    layout->addLayout(top, 0, 0, 1, 3);

    auto *alignments = new QVBoxLayout;
    m_left = new QRadioButton(tr("Left"), this);
    m_right = new QRadioButton(tr("Right"), this);
    m_center = new QRadioButton(tr("Center"), this);
    alignments->addWidget(m_left);
    alignments->addWidget(m_right);
    alignments->addWidget(m_center);
    alignments->addStretch();
    layout->addLayout(alignments, 1, 0, 2, 1);

    auto *colourButtons = new QVBoxLayout;
    QPushButton *textColour = plainButton(tr("FontColor"), this);
    QPushButton *backgroundColour = plainButton(tr("Background Color"), this);
    colourButtons->addWidget(textColour);
    colourButtons->addWidget(backgroundColour);
    colourButtons->addStretch();
    layout->addLayout(colourButtons, 1, 1);
    m_preview = new CFontPreview(this);
    layout->addWidget(m_preview, 1, 2);

    m_text = new QPlainTextEdit(this);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTabChangesFocus(true);
    layout->addWidget(m_text, 2, 1, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);

    connect(m_faces, &QComboBox::activated, this, [this](int index) {
        m_fields.face = text(m_faces->itemText(index));
        refreshPreview();
    });
    connect(m_sizes, &QComboBox::activated, this,
            [this](int index) { m_fields.size = tarnel::FontSizeValue(index); });
    connect(m_styles, &QComboBox::activated, this, [this](int index) { m_fields.style = index; });
    connect(textColour, &QPushButton::clicked, this, &CFontDlg::chooseTextColour);
    connect(backgroundColour, &QPushButton::clicked, this, &CFontDlg::chooseBackgroundColour);

    // "Normal" shows in both lists, but neither counts until picked.
    m_sizes->setCurrentIndex(0);
    m_styles->setCurrentIndex(0);
    m_left->setChecked(true);
    refreshPreview();
    m_faces->setFocus();
}

void CFontDlg::chooseTextColour()
{
    if (const auto chosen = chooseColour(this)) {
        m_fields.textColour = toRgb(*chosen);
        refreshPreview();
    }
}

void CFontDlg::chooseBackgroundColour()
{
    if (const auto chosen = chooseColour(this)) {
        m_fields.backgroundChosen = true;
        m_fields.backgroundColour = toRgb(*chosen);
        refreshPreview();
    }
}

void CFontDlg::refreshPreview()
{
    m_preview->setSample(qtext(m_fields.face), toQColor(m_fields.textColour),
                         toQColor(m_fields.backgroundColour));
}

void CFontDlg::readFields()
{
    m_fields.text = text(m_text);
    m_fields.underline = m_underline->isChecked();
    m_fields.alignment = m_right->isChecked()    ? tarnel::TextAlignment::Right
                         : m_center->isChecked() ? tarnel::TextAlignment::Center
                                                 : tarnel::TextAlignment::Left;
    m_result = tarnel::BuildFormattedText(m_fields);
}
