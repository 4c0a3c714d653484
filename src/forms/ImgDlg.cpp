#include "ImgDlg.h"

#include "PictureSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CImgDlg::CImgDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("Image Dialog"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Image Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_imageSource = addTextRow(QStringLiteral("Image Source"), rows);
    m_imageBrowse = addBrowseButton(m_imageSource, tarnel::kPictureFileFilter);
    rows->addWidget(m_imageBrowse, rows->rowCount() - 1, 2);
    m_width = addTextRow(QStringLiteral("Width"), rows);
    m_height = addTextRow(QStringLiteral("Height"), rows);
    m_border = addTextRow(QStringLiteral("Border"), rows);
    m_comment = addTextRow(QStringLiteral("Image Comment"), rows);
    m_align =
        addListRow(QStringLiteral("Align"), listEntries(tarnel::ImageAlignList()), false, rows);

    const int videoRow = rows->rowCount();
    m_video = new QCheckBox(QStringLiteral("Video"), group);
    m_videoSource = newTextField(group);
    m_videoBrowse = addBrowseButton(m_videoSource, tarnel::kVideoFileFilter);
    rows->addWidget(m_video, videoRow, 0);
    rows->addWidget(m_videoSource, videoRow, 1);
    rows->addWidget(m_videoBrowse, videoRow, 2);

    m_imageSource->setObjectName(QStringLiteral("imageSource"));
    m_width->setObjectName(QStringLiteral("width"));
    m_height->setObjectName(QStringLiteral("height"));
    m_border->setObjectName(QStringLiteral("border"));
    m_comment->setObjectName(QStringLiteral("comment"));
    m_align->setObjectName(QStringLiteral("align"));
    m_video->setObjectName(QStringLiteral("video"));
    m_videoSource->setObjectName(QStringLiteral("videoSource"));
    m_imageBrowse->setObjectName(QStringLiteral("imageBrowse"));
    m_videoBrowse->setObjectName(QStringLiteral("videoBrowse"));

    // The highlighted browse button is a checked one; a click must not toggle it.
    for (QPushButton *button : {m_imageBrowse, m_videoBrowse}) {
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this] { applySourceInputs(m_inputs); });
    }
    connect(m_video, &QCheckBox::clicked, this, &CImgDlg::videoClicked);
    connect(this, &CFormDlg::fileBrowsed, this, [this](QLineEdit *field, const QString &path) {
        if (field == m_imageSource)
            fillPictureSize(path, m_width, m_height);
    });
    applySourceInputs(tarnel::ImageOpeningInputs());
}

void CImgDlg::setFields(const tarnel::ImageFields &fields)
{
    m_fields = fields;
    m_imageSource->setText(qtext(fields.imageSource));
    m_width->setText(qtext(fields.width));
    m_height->setText(qtext(fields.height));
    m_border->setText(qtext(fields.border));
    m_comment->setText(qtext(fields.comment));
    selectValue(m_align, qtext(fields.align));
    m_video->setChecked(fields.video);
    m_videoSource->setText(qtext(fields.videoSource));
    applySourceInputs(tarnel::ImageOpeningInputs());
}

void CImgDlg::readFields()
{
    m_fields.imageSource = text(m_imageSource);
    m_fields.width = text(m_width);
    m_fields.height = text(m_height);
    m_fields.border = text(m_border);
    m_fields.comment = text(m_comment);
    m_fields.align = text(m_align);
    m_fields.video = m_video->isChecked();
    m_fields.videoSource = text(m_videoSource);
}

std::optional<std::string> CImgDlg::validate() const
{
    return tarnel::Validate(m_fields);
}

void CImgDlg::videoClicked(bool ticked)
{
    tarnel::ImageFields sources;
    sources.imageSource = text(m_imageSource);
    sources.videoSource = text(m_videoSource);
    applySourceInputs(tarnel::ImageVideoToggled(sources, ticked));
    m_imageSource->setText(qtext(sources.imageSource));
    m_videoSource->setText(qtext(sources.videoSource));
}

void CImgDlg::applySourceInputs(const tarnel::ImageSourceInputs &inputs)
{
    m_inputs = inputs;
    m_imageSource->setReadOnly(!inputs.imageSourceEditable);
    m_videoSource->setReadOnly(!inputs.videoSourceEditable);
    m_imageBrowse->setChecked(inputs.imageBrowseHighlighted);
    m_videoBrowse->setChecked(inputs.videoBrowseHighlighted);
}
