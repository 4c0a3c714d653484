#include "LinkDlg.h"

#include "PictureSize.h"
#include "filepaths.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CLinkDlg::CLinkDlg(QWidget *parent)
    : CFormDlg(tr("Link"), parent)
{
    auto *outer = new QGroupBox(tr("Link Attributes"), this);
    auto *outerLayout = new QVBoxLayout(outer);
    grid()->addWidget(outer, 0, 0);

    auto *urlRow = new QGridLayout;
    m_url = addBrowseRow(tr("Url:"), tarnel::kAllFilesFilter, urlRow);
    outerLayout->addLayout(urlRow);

    auto *kinds = new QGroupBox(tr("Links"), outer);
    auto *kindRow = new QHBoxLayout(kinds);
    m_imageKind = new QRadioButton(tr("Image"), kinds);
    m_textKind = new QRadioButton(tr("Text"), kinds);
    m_appletKind = new QRadioButton(tr("Applet"), kinds);
    kindRow->addWidget(m_imageKind);
    kindRow->addWidget(m_textKind);
    kindRow->addWidget(m_appletKind);
    kindRow->addStretch();
    outerLayout->addWidget(kinds);

    // The image and applet groups take the same place: only one of them is ever shown.
    m_imageGroup = new QGroupBox(tr("Image link"), outer);
    auto *imageRows = new QGridLayout(m_imageGroup);
    m_imageSource = addBrowseRow(tr("Source"), tarnel::kLinkSourceFilter, imageRows);
    m_imageComment = addTextRow(tr("Image Comment"), imageRows);
    m_border = addTextRow(tr("Border"), imageRows);
    outerLayout->addWidget(m_imageGroup);

    m_appletGroup = new QGroupBox(tr("Applet Link"), outer);
    auto *appletRows = new QGridLayout(m_appletGroup);
    m_fileName = addBrowseRow(tr("File Name"), tarnel::kLinkSourceFilter, appletRows);
    m_className = addBrowseRow(tr("Class Name"), tarnel::kAppletClassFilter, appletRows);
    m_appletName = addTextRow(tr("Applet Name"), appletRows);
    outerLayout->addWidget(m_appletGroup);

    m_sizeAndAlign = new QWidget(outer);
    auto *sizeRows = new QGridLayout(m_sizeAndAlign);
    sizeRows->setContentsMargins(0, 0, 0, 0);
    m_height = addTextRow(tr("Height"), sizeRows);
    m_width = addTextRow(tr("Width"), sizeRows);
    m_align = addListRow(tr("Align"), listEntries(tarnel::ImageAlignList()), false, sizeRows);
    outerLayout->addWidget(m_sizeAndAlign);

    m_textGroup = new QGroupBox(tr("Text Link"), outer);
    auto *textLayout = new QVBoxLayout(m_textGroup);
    m_linkText = new QPlainTextEdit(m_textGroup);
    m_linkText->setTabChangesFocus(true);
    textLayout->addWidget(m_linkText);
    outerLayout->addWidget(m_textGroup);

    m_url->setObjectName(QStringLiteral("url"));
    m_imageKind->setObjectName(QStringLiteral("imageKind"));
    m_textKind->setObjectName(QStringLiteral("textKind"));
    m_appletKind->setObjectName(QStringLiteral("appletKind"));
    m_imageGroup->setObjectName(QStringLiteral("imageGroup"));
    m_imageSource->setObjectName(QStringLiteral("imageSource"));
    m_imageComment->setObjectName(QStringLiteral("imageComment"));
    m_border->setObjectName(QStringLiteral("border"));
    m_appletGroup->setObjectName(QStringLiteral("appletGroup"));
    m_fileName->setObjectName(QStringLiteral("fileName"));
    m_className->setObjectName(QStringLiteral("className"));
    m_appletName->setObjectName(QStringLiteral("appletName"));
    m_sizeAndAlign->setObjectName(QStringLiteral("sizeAndAlign"));
    m_height->setObjectName(QStringLiteral("height"));
    m_width->setObjectName(QStringLiteral("width"));
    m_align->setObjectName(QStringLiteral("align"));
    m_textGroup->setObjectName(QStringLiteral("textGroup"));
    m_linkText->setObjectName(QStringLiteral("linkText"));

    connect(m_imageKind, &QRadioButton::clicked, this,
            [this] { showKind(tarnel::LinkKind::Image); });
    connect(m_textKind, &QRadioButton::clicked, this, [this] { showKind(tarnel::LinkKind::Text); });
    connect(m_appletKind, &QRadioButton::clicked, this,
            [this] { showKind(tarnel::LinkKind::Applet); });
    connect(this, &CFormDlg::fileBrowsed, this, [this](QLineEdit *field, const QString &path) {
        if (field == m_imageSource)
            fillPictureSize(path, m_width, m_height);
    });
    showKind(m_fields.kind);
}

void CLinkDlg::setFields(const tarnel::LinkFields &fields)
{
    m_fields = fields;
    m_url->setText(qtext(fields.url));
    m_imageSource->setText(qtext(fields.imageSource));
    m_imageComment->setText(qtext(fields.imageComment));
    m_border->setText(qtext(fields.border));
    m_height->setText(qtext(fields.height));
    m_width->setText(qtext(fields.width));
    selectValue(m_align, qtext(fields.align));
    m_fileName->setText(qtext(fields.fileName));
    m_className->setText(qtext(fields.className));
    m_appletName->setText(qtext(fields.appletName));
    m_linkText->setPlainText(qtext(fields.linkText));
    showKind(fields.kind);
}

void CLinkDlg::readFields()
{
    m_fields.url = text(m_url);
    m_fields.imageSource = text(m_imageSource);
    m_fields.imageComment = text(m_imageComment);
    m_fields.border = text(m_border);
    m_fields.height = text(m_height);
    m_fields.width = text(m_width);
    m_fields.align = text(m_align);
    m_fields.fileName = text(m_fileName);
    m_fields.className = text(m_className);
    m_fields.appletName = text(m_appletName);
    m_fields.linkText = text(m_linkText);
}

std::optional<std::string> CLinkDlg::validate() const
{
    return tarnel::Validate(m_fields);
}

void CLinkDlg::showKind(tarnel::LinkKind kind)
{
    const tarnel::LinkLayout layout = tarnel::LinkLayoutFor(kind);
    m_fields.kind = kind;
    m_imageKind->setChecked(m_fields.kind == tarnel::LinkKind::Image);
    m_textKind->setChecked(m_fields.kind == tarnel::LinkKind::Text);
    m_appletKind->setChecked(m_fields.kind == tarnel::LinkKind::Applet);
    m_imageGroup->setVisible(layout.imageInputs);
    m_appletGroup->setVisible(layout.appletInputs);
    m_sizeAndAlign->setVisible(layout.sizeAndAlign);
    m_textGroup->setVisible(layout.textInput);
    if (isVisible())
        adjustSize();
}
