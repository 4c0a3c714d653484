#include "MediaDlg.h"

#include "PictureSize.h"

#include <QComboBox>
#include <QLineEdit>

CMediaDlg::CMediaDlg(QWidget *parent)
    : CDescribedForm(tarnel::MediaForm(), parent)
{
    CDescribedForm::setFields(tarnel::MediaFields{});
    auto *poster = findChild<QLineEdit *>(QStringLiteral("poster"));
    auto *width = findChild<QLineEdit *>(QStringLiteral("width"));
    auto *height = findChild<QLineEdit *>(QStringLiteral("height"));
    connect(this, &CFormDlg::fileBrowsed, this,
            [poster, width, height](QLineEdit *field, const QString &path) {
                if (field == poster)
                    fillPictureSize(path, width, height);
            });
    auto *element = findChild<QComboBox *>(QStringLiteral("element"));
    connect(element, &QComboBox::currentTextChanged, this, &CMediaDlg::showVideoRows);
    showVideoRows(element->currentText());
}

void CMediaDlg::setFields(const tarnel::MediaFields &fields)
{
    CDescribedForm::setFields(fields);
    for (const char *name : {"element", "source2", "source3", "fallback"})
        findChild<QWidget *>(QLatin1String(name))->setEnabled(false);
}

void CMediaDlg::showVideoRows(const QString &element)
{
    // A sound has no picture: its poster and size would not be written.
    const bool video = element != QLatin1String("AUDIO");
    for (const char *name : {"poster", "width", "height"})
        findChild<QLineEdit *>(QLatin1String(name))->setEnabled(video);
}
