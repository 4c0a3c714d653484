#include "ImgDlg.h"

#include "PictureSize.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

CImgDlg::CImgDlg(QWidget *parent)
    : CDescribedForm(tarnel::ImageForm(), parent)
{
    m_imageSource = findChild<QLineEdit *>(QStringLiteral("imageSource"));
    m_width = findChild<QLineEdit *>(QStringLiteral("width"));
    m_height = findChild<QLineEdit *>(QStringLiteral("height"));
    int sourceRow = 0, column = 0, rowSpan = 0, columnSpan = 0;
    rows()->getItemPosition(rows()->indexOf(m_imageSource), &sourceRow, &column, &rowSpan,
                            &columnSpan);
    m_imageBrowse = qobject_cast<QPushButton *>(rows()->itemAtPosition(sourceRow, 2)->widget());

    const int videoRow = rows()->rowCount();
    m_video = new QCheckBox(tr("Video"), group());
    m_videoSource = newTextField(group());
    m_videoBrowse = addBrowseButton(m_videoSource, tarnel::kVideoFileFilter);
    rows()->addWidget(m_video, videoRow, 0);
    rows()->addWidget(m_videoSource, videoRow, 1);
    rows()->addWidget(m_videoBrowse, videoRow, 2);

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
    // The size is the last chosen picture's; a video's size is unknown, so it clears it.
    connect(this, &CFormDlg::fileBrowsed, this,
            [this](QLineEdit *, const QString &path) { fillPictureSize(path, m_width, m_height); });
    applySourceInputs(tarnel::ImageOpeningInputs());
}

void CImgDlg::setFields(const tarnel::ImageFields &fields)
{
    CDescribedForm::setFields(fields);
    m_video->setChecked(fields.video);
    m_videoSource->setText(qtext(fields.videoSource));
    applySourceInputs(tarnel::ImageOpeningInputs());
}

void CImgDlg::offerPicture(const QString &source, const QString &picturePath)
{
    m_imageSource->setText(source);
    fillPictureSize(picturePath, m_width, m_height);
}

void CImgDlg::readFields()
{
    CDescribedForm::readFields();
    m_fields.video = m_video->isChecked();
    m_fields.videoSource = text(m_videoSource);
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
