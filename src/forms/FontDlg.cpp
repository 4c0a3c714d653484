#include "FontDlg.h"

#include "FontCombo.h"
#include "FontPreview.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
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

// The size and style lists count by position, so their entries may show translated.
QStringList shownEntries(std::span<const std::string_view> entries)
{
    QStringList shown;
    for (std::string_view entry : entries)
        shown << CFormDlg::coreText(entry);
    return shown;
}

// The form's own inputs, by their rows' names; the form connects them once it is made.
QWidget *makeFontInput(std::string_view name)
{
    if (name == "faces") {
        auto *faces = new CFontCombo;
        faces->setMinimumContentsLength(18);
        return faces;
    }
    if (name == "sizes") {
        auto *sizes = new QComboBox;
        sizes->addItems(shownEntries(tarnel::kFontSizeEntries));
        return sizes;
    }
    if (name == "styles") {
        auto *styles = new QComboBox;
        styles->setEditable(true);
        styles->setInsertPolicy(QComboBox::NoInsert);
        styles->setCompleter(nullptr);
        styles->addItems(shownEntries(tarnel::kFontStyleEntries));
        return styles;
    }
    // The colour buttons beside the sample.
    auto *colours = new QWidget;
    auto *layout = new QHBoxLayout(colours);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(plainButton(CFontDlg::tr("FontColor"), colours));
    buttons->addWidget(plainButton(CFontDlg::tr("Background Color"), colours));
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(new CFontPreview(colours), 1);
    return colours;
}

} // namespace

CFontDlg::CFontDlg(QWidget *parent)
    : CDescribedForm(tarnel::FormattedTextForm(), makeFontInput, parent)
{
    auto *faces = findChild<CFontCombo *>(QStringLiteral("faces"));
    connect(faces, &QComboBox::activated, this, [this, faces](int index) {
        m_fields.face = text(faces->itemText(index));
        refreshPreview();
    });
    // "Normal" shows in the size and style lists, but neither counts until picked.
    connect(findChild<QComboBox *>(QStringLiteral("sizes")), &QComboBox::activated, this,
            [this](int index) { m_fields.size = tarnel::FontSizeValue(index); });
    connect(findChild<QComboBox *>(QStringLiteral("styles")), &QComboBox::activated, this,
            [this](int index) { m_fields.style = index; });
    const QList<QPushButton *> colourButtons =
        findChild<QWidget *>(QStringLiteral("colours"))->findChildren<QPushButton *>();
    connect(colourButtons[0], &QPushButton::clicked, this, &CFontDlg::chooseTextColour);
    connect(colourButtons[1], &QPushButton::clicked, this, &CFontDlg::chooseBackgroundColour);
    m_preview = findChild<CFontPreview *>();
    refreshPreview();
    faces->setFocus();
}

void CFontDlg::choose(int option)
{
    m_fields.alignment = tarnel::TextAlignment(option);
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
    CDescribedForm::readFields();
    m_result = tarnel::BuildFormattedText(m_fields);
}
