#include "PictureSize.h"

#include <QImageReader>
#include <QLineEdit>
#include <QString>

void fillPictureSize(const QString &picturePath, QLineEdit *width, QLineEdit *height)
{
    if (!width->text().isEmpty() || !height->text().isEmpty())
        return;
    const QSize size = QImageReader(picturePath).size();
    if (!size.isValid())
        return;
    width->setText(QString::number(size.width()));
    height->setText(QString::number(size.height()));
}
