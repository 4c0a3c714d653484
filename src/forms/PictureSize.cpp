#include "PictureSize.h"

#include <QImageReader>
#include <QLineEdit>
#include <QString>

void fillPictureSize(const QString &picturePath, QLineEdit *width, QLineEdit *height)
{
    const QSize size = QImageReader(picturePath).size();
    width->setText(size.isValid() ? QString::number(size.width()) : QString());
    height->setText(size.isValid() ? QString::number(size.height()) : QString());
}

void fillPictureWidth(const QString &picturePath, QLineEdit *width)
{
    const QSize size = QImageReader(picturePath).size();
    width->setText(size.isValid() ? QString::number(size.width()) : QString());
}
