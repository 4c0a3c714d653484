#pragma once

class QLineEdit;
class QString;

// Width and Height follow the last browsed file: a picture's pixel size, or nothing for a
// file that is no picture Qt can read (a video), so an earlier picture's size never stays.
void fillPictureSize(const QString &picturePath, QLineEdit *width, QLineEdit *height);
// The same for a width alone (a further file of a picture's SRCSET).
void fillPictureWidth(const QString &picturePath, QLineEdit *width);
