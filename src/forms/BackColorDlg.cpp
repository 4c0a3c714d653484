#include "BackColorDlg.h"

#include "colourlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CBackColorDlg::CBackColorDlg(QWidget *parent)
    : CFormDlg(tr("Background"), parent)
{
    auto *outer = new QGroupBox(tr("Background Attributes"), this);
    auto *outerLayout = new QVBoxLayout(outer);
    grid()->addWidget(outer, 0, 0);

    auto *choices = new QHBoxLayout;
    m_imageChoice = new QRadioButton(tr("Image"), outer);
    m_colourChoice = new QRadioButton(tr("Color"), outer);
    m_bothChoice = new QRadioButton(tr("Image and Color"), outer);
    choices->addWidget(m_imageChoice);
    choices->addWidget(m_colourChoice);
    choices->addWidget(m_bothChoice);
    choices->addStretch();
    outerLayout->addLayout(choices);

    auto *imageGroup = new QGroupBox(tr("Background Image"), outer);
    auto *imageRow = new QHBoxLayout(imageGroup);
    m_image = newTextField(imageGroup);
    imageRow->addWidget(m_image);
    imageRow->addWidget(addBrowseButton(m_image, tarnel::kPictureFileFilter));
    outerLayout->addWidget(imageGroup);

    auto *colourGroup = new QGroupBox(tr("Background Color"), outer);
    auto *colourRow = new QHBoxLayout(colourGroup);
    m_colour = new QComboBox(colourGroup);
    fillList(m_colour, listEntries(tarnel::BackgroundColourList()), true);
    m_colour->setCurrentIndex(m_colour->findText(QString())); // the empty entry: nothing
    m_colour->setMinimumContentsLength(12);
    colourRow->addWidget(m_colour);
    outerLayout->addWidget(colourGroup);

    m_imageChoice->setObjectName(QStringLiteral("imageChoice"));
    m_colourChoice->setObjectName(QStringLiteral("colourChoice"));
    m_bothChoice->setObjectName(QStringLiteral("bothChoice"));
    m_image->setObjectName(QStringLiteral("image"));
    m_colour->setObjectName(QStringLiteral("colour"));

    using tarnel::BackgroundChoice;
    connect(m_imageChoice, &QRadioButton::clicked, this,
            [this] { choose(BackgroundChoice::Image); });
    connect(m_colourChoice, &QRadioButton::clicked, this,
            [this] { choose(BackgroundChoice::Colour); });
    connect(m_bothChoice, &QRadioButton::clicked, this,
            [this] { choose(BackgroundChoice::ImageAndColour); });
    m_imageChoice->setChecked(true);
    choose(BackgroundChoice::Image);
}

void CBackColorDlg::readFields()
{
    m_fields.image = text(m_image);
    m_fields.colour = text(m_colour);
}

std::optional<std::string> CBackColorDlg::validate() const
{
    return tarnel::Validate(m_fields);
}

void CBackColorDlg::choose(tarnel::BackgroundChoice choice)
{
    const tarnel::BackgroundInputs inputs = tarnel::BackgroundInputsFor(choice);
    m_image->setReadOnly(!inputs.imageEditable);
    m_colour->setEnabled(inputs.colourEnabled);
}
