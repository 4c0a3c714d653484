#include "PictureDlg.h"

#include "PictureSize.h"

#include <QLineEdit>
#include <QMessageBox>

CPictureDlg::CPictureDlg(QWidget *parent)
    : CDescribedForm(tarnel::PictureForm(), parent)
{
    auto field = [this](const char *name) { return findChild<QLineEdit *>(QLatin1String(name)); };
    QLineEdit *first = field("source"), *firstWidth = field("width"), *height = field("height");
    const QList<std::pair<QLineEdit *, QLineEdit *>> widths = {{field("source2"), field("width2")},
                                                               {field("source3"), field("width3")}};
    connect(this, &CFormDlg::fileBrowsed, this, [=](QLineEdit *browsed, const QString &path) {
        if (browsed == first)
            fillPictureSize(path, firstWidth, height);
        for (const auto &[source, width] : widths)
            if (browsed == source)
                fillPictureWidth(path, width);
    });
}

void CPictureDlg::setFields(const tarnel::PictureFields &fields, bool furtherPictures)
{
    CDescribedForm::setFields(fields);
    for (const char *name : {"media2", "media3"})
        findChild<QWidget *>(QLatin1String(name))->setEnabled(false);
    for (const char *name : {"source2", "width2", "source3", "width3"})
        findChild<QWidget *>(QLatin1String(name))->setEnabled(furtherPictures);
}

void CPictureDlg::accept()
{
    readFields();
    if (!validate()) {
        if (const auto warning = tarnel::Warning(m_fields)) {
            if (QMessageBox::question(this, tr("Editor"), coreText(*warning)) != QMessageBox::Yes) {
                findChild<QLineEdit *>(QStringLiteral("alt"))->setFocus();
                return;
            }
        }
    }
    CDescribedForm::accept();
}
